#include "app/app_table.h"

namespace {
constexpr const char* kApp = "/system/app/";
constexpr const char* kPrivApp = "/system/priv-app/";
}  // namespace

// Boxes 1 to 17 form the left column, 18 to 33 the right; 15 pixels apart.
const AppEntry AppTable[AppCount] = {
    {1, "BasicSmsReceiver", 5, 8, kApp},
    {2, "BookmarkProvider", 5, 23, kApp},
    {3, "CaptivePortalLogin", 5, 38, kApp},
    {4, "CtsShimPrebuilt", 5, 53, kApp},
    {5, "DownloadProviderUi", 5, 68, kApp},
    {6, "Gallery2", 5, 83, kApp},
    {7, "KeyChain", 5, 98, kApp},
    {8, "LSAppStore", 5, 113, kApp},
    {9, "PacProcessor", 5, 128, kApp},
    {10, "PrintSpooler", 5, 143, kApp},
    {11, "UserDictionaryProvider", 5, 158, kApp},
    {12, "WallpaperBackup", 5, 173, kApp},
    {13, "BlockedNumberProvider", 5, 188, kPrivApp},
    {14, "CalendarProvider", 5, 203, kPrivApp},
    {15, "CarrierConfig", 5, 218, kPrivApp},
    {16, "Contacts", 5, 233, kPrivApp},
    {17, "ContactsProvider", 5, 248, kPrivApp},
    {18, "CtsShimPrivPrebuilt", 157, 8, kPrivApp},
    {19, "DocumentsUI", 157, 23, kPrivApp},
    {20, "ExternalStorageProvider", 157, 38, kPrivApp},
    {21, "FusedLocation", 157, 53, kPrivApp},
    {22, "GoogleInstaller", 157, 68, kPrivApp},
    {23, "MediaProvider", 157, 83, kPrivApp},
    {24, "MmsService", 157, 98, kPrivApp},
    {25, "MtpDocumentsProvider", 157, 113, kPrivApp},
    {26, "ProxyHandler", 157, 128, kPrivApp},
    {27, "SharedStorageBackup", 157, 143, kPrivApp},
    {28, "Shell", 157, 158, kPrivApp},
    {29, "StorageManager", 157, 173, kPrivApp},
    {30, "Telecom", 157, 188, kPrivApp},
    {31, "TelephonyProvider", 157, 203, kPrivApp},
    {32, "TeleService", 157, 218, kPrivApp},
    {33, "VpnDialogs", 157, 233, kPrivApp},
};

const AppEntry& AppEntryOf(int k) { return AppTable[k - 1]; }
