#include "emulator_folder_fixture_win.h"

#include <windows.h>

#include <filesystem>

#include "app/app_table.h"
#include "app/program_folder.h"
#include "lsconsole/emulator_folder_win.h"
#include "test_folders_win.h"
#include "text/files.h"
#include "text/numbers.h"

void EmulatorFolderFixture::SetUp() {
    root = TempFolder() + "\\merrowin-emu-" + IntToText(static_cast<int>(GetCurrentProcessId()));
    Lay(DemoInstances());
}

void EmulatorFolderFixture::TearDown() {
    SetCurrentDirectoryA(TempFolder().c_str());
    std::error_code error;
    std::filesystem::remove_all(root, error);
}

void EmulatorFolderFixture::Lay(const std::vector<InstanceLayout>& instances) {
    SetCurrentDirectoryA(TempFolder().c_str());
    ASSERT_TRUE(LayEmulatorFolder(root, instances, TestFolder()));
    RememberProgramFolder(root + "\\merrowin.exe");
    SetCurrentDirectoryA((root + "\\").c_str());
}

void EmulatorFolderFixture::WriteFaults(const Text& faults) {
    HANDLE file = CreateFileA((root + "\\lsconsole-faults.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, faults.data(), static_cast<DWORD>(faults.size()), &written, nullptr);
    CloseHandle(file);
}

TextArray EmulatorFolderFixture::ToolLog() { return Split(BytesToText(ReadWholeFile(root + "\\lsconsole.log")), "\r\n"); }

bool EmulatorFolderFixture::AppFolderExists(int index, int k) {
    return FileExists(PartitionPath(root, index, Text(AppEntryOf(k).systemFolder) + AppEntryOf(k).caption));
}
