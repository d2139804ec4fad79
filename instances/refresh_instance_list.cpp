#include "instances/refresh_instance_list.h"

#include "app/globals.h"
#include "app/program_folder.h"
#include "app/window_access.h"
#include "console/runner.h"
#include "emulator/commands.h"
#include "emulator/field_query.h"
#include "emulator/instance_files.h"
#include "emulator/listing_record.h"
#include "instances/row_texts.h"
#include "text/files.h"
#include "text/numbers.h"

namespace {

enum { IndexColumn, NameColumn, StateColumn, DiskColumn, BrandColumn, ModelColumn };

// The disk file and configuration are found by the instance's own index; a key
// that is no index names no file.
void FillFileColumns(int row, const Text& key) {
    bool valid = IsValidInstanceIndex(key);
    Text folder = ProgramFolder();
    ListSetText(row, DiskColumn, DiskStateText(valid && FileExists(DiskFilePath(folder, key))));
    Text config = valid ? BytesToText(ReadWholeFile(ConfigFilePath(folder, key))) : Text();
    ListSetText(row, BrandColumn, ConfigManufacturer(config));
    ListSetText(row, ModelColumn, ConfigModel(config));
}

// Fills one row; false once the window is gone.
bool AddRow(const Text& line) {
    Text key = ListingKey(line);
    int row = ListInsertRow(key);
    Text message;  // the lookups' messages are not shown
    Text name = QueryInstanceField(key, IndexField, NameField, message);
    if (MainWindowGone()) return false;
    ListSetText(row, NameColumn, name);
    Text running = QueryInstanceField(key, IndexField, RunningField, message);
    if (MainWindowGone()) return false;
    ListSetText(row, StateColumn, RunningStateText(running));
    FillFileColumns(row, key);
    return true;
}

}  // namespace

void RefreshInstanceList() {
    SetBusy(true);
    ListRemoveAllRows();
    if (!FileExists(ProgramFolder() + "\\lsconsole.exe")) {
        // Run from elsewhere, the interpreter's error line would pass for a running instance.
        SetBusy(false);
        ShowWarning("未找到 lsconsole.exe，请将本工具复制到模拟器安装目录后运行");
        return;
    }
    ListingText = RunConsoleCommand(ListingCommand());
    if (MainWindowGone()) return;
    ListingLines = ListingLinesOf(ListingText);
    const TextArray lines = ListingLines;  // events run during each lookup
    for (const Text& line : lines) {
        if (!AddRow(line)) return;
    }
    SetBusy(false);
}
