// Waiting on the window's thread without freezing the window.
#pragma once
#include <windows.h>

// Fetches, translates and dispatches queued messages; leaves the quit message queued.
void ProcessPendingEvents();
// Processes pending events only when mouse or keyboard input is queued.
void PumpPendingInput();
// Waits about `milliseconds`, handling window events that arrive meanwhile.
void WaitResponsive(DWORD milliseconds);
// The same on a waitable timer the caller keeps for a series of waits.
void WaitResponsiveOn(HANDLE timer, DWORD milliseconds);
