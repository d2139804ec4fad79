#include "fake_console.h"

#include "console/runner.h"

FakeConsole Console;

void ResetConsole() { Console = FakeConsole(); }

Text RunConsoleCommand(const Text& command) {
    Console.commands.push_back(command);
    return Console.reply ? Console.reply(command) : Text();
}
