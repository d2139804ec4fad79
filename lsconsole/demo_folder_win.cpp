#include "lsconsole/demo_folder_win.h"

#include <windows.h>

#include <filesystem>

#include "app/app_table.h"
#include "lsconsole/emulator_folder_win.h"
#include "text/numbers.h"

namespace {

bool WriteTextFile(const Text& path, const Text& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    return ok;
}

Text ConfigText(const InstanceLayout& i) {
    Text config = "{\r\n    \"propertySettings.phoneIMEI\": \"86123400000000" + IntToText(i.index) + "\",\r\n";
    config += "    \"propertySettings.phoneManufacturer\": \"" + i.manufacturer + "\",\r\n";
    if (!i.model.empty()) config += "    \"propertySettings.phoneModel\": \"" + i.model + "\",\r\n";
    config += "    \"statusSettings.playerName\": \"" + AnsiToUtf8(i.name) + "\",\r\n";
    config += "    \"basicSettings.resolution\": \"1280x720\"\r\n}\r\n";
    return config;
}

bool LayPartition(const Text& root, int index) {
    for (const AppEntry& app : AppTable) {
        Text folder = PartitionPath(root, index, Text(app.systemFolder) + app.caption);
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error || !WriteTextFile(folder + "\\" + app.caption + ".apk", "apk")) return false;
    }
    return true;
}

bool LayInstance(const Text& root, const InstanceLayout& i) {
    Text folder = InstanceFolder(root, i.index);
    CreateDirectoryA(folder.c_str(), nullptr);
    if (!WriteTextFile(ConfigPath(root, i.index), ConfigText(i)) || !LayPartition(root, i.index)) return false;
    if (i.running && !WriteTextFile(RunningMarkerPath(root, i.index), "")) return false;
    return !i.diskFile || WriteTextFile(folder + "\\system.vmdk", "vmdk");
}

}  // namespace

std::vector<InstanceLayout> DemoInstances() {
    return {
        {0, "主力机", true, true, "samsung", "SM-G9810"},
        {1, "测试机", false, true, "HUAWEI", "ELS-AN00"},
        {3, "备用机", true, false, "Xiaomi", "M2007J1SC"},
        {4, "小号", true, true, "OPPO", ""},
    };
}

bool LayEmulatorFolder(const Text& root, const std::vector<InstanceLayout>& instances, const Text& toolFolder) {
    std::error_code error;
    std::filesystem::remove_all(root, error);
    std::filesystem::create_directories(root + "\\vms\\config", error);
    if (error) return false;
    for (const InstanceLayout& i : instances) {
        if (!LayInstance(root, i)) return false;
    }
    return CopyFileA((toolFolder + "\\lsconsole.exe").c_str(), (root + "\\lsconsole.exe").c_str(), FALSE) != 0;
}
