// Cell values over the workbook's XML: types, dates, formulas, writing in
// order, clearing, ranges and their addresses.

#include <gtest/gtest.h>

#include "automation/Instances.h"
#include "automation/embedded/package/Package.h"
#include "automation/excel/Excel.h"
#include "tests/common/TestSupport.h"
#include "tests/common/XlsxFixture.h"

using namespace dorvane;
using dorvane::excel::CellValue;
using dorvane::testing::TempDir;
using dorvane::testing::XlsxFixture;

namespace {

// Styles: xf 1 a short date, xf 2 "0.00", xf 3 a custom date, xf 4 text "@".
XlsxFixture Typed() {
    return XlsxFixture()
        .Sheet("Typed",
               R"(<row r="1"><c r="A1"><v>42</v></c><c r="B1" t="s"><v>1</v></c><c r="C1" t="inlineStr"><is><t>内联</t></is></c>)"
               R"(<c r="D1" t="b"><v>1</v></c><c r="E1" t="e"><v>#DIV/0!</v></c></row>)"
               R"(<row r="2"><c r="A2" s="1"><v>45356</v></c><c r="B2" s="2"><v>3.14159</v></c><c r="C2" s="3"><v>45356.5</v></c>)"
               R"(<c r="D2"><f>A1*2</f><v>84</v></c><c r="E2" t="str"><f>"x"&amp;"y"</f><v>xy</v></c></row>)"
               R"(<row r="3"><c r="A3" t="s"><v>0</v></c><c r="C3" t="inlineStr"><is><r><t>富</t></r><r><t>文本</t></r><rPh><t>ふ</t></rPh></is></c>)"
               R"(<c r="E3" t="d"><v>2024-03-05T12:00:00</v></c></row>)")
        .SharedStrings({"line_x000D_break", "共享"})
        .Styles(R"(<numFmt numFmtId="164" formatCode="yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;"/>)",
                R"(<xf numFmtId="0"/><xf numFmtId="14"/><xf numFmtId="2"/><xf numFmtId="164"/><xf numFmtId="49"/>)");
}

std::string SavedPart(const std::filesystem::path& file, const std::string& part) {
    auto package = embedded::Package::Open(file, "test");
    return package->RawPart(part);
}

}  // namespace

TEST(ExcelCells, ReadsEveryKindOfValue) {
    TempDir dir;
    auto app = CreateExcelApplication();
    auto sheet = app->Workbooks()->Open(Typed().Write(dir / "typed.xlsx").string())->Sheets()->Item(1);
    EXPECT_EQ(sheet->Cells(1, 1)->Value(), CellValue::Number(42));
    EXPECT_EQ(sheet->Cells(1, 2)->Value(), CellValue::Text("共享"));
    EXPECT_EQ(sheet->Cells(1, 3)->Value(), CellValue::Text("内联"));
    EXPECT_EQ(sheet->Cells(1, 4)->Value(), CellValue::Boolean(true));
    EXPECT_EQ(sheet->Cells(1, 5)->Value(), CellValue::Error("#DIV/0!"));
    EXPECT_EQ(sheet->Cells(2, 1)->Value(), CellValue::Date(45356));
    EXPECT_EQ(sheet->Cells(2, 2)->Value(), CellValue::Number(3.14159));
    EXPECT_EQ(sheet->Cells(2, 3)->Value(), CellValue::Date(45356.5));
    EXPECT_EQ(sheet->Cells(2, 4)->Value(), CellValue::Number(84));  // the cached result
    EXPECT_EQ(sheet->Cells(2, 5)->Value(), CellValue::Text("xy"));
    EXPECT_EQ(sheet->Cells(3, 1)->Value(), CellValue::Text("line\rbreak"));
    EXPECT_EQ(sheet->Cells(3, 3)->Value(), CellValue::Text("富文本"));  // phonetic run left out
    EXPECT_EQ(sheet->Cells(3, 5)->Value(), CellValue::Date(45356.5));
    EXPECT_TRUE(sheet->Cells(3, 4)->Value().IsEmpty());
    EXPECT_TRUE(sheet->Cells(1048576, 16384)->Value().IsEmpty());
    EXPECT_THROW(sheet->Cells(1048577, 1), AutomationError);
    EXPECT_THROW(sheet->Cells(1, 16385), AutomationError);
    EXPECT_THROW(sheet->Cells(0, 1), AutomationError);
}

TEST(ExcelCells, TextIsTheDisplayedValue) {
    TempDir dir;
    auto app = CreateExcelApplication();
    auto sheet = app->Workbooks()->Open(Typed().Write(dir / "typed.xlsx").string())->Sheets()->Item(1);
    EXPECT_EQ(sheet->Cells(1, 1)->Text(), "42");
    EXPECT_EQ(sheet->Cells(1, 4)->Text(), "TRUE");
    EXPECT_EQ(sheet->Cells(2, 1)->Text(), "2024/3/5");
    EXPECT_EQ(sheet->Cells(2, 2)->Text(), "3.14");
    EXPECT_EQ(sheet->Cells(2, 3)->Text(), "2024年3月5日");
    EXPECT_EQ(sheet->Cells(9, 9)->Text(), "");
}

