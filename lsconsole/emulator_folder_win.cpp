#include "lsconsole/emulator_folder_win.h"

#include <windows.h>

#include <algorithm>

#include "text/files.h"
#include "text/numbers.h"

namespace {

Text Convert(const Text& text, UINT from, UINT to) {
    if (text.empty()) return Text();
    int wide = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &w[0], wide);
    int narrow = WideCharToMultiByte(to, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    Text out(static_cast<size_t>(narrow), '\0');
    WideCharToMultiByte(to, 0, w.data(), wide, &out[0], narrow, nullptr, nullptr);
    return out;
}

// N of "lsvmN.config", or -1.
int IndexOfConfigName(const Text& name) {
    const Text prefix = "lsvm", suffix = ".config";
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return -1;
    }
    Text digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (digits.size() > 6 || digits.find_first_not_of("0123456789") != Text::npos) return -1;
    return ToInt(digits);
}

}  // namespace

Text Utf8ToAnsi(const Text& utf8) { return Convert(utf8, CP_UTF8, 936); }
Text AnsiToUtf8(const Text& ansi) { return Convert(ansi, 936, CP_UTF8); }

Text InstanceFolder(const Text& root, int index) { return root + "\\vms\\lsvm" + IntToText(index); }
Text PartitionPath(const Text& root, int index, const Text& instancePath) {
    Text path = InstanceFolder(root, index) + instancePath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

Text RunningMarkerPath(const Text& root, int index) { return root + "\\vms\\config\\lsvm" + IntToText(index) + ".running"; }
Text ConfigPath(const Text& root, int index) { return root + "\\vms\\config\\lsvm" + IntToText(index) + ".config"; }

Text ConfigString(const Text& config, const Text& key) {
    Text sought = "\"" + key + "\": \"";
    size_t at = config.find(sought);
    if (at == Text::npos) return Text();
    size_t start = at + sought.size();
    size_t end = config.find('"', start);
    return end == Text::npos ? Text() : config.substr(start, end - start);
}

std::vector<SimulatedInstance> ListSimulatedInstances(const Text& root) {
    std::vector<SimulatedInstance> instances;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((root + "\\vms\\config\\lsvm*.config").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return instances;
    do {
        int index = IndexOfConfigName(found.cFileName);
        if (index < 0) continue;
        Text config = BytesToText(ReadWholeFile(ConfigPath(root, index)));
        instances.push_back({index, Utf8ToAnsi(ConfigString(config, "statusSettings.playerName")),
                             FileExists(RunningMarkerPath(root, index))});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(instances.begin(), instances.end(),
              [](const SimulatedInstance& a, const SimulatedInstance& b) { return a.index < b.index; });
    return instances;
}
