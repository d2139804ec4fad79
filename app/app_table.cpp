#include "app/app_table.h"

namespace {
constexpr const char* kApp = "/system/app/";
constexpr const char* kPrivApp = "/system/priv-app/";
}  // namespace

// Boxes 1 to 17 form the left column, 18 to 33 the right; 15 pixels apart.
// Where the effect of a removal is not certain, the risk says caution.
const AppEntry AppTable[AppCount] = {
    {1, "BasicSmsReceiver", 5, 8, kApp, "接收短信的基础程序", AppRisk::Caution},
    {2, "BookmarkProvider", 5, 23, kApp, "浏览器书签的数据存储", AppRisk::Removable},
    {3, "CaptivePortalLogin", 5, 38, kApp, "公共 Wi-Fi 的网页认证登录", AppRisk::Caution},
    {4, "CtsShimPrebuilt", 5, 53, kApp, "兼容性测试用的占位程序", AppRisk::Removable},
    {5, "DownloadProviderUi", 5, 68, kApp, "下载管理的界面", AppRisk::Caution},
    {6, "Gallery2", 5, 83, kApp, "图库，浏览图片和视频", AppRisk::Caution},
    {7, "KeyChain", 5, 98, kApp, "证书与密钥的管理", AppRisk::Caution},
    {8, "LSAppStore", 5, 113, kApp, "模拟器自带的应用商店", AppRisk::Removable},
    {9, "PacProcessor", 5, 128, kApp, "代理自动配置（PAC）脚本的解析", AppRisk::Caution},
    {10, "PrintSpooler", 5, 143, kApp, "打印服务", AppRisk::Caution},
    {11, "UserDictionaryProvider", 5, 158, kApp, "用户词典，保存输入法的自造词", AppRisk::Caution},
    {12, "WallpaperBackup", 5, 173, kApp, "壁纸的备份", AppRisk::Removable},
    {13, "BlockedNumberProvider", 5, 188, kPrivApp, "拦截号码的数据存储", AppRisk::Caution},
    {14, "CalendarProvider", 5, 203, kPrivApp, "日历数据的存储", AppRisk::Caution},
    {15, "CarrierConfig", 5, 218, kPrivApp, "运营商配置", AppRisk::Caution},
    {16, "Contacts", 5, 233, kPrivApp, "联系人应用", AppRisk::Caution},
    {17, "ContactsProvider", 5, 248, kPrivApp, "联系人与通话记录的数据存储", AppRisk::Caution},
    {18, "CtsShimPrivPrebuilt", 157, 8, kPrivApp, "兼容性测试用的占位程序（特权）", AppRisk::Removable},
    {19, "DocumentsUI", 157, 23, kPrivApp, "文件选择与管理的界面", AppRisk::BreaksCore},
    {20, "ExternalStorageProvider", 157, 38, kPrivApp, "外部存储（SD 卡）的访问", AppRisk::BreaksCore},
    {21, "FusedLocation", 157, 53, kPrivApp, "融合定位服务", AppRisk::Caution},
    {22, "GoogleInstaller", 157, 68, kPrivApp, "服务框架的安装程序", AppRisk::Caution},
    {23, "MediaProvider", 157, 83, kPrivApp, "媒体库，图片、音频和视频的索引与访问", AppRisk::BreaksCore},
    {24, "MmsService", 157, 98, kPrivApp, "彩信服务", AppRisk::Caution},
    {25, "MtpDocumentsProvider", 157, 113, kPrivApp, "MTP 设备文件的访问", AppRisk::Caution},
    {26, "ProxyHandler", 157, 128, kPrivApp, "代理设置的处理", AppRisk::Caution},
    {27, "SharedStorageBackup", 157, 143, kPrivApp, "共享存储的备份", AppRisk::Removable},
    {28, "Shell", 157, 158, kPrivApp, "系统命令行，本工具的删除命令也靠它执行", AppRisk::BreaksCore},
    {29, "StorageManager", 157, 173, kPrivApp, "存储空间的管理", AppRisk::Caution},
    {30, "Telecom", 157, 188, kPrivApp, "通话框架", AppRisk::BreaksCore},
    {31, "TelephonyProvider", 157, 203, kPrivApp, "电话、短信与接入点（APN）数据的存储", AppRisk::Caution},
    {32, "TeleService", 157, 218, kPrivApp, "电话服务，拨号与 SIM 卡", AppRisk::Caution},
    {33, "VpnDialogs", 157, 233, kPrivApp, "VPN 连接的确认对话框", AppRisk::Caution},
};

const AppEntry& AppEntryOf(int k) { return AppTable[k - 1]; }

const char* AppRiskText(AppRisk risk) {
    switch (risk) {
    case AppRisk::Removable: return "可以删除";
    case AppRisk::Caution: return "谨慎删除：相关功能会失效";
    case AppRisk::BreaksCore: return "不建议删除：会破坏系统核心功能";
    }
    return "";
}

Text AppTooltipText(int k) {
    const AppEntry& app = AppEntryOf(k);
    return Text(app.description) + "\r\n" + AppRiskText(app.risk);
}
