// In-memory files: paths that exist, and the contents of those that are read.
#pragma once
#include <map>
#include <set>

#include "text/text.h"

struct FakeFiles {
    std::set<Text> existing;
    std::map<Text, Text> contents;  // a file with contents exists as well
    TextArray asked;                // every path asked about, in order
};

extern FakeFiles Files;
void ResetFiles();
