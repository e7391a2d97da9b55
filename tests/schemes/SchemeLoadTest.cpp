// Loading schemes through the embedded Excel from workbooks made by hand,
// by the saver, and from old .xls workbooks of the corpus.

#include <gtest/gtest.h>

#include "formatting/LinePreviewTable.h"
#include "platform/Paths.h"
#include "schemes/LoadScheme.h"
#include "schemes/SaveScheme.h"
#include "schemes/SchemeMessages.h"
#include "tests/schemes/SchemeTestSupport.h"

namespace dorvane::testing {
namespace {

using excel::CellValue;
using formatting::FormatSettings;

CellValue Text(const char* text) { return CellValue::Text(text); }
CellValue Number(double n) { return CellValue::Number(n); }

const formatting::LinePicture* Library(const char* name) {
    return formatting::FindLinePictureByName(name);
}

class SchemeLoadTest : public ::testing::Test {
protected:
    bool Load() { return schemes::LoadScheme(settings, port); }
    void Scheme(const SheetCells& cells) { WriteWorkbook(drive.SchemeFile(), cells); }

    TemporaryDriveD drive;
    MessagePort port;
    FormatSettings settings;
};

TEST_F(SchemeLoadTest, IdentityRowsAloneDecideTheLines) {
    formatting::ApplyLinePick(settings, *formatting::FindLinePick("Option34"));  // group 2: 1.5 pt
    FormatSettings before = settings;
    Scheme({{{2, 2}, Text("Form4.Picture9.Picture")},
            {{5, 2}, Text("wdLineStyleDouble")},  // contradicts row 2: not read
            {{8, 2}, Text("wdLineWidth300pt")},
            {{3, 2}, Text("Form4.Picture24.Picture")},
            {{4, 2}, Text("form4.picture1.picture")}});
    ASSERT_TRUE(Load());
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(settings.Picture21, Library("Picture9"));
    EXPECT_EQ(settings.LineStyle1, "2");
    EXPECT_EQ(settings.LineWidth1, "2");
    EXPECT_EQ(settings.Picture22, Library("Picture24"));
    EXPECT_EQ(settings.LineStyle2, "");
    EXPECT_EQ(settings.LineWidth2, "12");  // no line keeps the width
    EXPECT_EQ(settings.Picture23, before.Picture23);  // lower case: no match
    EXPECT_EQ(settings.LineStyle3, before.LineStyle3);
    EXPECT_EQ(settings.LineWidth3, before.LineWidth3);
}

TEST_F(SchemeLoadTest, NoLineAndDoubleLinesInTheOtherGroups) {
    Scheme({{{2, 2}, Text("Form4.Picture24.Picture")},
            {{3, 2}, Text("Form4.Picture20.Picture")},
            {{4, 2}, Text("Form4.Picture24.Picture")}});
    ASSERT_TRUE(Load());
    EXPECT_EQ(settings.LineStyle1, "0");
    EXPECT_EQ(settings.LineWidth1, "8");
    EXPECT_EQ(settings.LineStyle2, "7");
    EXPECT_EQ(settings.LineWidth2, "12");
    EXPECT_EQ(settings.LineStyle3, "0");
    EXPECT_EQ(settings.Picture23, Library("Picture24"));
}

TEST_F(SchemeLoadTest, OptionsComeFromRowNumbersWhateverTheKeys) {
    // Keys moved and renamed by hand; values as a person might type them.
    Scheme({{{11, 1}, Text("combo8")},   {{11, 2}, Number(1)},
            {{12, 1}, Text("check3")},   {{12, 2}, Number(0.5)},
            {{13, 2}, Number(1)},        {{15, 2}, Text("自定义")},
            {{20, 2}, Text("1.0")},      {{23, 2}, Text("1")},
            {{33, 2}, Number(0)},        {{34, 1}, Text("check6")},
            {{34, 2}, Number(1.5)},      {{30, 2}, Text("居中 黑体")}});
    FormatSettings before = settings;
    ASSERT_TRUE(Load());
    EXPECT_EQ(settings.Check3, 1);
    EXPECT_EQ(settings.Combo8, "0.5");
    EXPECT_EQ(settings.Combo7, "1");
    EXPECT_EQ(settings.Combo13, "");  // empty cell
    EXPECT_EQ(settings.Combo6, "自定义");
    EXPECT_EQ(settings.Combo1, "1.0");
    EXPECT_EQ(settings.Check5, 1);
    EXPECT_EQ(settings.Check4, 0);
    EXPECT_EQ(settings.Check2, 0);
    EXPECT_EQ(settings.Check6, 2);  // 1.5 rounds to even: a greyed check box
    EXPECT_EQ(settings.Combo9, "居中 黑体");
    // Not part of a scheme: the outside-text options and the lines.
    EXPECT_EQ(settings.Combo14, before.Combo14);
    EXPECT_EQ(settings.Combo20, before.Combo20);
    EXPECT_EQ(settings.LineStyle1, before.LineStyle1);
}

TEST_F(SchemeLoadTest, SwitchRowHoldingThreeStopsAtThatRow) {
    Scheme({{{11, 2}, Number(1)}, {{12, 2}, Text("0.70")}, {{23, 2}, Number(3)},
            {{24, 2}, Text("小五")}});
    EXPECT_THROW(Load(), schemes::SchemeError);
    EXPECT_EQ(settings.Check3, 1);
    EXPECT_EQ(settings.Combo8, "0.70");
    EXPECT_EQ(settings.Combo3, FormatSettings().Combo3);
}

TEST_F(SchemeLoadTest, LoadingLeavesTheFileAsItWas) {
    schemes::SaveScheme(settings, port);
    std::string before = platform::ReadFile(drive.SchemeFile());
    ASSERT_TRUE(Load());
    EXPECT_EQ(platform::ReadFile(drive.SchemeFile()), before);
}

TEST_F(SchemeLoadTest, SaveLoadSaveGivesTheSameScheme) {
    formatting::ApplyLinePick(settings, *formatting::FindLinePick("Option16"));
    formatting::ApplyLinePick(settings, *formatting::FindLinePick("Option20"));
    formatting::ApplyLinePick(settings, *formatting::FindLinePick("Option50"));
    settings.Combo8 = "0.85";
    settings.Combo7 = "指定宽度";
    settings.Combo13 = "16";
    settings.Combo6 = "0.4";
    settings.Combo3 = "小四";
    settings.Combo4 = "typed text";
    settings.Combo5 = "";
    settings.Check3 = settings.Check4 = settings.Check5 = settings.Check6 = 1;
    settings.Check2 = 0;
    schemes::SaveScheme(settings, port);
    SheetCells first = ReadFirstSheet(drive.SchemeFile());
    std::string firstBytes = platform::ReadFile(drive.SchemeFile());

    FormatSettings loaded;
    ASSERT_TRUE(schemes::LoadScheme(loaded, port));
    EXPECT_EQ(loaded, settings);  // preview boxes included: the same objects

    schemes::SaveScheme(loaded, port);
    EXPECT_EQ(ReadFirstSheet(drive.SchemeFile()), first);
    EXPECT_EQ(platform::ReadFile(drive.SchemeFile()), firstBytes);
}

// The corpus holds no .xls in the scheme layout; these read whatever its
// first sheets hold in the scheme's rows and compare with what it holds.
TEST_F(SchemeLoadTest, OldXlsWorkbookWithEmptyRowsClearsTheOptions) {
    // First sheet: column 2 holds "Crayon", "", "C18", "C06", ... up to
    // row 10 and nothing from row 11 on.
    DORVANE_CORPUS_FILE_OR_SKIP(xls, "xls/poi_44010-TwoCharts.xls");
    std::filesystem::copy_file(xls, drive.SchemeFile());
    formatting::ApplyLinePick(settings, *formatting::FindLinePick("Option30"));  // group 2
    FormatSettings before = settings;
    ASSERT_TRUE(Load());
    EXPECT_EQ(settings.Picture22, before.Picture22);  // "C18" is no identity
    EXPECT_EQ(settings.LineStyle2, before.LineStyle2);
    EXPECT_EQ(settings.LineWidth2, before.LineWidth2);
    EXPECT_EQ(settings.Check2, 0);
    EXPECT_EQ(settings.Check3, 0);
    EXPECT_EQ(settings.Combo7, "");
    EXPECT_EQ(settings.Combo11, "");
}

TEST_F(SchemeLoadTest, OldXlsWorkbookWithTextInASwitchRowStopsThere) {
    // Row 11, column 2: "Adds the total number of products sold that ...".
    DORVANE_CORPUS_FILE_OR_SKIP(xls, "xls/poi_sumifs.xls");
    std::filesystem::copy_file(xls, drive.SchemeFile());
    try {
        Load();
        FAIL() << "text in a switch row was accepted";
    } catch (const schemes::SchemeError& error) {
        std::string message = error.what();
        EXPECT_NE(message.find("第 11 行"), std::string::npos) << message;
        EXPECT_NE(message.find("\"Adds the total number of products"), std::string::npos);
    }
    EXPECT_EQ(settings, FormatSettings());
}

TEST_F(SchemeLoadTest, NoFileSaysSo) {
    EXPECT_FALSE(Load());
    EXPECT_EQ(port.messages, std::vector<std::string>{std::string(schemes::kNoSchemeSavedMessage)});
    EXPECT_EQ(settings, FormatSettings());
}

}  // namespace
}  // namespace dorvane::testing
