// An in-memory main window behind the same verbs the handlers use.
#pragma once
#include <array>
#include <functional>
#include <vector>

#include "app/app_table.h"
#include "text/text.h"

struct FakeWindow {
    std::vector<std::array<Text, 6>> rows;
    int selected = -1;
    Text log;
    bool busy = false;
    std::vector<bool> busyChanges;
    std::array<bool, AppCount + 1> ticked{};
    std::array<Text, AppCount + 1> captions{};
    TextArray warnings;
    bool gone = false;
};

extern FakeWindow Window;
// A fresh window with the app table's captions.
void ResetWindow();
