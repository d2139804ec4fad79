// The 33 removable apps: check box number, caption (the app's folder name),
// place inside the group box, and the system folder that holds the app.
#pragma once
#include "text/text.h"

// What removing an app does to the instance.
enum class AppRisk {
    Removable,   // nothing the user relies on
    Caution,     // a feature stops working
    BreaksCore,  // core functions of the system break
};

struct AppEntry {
    int number;
    const char* caption;
    int left;
    int top;
    const char* systemFolder;
    const char* description;
    AppRisk risk;
};

constexpr int AppCount = 33;
constexpr int AppBoxWidth = 160;
constexpr int AppBoxHeight = 16;

// AppTable[k - 1] describes check box k.
extern const AppEntry AppTable[AppCount];
const AppEntry& AppEntryOf(int k);
// The risk class as the window names it.
const char* AppRiskText(AppRisk risk);
// The tooltip of box k: what the app is, and what removing it risks.
Text AppTooltipText(int k);
