// The real main window, built in the test's own process and shown.
#pragma once
#include <gtest/gtest.h>

#include "app/main_window_win.h"
#include "input_win.h"

struct MainWindowFixture : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(nullptr)));
        ShowWindow(MainWindow, SW_SHOW);
        SetForegroundWindow(MainWindow);
        PumpFor(200);
    }
    void TearDown() override {
        if (MainWindow) DestroyWindow(MainWindow);
        PumpFor(20);
    }
};
