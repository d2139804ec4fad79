// Stand-in for the emulator's console tool: answers "list2", "adb --index N
// --command "shell rm -r PATH" and "reboot --index N" from the simulated
// folder beside it, and appends every command line to lsconsole.log there.
#include <windows.h>

#include <filesystem>

#include "app/program_folder.h"
#include "lsconsole/emulator_folder_win.h"
#include "lsconsole/faults_win.h"
#include "text/files.h"
#include "text/numbers.h"

namespace {

Text ToolFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOfPath(path);
}

// The raw arguments: everything after the program's own name.
Text RawArguments() {
    Text line = GetCommandLineA();
    size_t at = 0;
    if (!line.empty() && line[0] == '"') at = line.find('"', 1) == Text::npos ? line.size() : line.find('"', 1) + 1;
    else at = line.find(' ') == Text::npos ? line.size() : line.find(' ');
    while (at < line.size() && line[at] == ' ') ++at;
    return line.substr(at);
}

// Appends the command to the log and returns how many commands it now holds.
int LogCommand(const Text& root, const Text& command) {
    Text path = root + "\\lsconsole.log";
    HANDLE log = INVALID_HANDLE_VALUE;
    // Another instance of the tool may be reading the log this moment: try again briefly.
    for (int attempt = 0; attempt < 100 && log == INVALID_HANDLE_VALUE; ++attempt) {
        log = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0,
                          nullptr);
        if (log == INVALID_HANDLE_VALUE) Sleep(10);
    }
    Text line = command + "\r\n";
    DWORD written = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
    return static_cast<int>(Split(BytesToText(ReadWholeFile(path)), "\r\n").size());
}

int CountInLog(const Text& root, const Text& command) {
    int count = 0;
    for (const Text& line : Split(BytesToText(ReadWholeFile(root + "\\lsconsole.log")), "\r\n")) count += line == command;
    return count;
}

// The text after "--index " up to the next blank, when it is a number.
int IndexArgument(const Text& command) {
    size_t at = command.find("--index ");
    if (at == Text::npos) return -1;
    Text value = command.substr(at + 8, command.find(' ', at + 8) - (at + 8));
    if (value.empty() || value.size() > 6 || value.find_first_not_of("0123456789") != Text::npos) return -1;
    return ToInt(value);
}

const SimulatedInstance* FindInstance(const std::vector<SimulatedInstance>& all, int index) {
    for (const SimulatedInstance& i : all) {
        if (i.index == index) return &i;
    }
    return nullptr;
}

Text ListingLine(const SimulatedInstance& i) {
    Text n = IntToText(i.index);
    if (!i.running) return n + "," + i.name + ",0,0,0,-1,-1\r\n";
    return n + "," + i.name + "," + IntToText(1312 + 16 * i.index) + "," + IntToText(1314 + 16 * i.index) + ",1," +
           IntToText(4120 + 8 * i.index) + "," + IntToText(5100 + 8 * i.index) + "\r\n";
}

Text Listing(const Text& root, const Faults& faults) {
    Text listing;
    for (const SimulatedInstance& i : ListSimulatedInstances(root)) {
        listing += ListingLine(i);
        if (faults.zeroByte && listing.find('\0') == Text::npos) listing += Text("\0", 1);
    }
    for (int k = 0; k < faults.extraInstances; ++k) listing += ListingLine({1000 + k, "extra" + IntToText(k), false});
    if (!faults.trailer.empty()) listing += faults.trailer + "\r\n";
    return listing;
}

bool IsSafeAppName(const Text& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789._-") == Text::npos;
}

Text RemoveFolder(const Text& root, int index, const Text& target) {
    Text folder;
    for (const char* base : {"/system/app/", "/system/priv-app/"}) {
        Text b = base;
        if (target.compare(0, b.size(), b) == 0 && IsSafeAppName(target.substr(b.size()))) folder = target;
    }
    if (folder.empty()) return "rm: " + target + ": Operation not permitted\r\n";
    Text path = PartitionPath(root, index, folder);
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) return "rm: " + target + ": No such file or directory\r\n";
    std::filesystem::remove_all(path, error);
    return error ? "rm: " + target + ": Permission denied\r\n" : Text();
}

Text Removal(const Text& root, const Text& command, const Faults& faults) {
    int index = IndexArgument(command);
    const auto instances = ListSimulatedInstances(root);
    const SimulatedInstance* instance = FindInstance(instances, index);
    if (!instance) return "error: no instance with index " + IntToText(index) + "\r\n";
    if (!instance->running) return "error: instance " + IntToText(index) + " is not running\r\n";
    const Text prefix = "--command \"shell rm -r ";
    size_t at = command.find(prefix);
    if (at == Text::npos) return "error: unsupported command\r\n";
    Text target = command.substr(at + prefix.size());
    Text app = target.substr(target.rfind('/') + 1);
    for (const AppFault& fault : faults.appFaults) {
        if (fault.app == app && (fault.times < 0 || CountInLog(root, command) <= fault.times)) return fault.reply + "\r\n";
    }
    return RemoveFolder(root, index, target);
}

Text Reply(const Text& root, const Text& command, const Faults& faults) {
    if (command == "list2") return Listing(root, faults);
    if (command.compare(0, 4, "adb ") == 0) return Removal(root, command, faults);
    if (command.compare(0, 7, "reboot ") == 0) {
        const auto instances = ListSimulatedInstances(root);
        if (FindInstance(instances, IndexArgument(command))) return Text();
        return "error: no instance with index " + IntToText(IndexArgument(command)) + "\r\n";
    }
    return "error: unknown command\r\n";
}

}  // namespace

int main() {
    Text root = ToolFolder();
    Text command = RawArguments();
    int received = LogCommand(root, command);
    Faults faults = ReadFaults(root);
    if (faults.stopIndex >= 0 && received > faults.stopAfter) DeleteFileA(RunningMarkerPath(root, faults.stopIndex).c_str());
    if (faults.delayMs > 0) Sleep(static_cast<DWORD>(faults.delayMs));
    Text reply = Reply(root, command, faults);
    DWORD written = 0;
    WriteFile(GetStdHandle(faults.toStderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), reply.data(),
              static_cast<DWORD>(reply.size()), &written, nullptr);
    return 0;
}
