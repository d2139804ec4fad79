// The runner through the real cmd.exe, with our helper child emit.exe.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/window_access.h"
#include "console/runner.h"
#include "console/runner_win.h"
#include "main_window_fixture_win.h"
#include "text/files.h"
#include "text/numbers.h"
#include "test_folders_win.h"

namespace {

// emit.exe lies beside the test; the runner finds it through the current directory.
struct RunnerFixture : ::testing::Test {
    void SetUp() override { SetCurrentDirectoryA(TestFolder().c_str()); }
};

}  // namespace

using Runner = RunnerFixture;

TEST_F(Runner, ReturnsExactlyWhatTheCommandPrinted) {
    const struct {
        const char* command;
        Text expected;
    } cases[] = {
        {"emit.exe", ""},
        {"emit.exe out:ab crlf", "ab\r\n"},
        {"emit.exe out:a sleep:100 err:b sleep:100 out:c", "abc"},       // stderr shares the pipe
        {"emit.exe cut:ab:cd sleep:300 out:ef", "abef"},                 // a zero byte cuts its chunk only
        {"emit.exe out:\xD6\xD0\xCE\xC4 crlf crlf", "\xD6\xD0\xCE\xC4\r\n\r\n"},  // no conversion
        {"exit 259", ""},                                                 // ends although its code is STILL_ACTIVE
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, RunConsoleCommand(c.command)) << c.command;
}

TEST_F(Runner, CollectsALargeOutputCompleteAndInOrder) {
    Text output = RunConsoleCommand("emit.exe big:1048576");
    ASSERT_EQ(1048576u, output.size());
    for (size_t i = 0; i < output.size(); i += 4099) ASSERT_EQ(static_cast<char>('a' + i % 26), output[i]) << i;
}

TEST_F(Runner, ReturnsTheInterpretersOwnErrorText) {
    Text output = RunConsoleCommand("no-such-program.exe");
    EXPECT_FALSE(output.empty());
    EXPECT_NE(Text::npos, output.find("\r\n"));
}

TEST_F(Runner, ACommandLineThatCannotStartGivesTheEmptyText) {
    // Longer than any process command line may be, so the process is never created.
    DWORD start = GetTickCount();
    EXPECT_EQ("", RunConsoleCommand("emit.exe out:" + Text(40000, 'x')));
    EXPECT_LT(GetTickCount() - start, 2000u);
}

TEST(CommandLine, PrefixesTheInterpreter) { EXPECT_EQ("cmd.exe /c lsconsole.exe list2", InterpreterCommandLine("lsconsole.exe list2")); }

namespace {

int paints = 0;

LRESULT CALLBACK CountPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_PAINT) ++paints;
    return DefSubclassProc(window, message, wParam, lParam);
}

POINT AppBoxPoint(int k) {
    POINT p = {40, AppBoxHeight / 2};
    ClientToScreen(选择框[k], &p);
    return p;
}

// Fired by timers while a command runs: the test's interaction with the window.
void CALLBACK ClickDuringRun(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    INPUT inputs[] = {MouseInput(AppBoxPoint(7), MOUSEEVENTF_LEFTDOWN), MouseInput(AppBoxPoint(7), MOUSEEVENTF_LEFTUP)};
    SendInput(2, inputs, sizeof(INPUT));
}

void CALLBACK MoveAndPaintDuringRun(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    paints = 0;
    InvalidateRect(MainWindow, nullptr, TRUE);
    INPUT move = MouseInput(AppBoxPoint(7), MOUSEEVENTF_MOVE);
    SendInput(1, &move, sizeof(INPUT));
    SetTimer(nullptr, 0, 200, ClickDuringRun);
}

void CALLBACK CloseDuringRun(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostMessageA(MainWindow, WM_CLOSE, 0, 0);
}

struct RunnerWithWindow : MainWindowFixture {
    void SetUp() override {
        SetCurrentDirectoryA(TestFolder().c_str());
        MainWindowFixture::SetUp();
        StopRunnerWhenWindowGone(MainWindow);
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        StopRunnerWhenWindowGone(nullptr);
    }
};

}  // namespace

TEST_F(RunnerWithWindow, WindowPaintsAndTakesClicksWhileACommandRuns) {
    SetWindowSubclass(MainWindow, CountPaints, 3, 0);
    SetTimer(nullptr, 0, 400, MoveAndPaintDuringRun);
    DWORD start = GetTickCount();
    EXPECT_EQ("done", RunConsoleCommand("emit.exe sleep:2000 out:done"));
    EXPECT_GE(GetTickCount() - start, 1900u);
    EXPECT_GT(paints, 0);
    EXPECT_TRUE(AppIsTicked(7));
}

TEST_F(RunnerWithWindow, ReturnsAtOnceWhenTheWindowIsClosedAndLeavesTheChildRunning) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    Text marker = Text(temp) + "merrowin-runner-" + IntToText(static_cast<int>(GetCurrentProcessId()));
    DeleteFileA(marker.c_str());
    SetTimer(nullptr, 0, 300, CloseDuringRun);
    DWORD start = GetTickCount();
    EXPECT_EQ("begun", RunConsoleCommand("emit.exe out:begun sleep:2500 touch:" + marker));
    EXPECT_LT(GetTickCount() - start, 1500u);
    EXPECT_TRUE(MainWindowGone());
    EXPECT_FALSE(FileExists(marker));
    Sleep(3500);
    EXPECT_TRUE(FileExists(marker));  // the child was not killed: it finished its work
    DeleteFileA(marker.c_str());
}
