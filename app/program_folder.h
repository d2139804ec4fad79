// The folder the program lies in, without a trailing backslash.
#pragma once
#include "text/text.h"

// The part of a path before its last backslash (not a second byte of a pair).
Text FolderOfPath(const Text& path);
// Fixed once at start-up from the executable's path.
void RememberProgramFolder(const Text& executablePath);
Text ProgramFolder();
