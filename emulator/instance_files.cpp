#include "emulator/instance_files.h"

bool IsValidInstanceIndex(const Text& index) {
    if (index.empty() || index.size() > 9) return false;
    for (char c : index) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

Text DiskFilePath(const Text& folder, const Text& n) { return folder + "\\vms\\lsvm" + n + "\\system.vmdk"; }

Text ConfigFilePath(const Text& folder, const Text& n) { return folder + "\\vms\\config\\lsvm" + n + ".config"; }
