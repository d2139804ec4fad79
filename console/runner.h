// Runs a command line hidden through the command interpreter and returns
// everything it printed on standard output and standard error.
#pragma once
#include "text/text.h"

// The line handed to the process: "cmd.exe /c " + command.
Text InterpreterCommandLine(const Text& command);
// The empty text when the command printed nothing or could not start.
Text RunConsoleCommand(const Text& command);
