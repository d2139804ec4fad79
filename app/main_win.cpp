#include "app/start_sequence_win.h"

// The program reads no command line.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunStartSequence(instance); }
