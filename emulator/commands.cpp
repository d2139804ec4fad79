#include "emulator/commands.h"

#include "app/app_table.h"

Text ListingCommand() { return "lsconsole.exe list2"; }

Text RemovalCommand(const Text& index, int k, const Text& app) {
    return "lsconsole.exe adb --index " + index + " --command \"shell rm -r " + AppEntryOf(k).systemFolder + app;
}

Text RebootCommand(const Text& index) { return "lsconsole.exe reboot --index " + index; }
