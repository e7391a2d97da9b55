// Excel 97-2003 workbooks: the results stored with formulas, number
// formats, hidden sheets, texts split over continuation records, and what
// survives saving as .xlsx.

#include <gtest/gtest.h>

#include "automation/Instances.h"
#include "automation/embedded/excel/BiffRecords.h"
#include "automation/embedded/package/Package.h"
#include "automation/excel/Excel.h"
#include "tests/common/TestSupport.h"

using namespace dorvane;
using dorvane::excel::CellValue;
using dorvane::testing::TempDir;
using Book = excel::Ref<excel::Workbook>;

namespace {

excel::Ref<excel::Sheet> SheetOf(const Book& book, int index) { return book->Sheets()->Item(index); }

CellValue At(const Book& book, int sheet, int row, int column) {
    return SheetOf(book, sheet)->Cells(row, column)->Value();
}

}  // namespace

TEST(XlsImport, FormulaCellsShowTheirStoredResults) {
    DORVANE_CORPUS_FILE_OR_SKIP(refs, "xls/poi_55906-MultiSheetRefs.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(charts, "xls/poi_44010-TwoCharts.xls");
    auto app = CreateExcelApplication();
    Book book = app->Workbooks()->Open(refs.string());
    EXPECT_EQ(At(book, 1, 3, 1), CellValue::Number(66));   // SUM over three sheets
    EXPECT_EQ(At(book, 1, 3, 8), CellValue::Number(110));
    EXPECT_EQ(At(book, 1, 3, 9), CellValue::Number(27.5));  // an average
    book->Close(false);

    book = app->Workbooks()->Open(charts.string());
    auto data = SheetOf(book, 1);
    EXPECT_EQ(data->Name(), "auto_1");
    EXPECT_EQ(SheetOf(book, 2)->UsedRange()->Count(), 1);  // a chart sheet holds no cells
    EXPECT_EQ(data->Cells(3, 8)->Value(), CellValue::Text("ECART"));  // a text result
    EXPECT_EQ(data->Cells(3, 9)->Value(), CellValue::Number(1));
}

TEST(XlsImport, NumberFormatsAndHiddenSheetsComeAlong) {
    DORVANE_CORPUS_FILE_OR_SKIP(sumifs, "xls/poi_sumifs.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(hidden, "xls/poi_TwoSheetsOneHidden.xls");
    auto app = CreateExcelApplication();
    Book book = app->Workbooks()->Open(sumifs.string());
    auto percent = SheetOf(book, 2)->Cells(3, 4);
    EXPECT_EQ(percent->Value(), CellValue::Number(0.03));
    EXPECT_EQ(percent->Text(), "3%");
    EXPECT_EQ(SheetOf(book, 2)->Cells(3, 3)->Text(), "0.50%");
    book->Close(false);

    book = app->Workbooks()->Open(hidden.string());  // the first sheet is hidden
    EXPECT_FALSE(SheetOf(book, 1)->Visible());
    EXPECT_TRUE(SheetOf(book, 2)->Visible());
    EXPECT_EQ(app->ActiveSheet()->Name(), "Sheet2");
}

TEST(XlsImport, WorkbooksTheOlderReaderRefusedOpen) {
    DORVANE_CORPUS_FILE_OR_SKIP(threeD, "xls/poi_3dFormulas.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(govdocs, "xls/poi_61045_govdocs1_626534.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(matrix, "xls/poi_FormulaEvalTestData.xls");
    auto app = CreateExcelApplication();
    Book book = app->Workbooks()->Open(threeD.string());  // streams in the mini stream
    ASSERT_EQ(book->Sheets()->Count(), 3);
    EXPECT_EQ(SheetOf(book, 3)->Name(), "Sh3");
    EXPECT_EQ(At(book, 1, 2, 3), CellValue::Number(33));
    EXPECT_EQ(At(book, 3, 3, 1), CellValue::Number(66));
    book->Close(false);

    book = app->Workbooks()->Open(govdocs.string());  // texts in LABEL records
    EXPECT_NE(At(book, 1, 4, 1).AsText().find("TABLE F-2 BY FILING MONTH"), std::string::npos);
    book->Close(false);

    book = app->Workbooks()->Open(matrix.string());  // macros beside the workbook
    EXPECT_EQ(book->Sheets()->Count(), 4);
    EXPECT_EQ(SheetOf(book, 1)->Name(), "EverythingTests");
    EXPECT_GT(SheetOf(book, 1)->UsedRange()->Count(), 1000);
}

TEST(XlsImport, SavedAsXlsxKeepsResultsAndFormats) {
    DORVANE_CORPUS_FILE_OR_SKIP(sumifs, "xls/poi_sumifs.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(hidden, "xls/poi_TwoSheetsOneHidden.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(dates, "xls/poi_1904DateWindowing.xls");
    TempDir dir;
    auto app = CreateExcelApplication();
    Book dated = app->Workbooks()->Open(dates.string());
    dated->SaveAs((dir / "dates.xlsx").string());
    dated->Close(false);
    // The short date stays the built-in one, which every reader shows in
    // its own locale's way.
    std::string styles = embedded::Package::Open(dir / "dates.xlsx", "test")->RawPart("xl/styles.xml");
    EXPECT_NE(styles.find("numFmtId=\"14\""), std::string::npos) << styles;
    EXPECT_EQ(styles.find("formatCode=\"yyyy/m/d\""), std::string::npos) << styles;

    Book book = app->Workbooks()->Open(sumifs.string());
    CellValue total = At(book, 1, 11, 3);
    ASSERT_EQ(total.kind(), CellValue::Kind::Number);  // a SUMIFS result
    book->SaveAs((dir / "sumifs.xlsx").string());
    book->Close(false);
    book = app->Workbooks()->Open(hidden.string());
    book->SaveAs((dir / "hidden.xlsx").string());
    book->Close(false);

    book = app->Workbooks()->Open((dir / "sumifs.xlsx").string());
    EXPECT_EQ(At(book, 1, 11, 3), total);
    EXPECT_EQ(SheetOf(book, 2)->Cells(3, 4)->Text(), "3%");
    book = app->Workbooks()->Open((dir / "hidden.xlsx").string());
    EXPECT_FALSE(SheetOf(book, 1)->Visible());
}

TEST(XlsImport, TextsRunOnAcrossContinuationRecords) {
    using embedded::excel::BiffCursor;
    using embedded::excel::BiffRecord;
    // Four characters, two in the record in single bytes, the rest in the
    // continuation in two-byte units behind a fresh flags byte; then a
    // rich text whose formatting runs follow its characters.
    const std::string first("\x04\x00\x00" "ab", 5);
    const std::string second("\x01" "c\x00\x2D\x4E" "\x01\x00\x08\x01\x00" "Z" "\x00\x00\x00\x00", 15);
    BiffRecord record{0x00FC, 0, {first, second}};
    BiffCursor cursor(record);
    EXPECT_EQ(cursor.String16(), "abc\xE4\xB8\xAD");  // U+4E2D
    EXPECT_EQ(cursor.String16(), "Z");
    EXPECT_TRUE(cursor.AtEnd());
    EXPECT_THROW(cursor.U8(), std::runtime_error);
}
