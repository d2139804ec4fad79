// Click handler of 刷新信息按钮: rebuilds the instance list from the console's listing.
#pragma once

void RefreshInstanceList();
