// Every workbook of the corpus: sheet lists, values and types, displayed
// texts, and round trips that keep untouched parts byte for byte.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "automation/Instances.h"
#include "automation/embedded/excel/NumberFormat.h"
#include "automation/embedded/package/Package.h"
#include "automation/excel/Excel.h"
#include "tests/common/TestSupport.h"

using namespace dorvane;
using dorvane::excel::CellValue;
using Kind = dorvane::excel::CellValue::Kind;
using dorvane::testing::TempDir;

namespace {

struct Expected {
    const char* file;
    int sheets;
    int worksheets;
    int hidden;
};

const Expected kXlsx[] = {
    {"xlsx/easyexcel_cellDataDemo.xlsx", 2, 2, 0},
    {"xlsx/oxsdk_Pivot2.xlsx", 3, 3, 0},
    {"xlsx/poi_46535.xlsx", 5, 5, 3},
    {"xlsx/poi_47813.xlsx", 3, 2, 0},
    {"xlsx/poi_49609_backslash_paths.xlsx", 2, 2, 0},
    {"xlsx/poi_55906-MultiSheetRefs.xlsx", 3, 3, 0},
    {"xlsx/poi_CVLKRA-KYC_Download_File_Structure_V3.1.xlsx", 30, 30, 1},
    {"xlsx/poi_DateFormatTests.xlsx", 2, 2, 0},
    {"xlsx/poi_FormulaEvalTestData_Copy.xlsx", 4, 4, 0},
    {"xlsx/poi_InlineStrings.xlsx", 3, 3, 0},
    {"xlsx/poi_SimpleStrict.xlsx", 2, 2, 0},
    {"xlsx/poi_Tables.xlsx", 12, 12, 0},
    {"xlsx/poi_WithChartSheet.xlsx", 7, 6, 0},
    {"xlsx/poi_XSSFSheet.copyRows.xlsx", 1, 1, 0},
    {"xlsx/poi_bug66675.xlsx", 2, 2, 0},
    {"xlsx/poi_bug67784.xlsx", 1, 1, 0},
    {"xlsx/poi_link-external-workbook-a.xlsx", 1, 1, 0},
    {"xlsx/poi_link-external-workbook-b.xlsx", 1, 1, 0},
};

const Expected kXls[] = {
    {"xls/easyexcel_multiplesheets.xls", 6, 6, 0},
    {"xls/poi_1904DateWindowing.xls", 3, 3, 0},
    {"xls/poi_3dFormulas.xls", 3, 3, 0},
    {"xls/poi_44010-TwoCharts.xls", 3, 3, 0},  // chart sheets come in as empty worksheets
    {"xls/poi_55906-MultiSheetRefs.xls", 3, 3, 0},
    {"xls/poi_61045_govdocs1_626534.xls", 1, 1, 0},
    {"xls/poi_FormulaEvalTestData.xls", 4, 4, 0},
    {"xls/poi_TwoSheetsOneHidden.xls", 2, 2, 1},
    {"xls/poi_XRefCalc.xls", 1, 1, 0},
    {"xls/poi_XRefCalcData.xls", 3, 3, 0},
    {"xls/poi_ooe_stat_bp10.xls", 3, 3, 2},
    {"xls/poi_sumifs.xls", 5, 5, 0},
    {"xls/poi_testEXCEL_4.xls", 1, 1, 0},
    {"xls/poi_testEXCEL_95.xls", 3, 3, 0},
};

using Book = excel::Ref<excel::Workbook>;

Book Open(excel::Application& app, const std::filesystem::path& file) {
    return app.Workbooks()->Open(file.string());
}

CellValue At(const Book& book, int sheet, int row, int column) {
    return book->Sheets()->Item(sheet)->Cells(row, column)->Value();
}

// Reads every cell of every worksheet's used range; returns how many held
// a value.
int ReadEverything(const Book& book) {
    int values = 0;
    auto worksheets = book->Worksheets();
    for (int i = 1; i <= worksheets->Count(); ++i) {
        auto used = worksheets->Item(i)->UsedRange();
        if (used->Count() > 200000) continue;  // formatted whole rows: nothing more to learn
        for (const auto& cell : used->Cells()) {
            CellValue v = cell->Value();
            cell->Text();
            values += v.IsEmpty() ? 0 : 1;
        }
    }
    return values;
}

void CheckSheetList(const Expected& expected) {
    SCOPED_TRACE(expected.file);
    auto file = dorvane::testing::CorpusFile(expected.file);
    if (!file) return;
    auto app = CreateExcelApplication();
    Book book = Open(*app, *file);
    EXPECT_EQ(book->Sheets()->Count(), expected.sheets);
    EXPECT_EQ(book->Worksheets()->Count(), expected.worksheets);
    int hidden = 0;
    for (int i = 1; i <= book->Sheets()->Count(); ++i) hidden += book->Sheets()->Item(i)->Visible() ? 0 : 1;
    EXPECT_EQ(hidden, expected.hidden);
    EXPECT_GT(ReadEverything(book), 0);
    book->Close(false);
}

}  // namespace

