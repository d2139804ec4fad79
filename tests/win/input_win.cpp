#include "input_win.h"

void PumpFor(DWORD ms) {
    DWORD end = GetTickCount() + ms;
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

INPUT MouseInput(POINT screen, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void ClickAt(POINT screen) {
    INPUT inputs[] = {MouseInput(screen, MOUSEEVENTF_MOVE), MouseInput(screen, MOUSEEVENTF_LEFTDOWN),
                      MouseInput(screen, MOUSEEVENTF_LEFTUP)};
    SendInput(1, &inputs[0], sizeof(INPUT));
    PumpFor(30);
    SendInput(2, &inputs[1], sizeof(INPUT));
    PumpFor(100);
}

void ClickInside(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    ClickAt(point);
}

void PressKey(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    PumpFor(100);
}

void FocusWindow(HWND window) {
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    SetFocus(window);
    PumpFor(50);
}
