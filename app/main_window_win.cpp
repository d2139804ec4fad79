#include "app/main_window_win.h"

#include "app/probe.h"
#include "app/res/resource.h"
#include "instances/refresh_instance_list.h"
#include "removal/select_all_apps.h"
#include "removal/slim_selected_instance.h"

HWND MainWindow;

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 522;
const char kClassName[] = "MerrowinMainWindow";

void OnCommand(WORD id) {
    switch (id) {
    case IDB_REFRESH: RefreshInstanceList(); break;
    case IDB_SELECT_ALL: SelectAllApps(); break;
    case IDB_SLIM: SlimSelectedInstance(); break;
    }
}

LRESULT OnColorEdit(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void OnDestroy() {
    ProbeEvent("main window closing");  // the controls still exist here
    MainWindow = nullptr;
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT: return OnColorEdit(reinterpret_cast<HDC>(wParam));
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_SHOWWINDOW:
        if (wParam) ProbeEvent("main window shown");
        break;
    case WM_DESTROY: OnDestroy(); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                             GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExA(&wc);
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
    RegisterMainWindowClass(instance);
    int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    // Fixed single border: a caption and system menu, no sizing frame, no maximise box.
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    MainWindow = CreateWindowExA(WS_EX_APPWINDOW, kClassName, "Merrowin By：Dastrel Oktavyn", style, left, top,
                                 kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (MainWindow) CreateMainWindowControls(MainWindow);
    return MainWindow;
}