TEST(ExcelCorpus, EveryXlsxOpensWithItsSheets) {
    if (!dorvane::testing::CorpusDir()) GTEST_SKIP() << "corpus absent";
    for (const auto& expected : kXlsx) CheckSheetList(expected);
}

TEST(ExcelCorpus, EveryReadableXlsOpensWithItsSheets) {
    if (!dorvane::testing::CorpusDir()) GTEST_SKIP() << "corpus absent";
    for (const auto& expected : kXls) CheckSheetList(expected);
}

TEST(ExcelCorpus, XlsxValuesAndTypes) {
    DORVANE_CORPUS_FILE_OR_SKIP(demo, "xlsx/easyexcel_cellDataDemo.xlsx");
    DORVANE_CORPUS_FILE_OR_SKIP(refs, "xlsx/poi_55906-MultiSheetRefs.xlsx");
    DORVANE_CORPUS_FILE_OR_SKIP(errors, "xlsx/poi_bug67784.xlsx");
    DORVANE_CORPUS_FILE_OR_SKIP(strict, "xlsx/poi_SimpleStrict.xlsx");
    DORVANE_CORPUS_FILE_OR_SKIP(inlined, "xlsx/poi_InlineStrings.xlsx");
    DORVANE_CORPUS_FILE_OR_SKIP(linked, "xlsx/poi_link-external-workbook-b.xlsx");
    DORVANE_CORPUS_FILE_OR_SKIP(matrix, "xlsx/poi_FormulaEvalTestData_Copy.xlsx");
    auto app = CreateExcelApplication();

    Book book = Open(*app, demo);
    EXPECT_EQ(At(book, 1, 1, 1), CellValue::Text("字符串标题"));
    EXPECT_EQ(At(book, 1, 2, 2).kind(), Kind::Date);
    EXPECT_EQ(std::floor(At(book, 1, 2, 2).AsNumber()), 43831);  // 2020-01-01
    EXPECT_EQ(At(book, 2, 2, 3), CellValue::Number(1));

    book = Open(*app, refs);
    EXPECT_EQ(At(book, 1, 1, 1), CellValue::Number(11));
    EXPECT_EQ(At(book, 1, 3, 1), CellValue::Number(66));  // SUM over three sheets, cached
    EXPECT_EQ(At(book, 3, 1, 3), CellValue::Text("Bye!"));

    book = Open(*app, errors);
    EXPECT_EQ(At(book, 1, 1, 1), CellValue::Boolean(false));
    EXPECT_EQ(At(book, 1, 2, 1), CellValue::Boolean(true));
    EXPECT_EQ(At(book, 1, 3, 1), CellValue::Error("#DIV/0!"));
    EXPECT_EQ(At(book, 1, 4, 1), CellValue::Error("#VALUE!"));

    book = Open(*app, strict);
    EXPECT_EQ(book->Sheets()->Item(2)->Name(), "Sheet Number 2");
    EXPECT_EQ(At(book, 1, 1, 1), CellValue::Text("test"));
    EXPECT_EQ(At(book, 1, 4, 3), CellValue::Number(4));

    book = Open(*app, inlined);
    EXPECT_EQ(At(book, 1, 1, 3), CellValue::Text("Inline Strings"));
    EXPECT_EQ(At(book, 1, 2, 1), CellValue::Number(12));

    book = Open(*app, linked);
    EXPECT_EQ(At(book, 1, 1, 1).kind(), Kind::Number);

    book = Open(*app, matrix);
    std::set<std::string> codes;
    for (const auto& cell : book->Sheets()->Item(1)->UsedRange()->Cells()) {
        CellValue v = cell->Value();
        if (v.kind() == Kind::Error) codes.insert(v.AsText());
    }
    EXPECT_EQ(codes, (std::set<std::string>{"#DIV/0!", "#N/A", "#NAME?", "#NULL!", "#NUM!", "#REF!", "#VALUE!"}));
}

