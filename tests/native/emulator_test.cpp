#include <gtest/gtest.h>

#include "emulator/commands.h"
#include "emulator/field_query.h"
#include "emulator/instance_files.h"
#include "emulator/listing_record.h"
#include "fake_console.h"

TEST(Commands, AreTheToolsExactLines) {
    EXPECT_EQ("lsconsole.exe list2", ListingCommand());
    EXPECT_EQ("lsconsole.exe adb --index 3 --command \"shell rm -r /system/app/BasicSmsReceiver",
              RemovalCommand("3", 1, "BasicSmsReceiver"));
    EXPECT_EQ("lsconsole.exe adb --index 3 --command \"shell rm -r /system/app/WallpaperBackup",
              RemovalCommand("3", 12, "WallpaperBackup"));
    EXPECT_EQ("lsconsole.exe adb --index 0 --command \"shell rm -r /system/priv-app/BlockedNumberProvider",
              RemovalCommand("0", 13, "BlockedNumberProvider"));
    EXPECT_EQ("lsconsole.exe adb --index 12 --command \"shell rm -r /system/priv-app/VpnDialogs",
              RemovalCommand("12", 33, "VpnDialogs"));
    EXPECT_EQ("lsconsole.exe reboot --index 4", RebootCommand("4"));
}

TEST(InstanceFiles, PathsAndValidIndices) {
    EXPECT_EQ("C:\\Emu\\vms\\lsvm3\\system.vmdk", DiskFilePath("C:\\Emu", "3"));
    EXPECT_EQ("C:\\Emu\\vms\\config\\lsvm3.config", ConfigFilePath("C:\\Emu", "3"));
    for (const char* valid : {"0", "3", "123456789", "007"}) EXPECT_TRUE(IsValidInstanceIndex(valid)) << valid;
    for (const char* invalid : {"", "1234567890", " 1", "1 ", "-1", "1&calc", "1|x", "1>x", "1<x", "1^", "\"1",
                                "\xA3\xB1", "1\r\n"}) {
        EXPECT_FALSE(IsValidInstanceIndex(invalid)) << invalid;
    }
}

TEST(ListingRecord, FieldsCountFromOne) {
    ListingRecord r = ParseListingRecord("0,name,,0,1,");
    EXPECT_EQ("0", RecordField(r, IndexField));
    EXPECT_EQ("name", RecordField(r, NameField));
    EXPECT_EQ("", RecordField(r, 3));
    EXPECT_EQ("1", RecordField(r, RunningField));
    EXPECT_EQ(5u, r.size());  // a trailing comma adds no field
    EXPECT_EQ("", RecordField(r, 6));
    EXPECT_EQ("", RecordField(r, 0));
}

namespace {

const char kListing[] =
    "0,主力机,1312,1314,1,4120,5100\r\n"
    "1,测试机,0,0,0,-1,-1\r\n"
    "3, 备用机,1320,1322,1,4200,5200\r\n"
    "4,备用机,0,0,0,-1,-1\r\n";

struct QueryCase {
    const char* listing;
    const char* condition;
    int conditionType;
    int resultType;
    const char* result;
    const char* message;  // nullptr: the message is left as it was
};

struct FieldQuery : ::testing::TestWithParam<QueryCase> {
    void SetUp() override { ResetConsole(); }
};

void PrintTo(const QueryCase& c, std::ostream* out) { *out << c.condition << "/" << c.conditionType << "/" << c.resultType; }

}  // namespace

TEST_P(FieldQuery, AnswersOrExplains) {
    const QueryCase& c = GetParam();
    Console.reply = [&](const Text&) { return Text(c.listing); };
    Text message = "previous";
    EXPECT_EQ(Text(c.result), QueryInstanceField(c.condition, c.conditionType, c.resultType, message));
    EXPECT_EQ(Text(c.message ? c.message : "previous"), message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldQuery,
    ::testing::Values(
        QueryCase{kListing, "1", 1, 2, "测试机", nullptr},  // index 1 is the second line
        QueryCase{kListing, "0", 1, 5, "1", nullptr},
        QueryCase{kListing, "3", 1, -1, "3, 备用机,1320,1322,1,4200,5200", nullptr},
        QueryCase{kListing, "4", 1, 0, "4", nullptr},
        QueryCase{kListing, "备用机", 2, 1, "4", nullptr},  // " 备用机" with its blank does not match
        QueryCase{kListing, "1", 5, 1, "0", nullptr},       // the first match wins
        QueryCase{kListing, "2", 0, 2, "测试机", nullptr},
        QueryCase{kListing, "\xA3\xB2", 0, 1, "1", nullptr},  // a full-width digit counts
        QueryCase{kListing, "9", 1, 2, "", "取模拟器信息失败，请检查参数是否正确。"},
        QueryCase{"", "0", 1, 2, "", "取模拟器信息失败，请检查参数是否正确。"},
        QueryCase{kListing, "0", 0, 2, "", "无法取出序号【0】的结果。"},
        QueryCase{kListing, "abc", 0, 2, "", "无法取出序号【abc】的结果。"},
        QueryCase{kListing, "5", 0, 2, "", "无法取出序号【5】的结果。"},
        QueryCase{kListing, "1", 8, 9, "", "条件类型超出范围！当前值：8"},
        QueryCase{kListing, "1", -1, 2, "", "条件类型超出范围！当前值：-1"},
        QueryCase{kListing, "1", 1, 8, "", "结果类型超出范围！当前值：8"},
        QueryCase{kListing, "1", 1, -2, "", "结果类型超出范围！当前值：-2"},
        QueryCase{kListing, "1", 2, 2, "", "条件类型不能与结果类型相同"},
        // A line with too few fields ends the walk, even before a matching line.
        QueryCase{"'x' 不是内部或外部命令\r\n0,a,0,0,1,0,0\r\n", "0", 1, 2, "",
                  "取模拟器信息失败，当前结果：'x' 不是内部或外部命令"},
        QueryCase{"0,a,0,0,1,0,0\r\nerror\r\n", "0", 1, 2, "a", nullptr}));

TEST(FieldQueryConsole, CapturesTheListingOncePerCall) {
    ResetConsole();
    Console.reply = [](const Text&) { return Text(kListing); };
    Text message;
    QueryInstanceField("0", 1, 2, message);
    QueryInstanceField("1", 1, 5, message);
    EXPECT_EQ((TextArray{"lsconsole.exe list2", "lsconsole.exe list2"}), Console.commands);
    QueryInstanceField("0", 3, 3, message);  // a refused question runs nothing
    EXPECT_EQ(2u, Console.commands.size());
}
