#include "removal/slim_selected_instance.h"

#include "app/app_table.h"
#include "app/window_access.h"
#include "console/runner.h"
#include "emulator/commands.h"
#include "emulator/instance_files.h"
#include "removal/reply_rules.h"

namespace {

enum { IndexColumn = 0, NameColumn = 1, StateColumn = 2 };

// Sends box k's removal until the reply shows the folder gone, or gives the app up.
// False once the window is gone.
bool RemoveTickedApp(const Text& index, int k) {
    int errors = 0, empties = 0;
    while (AppIsTicked(k)) {
        Text app = AppCaption(k);
        RemovalReply reply = ReadRemovalReply(RunConsoleCommand(RemovalCommand(index, k, app)));
        if (MainWindowGone()) return false;
        if (reply.verdict == ReplyVerdict::Done) {
            LogAppend("正在精简应用 " + app + "\r\n");
            return true;
        }
        if (reply.verdict == ReplyVerdict::Error) {
            LogAppend(reply.text + "\r\n");
            ++errors;
        } else {
            ++empties;
        }
        if (errors >= MaxErrorReplies || empties >= MaxEmptyReplies) {
            LogAppend("精简应用 " + app + " 失败，已跳过\r\n");
            return true;
        }
    }
    return true;
}

// The warning that keeps the run from starting, or the empty text.
Text RefusalFor(int row, const Text& index, const Text& state) {
    if (row < 0) return "请先选择模拟器";
    if (!Equal(state, "模拟器运行中")) return "当前选择模拟器未运行，请先运行该模拟器";
    // An error line's empty key, or text such as "&", must never reach a command line.
    if (!IsValidInstanceIndex(index)) return "所选行不是有效的模拟器，无法精简";
    return Text();
}

}  // namespace

void SlimSelectedInstance() {
    int row = ListSelectedRow();
    Text index = ListGetText(row, IndexColumn);
    Text refusal = RefusalFor(row, index, ListGetText(row, StateColumn));
    if (!refusal.empty()) {
        ShowWarning(refusal);
        return;
    }
    // The instance is named once: the closing line names the one that is rebooted.
    Text name = ListGetText(row, NameColumn);
    LogAppend("开始精简模拟器 【" + name + " 】\r\n");
    SetBusy(true);
    for (int k = 1; k <= AppCount; ++k) {
        if (!RemoveTickedApp(index, k)) return;
    }
    SetBusy(false);
    LogAppend("选择应用已精简完毕，即将重启...\r\n正在重启模拟器 【" + name + "】");
    RunConsoleCommand(RebootCommand(index));
}
