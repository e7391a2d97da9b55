// Whole runs over real documents, saved and reopened.

#include "formatting/TableSteps.h"
#include "tests/formatting/RunFixture.h"

namespace dorvane::formatting::testing {
namespace {

using namespace dorvane::word;

class CorpusRun : public RunFixture {
protected:
    void EveryOption() {
        settings.Combo2 = "宋体";
        settings.Combo12 = "Times New Roman";
        settings.Combo3 = "小五";
        settings.Combo1 = "1.0";
        settings.Combo8 = "0.60";
        settings.Combo9 = "居中 黑体";
        settings.Combo10 = "居左";
        settings.Combo11 = "数字居右,其他居中";
        settings.Check4 = 1;
        settings.Check6 = 1;
    }
};

TEST_F(CorpusRun, ChineseAnnexWithHeavyMergesGetsOneFormat) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/oxsdk_table_2007.docx");
    auto d = OpenFile(file);
    const int tables = d->Tables()->Count();
    EveryOption();
    auto report = Run();
    EXPECT_EQ(report.visited, tables);
    EXPECT_EQ(report.formatted + report.skipped, tables);
    ASSERT_GT(report.formatted, 0);
    d = SaveAndReopen(d);
    ASSERT_EQ(d->Tables()->Count(), tables);
    int checked = 0;
    for (int t = 1; t <= tables; ++t) {
        if (Border(*d, t, wdBorderTop) != std::make_pair(wdLineStyleSingle, 8)) continue;
        ++checked;
        auto font = CellRange(*d, t, 1, 1)->Font();
        EXPECT_EQ(font->NameFarEast(), "宋体") << "table " << t;
        EXPECT_EQ(font->Name(), "Times New Roman") << "table " << t;
        EXPECT_EQ(font->Size(), 9) << "table " << t;
        EXPECT_EQ(Border(*d, t, wdBorderVertical), std::make_pair(wdLineStyleSingle, 8));
        EXPECT_EQ(TableOf(*d, t)->Rows()->HeightRule(), wdRowHeightAtLeast);
    }
    EXPECT_EQ(checked, report.formatted);
}

TEST_F(CorpusRun, StatisticsReportAlignsFiguresRightAndKeepsHeadingsRepeating) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/poi_bug59058.docx");
    auto d = OpenFile(file);
    EveryOption();
    settings.Check3 = 1;  // format every table, whatever its lines
    auto report = Run();
    EXPECT_EQ(report.formatted, d->Tables()->Count());
    d = SaveAndReopen(d);
    int numbers = 0, others = 0;
    for (int t = 1; t <= d->Tables()->Count(); ++t) {
        auto table = TableOf(*d, t);
        int rows = table->Rows()->Count(), columns = table->Columns()->Count();
        Ref<Cells> cells;
        try {
            cells = d->Range(table->Cell(2, 2)->Range()->Start(),
                             table->Cell(rows, columns)->Range()->End())->Cells();
        } catch (const AutomationError&) {
            continue;  // no number region in this table
        }
        for (int k = 1; k <= cells->Count(); ++k) {
            auto cell = cells->Item(k);
            bool number = IsNumberCellText(CellContent(*cell));
            (number ? numbers : others)++;
            EXPECT_EQ(cell->Range()->ParagraphFormat()->Alignment(),
                      number ? wdAlignParagraphRight : wdAlignParagraphCenter)
                << "table " << t << " cell " << k << " \"" << CellContent(*cell) << '"';
        }
        EXPECT_EQ(table->Rows()->Item(1)->Range()->Rows()->HeadingFormat(), wdTrue);
    }
    EXPECT_GT(numbers, 100);
}

TEST_F(CorpusRun, BorderlessLayoutTablesAreSkipped) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/poitl_resume.docx");
    auto d = OpenFile(file);
    auto before = CellRange(*d, 1, 1, 1)->Font()->Name();
    settings.Combo2 = "宋体";
    auto report = Run();
    EXPECT_EQ(report.skipped, 1);
    EXPECT_EQ(report.formatted, 0);
    d = SaveAndReopen(d);
    EXPECT_EQ(CellRange(*d, 1, 1, 1)->Font()->Name(), before);
    EXPECT_EQ(Border(*d, 1, wdBorderLeft).first, wdLineStyleNone);
}

}  // namespace
}  // namespace dorvane::formatting::testing
