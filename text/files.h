// The two file services the system uses; failures give false or empty data.
#pragma once
#include "text/text.h"

// True when a directory search finds an entry; folders and wildcard matches count.
bool FileExists(const Text& path);
// The whole file; empty on any failure.
ByteSet ReadWholeFile(const Text& path);
