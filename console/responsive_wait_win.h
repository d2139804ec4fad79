// Waiting on the window's thread without freezing the window.
#pragma once
#include <windows.h>

// Fetches, translates and dispatches queued messages; leaves the quit message queued.
void ProcessPendingEvents();
// Processes pending events only when mouse or keyboard input is queued.
void PumpPendingInput();
// Waits about `milliseconds` on the caller's waitable timer, handling window
// events that arrive meanwhile. The caller keeps one timer for a series of waits.
void WaitResponsive(HANDLE timer, DWORD milliseconds);
