#include "console/runner.h"

Text InterpreterCommandLine(const Text& command) { return "cmd.exe /c " + command; }