TEST(ExcelCells, DatesInThe1904SystemReadAndWriteAs1900Serials) {
    TempDir dir;
    auto file = XlsxFixture()
                    .Sheet("S", R"(<row r="1"><c r="A1" s="1"><v>0</v></c><c r="B1"><v>0</v></c></row>)")
                    .Styles("", R"(<xf numFmtId="0"/><xf numFmtId="14"/>)")
                    .Date1904()
                    .Write(dir / "1904.xlsx");
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(file.string());
    auto sheet = book->Sheets()->Item(1);
    EXPECT_EQ(sheet->Cells(1, 1)->Value(), CellValue::Date(1462));  // 1904-01-01
    EXPECT_EQ(sheet->Cells(1, 1)->Text(), "1904/1/1");
    EXPECT_EQ(sheet->Cells(1, 2)->Value(), CellValue::Number(0));  // plain numbers are not shifted
    sheet->Cells(2, 1)->SetValue(CellValue::Date(45356));
    book->Save();
    book->Close(false);
    EXPECT_NE(SavedPart(file, "xl/worksheets/sheet1.xml").find("<v>43894</v>"), std::string::npos);
    auto again = app->Workbooks()->Open(file.string())->Sheets()->Item(1);
    EXPECT_EQ(again->Cells(2, 1)->Value(), CellValue::Date(45356));
    EXPECT_EQ(again->Cells(2, 1)->Text(), "2024/3/5");
}

TEST(ExcelCells, WritesGoInRowAndColumnOrder) {
    TempDir dir;
    auto file = XlsxFixture()
                    .Sheet("S", R"(<row r="2" spans="2:2"><c r="B2"><v>1</v></c></row><row r="5"><c r="C5"><v>2</v></c></row>)",
                           R"(<dimension ref="B2:C5"/>)")
                    .Write(dir / "order.xlsx");
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(file.string());
    auto sheet = book->Sheets()->Item(1);
    sheet->Cells(2, 1)->SetValue(CellValue::Number(10));
    sheet->Cells(2, 3)->SetValue(CellValue::Number(11));
    sheet->Cells(1, 4)->SetValue(CellValue::Text(" padded "));
    sheet->Cells(3, 2)->SetValue(CellValue::Boolean(false));
    sheet->Cells(7, 1)->SetValue(CellValue::Error("#N/A"));
    book->Save();
    book->Close(false);
    std::string xml = SavedPart(file, "xl/worksheets/sheet1.xml");
    auto at = [&](const std::string& s) { return xml.find(s); };
    EXPECT_LT(at("r=\"D1\""), at("r=\"A2\""));
    EXPECT_LT(at("r=\"A2\""), at("r=\"B2\""));
    EXPECT_LT(at("r=\"B2\""), at("r=\"C2\""));
    EXPECT_LT(at("r=\"C2\""), at("r=\"B3\""));
    EXPECT_LT(at("r=\"B3\""), at("r=\"C5\""));
    EXPECT_LT(at("r=\"C5\""), at("r=\"A7\""));
    EXPECT_NE(at("<dimension ref=\"A1:D7\"/>"), std::string::npos);
    EXPECT_EQ(at("spans"), std::string::npos);
    EXPECT_NE(at("xml:space=\"preserve\""), std::string::npos);
    auto again = app->Workbooks()->Open(file.string())->Sheets()->Item(1);
    EXPECT_EQ(again->Cells(1, 4)->Value(), CellValue::Text(" padded "));
    EXPECT_EQ(again->Cells(3, 2)->Value(), CellValue::Boolean(false));
    EXPECT_EQ(again->Cells(7, 1)->Value(), CellValue::Error("#N/A"));
    EXPECT_EQ(again->UsedRange()->Address(), "$A$1:$D$7");
}

