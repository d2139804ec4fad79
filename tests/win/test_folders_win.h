// Folders the Windows tests work in.
#pragma once
#include "text/text.h"

// The folder of the running test program (emit.exe, lsconsole.exe and the probe build lie there).
Text TestFolder();
// The temp folder, without a trailing backslash.
Text TempFolder();
