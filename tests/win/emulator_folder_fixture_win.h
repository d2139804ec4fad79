// A fresh simulated emulator folder for each test, made the program's folder
// and the current directory, as after start-up in the emulator's folder.
#pragma once
#include <gtest/gtest.h>

#include "lsconsole/demo_folder_win.h"

struct EmulatorFolderFixture : ::testing::Test {
    Text root;
    void SetUp() override;
    void TearDown() override;
    // Lays these instances instead of the demo's.
    void Lay(const std::vector<InstanceLayout>& instances);
    void WriteFaults(const Text& faults);
    // The command lines the stand-in received, in order.
    TextArray ToolLog();
    bool AppFolderExists(int index, int k);
};