TEST(ExcelCells, WritingAValueReplacesTheFormula) {
    TempDir dir;
    auto file = Typed()
                    .Sheet("Shared", R"(<row r="1"><c r="A1"><f t="shared" ref="A1:A3" si="0">B1+1</f><v>1</v></c></row>)"
                                     R"(<row r="2"><c r="A2"><f t="shared" si="0"/><v>2</v></c></row>)"
                                     R"(<row r="3"><c r="A3"><f t="shared" si="0"/><v>3</v></c><c r="B3"><f t="array" ref="B3:C3">1</f><v>1</v></c></row>)")
                    .Write(dir / "formulas.xlsx");
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(file.string());
    auto typed = book->Sheets()->Item(1);
    typed->Cells(2, 4)->SetValue(CellValue::Number(5));
    EXPECT_EQ(typed->Cells(2, 4)->Value(), CellValue::Number(5));
    auto shared = book->Sheets()->Item(2);
    // Replacing the first cell of a shared formula keeps the others'
    // formulas, each moved to its own cell.
    shared->Cells(1, 1)->SetValue(CellValue::Number(100));
    EXPECT_EQ(shared->Cells(2, 1)->Value(), CellValue::Number(2));
    // Part of an array formula cannot change.
    EXPECT_THROW(shared->Cells(3, 3)->SetValue(CellValue::Number(1)), AutomationError);
    EXPECT_THROW(shared->Range("B3:C3")->ClearContents(), AutomationError);
    book->Save();
    book->Close(false);
    std::string sheet1 = SavedPart(file, "xl/worksheets/sheet1.xml");
    EXPECT_EQ(sheet1.find("A1*2"), std::string::npos);
    std::string sheet2 = SavedPart(file, "xl/worksheets/sheet2.xml");
    EXPECT_EQ(sheet2.find("si=\"0\""), std::string::npos);
    EXPECT_NE(sheet2.find("<f>B2+1</f><v>2</v>"), std::string::npos) << sheet2;
    EXPECT_NE(sheet2.find("<f>B3+1</f><v>3</v>"), std::string::npos);
    EXPECT_NE(SavedPart(file, "xl/workbook.xml").find("fullCalcOnLoad=\"1\""), std::string::npos);
}

TEST(ExcelCells, ClearContentsKeepsFormatsAndDropsPlainCells) {
    TempDir dir;
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(Typed().Write(dir / "typed.xlsx").string());
    auto sheet = book->Sheets()->Item(1);
    sheet->Range("A1:B2")->ClearContents();
    EXPECT_TRUE(sheet->Cells(1, 1)->Value().IsEmpty());
    EXPECT_TRUE(sheet->Cells(2, 2)->Value().IsEmpty());
    // The date-formatted A2 keeps its format: a number written there is a date.
    sheet->Cells(2, 1)->SetValue(CellValue::Number(45356));
    EXPECT_EQ(sheet->Cells(2, 1)->Value(), CellValue::Date(45356));
    sheet->Columns("C:E")->ClearContents();
    EXPECT_EQ(sheet->UsedRange()->Address(), "$A$2:$C$3");
    // Setting Empty is clearing too.
    sheet->Cells(3, 1)->SetValue(CellValue());
    EXPECT_TRUE(sheet->Cells(3, 1)->Value().IsEmpty());
}

TEST(ExcelCells, RangesAddressesAndEnumeration) {
    TempDir dir;
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Add();
    auto sheet = book->Sheets()->Item(1);
    auto range = sheet->Range("B2:C3,E5");
    EXPECT_EQ(range->Address(), "$B$2:$C$3,$E$5");
    EXPECT_EQ(range->Count(), 5);
    EXPECT_EQ(range->Row(), 2);
    EXPECT_EQ(range->Column(), 2);
    std::vector<std::string> order;
    for (const auto& cell : range->Cells()) order.push_back(cell->Address());
    EXPECT_EQ(order, (std::vector<std::string>{"$B$2", "$C$2", "$B$3", "$C$3", "$E$5"}));
    range->SetValue(CellValue::Number(7));
    EXPECT_EQ(sheet->Cells(3, 3)->Value(), CellValue::Number(7));
    EXPECT_EQ(sheet->Cells(5, 5)->Value(), CellValue::Number(7));
    EXPECT_EQ(sheet->Columns("A:Z")->Address(), "$A:$Z");
    EXPECT_EQ(sheet->Range("C4")->EntireColumn()->Address(), "$C:$C");
    EXPECT_EQ(sheet->UsedRange()->Address(), "$B$2:$E$5");
    EXPECT_THROW(sheet->Range("not an address"), AutomationError);
    EXPECT_THROW(sheet->Range("A1:XFE2"), AutomationError);
    EXPECT_THROW(sheet->Columns("A:Z")->Cells(), AutomationError);  // 27 million cells
    // Select makes the selection and activates the sheet.
    sheet->Range("C3:D4,F6")->Select();
    EXPECT_EQ(app->Selection()->Address(), "$C$3:$D$4,$F$6");
    EXPECT_EQ(app->Selection()->Worksheet()->Name(), "Sheet1");
    EXPECT_EQ(book->Sheets()->Item(1)->UsedRange()->Address(), "$B$2:$E$5");
}

TEST(ExcelCells, TheSelectionComesFromTheFile) {
    TempDir dir;
    auto file = XlsxFixture()
                    .Sheet("One", "")
                    .Sheet("Two", "", R"(<sheetViews><sheetView workbookViewId="0"><pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/><selection pane="bottomLeft" activeCell="B3" sqref="B3:C4 E6"/></sheetView></sheetViews>)")
                    .ActiveTab(1)
                    .Write(dir / "selection.xlsx");
    auto app = CreateExcelApplication();
    app->Workbooks()->Open(file.string());
    EXPECT_EQ(app->Selection()->Address(), "$B$3:$C$4,$E$6");
    EXPECT_EQ(app->Selection()->Count(), 5);
}
