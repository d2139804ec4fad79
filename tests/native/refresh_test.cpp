// The refresh against an in-memory window, console and files.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/program_folder.h"
#include "fake_console.h"
#include "fake_files.h"
#include "fake_window.h"
#include "instances/refresh_instance_list.h"
#include "instances/row_texts.h"

TEST(RowTexts, KeyAndStates) {
    EXPECT_EQ("12", ListingKey("12,a,b"));
    EXPECT_EQ("", ListingKey("no comma"));
    EXPECT_EQ("", ListingKey(",x"));
    EXPECT_EQ("模拟器未运行", RunningStateText("0"));
    for (const char* flag : {"1", "", "00", " 0", "2"}) EXPECT_EQ("模拟器运行中", RunningStateText(flag)) << flag;
    EXPECT_EQ("文件正常", DiskStateText(true));
    EXPECT_EQ("文件有误", DiskStateText(false));
}

TEST(RowTexts, BrandAndModelFromTheConfiguration) {
    const struct {
        Text config;
        Text brand, model;
    } cases[] = {
        {"{\r\n \"propertySettings.phoneManufacturer\": \"samsung\",\r\n \"propertySettings.phoneModel\": \"SM-G9810\",\r\n}",
         "samsung", "SM-G9810"},
        {"\"PHONEMANUFACTURER\": \"HUAWEI\",\"PhoneModel\": \"ELS\",", "HUAWEI", "ELS"},  // any letter case
        {"\"phoneManufacturer\": \"OPPO\",\"other\": 1}", "OPPO", ""},                // the model key is missing
        {"\"phoneManufacturer\": \"open\"}", "", ""},                                  // no "\"," after it
        {"\"phoneModel\": \"\",\"x\": \"y\",", "", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.brand, ConfigManufacturer(c.config)) << c.config;
        EXPECT_EQ(c.model, ConfigModel(c.config)) << c.config;
    }
}

namespace {

const Text kFolder = "C:\\Emu";

struct Refresh : ::testing::Test {
    Text listing;
    void SetUp() override {
        ResetWindow();
        ResetConsole();
        ResetFiles();
        RememberProgramFolder(kFolder + "\\merrowin.exe");
        Files.existing.insert(kFolder + "\\lsconsole.exe");
        Console.reply = [this](const Text&) { return listing; };
    }
    void Config(const Text& n, const Text& brand, const Text& model) {
        Files.contents[kFolder + "\\vms\\config\\lsvm" + n + ".config"] =
            "\"propertySettings.phoneManufacturer\": \"" + brand + "\",\r\n\"propertySettings.phoneModel\": \"" + model + "\",\r\n";
    }
};

}  // namespace

TEST_F(Refresh, FillsOneRowPerLineFromTheInstancesOwnFiles) {
    listing = "0,主力机,1,1,1,1,1\r\n3,备用机,0,0,0,-1,-1\r\n";
    Files.existing.insert(kFolder + "\\vms\\lsvm3\\system.vmdk");
    Config("0", "samsung", "SM-G9810");
    Config("3", "HUAWEI", "ELS-AN00");
    Config("1", "WRONG", "WRONG");  // row 1's number must not be used for instance 3
    RefreshInstanceList();
    ASSERT_EQ(2u, Window.rows.size());
    EXPECT_EQ((std::array<Text, 6>{"0", "主力机", "模拟器运行中", "文件有误", "samsung", "SM-G9810"}), Window.rows[0]);
    EXPECT_EQ((std::array<Text, 6>{"3", "备用机", "模拟器未运行", "文件正常", "HUAWEI", "ELS-AN00"}), Window.rows[1]);
    EXPECT_EQ(5u, Console.commands.size());  // 1 + 2 per line
    EXPECT_EQ((std::vector<bool>{true, false}), Window.busyChanges);
    EXPECT_EQ(listing, ListingText);
    EXPECT_EQ((TextArray{"0,主力机,1,1,1,1,1", "3,备用机,0,0,0,-1,-1"}), ListingLines);
    EXPECT_TRUE(Window.warnings.empty());
}

TEST_F(Refresh, AnErrorLineGivesARowWithoutIndexNameOrFiles) {
    listing = "0,a,1,1,1,1,1\r\n'lsconsole.exe' is not recognized\r\n";
    RefreshInstanceList();
    ASSERT_EQ(2u, Window.rows.size());
    EXPECT_EQ("a", Window.rows[0][1]);
    EXPECT_EQ((std::array<Text, 6>{"", "", "模拟器运行中", "文件有误", "", ""}), Window.rows[1]);
    for (const Text& path : Files.asked) EXPECT_EQ(Text::npos, path.find("lsvm\\")) << path;
    for (const Text& path : Files.asked) EXPECT_EQ(Text::npos, path.find("lsvm.config")) << path;
}

TEST_F(Refresh, ASecondRefreshReplacesTheRows) {
    listing = "0,a,1,1,1,1,1\r\n1,b,1,1,0,1,1\r\n";
    RefreshInstanceList();
    listing = "5,c,1,1,1,1,1\r\n";
    RefreshInstanceList();
    ASSERT_EQ(1u, Window.rows.size());
    EXPECT_EQ("5", Window.rows[0][0]);
    EXPECT_EQ((TextArray{"5,c,1,1,1,1,1"}), ListingLines);
}

TEST_F(Refresh, AnEmptyListingGivesAnEmptyList) {
    Window.rows.push_back({"old"});
    RefreshInstanceList();
    EXPECT_TRUE(Window.rows.empty());
    EXPECT_EQ(1u, Console.commands.size());
}

TEST_F(Refresh, WithoutTheToolWarnsAndRunsNothing) {
    Files.existing.clear();
    Window.rows.push_back({"old"});
    RefreshInstanceList();
    EXPECT_TRUE(Window.rows.empty());
    EXPECT_TRUE(Console.commands.empty());
    EXPECT_EQ((TextArray{"未找到 lsconsole.exe，请将本工具复制到模拟器安装目录后运行"}), Window.warnings);
    EXPECT_FALSE(Window.busy);
}

TEST_F(Refresh, StopsWhenTheWindowGoesAwayDuringALookup) {
    listing = "0,a,1,1,1,1,1\r\n1,b,1,1,1,1,1\r\n";
    Console.reply = [this](const Text&) {
        if (Console.commands.size() == 2) Window.gone = true;  // closed while the first name is looked up
        return listing;
    };
    RefreshInstanceList();
    EXPECT_EQ(2u, Console.commands.size());
    EXPECT_EQ(1u, Window.rows.size());
    EXPECT_EQ("", Window.rows[0][1]);
}
