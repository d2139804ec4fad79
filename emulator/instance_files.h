// The instance files beside the console tool, and what may name an instance.
#pragma once
#include "text/text.h"

// True for 1 to 9 ASCII digits and nothing else: only such a text goes into
// a path or a command line.
bool IsValidInstanceIndex(const Text& index);
// `folder` has no trailing backslash.
Text DiskFilePath(const Text& folder, const Text& n);
Text ConfigFilePath(const Text& folder, const Text& n);
