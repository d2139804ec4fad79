// Click handler of 开始精简按钮: removes the ticked apps from the selected
// running instance, logging each step, and then reboots it.
#pragma once

void SlimSelectedInstance();
