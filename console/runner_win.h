// Win32 side of the runner.
#pragma once
#include <windows.h>

// While this window exists the runner waits for its child; once it is gone,
// the runner returns at once with what it has and leaves the child running.
void StopRunnerWhenWindowGone(HWND window);
