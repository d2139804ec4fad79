// Real input for window tests: SendInput events, then the queue is drained.
#pragma once
#include <windows.h>

// Processes messages for about `ms` milliseconds.
void PumpFor(DWORD ms);
// A mouse event at a point of the screen, in the absolute coordinates SendInput takes.
INPUT MouseInput(POINT screen, DWORD flags);
// A left click at a point of the screen.
void ClickAt(POINT screen);
// A left click at a point given relative to a window's client area.
void ClickInside(HWND window, int x, int y);
// Presses and releases one virtual key.
void PressKey(WORD key);
// Brings a window to the front and gives it the keyboard focus.
void FocusWindow(HWND window);
