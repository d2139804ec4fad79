// The whole text of a window or control, in the ANSI code page.
#pragma once
#include <windows.h>

#include "text/text.h"

Text WindowText(HWND window);
