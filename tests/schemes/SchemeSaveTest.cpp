// Saving schemes through the embedded Excel, checked by opening the saved
// workbook again.

#include <gtest/gtest.h>

#include "formatting/LinePreviewTable.h"
#include "platform/Paths.h"
#include "schemes/SaveScheme.h"
#include "schemes/SchemeLayout.h"
#include "schemes/SchemeMessages.h"
#include "tests/schemes/SchemeTestSupport.h"

namespace dorvane::testing {
namespace {

using excel::CellValue;
using formatting::FormatSettings;

CellValue Text(const char* text) { return CellValue::Text(text); }
CellValue Number(double n) { return CellValue::Number(n); }

void Pick(FormatSettings& settings, const char* option) {
    formatting::ApplyLinePick(settings, *formatting::FindLinePick(option));
}

// An empty-text cell and an empty cell both read back as nothing.
bool IsBlank(const SheetCells& cells, int row, int column) {
    auto it = cells.find({row, column});
    return it == cells.end() || it->second == CellValue::Text("");
}

class SchemeSaveTest : public ::testing::Test {
protected:
    void Save() { schemes::SaveScheme(settings, port); }
    SheetCells Saved() const { return ReadFirstSheet(drive.SchemeFile()); }

    TemporaryDriveD drive;
    MessagePort port;
    FormatSettings settings;
};

TEST_F(SchemeSaveTest, FirstSaveWritesKeysSaysSoThenWritesValues) {
    SheetCells atMessage;
    port.onMessage = [&](const std::string&) { atMessage = Saved(); };
    Save();
    ASSERT_EQ(port.messages, std::vector<std::string>{std::string(schemes::kSchemeCreatedMessage)});

    // While the message shows: header, keys and descriptions, no values.
    EXPECT_EQ(atMessage[std::pair(1, 1)], Text("变量"));
    EXPECT_EQ(atMessage[std::pair(1, 2)], Text("值"));
    EXPECT_EQ(atMessage[std::pair(1, 3)], Text("说明"));
    EXPECT_EQ(atMessage[std::pair(34, 1)], Text("ckeck6"));
    EXPECT_EQ(atMessage[std::pair(30, 3)], Text("标题行 对齐方式"));
    for (const auto& row : schemes::SchemeLayout) {
        EXPECT_EQ(atMessage[std::pair(row.row, 1)], CellValue::Text(std::string(row.key)));
        EXPECT_EQ(atMessage[std::pair(row.row, 3)], CellValue::Text(std::string(row.description)));
        EXPECT_TRUE(IsBlank(atMessage, row.row, 2)) << "row " << row.row;
    }

    // Afterwards the options; no line was chosen, so rows 2-10 stay empty.
    SheetCells cells = Saved();
    for (int row = 2; row <= 10; ++row) EXPECT_TRUE(IsBlank(cells, row, 2)) << "row " << row;
    EXPECT_EQ(cells[std::pair(11, 2)], Number(0));
    EXPECT_EQ(cells[std::pair(33, 2)], Number(1));  // Check2 opens ticked
    EXPECT_EQ(cells[std::pair(13, 2)], Text("调整到页面宽度"));
    EXPECT_EQ(cells[std::pair(14, 2)], Text("指定宽度"));
    EXPECT_EQ(cells[std::pair(15, 2)], Text("左缩进"));
    EXPECT_EQ(cells[std::pair(30, 2)], Text("不变"));
    for (int row : {16, 17, 18, 19, 28, 29})
        for (int column = 1; column <= 4; ++column) EXPECT_FALSE(cells.count({row, column}));
    EXPECT_EQ(cells.size(), 3u + 27 * 2 + 18);
}

TEST_F(SchemeSaveTest, LaterSaveRewritesValuesAndKeepsEditedKeysAndDescriptions) {
    Save();
    EditWorkbook(drive.SchemeFile(), {{{1, 2}, Text("数值")},
                                      {{12, 1}, Text("行高(厘米)")},
                                      {{34, 3}, Text("合计居中")},
                                      {{17, 1}, Text("备注")},
                                      {{20, 4}, Text("旁注")}});
    settings.Combo8 = "0.63";  // typed, not a list entry
    settings.Combo2 = "";
    settings.Check5 = 1;
    settings.Check2 = 0;
    port.messages.clear();
    Save();
    EXPECT_TRUE(port.messages.empty());
    SheetCells cells = Saved();
    EXPECT_EQ(cells[std::pair(1, 2)], Text("数值"));
    EXPECT_EQ(cells[std::pair(12, 1)], Text("行高(厘米)"));
    EXPECT_EQ(cells[std::pair(34, 3)], Text("合计居中"));
    EXPECT_EQ(cells[std::pair(17, 1)], Text("备注"));
    EXPECT_EQ(cells[std::pair(20, 4)], Text("旁注"));
    EXPECT_EQ(cells[std::pair(12, 2)], Text("0.63"));
    EXPECT_TRUE(IsBlank(cells, 21, 2));
    EXPECT_EQ(cells[std::pair(23, 2)], Number(1));
    EXPECT_EQ(cells[std::pair(33, 2)], Number(0));
}

TEST_F(SchemeSaveTest, LineRowsComeFromThePicturesTheBoxesShow) {
    Pick(settings, "Option8");   // group 1: dotted 1/4 pt
    Pick(settings, "Option20");  // group 2: no line
    Pick(settings, "Option39");  // group 3: single 1/4 pt
    Save();
    SheetCells cells = Saved();
    EXPECT_EQ(cells[std::pair(2, 2)], Text("Form4.Picture9.Picture"));
    EXPECT_EQ(cells[std::pair(5, 2)], Text("wdLineStyleDot"));
    EXPECT_EQ(cells[std::pair(8, 2)], Text("wdLineWidth025pt"));
    EXPECT_EQ(cells[std::pair(3, 2)], Text("Form4.Picture24.Picture"));
    EXPECT_EQ(cells[std::pair(6, 2)], Text("wdLineStyleNone"));
    EXPECT_TRUE(IsBlank(cells, 9, 2));
    EXPECT_EQ(cells[std::pair(4, 2)], Text("Form4.Picture1.Picture"));
    EXPECT_EQ(cells[std::pair(10, 2)], Text("wdLineWidth025pt"));

    // The same picture in two groups; the inside group's no-line pick
    // empties its width row too.
    Pick(settings, "Option1");   // group 1: single 1/4 pt, Picture1
    Pick(settings, "Option57");  // group 3: no line
    Save();
    cells = Saved();
    EXPECT_EQ(cells[std::pair(2, 2)], Text("Form4.Picture1.Picture"));
    EXPECT_EQ(cells[std::pair(4, 2)], Text("Form4.Picture24.Picture"));
    EXPECT_EQ(cells[std::pair(7, 2)], Text("wdLineStyleNone"));
    EXPECT_TRUE(IsBlank(cells, 10, 2));
}

TEST_F(SchemeSaveTest, BoxNotShowingALibraryPictureKeepsItsRows) {
    Pick(settings, "Option11");  // group 1: dotted 1 pt
    Save();
    // A picture that looks the same but is another object matches nothing,
    // nor does the box's own design-time picture.
    formatting::LinePicture lookalike = *formatting::FindLinePictureByName("Picture5");
    settings.Picture21 = &lookalike;
    settings.Picture22 = nullptr;
    Save();
    SheetCells cells = Saved();
    EXPECT_EQ(cells[std::pair(2, 2)], Text("Form4.Picture12.Picture"));
    EXPECT_EQ(cells[std::pair(5, 2)], Text("wdLineStyleDot"));
    EXPECT_EQ(cells[std::pair(8, 2)], Text("wdLineWidth100pt"));
    EXPECT_TRUE(IsBlank(cells, 3, 2));
}

TEST_F(SchemeSaveTest, MissingDriveFailsWithoutMessageOrFile) {
    std::filesystem::path absent = drive.Folder() / "no-such-drive";
    ::setenv("DORVANE_DRIVE_D", absent.c_str(), 1);
    EXPECT_ANY_THROW(Save());
    EXPECT_TRUE(port.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(absent));
}

TEST_F(SchemeSaveTest, OldXlsSchemeIsNotOverwritten) {
    DORVANE_CORPUS_FILE_OR_SKIP(xls, "xls/poi_44010-TwoCharts.xls");
    std::filesystem::copy_file(xls, drive.SchemeFile());
    std::string before = platform::ReadFile(drive.SchemeFile());
    Save();
    EXPECT_EQ(port.messages, std::vector<std::string>{
                                 schemes::SchemeReadOnlyMessage(schemes::kSchemeDisplayPath)});
    EXPECT_EQ(platform::ReadFile(drive.SchemeFile()), before);
}

}  // namespace
}  // namespace dorvane::testing
