// Measures the runner: its overhead over a plain blocking spawn, the processor
// time it uses while waiting, and how late a posted click is handled meanwhile.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "bench/bench_clock_win.h"
#include "console/runner.h"

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The same command line spawned with blocking reads: the cost of the process alone.
void SpawnBlocking(const char* command) {
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    CreatePipe(&readEnd, &writeEnd, &sa, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = writeEnd;
    PROCESS_INFORMATION pi = {};
    char line[256];
    std::snprintf(line, sizeof line, "cmd.exe /c %s", command);
    CreateProcessA(nullptr, line, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    char buffer[4096];
    DWORD read;
    while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) {}
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(readEnd);
}

double ProcessCpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](FILETIME t) { return ((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0; };
    return ms(kernel) + ms(user);
}

std::atomic<double> postedAt{0};
std::vector<double> clickDelays;

LRESULT CALLBACK BenchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && postedAt.load() > 0) clickDelays.push_back(Now() - postedAt.exchange(0));
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateBenchButton() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = BenchWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MerrowinBench";
    RegisterClassA(&wc);
    HWND window = CreateWindowA("MerrowinBench", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                nullptr, wc.hInstance, nullptr);
    return CreateWindowA("BUTTON", "click", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, window, nullptr, wc.hInstance, nullptr);
}

}  // namespace

int main() {
    const char* trivial = "emit.exe";
    std::vector<double> ours, plain;
    for (int i = 0; i < 30; ++i) {
        double t0 = Now();
        RunConsoleCommand(trivial);
        double t1 = Now();
        SpawnBlocking(trivial);
        double t2 = Now();
        ours.push_back(t1 - t0);
        plain.push_back(t2 - t1);
    }
    std::printf("runner overhead: median %.1f ms against %.1f ms plain, ratio %.3f (target <= 1.10)\n", Median(ours),
                Median(plain), Median(ours) / Median(plain));

    double cpu0 = ProcessCpuMs(), wall0 = Now();
    RunConsoleCommand("emit.exe sleep:3000");
    double cpu = ProcessCpuMs() - cpu0, wall = Now() - wall0;
    std::printf("waiting: %.0f ms processor time in %.0f ms, %.2f%% of one core (target <= 2%%)\n", cpu, wall,
                100.0 * cpu / wall);

    HWND button = CreateBenchButton();
    std::atomic<bool> running{true};
    std::thread clicker([&] {
        while (running) {
            Sleep(97);
            if (postedAt.load() == 0) {
                postedAt = Now();
                PostMessageA(button, BM_CLICK, 0, 0);
            }
        }
    });
    RunConsoleCommand("emit.exe sleep:2000");
    running = false;
    clicker.join();
    if (!clickDelays.empty()) {
        std::printf("posted click during a run: median %.2f ms, worst %.2f ms over %zu clicks (target < 20 ms)\n",
                    Median(clickDelays), *std::max_element(clickDelays.begin(), clickDelays.end()), clickDelays.size());
    }
    return 0;
}
