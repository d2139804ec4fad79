#include "console/runner_win.h"

#include "app/handle_win.h"
#include "console/capture_loop.h"
#include "console/responsive_wait_win.h"
#include "console/runner.h"
#include "text/numbers.h"

namespace {

HWND watchedWindow;

bool ChildHasEnded(HANDLE process) {
    // The handle, not the exit code alone: a child may end with the code 259 (STILL_ACTIVE) itself.
    DWORD wait = WaitForSingleObject(process, 0);
    if (wait != WAIT_FAILED) return wait == WAIT_OBJECT_0;
    DWORD code = 0;  // a failed query leaves 0: taken as ended
    GetExitCodeProcess(process, &code);
    return code != STILL_ACTIVE;
}

bool ReadChunk(HANDLE pipe, unsigned long count, Text& chunk) {
    ByteSet buffer(count, 0);
    DWORD read = 0;
    // The poll reported these bytes, so the read does not block.
    if (!ReadFile(pipe, buffer.data(), count, &read, nullptr)) return false;
    chunk = BytesToText(reinterpret_cast<const char*>(buffer.data()), read);
    return true;
}

RunnerIo PipeIo(HANDLE pipe, HANDLE process, HANDLE timer) {
    RunnerIo io;
    io.peek = [pipe]() -> unsigned long {
        DWORD total = 0;
        return PeekNamedPipe(pipe, nullptr, 0, nullptr, &total, nullptr) ? total : 0;
    };
    io.read = [pipe](unsigned long count, Text& chunk) { return ReadChunk(pipe, count, chunk); };
    io.childEnded = [process] { return ChildHasEnded(process); };
    io.abandon = [] { return watchedWindow != nullptr && !IsWindow(watchedWindow); };
    io.idle = [timer] {
        PumpPendingInput();
        WaitResponsive(timer, 1);
    };
    return io;
}

}  // namespace

void StopRunnerWhenWindowGone(HWND window) { watchedWindow = window; }

Text RunConsoleCommand(const Text& command) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return Text();
    Handle pipe(readEnd), childOutput(writeEnd);
    // Only the write end is for the child; our read end stays ours.
    SetHandleInformation(pipe.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nullptr;
    startup.hStdOutput = startup.hStdError = childOutput.get();
    Text commandLine = InterpreterCommandLine(command);
    PROCESS_INFORMATION child = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child)) {
        return Text();
    }
    Handle process(child.hProcess), thread(child.hThread);
    childOutput.close();  // the pipe breaks once the child and its heirs have closed theirs
    // One timer for all the waits of this run: a new one every millisecond costs processor time.
    Handle timer(CreateWaitableTimerA(nullptr, FALSE, nullptr));
    return CaptureOutput(PipeIo(pipe.get(), process.get(), timer.get()));
}
