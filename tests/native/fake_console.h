// An in-memory console: records every command and answers from a script.
#pragma once
#include <functional>

#include "text/text.h"

struct FakeConsole {
    TextArray commands;
    // Answers a command; by default every command prints nothing.
    std::function<Text(const Text& command)> reply;
};

extern FakeConsole Console;
void ResetConsole();
