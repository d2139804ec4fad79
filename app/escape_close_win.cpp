#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win.h"

namespace {

// No control claims Esc: it closes the window like the close box.
LRESULT CALLBACK EscapeCloseProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        if (MainWindow) PostMessageA(MainWindow, WM_CLOSE, 0, 0);
        return 0;
    }
    if (message == WM_CHAR && wParam == VK_ESCAPE) return 0;  // nor does the edit box type it
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void InstallEscapeClose(HWND control) { SetWindowSubclass(control, EscapeCloseProc, 1, 0); }
