#include "removal/select_all_apps.h"

#include "app/app_table.h"
#include "app/window_access.h"

void SelectAllApps() {
    for (int k = 1; k <= AppCount; ++k) AppTick(k);
}
