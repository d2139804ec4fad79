// Reports on the running program's window from outside, for the scripted session:
//   window_report origin   the screen position of the main window's client area
//   window_report busy     "busy" while the refresh button is disabled, else "idle"
//   window_report log      the log box's text
//   window_report notice   "yes" while the start-up notice is open
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HWND main = FindWindowA("MerrowinMainWindow", nullptr);
    if (std::strcmp(argv[1], "notice") == 0) {
        std::printf(FindWindowA("#32770", "提示：") ? "yes\n" : "no\n");
        return 0;
    }
    if (!main) return 1;
    if (std::strcmp(argv[1], "origin") == 0) {
        POINT origin = {0, 0};
        ClientToScreen(main, &origin);
        std::printf("%ld %ld\n", origin.x, origin.y);
    } else if (std::strcmp(argv[1], "busy") == 0) {
        HWND refresh = FindWindowExA(main, nullptr, "Button", "刷新信息");
        std::printf(refresh && !IsWindowEnabled(refresh) ? "busy\n" : "idle\n");
    } else if (std::strcmp(argv[1], "log") == 0) {
        HWND log = FindWindowExA(main, nullptr, "Edit", nullptr);
        int length = static_cast<int>(SendMessageA(log, WM_GETTEXTLENGTH, 0, 0));
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(log, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
        std::fwrite(text.data(), 1, std::strlen(text.c_str()), stdout);
    } else {
        return 2;
    }
    return 0;
}
