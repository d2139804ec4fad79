#include "console/responsive_wait_win.h"

void ProcessPendingEvents() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) break;
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the message loop must still see it
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void PumpPendingInput() {
    if (GetInputState()) ProcessPendingEvents();
}

void WaitResponsive(HANDLE timer, DWORD milliseconds) {
    LARGE_INTEGER due;
    due.QuadPart = static_cast<LONGLONG>(-static_cast<double>(milliseconds) * 10000.0);  // relative, 100 ns units
    if (!timer || !SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
        return;
    }
    // Anything but "input arrived" (the timer fired, or the wait failed) ends the wait.
    while (MsgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, 0xFF) == WAIT_OBJECT_0 + 1) {
        ProcessPendingEvents();
    }
}
