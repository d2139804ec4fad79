// The real program started as a process: the notice, the access code, the
// current directory and the end. The probe build records what happens inside.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/res/resource.h"
#include "text/numbers.h"
#include "text/text.h"
#include "test_folders_win.h"

namespace {

HWND FindWindowOf(DWORD processId, const char* className, const char* title) {
    for (int i = 0; i < 400; ++i) {
        for (HWND w = FindWindowExA(nullptr, nullptr, className, title); w;
             w = FindWindowExA(nullptr, w, className, title)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == processId) return w;
        }
        Sleep(25);
    }
    return nullptr;
}

struct ProgramRun {
    PROCESS_INFORMATION process = {};
    Text probePath;

    // Starts the probe build from `directory`, a folder other than its own.
    void Start(const Text& directory) {
        probePath = directory + "\\probe-" + IntToText(static_cast<int>(GetTickCount())) + ".txt";
        DeleteFileA(probePath.c_str());
        SetEnvironmentVariableA("MERROWIN_PROBE", probePath.c_str());
        Text command = "\"" + TestFolder() + "\\merrowin_probe.exe\"";
        STARTUPINFOA startup = {sizeof startup};
        ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                                   &startup, &process));
    }
    HWND Notice() { return FindWindowOf(process.dwProcessId, "#32770", "提示："); }
    HWND Main() { return FindWindowOf(process.dwProcessId, "MerrowinMainWindow", nullptr); }
    // The exit code, or -1 if the program did not end in time.
    long WaitForEnd() {
        if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return static_cast<long>(code);
    }
    Text Events() {
        std::ifstream file(probePath, std::ios::binary);
        std::stringstream content;
        content << file.rdbuf();
        return content.str();
    }
    int Count(const Text& event) {
        std::istringstream lines(Events());
        int count = 0;
        for (Text line; std::getline(lines, line);) count += line.rfind(event + "\t", 0) == 0;
        return count;
    }
    ~ProgramRun() {
        if (process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process.hProcess, 1);
        }
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        DeleteFileA(probePath.c_str());
    }
};

// Types the code into the notice and confirms it; nullptr leaves the hint as it is.
void Confirm(HWND notice, const char* code) {
    if (code) SetDlgItemTextA(notice, IDE_NOTICE_INPUT, code);
    PostMessageA(GetDlgItem(notice, IDOK), BM_CLICK, 0, 0);
}

}  // namespace

TEST(StartupNotice, ShowsPromptAndSelectedHint) {
    ProgramRun run;
    run.Start(TempFolder());
    HWND notice = run.Notice();
    ASSERT_TRUE(notice);
    char text[512] = {};
    GetDlgItemTextA(notice, IDS_NOTICE_PROMPT, text, sizeof text);
    EXPECT_EQ(Text("本工具发布于Dastrel论坛，如您通过其他网站下载，请在使用前查杀病毒\r\n"
                   "运行密码为【36tk】,在下方输入即可使用"),
              Text(text));
    GetDlgItemTextA(notice, IDE_NOTICE_INPUT, text, sizeof text);
    EXPECT_EQ(Text("请在此处输入密码"), Text(text));
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(notice, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
    DWORD start = 1, end = 0;
    SendMessageA(GetDlgItem(notice, IDE_NOTICE_INPUT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(8u, end);  // all eight characters of the hint
    EXPECT_FALSE(IsWindowVisible(run.Main()));
    PostMessageA(notice, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(0, run.WaitForEnd());
}

struct RefusedCase {
    const char* name;
    const char* code;  // nullptr: the hint confirmed unchanged
    bool cancel;
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class RefusedCode : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCode, EndsSilentlyWithoutShowingTheWindow) {
    ProgramRun run;
    run.Start(TempFolder());
    HWND notice = run.Notice();
    ASSERT_TRUE(notice);
    if (GetParam().cancel) PostMessageA(GetDlgItem(notice, IDCANCEL), BM_CLICK, 0, 0);
    else Confirm(notice, GetParam().code);
    EXPECT_EQ(0, run.WaitForEnd());
    EXPECT_EQ(1, run.Count("notice shown"));
    EXPECT_EQ(0, run.Count("main window shown")) << run.Events();
    EXPECT_EQ(0, run.Count("accepted"));
    EXPECT_EQ(1, run.Count("release"));
}

INSTANTIATE_TEST_SUITE_P(Codes, RefusedCode,
                         ::testing::Values(RefusedCase{"capitals", "36TK", false},
                                           RefusedCase{"trailingBlank", "36tk ", false},
                                           RefusedCase{"leadingBlank", " 36tk", false},
                                           RefusedCase{"empty", "", false},
                                           RefusedCase{"hintUnchanged", nullptr, false},
                                           RefusedCase{"cancelled", nullptr, true}),
                         [](const auto& info) { return Text(info.param.name); });

class AcceptedCode : public ::testing::TestWithParam<int> {};

TEST_P(AcceptedCode, ShowsTheWindowInItsFolderAndEscEndsIt) {
    ProgramRun run;
    run.Start(TempFolder());
    Confirm(run.Notice(), "36tk");
    HWND main = run.Main();
    ASSERT_TRUE(main);
    for (int i = 0; i < 200 && !IsWindowVisible(main); ++i) Sleep(25);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(1, run.Count("accepted"));
    // Observed inside the process; Windows reports the directory without its trailing backslash.
    EXPECT_NE(Text::npos, run.Events().find("accepted\t" + TestFolder() + "\n")) << run.Events();

    HWND target = FindWindowExA(main, nullptr, GetParam() == 0 ? "SysListView32" : "Edit", nullptr);
    ASSERT_TRUE(target);
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_EQ(0, run.WaitForEnd());
    EXPECT_EQ(1, run.Count("release"));
}

INSTANTIATE_TEST_SUITE_P(EscIn, AcceptedCode, ::testing::Values(0, 1),
                         [](const auto& info) { return Text(info.param == 0 ? "List" : "Log"); });
