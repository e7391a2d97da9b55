#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "platform/Clipboard.h"
#include "platform/Paths.h"
#include "platform/RunningObjectTable.h"
#include "tests/common/TestSupport.h"

namespace fs = std::filesystem;
using namespace dorvane::platform;

TEST(Paths, DriveLetterMapsToItsFolderAndBackslashesBecomeSeparators) {
    dorvane::testing::TempDir drive;
    ::setenv("DORVANE_DRIVE_D", drive.path().c_str(), 1);
    EXPECT_EQ(MapPath("d:\\paibanfangan.xls"), drive.path() / "paibanfangan.xls");
    EXPECT_EQ(MapPath("D:\\a\\b.xlsx"), drive.path() / "a" / "b.xlsx");
    ::unsetenv("DORVANE_DRIVE_D");
    EXPECT_EQ(MapPath("/tmp/x\\自动汇总\\*.x*"), fs::path("/tmp/x/自动汇总/*.x*"));
}

TEST(Paths, WildcardFollowsWindowsRules) {
    EXPECT_TRUE(WildcardMatch("*.x*", "a.xlsx"));
    EXPECT_TRUE(WildcardMatch("*.x*", "A.XLS"));
    EXPECT_TRUE(WildcardMatch("*.x*", "汇总.xls"));
    EXPECT_TRUE(WildcardMatch("*.x*", "a.x"));
    EXPECT_FALSE(WildcardMatch("*.x*", "a.csv"));
    EXPECT_FALSE(WildcardMatch("*.x*", "xlsx"));
    EXPECT_TRUE(WildcardMatch("?.txt", "表.txt"));
    EXPECT_FALSE(WildcardMatch("?.txt", "ab.txt"));
    EXPECT_TRUE(WildcardMatch("paibanfangan.xls", "PaiBanFangAn.XLS"));
    EXPECT_TRUE(WildcardMatch("*.*", "README"));
}

TEST(Paths, ListingShowsOrdinaryMatchingFilesInNameOrder) {
    dorvane::testing::TempDir dir;
    for (const char* name : {"b.xlsx", "a.xls", "c.csv", ".hidden.xlsx"})
        std::ofstream(dir / name) << "x";
    fs::create_directory(dir / "folder.xlsx");
    auto names = ListFiles((dir.path().string() + "\\*.x*"));
    EXPECT_EQ(names, (std::vector<std::string>{"a.xls", "b.xlsx"}));
    EXPECT_TRUE(ListFiles((dir.path() / "missing" / "*.x*").string()).empty());
    EXPECT_TRUE(FileExists((dir / "a.xls").string()));
    EXPECT_FALSE(FileExists((dir / "folder.xlsx").string()));
    EXPECT_TRUE(DirectoryExists((dir / "folder.xlsx").string()));
}

TEST(Paths, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
    dorvane::testing::TempDir dir;
    auto target = dir / "out.bin";
    WriteFileAtomically(target, "first");
    WriteFileAtomically(target, "second");
    EXPECT_EQ(ReadFile(target), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_THROW(WriteFileAtomically(dir / "no" / "such" / "x.bin", "x"), std::runtime_error);
    EXPECT_THROW(ReadFile(dir / "missing.bin"), std::runtime_error);
}

TEST(RunningObjects, NewestRegistrationWinsAndRevokeRemovesIt) {
    auto first = std::make_shared<int>(1), second = std::make_shared<int>(2);
    EXPECT_EQ(RunningObjectTable::Lookup("Test.Application"), nullptr);
    RunningObjectTable::Register("Test.Application", first);
    RunningObjectTable::Register("test.application", second);
    EXPECT_EQ(RunningObjectTable::Lookup("TEST.APPLICATION").get(), second.get());
    RunningObjectTable::Revoke("Test.Application", second.get());
    EXPECT_EQ(RunningObjectTable::Lookup("Test.Application").get(), first.get());
    RunningObjectTable::Revoke("Test.Application", first.get());
    EXPECT_EQ(RunningObjectTable::Lookup("Test.Application"), nullptr);
}

TEST(ClipboardGrid, HoldsTheLastGrid) {
    Clipboard::Clear();
    EXPECT_FALSE(Clipboard::Grid().has_value());
    Clipboard::SetGrid({{{"a", "1"}}, {48, 60}});
    ASSERT_TRUE(Clipboard::Grid().has_value());
    EXPECT_EQ(Clipboard::Grid()->rows[0][1], "1");
}
