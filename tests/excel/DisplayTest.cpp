// What depends on displayed texts: precision as displayed, Copy to the
// clipboard with column widths, and fitting columns to their contents.

#include <gtest/gtest.h>

#include "automation/Instances.h"
#include "automation/embedded/package/Package.h"
#include "automation/excel/Excel.h"
#include "platform/Clipboard.h"
#include "tests/common/TestSupport.h"
#include "tests/common/XlsxFixture.h"

using namespace dorvane;
using dorvane::excel::CellValue;
using dorvane::testing::TempDir;
using dorvane::testing::XlsxFixture;

namespace {

// xf 1 "0.00", xf 2 "0%", xf 3 "#,##0", xf 4 a date, xf 5 "0.0E+00".
XlsxFixture Formatted() {
    return XlsxFixture()
        .Sheet("Numbers",
               R"(<row r="1"><c r="A1" s="1"><v>3.14159</v></c><c r="B1" s="2"><v>0.2567</v></c><c r="C1" s="3"><v>1234.56</v></c>)"
               R"(<c r="D1" s="4"><v>45356.75</v></c><c r="E1" s="5"><v>12345</v></c><c r="F1"><v>0.1234567890123</v></c>)"
               R"(<c r="G1" s="1"><f>A1*2</f><v>6.28318</v></c><c r="H1" t="s"><v>0</v></c><c r="I1" t="b"><v>1</v></c></row>)")
        .SharedStrings({"文本"})
        .Styles("", R"(<xf numFmtId="0"/><xf numFmtId="2"/><xf numFmtId="9"/><xf numFmtId="3"/><xf numFmtId="14"/><xf numFmtId="11"/>)");
}

}  // namespace

TEST(ExcelDisplay, PrecisionAsDisplayedRoundsNumbersToTheirFormat) {
    TempDir dir;
    auto file = Formatted().Write(dir / "precision.xlsx");
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(file.string());
    EXPECT_FALSE(book->PrecisionAsDisplayed());
    book->SetPrecisionAsDisplayed(false);  // already off: nothing changes
    EXPECT_TRUE(book->Saved());
    book->SetPrecisionAsDisplayed(true);
    EXPECT_TRUE(book->PrecisionAsDisplayed());
    auto sheet = book->Sheets()->Item(1);
    EXPECT_EQ(sheet->Cells(1, 1)->Value(), CellValue::Number(3.14));
    EXPECT_EQ(sheet->Cells(1, 2)->Value(), CellValue::Number(0.26));
    EXPECT_EQ(sheet->Cells(1, 3)->Value(), CellValue::Number(1235));
    EXPECT_EQ(sheet->Cells(1, 4)->Value(), CellValue::Date(45356.75));  // dates keep their time
    EXPECT_EQ(sheet->Cells(1, 5)->Value(), CellValue::Number(12300));
    EXPECT_EQ(sheet->Cells(1, 6)->Value(), CellValue::Number(0.1234567890123));  // General keeps every digit
    EXPECT_EQ(sheet->Cells(1, 7)->Value(), CellValue::Number(6.28));  // cached formula result too
    EXPECT_EQ(sheet->Cells(1, 8)->Value(), CellValue::Text("文本"));
    EXPECT_EQ(sheet->Cells(1, 9)->Value(), CellValue::Boolean(true));
    book->SaveAs((dir / "rounded.xlsx").string());
    book->Close(false);
    auto again = app->Workbooks()->Open((dir / "rounded.xlsx").string());
    EXPECT_TRUE(again->PrecisionAsDisplayed());
    EXPECT_EQ(again->Sheets()->Item(1)->Cells(1, 1)->Value(), CellValue::Number(3.14));
    // Turning it off keeps the rounded values.
    again->SetPrecisionAsDisplayed(false);
    EXPECT_FALSE(again->PrecisionAsDisplayed());
    EXPECT_EQ(again->Sheets()->Item(1)->Cells(1, 1)->Value(), CellValue::Number(3.14));
}

