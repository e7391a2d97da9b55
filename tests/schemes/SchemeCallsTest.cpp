// The scheme operations against an Excel of the tests' own: the order of
// the calls, and what a failure half way leaves behind.

#include <gtest/gtest.h>

#include "formatting/LinePreviewTable.h"
#include "platform/Paths.h"
#include "schemes/LoadScheme.h"
#include "schemes/SaveScheme.h"
#include "schemes/SchemeMessages.h"
#include "tests/schemes/FakeExcel.h"
#include "tests/schemes/SchemeTestSupport.h"

namespace dorvane::testing {
namespace {

using excel::CellValue;
using formatting::FormatSettings;

class SchemeCallsTest : public ::testing::Test {
protected:
    schemes::ExcelFactory Factory() {
        return [this] { return office.NewApplication(); };
    }
    void Save() { schemes::SaveScheme(settings, port, Factory()); }
    bool Load() { return schemes::LoadScheme(schemes::kSchemePath, settings, port, Factory()); }
    std::string File() const { return drive.SchemeFile().string(); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const auto& entry : office.log)
            if (entry.rfind("Message:", 0) == 0) messages.push_back(entry.substr(8));
        return messages;
    }
    // The rows written in a column between two log positions, in order.
    std::vector<int> RowsWritten(int column, int from, int to) const {
        std::vector<int> rows;
        std::string suffix = "," + std::to_string(column) + ")=";
        for (int i = from; i < to; ++i) {
            const std::string& entry = office.log[i];
            auto at = entry.find(suffix);
            if (entry.rfind("Cells(", 0) == 0 && at != std::string::npos)
                rows.push_back(std::stoi(entry.substr(6, at - 6)));
        }
        return rows;
    }

    TemporaryDriveD drive;
    FakeOffice office;
    LoggingPort port{office};
    FormatSettings settings;
};

const std::vector<int> kSettingRows = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                       20, 21, 22, 23, 24, 25, 26, 27, 30, 31, 32, 33, 34};
const std::vector<int> kOptionRows = {11, 12, 13, 14, 15, 20, 21, 22, 23,
                                      24, 25, 26, 27, 30, 31, 32, 33, 34};

TEST_F(SchemeCallsTest, FirstSaveCreatesTheWorkbookSaysSoAndOnlyThenWritesValues) {
    Save();
    const auto& log = office.log;
    int add = office.Find("Workbooks.Add");
    int alerts = office.Find("DisplayAlerts=0");
    int saveAs = office.Find("SaveAs " + File());
    int header = office.Find("Cells(1,1)=变量");
    int created = office.Find("Close(true)");
    int message = office.Find("Message:" + std::string(schemes::kSchemeCreatedMessage));
    int open = office.Find("Workbooks.Open " + File());
    int firstValue = office.Find("Cells(11,2)=");
    int saved = office.Find("Close(true)", created + 1);
    ASSERT_EQ(log.front(), "ScreenUpdating=1");
    EXPECT_TRUE(0 < add && add < alerts && alerts < saveAs && saveAs < header && header < created)
        << ::testing::PrintToString(log);
    EXPECT_TRUE(created < message && message < open && open < firstValue && firstValue < saved);
    EXPECT_EQ(log.back(), "Quit");
    EXPECT_EQ(office.quits, 1);
    EXPECT_EQ(Messages().size(), 1u);

    // Header, then each row's key and description, rows ascending.
    std::vector<int> keys = RowsWritten(1, header, created);
    std::vector<int> descriptions = RowsWritten(3, header, created);
    EXPECT_EQ(keys.front(), 1);
    keys.erase(keys.begin());
    descriptions.erase(descriptions.begin());
    EXPECT_EQ(keys, kSettingRows);
    EXPECT_EQ(descriptions, kSettingRows);
    EXPECT_EQ(RowsWritten(2, header, created), std::vector<int>{1});
    // No line was chosen: only the options are written.
    EXPECT_EQ(RowsWritten(2, open, saved), kOptionRows);
}

TEST_F(SchemeCallsTest, LaterSaveWritesColumnTwoOnlyAndSaysNothing) {
    Save();
    office.log.clear();
    formatting::ApplyLinePick(settings, *formatting::FindLinePick("Option9"));   // group 1
    formatting::ApplyLinePick(settings, *formatting::FindLinePick("Option57"));  // group 3
    Save();
    EXPECT_EQ(office.Count("Workbooks.Add"), 0);
    EXPECT_TRUE(Messages().empty());
    int end = static_cast<int>(office.log.size());
    EXPECT_TRUE(RowsWritten(1, 0, end).empty());
    EXPECT_TRUE(RowsWritten(3, 0, end).empty());
    std::vector<int> expected = {2, 5, 8, 4, 7, 10};
    expected.insert(expected.end(), kOptionRows.begin(), kOptionRows.end());
    EXPECT_EQ(RowsWritten(2, 0, end), expected);
}

