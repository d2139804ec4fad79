// Click handler of 全选按钮: ticks every app, never unticks one.
#pragma once

void SelectAllApps();
