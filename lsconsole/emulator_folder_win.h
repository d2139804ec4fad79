// The simulated emulator folder that the stand-in console tool answers from:
//   vms\config\lsvmN.config   the instance's settings (UTF-8 JSON, one key a line)
//   vms\config\lsvmN.running  present while the instance runs
//   vms\lsvmN\system.vmdk     the disk file
//   vms\lsvmN\system\...      the instance's system partition, as real folders
#pragma once
#include <vector>

#include "text/text.h"

struct SimulatedInstance {
    int index;
    Text name;  // code page 936
    bool running;
};

// The instances in index order, as their configuration files show them.
std::vector<SimulatedInstance> ListSimulatedInstances(const Text& root);
Text InstanceFolder(const Text& root, int index);
// The folder on disk that an instance's path such as "/system/app/Gallery2" names.
Text PartitionPath(const Text& root, int index, const Text& instancePath);
Text RunningMarkerPath(const Text& root, int index);
Text ConfigPath(const Text& root, int index);
// The value of a "key": "value" line of a configuration file, or empty.
Text ConfigString(const Text& config, const Text& key);
Text Utf8ToAnsi(const Text& utf8);
Text AnsiToUtf8(const Text& ansi);
