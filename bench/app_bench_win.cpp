// Measures the handlers in the real window over laid emulator folders: refresh
// time against its console runs, the time to slim 33 apps against its runner
// calls, and how late a click on the list is handled while a run goes on.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "app/main_window_win.h"
#include "app/program_folder.h"
#include "app/window_access.h"
#include "bench/bench_clock_win.h"
#include "console/runner.h"
#include "console/runner_win.h"
#include "emulator/commands.h"
#include "lsconsole/demo_folder_win.h"
#include "text/numbers.h"

namespace {

template <typename F>
double MedianMs(int runs, F f) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        double t0 = Now();
        f();
        times.push_back(Now() - t0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

Text BenchFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOfPath(path);
}

void LayRunningInstances(const Text& root, int n) {
    std::vector<InstanceLayout> instances;
    for (int i = 0; i < n; ++i) instances.push_back({i, "实例" + IntToText(i), true, true, "samsung", "SM-G9810"});
    LayEmulatorFolder(root, instances, BenchFolder());
    RememberProgramFolder(root + "\\merrowin.exe");
    SetCurrentDirectoryA((root + "\\").c_str());
}

void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

std::atomic<double> postedAt{0};
std::vector<double> listDelays;

LRESULT CALLBACK TimeListClicks(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (m == WM_LBUTTONDOWN && postedAt.load() > 0) listDelays.push_back(Now() - postedAt.exchange(0));
    return DefSubclassProc(w, m, wp, lp);
}

}  // namespace

int main() {
    Text root = BenchFolder() + "\\bench-emulator";
    CreateMainWindow(GetModuleHandleA(nullptr));
    StopRunnerWhenWindowGone(MainWindow);
    ShowWindow(MainWindow, SW_SHOW);
    for (int n : {1, 10, 50}) {
        LayRunningInstances(root, n);
        double listing = MedianMs(5, [] { RunConsoleCommand(ListingCommand()); });
        double refresh = MedianMs(3, [] { Click(刷新信息按钮); });
        std::printf("refresh, %2d instances: %.0f ms against (1 + 2n) x %.1f ms listing = %.0f ms, ratio %.3f (target <= 1.15)\n",
                    n, refresh, listing, (1 + 2 * n) * listing, refresh / ((1 + 2 * n) * listing));
    }

    LayRunningInstances(root, 1);
    Click(刷新信息按钮);
    double call = MedianMs(5, [] { RunConsoleCommand(RemovalCommand("0", 1, "NoSuchApp")); });
    Click(全选按钮);
    ListView_SetItemState(超级列表框1, 0, LVIS_SELECTED, LVIS_SELECTED);
    double slim = MedianMs(1, [] { Click(开始精简按钮); });
    std::printf("slim 33 apps: %.0f ms against 67 x %.1f ms runner calls = %.0f ms, ratio %.3f\n", slim, call, 67 * call,
                slim / (67 * call));

    LayRunningInstances(root, 1);
    Click(刷新信息按钮);
    for (int k = 1; k <= AppCount; ++k) AppTick(k);
    ListView_SetItemState(超级列表框1, 0, LVIS_SELECTED, LVIS_SELECTED);
    SetWindowSubclass(超级列表框1, TimeListClicks, 1, 0);
    std::atomic<bool> running{true};
    HWND list = 超级列表框1;
    std::thread clicker([&] {
        while (running) {
            Sleep(97);
            if (postedAt.load() == 0) {
                postedAt = Now();
                PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40));
                PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(30, 40));
            }
        }
    });
    Click(开始精简按钮);
    running = false;
    clicker.join();
    std::sort(listDelays.begin(), listDelays.end());
    if (!listDelays.empty()) {
        std::printf("click on the list during a run: median %.2f ms, worst %.2f ms over %zu clicks (target < 20 ms)\n",
                    listDelays[listDelays.size() / 2], listDelays.back(), listDelays.size());
    }
    DestroyWindow(MainWindow);
    return 0;
}
