// The 33 removable apps: check box number, caption (the app's folder name),
// place inside the group box, and the system folder that holds the app.
#pragma once

struct AppEntry {
    int number;
    const char* caption;
    int left;
    int top;
    const char* systemFolder;
};

constexpr int AppCount = 33;
constexpr int AppBoxWidth = 160;
constexpr int AppBoxHeight = 16;

// AppTable[k - 1] describes check box k.
extern const AppEntry AppTable[AppCount];
const AppEntry& AppEntryOf(int k);
