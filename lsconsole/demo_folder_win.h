// Lays a simulated emulator folder for the demo and the tests.
#pragma once
#include <vector>

#include "text/text.h"

struct InstanceLayout {
    int index;
    Text name;          // code page 936; stored as UTF-8 like the emulator's own settings
    bool running;
    bool diskFile;
    Text manufacturer;
    Text model;         // empty: the configuration has no model key
};

// Four instances with a gap in the indices: running, stopped, running without
// its disk file, running without a model.
std::vector<InstanceLayout> DemoInstances();
// Writes the instances with full system partitions and copies the stand-in tool
// from `toolFolder` into `root`.
bool LayEmulatorFolder(const Text& root, const std::vector<InstanceLayout>& instances, const Text& toolFolder);