TEST(ExcelDisplay, CopyPutsDisplayedTextsAndWidthsOnTheClipboard) {
    TempDir dir;
    auto file = Formatted()
                    .Sheet("Wide", R"(<row r="1"><c r="A1"><v>1</v></c><c r="C1"><v>2</v></c></row>)",
                           R"(<cols><col min="1" max="1" width="20.7109375" customWidth="1"/><col min="2" max="2" width="5" hidden="1" customWidth="1"/></cols>)")
                    .Write(dir / "copy.xlsx");
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(file.string());
    platform::Clipboard::Clear();
    book->Sheets()->Item(1)->Range("A1:D2")->Copy();
    auto grid = platform::Clipboard::Grid();
    ASSERT_TRUE(grid);
    ASSERT_EQ(grid->rows.size(), 2u);
    EXPECT_EQ(grid->rows[0], (std::vector<std::string>{"3.14", "26%", "1,235", "2024/3/5"}));
    EXPECT_EQ(grid->rows[1], (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(grid->columnWidthsPoints, (std::vector<double>{48, 48, 48, 48}));

    auto wide = book->Sheets()->Item(2);
    EXPECT_DOUBLE_EQ(wide->ColumnWidth(1), 108.75);  // 20 characters: 145 pixels
    EXPECT_DOUBLE_EQ(wide->ColumnWidth(2), 0);      // hidden
    wide->UsedRange()->Copy();
    grid = platform::Clipboard::Grid();
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->rows, (std::vector<std::vector<std::string>>{{"1", "", "2"}}));
    EXPECT_EQ(grid->columnWidthsPoints, (std::vector<double>{108.75, 0, 48}));
    EXPECT_THROW(wide->Range("A1,C1")->Copy(), AutomationError);
}

TEST(ExcelDisplay, AutoFitSizesColumnsToTheirTexts) {
    TempDir dir;
    auto file = XlsxFixture()
                    .Sheet("Fit",
                           R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c r="D1" t="s"><v>2</v></c></row>)"
                           R"(<row r="2"><c r="A2"><v>123456</v></c><c r="AB2" t="s"><v>2</v></c></row>)",
                           R"(<cols><col min="1" max="3" width="30" customWidth="1" style="0"/></cols>)",
                           R"(<mergeCells count="1"><mergeCell ref="D1:F1"/></mergeCells>)")
                    .SharedStrings({"汇总表", "Revenue", "a very long merged heading"})
                    .Write(dir / "fit.xlsx");
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(file.string());
    auto sheet = book->Sheets()->Item(1);
    EXPECT_THROW(sheet->Range("A1:B2")->AutoFit(), AutomationError);
    sheet->Columns("A:Z")->EntireColumn()->AutoFit();
    // 汇总表: three characters of double width, 6 digits wide: 47 pixels.
    EXPECT_DOUBLE_EQ(sheet->ColumnWidth(1), 35.25);
    EXPECT_DOUBLE_EQ(sheet->ColumnWidth(2), 40.5);  // "Revenue": 7 digits wide
    EXPECT_DOUBLE_EQ(sheet->ColumnWidth(3), 157.5);  // empty: keeps its width
    EXPECT_DOUBLE_EQ(sheet->ColumnWidth(4), 48);    // only a merged cell: unchanged
    EXPECT_DOUBLE_EQ(sheet->ColumnWidth(28), 48);   // AB lies beyond A:Z
    book->Save();
    book->Close(false);
    auto package = embedded::Package::Open(file, "test");
    std::string xml = package->RawPart("xl/worksheets/sheet1.xml");
    EXPECT_NE(xml.find(R"(<col min="1" max="1" width="6.7109375" customWidth="1" style="0"/>)"), std::string::npos) << xml;
    EXPECT_NE(xml.find(R"(<col min="3" max="3" width="30" customWidth="1" style="0"/>)"), std::string::npos);
    EXPECT_LT(xml.find("<cols>"), xml.find("<sheetData>"));
}