TEST(ExcelCorpus, DateFormatsShowWhatTheWorkbookExpects) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "xlsx/poi_DateFormatTests.xlsx");
    auto app = CreateExcelApplication();
    Book book = Open(*app, file);
    auto tests = book->Sheets()->Item(2);
    int checked = 0;
    // Column A holds the expected text of column C's value under the
    // format code of column B.
    for (int row = 2; row <= 46; ++row) {
        CellValue expected = tests->Cells(row, 1)->Value(), code = tests->Cells(row, 2)->Value();
        CellValue value = tests->Cells(row, 3)->Value();
        if (expected.kind() != Kind::Text || code.kind() != Kind::Text || value.kind() != Kind::Date) continue;
        EXPECT_EQ(embedded::excel::NumberFormat::Parse(code.AsText())->Format(value.AsNumber()), expected.AsText())
            << "row " << row << " format " << code.AsText();
        ++checked;
    }
    EXPECT_EQ(checked, 45);
}

TEST(ExcelCorpus, XlsValuesAndTypes) {
    DORVANE_CORPUS_FILE_OR_SKIP(chinese, "xls/easyexcel_multiplesheets.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(dates, "xls/poi_1904DateWindowing.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(refs, "xls/poi_55906-MultiSheetRefs.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(biff5, "xls/poi_testEXCEL_95.xls");
    DORVANE_CORPUS_FILE_OR_SKIP(biff4, "xls/poi_testEXCEL_4.xls");
    auto app = CreateExcelApplication();

    Book book = Open(*app, chinese);
    EXPECT_EQ(book->Sheets()->Item(6)->Name(), "Sheet6");
    EXPECT_EQ(At(book, 2, 1, 1), CellValue::Text("表2头"));
    EXPECT_EQ(At(book, 2, 2, 1), CellValue::Text("表2数据"));

    book = Open(*app, dates);  // a 1904 workbook: the date is still 2000-01-01
    EXPECT_EQ(At(book, 1, 1, 1), CellValue::Date(36526));
    EXPECT_EQ(book->Sheets()->Item(1)->Cells(1, 1)->Text(), "2000/1/1");

    book = Open(*app, refs);
    EXPECT_EQ(At(book, 1, 1, 1), CellValue::Number(11));
    EXPECT_EQ(At(book, 2, 1, 3), CellValue::Text("Middle!"));

    book = Open(*app, biff5);
    EXPECT_EQ(book->Sheets()->Item(1)->Name(), "Feuil1");
    EXPECT_EQ(At(book, 1, 4, 2), CellValue::Text("Number"));
    EXPECT_EQ(At(book, 1, 6, 2), CellValue::Number(1));

    book = Open(*app, biff4);
    EXPECT_EQ(book->Sheets()->Item(1)->Name(), "Worksheet");
    EXPECT_EQ(At(book, 1, 8, 1), CellValue::Text("Type and size of return"));
}

TEST(ExcelCorpus, AnUnchangedRoundTripKeepsEveryPart) {
    if (!dorvane::testing::CorpusDir()) GTEST_SKIP() << "corpus absent";
    TempDir dir;
    for (const auto& expected : kXlsx) {
        SCOPED_TRACE(expected.file);
        auto file = dorvane::testing::CorpusFile(expected.file);
        if (!file) continue;
        auto app = CreateExcelApplication();
        Book book = Open(*app, *file);
        auto copy = dir / file->filename().string();
        book->SaveAs(copy.string());
        book->Close(false);
        auto original = embedded::Package::Open(*file, "test");
        auto saved = embedded::Package::Open(copy, "test");
        ASSERT_EQ(saved->PartNames(), original->PartNames());
        for (const auto& part : original->PartNames()) EXPECT_EQ(saved->RawPart(part), original->RawPart(part)) << part;
    }
}

TEST(ExcelCorpus, AWrittenCellReadsBackAndOtherPartsStayIdentical) {
    if (!dorvane::testing::CorpusDir()) GTEST_SKIP() << "corpus absent";
    TempDir dir;
    for (const auto& expected : kXlsx) {
        SCOPED_TRACE(expected.file);
        auto file = dorvane::testing::CorpusFile(expected.file);
        if (!file) continue;
        auto copy = dir / file->filename().string();
        std::filesystem::copy_file(*file, copy, std::filesystem::copy_options::overwrite_existing);
        auto app = CreateExcelApplication();
        Book book = Open(*app, copy);
        auto sheet = book->Worksheets()->Item(1);
        auto used = sheet->UsedRange();
        int row = std::min(used->Row() + 200, 1048576);
        sheet->Cells(row, 3)->SetValue(CellValue::Number(1234.5));
        sheet->Cells(2, 2)->SetValue(CellValue::Text("改写"));
        book->Close(true);

        book = Open(*app, copy);
        sheet = book->Worksheets()->Item(1);
        EXPECT_EQ(sheet->Cells(row, 3)->Value(), CellValue::Number(1234.5));
        EXPECT_EQ(sheet->Cells(2, 2)->Value(), CellValue::Text("改写"));
        if (book->Worksheets()->Count() > 1) {
            // Another sheet's values are as they were.
            auto other = CreateExcelApplication();
            auto before = Open(*other, *file);
            EXPECT_EQ(book->Worksheets()->Item(2)->UsedRange()->Address(),
                      before->Worksheets()->Item(2)->UsedRange()->Address());
            before->Close(false);
        }
        book->Close(false);
        auto original = embedded::Package::Open(*file, "test");
        auto saved = embedded::Package::Open(copy, "test");
        int identical = 0;
        for (const auto& part : original->PartNames()) {
            if (part.find("sheet") == std::string::npos || !saved->HasPart(part)) continue;
            identical += saved->RawPart(part) == original->RawPart(part) ? 1 : 0;
        }
        // Every worksheet part but the written one is byte-identical.
        EXPECT_GE(identical, expected.worksheets - 1);
    }
}

TEST(ExcelCorpus, XlsSavesOnlyAsXlsx) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "xls/poi_sumifs.xls");
    TempDir dir;
    auto app = CreateExcelApplication();
    Book book = Open(*app, file);
    EXPECT_TRUE(book->ReadOnly());
    try {
        book->Save();
        FAIL() << "saving an .xls in place must be refused";
    } catch (const AutomationError& e) {
        EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("SaveAs"), std::string::npos);
    }
    EXPECT_THROW(book->Close(true), AutomationError);
    CellValue header = At(book, 1, 1, 1);
    book->Sheets()->Item(2)->Cells(20, 1)->SetValue(CellValue::Number(5));
    auto converted = dir / "sumifs.xlsx";
    book->SaveAs(converted.string());
    EXPECT_FALSE(book->ReadOnly());
    book->Close(false);
    book = Open(*app, converted);
    EXPECT_EQ(book->Sheets()->Count(), 5);
    EXPECT_EQ(At(book, 1, 1, 1), header);
    EXPECT_EQ(At(book, 2, 20, 1), CellValue::Number(5));
    EXPECT_EQ(At(book, 2, 2, 2), CellValue::Number(100));
}
