// The program's start sequence, message loop and end.
#pragma once
#include <windows.h>

int RunStartSequence(HINSTANCE instance);