TEST_F(SchemeCallsTest, FailureWhileCreatingLeavesNoSchemeFile) {
    office.failOn = "Cells(20,3)=";
    EXPECT_THROW(Save(), AutomationError);
    EXPECT_FALSE(std::filesystem::exists(drive.SchemeFile()));
    EXPECT_EQ(office.quits, 1);
    EXPECT_TRUE(Messages().empty());

    // The next save starts afresh and writes every key.
    office.failOn.clear();
    Save();
    FakeCells cells = ReadFakeFile(File());
    EXPECT_EQ(cells[std::pair(34, 1)], CellValue::Text("ckeck6"));
    EXPECT_EQ(cells[std::pair(30, 3)], CellValue::Text("标题行 对齐方式"));
}

TEST_F(SchemeCallsTest, FailureWhileWritingValuesLeavesTheFileAsItWas) {
    Save();
    std::string before = platform::ReadFile(drive.SchemeFile());
    settings.Combo2 = "宋体";
    settings.Check5 = 1;
    office.log.clear();
    office.failOn = "Cells(23,2)=";
    EXPECT_THROW(Save(), AutomationError);
    EXPECT_EQ(platform::ReadFile(drive.SchemeFile()), before);
    EXPECT_EQ(office.quits, 2);
}

TEST_F(SchemeCallsTest, FileStillMissingAfterCreationIsReported) {
    office.savesWriteNothing = true;
    Save();
    EXPECT_EQ(Messages(), (std::vector<std::string>{std::string(schemes::kSchemeCreatedMessage),
                                                    std::string(schemes::kSchemeFileNotCreatedMessage)}));
    EXPECT_EQ(office.Find("Workbooks.Open"), -1);
    EXPECT_EQ(office.quits, 1);
}

TEST_F(SchemeCallsTest, ReadOnlyWorkbookIsNotOverwritten) {
    WriteFakeFile(File(), {{{12, 2}, CellValue::Text("0.60")}});
    std::string before = platform::ReadFile(drive.SchemeFile());
    office.readOnlyFiles.push_back(File());
    Save();
    EXPECT_EQ(platform::ReadFile(drive.SchemeFile()), before);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("D:\\paibanfangan.xls"), std::string::npos);
    EXPECT_GE(office.Find("Close(false)"), 0);
    EXPECT_TRUE(RowsWritten(2, 0, static_cast<int>(office.log.size())).empty());
}

TEST_F(SchemeCallsTest, LoadWithoutFileSaysSoAndChangesNothing) {
    EXPECT_FALSE(Load());
    EXPECT_EQ(Messages(), std::vector<std::string>{std::string(schemes::kNoSchemeSavedMessage)});
    EXPECT_EQ(settings, FormatSettings());
    EXPECT_EQ(office.Find("Workbooks.Open"), -1);
    EXPECT_EQ(office.quits, 1);
}

TEST_F(SchemeCallsTest, LoadReadsRowsInOrderAndClosesWithoutSaving) {
    Save();
    office.log.clear();
    ASSERT_TRUE(Load());
    std::vector<int> reads;
    for (const auto& entry : office.log)
        if (entry.rfind("Cells(", 0) == 0 && entry.ends_with(",2).Value"))
            reads.push_back(std::stoi(entry.substr(6)));
    std::vector<int> expected = {2, 3, 4};
    expected.insert(expected.end(), kOptionRows.begin(), kOptionRows.end());
    EXPECT_EQ(reads, expected);
    EXPECT_EQ(office.Count("Close(false)"), 1);
    EXPECT_EQ(office.Count("Close(true)"), 0);
    EXPECT_EQ(office.log.back(), "Quit");
}

TEST_F(SchemeCallsTest, SwitchRowThatIsNoNumberStopsLoadingAtThatRow) {
    WriteFakeFile(File(), {{{11, 2}, CellValue::Number(1)},
                           {{12, 2}, CellValue::Text("0.80")},
                           {{21, 2}, CellValue::Text("仿宋_GB2312")},
                           {{23, 2}, CellValue::Text("abc")},
                           {{24, 2}, CellValue::Text("小四")}});
    try {
        Load();
        FAIL() << "loading went on past a switch row holding text";
    } catch (const schemes::SchemeError& error) {
        std::string message = error.what();
        EXPECT_NE(message.find("第 23 行"), std::string::npos) << message;
        EXPECT_NE(message.find("\"abc\""), std::string::npos) << message;
    }
    EXPECT_EQ(settings.Check3, 1);
    EXPECT_EQ(settings.Combo8, "0.80");
    EXPECT_EQ(settings.Combo2, "仿宋_GB2312");
    EXPECT_EQ(settings.Combo3, FormatSettings().Combo3);  // row 24 not reached
    EXPECT_EQ(office.Count("Close(true)"), 0);
    EXPECT_EQ(office.quits, 1);
}

}  // namespace
}  // namespace dorvane::testing
