// Windows come and go with their workbooks: closing a modified one asks,
// Quit asks for each, a file that cannot be read is named in a message,
// a workbook read from .xls saves as .xlsx, and the instance is the
// running Excel exactly while a window is open.

#include <QApplication>
#include <fstream>
#include <iterator>

#include "automation/Instances.h"
#include "automation/excel/Excel.h"
#include "platform/RunningObjectTable.h"
#include "shell/excel/SheetModel.h"
#include "tests/common/XlsxFixture.h"
#include "tests/sheetwindow/SheetWindowTestSupport.h"

namespace dorvane::shell::testing {
namespace {

namespace fs = std::filesystem;
using dorvane::testing::XlsxFixture;
using excel::CellValue;

class LifecycleTest : public WindowsTest {
protected:
    fs::path Plain(const std::string& name, double a1 = 1) {
        return XlsxFixture()
            .Sheet("Sheet1", "<row r=\"1\"><c r=\"A1\"><v>" + std::to_string(a1) + "</v></c></row>")
            .Write(temp / name);
    }
    static void Modify(WorkbookWindow& window) {
        window.Grid->Sheet()->Cells(2, 2)->SetValue(CellValue::Number(7));
        ProcessEvents();
    }
    static double A1InFile(const fs::path& file) {
        auto excel = CreateExcelApplication();
        double value = excel->Workbooks()->Open(file.string())->Sheets()->Item(1)->Cells(1, 1)->Value().AsNumber();
        excel->Quit();
        return value;
    }
    static std::shared_ptr<void> Running() { return platform::RunningObjectTable::Lookup("Excel.Application"); }
    static std::string Bytes(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(LifecycleTest, ClosingAnUnmodifiedWindowDoesNotAsk) {
    OpenWindow(Plain("a.xlsx")).close();
    ProcessEvents();
    EXPECT_TRUE(askedAbout.empty());
    EXPECT_TRUE(windows().Windows().empty());
    EXPECT_EQ(windows().Application()->Workbooks()->Count(), 0);
}

TEST_F(LifecycleTest, ClosingAModifiedWindowAsksAndFollowsTheAnswer) {
    const fs::path file = Plain("b.xlsx", 1);
    WorkbookWindow& window = OpenWindow(file);
    window.Grid->Sheet()->Cells(1, 1)->SetValue(CellValue::Number(99));
    ProcessEvents();

    answers = {SaveAnswer::Cancel};
    window.CloseAction->trigger();
    ProcessEvents();
    ASSERT_EQ(askedAbout, std::vector<QString>{"b.xlsx"});
    ASSERT_EQ(windows().Windows().size(), 1u) << "Cancel keeps the window";
    EXPECT_TRUE(window.isVisible());

    answers = {SaveAnswer::Discard};
    window.close();
    ProcessEvents();
    EXPECT_TRUE(windows().Windows().empty());
    EXPECT_EQ(A1InFile(file), 1) << "Discard leaves the file as it was";

    WorkbookWindow& again = OpenWindow(file);
    again.Grid->Sheet()->Cells(1, 1)->SetValue(CellValue::Number(42));
    ProcessEvents();
    answers = {SaveAnswer::Save};
    again.close();
    ProcessEvents();
    EXPECT_TRUE(windows().Windows().empty());
    EXPECT_EQ(A1InFile(file), 42);
}

TEST_F(LifecycleTest, QuitAsksForEachModifiedWorkbookAndCanBeCancelled) {
    WorkbookWindow& first = OpenWindow(Plain("one.xlsx"));
    OpenWindow(Plain("two.xlsx"));
    WorkbookWindow& third = OpenWindow(Plain("three.xlsx"));
    Modify(first);
    Modify(third);

    answers = {SaveAnswer::Discard, SaveAnswer::Cancel};
    third.QuitAction->trigger();
    ProcessEvents();
    EXPECT_EQ(askedAbout, (std::vector<QString>{"one.xlsx", "three.xlsx"}));
    ASSERT_EQ(windows().Windows().size(), 1u) << "the cancelled one stays";
    EXPECT_EQ(windows().Windows().front(), &third);
    EXPECT_TRUE(windows().Application());

    answers = {SaveAnswer::Discard};
    third.QuitAction->trigger();
    ProcessEvents();
    EXPECT_TRUE(windows().Windows().empty());
    EXPECT_FALSE(windows().Application()) << "the instance has ended";
    EXPECT_FALSE(Running());
}

TEST_F(LifecycleTest, RunningWhileAWindowIsOpen) {
    EXPECT_FALSE(Running());
    WorkbookWindow& first = OpenWindow(Plain("r1.xlsx"));
    WorkbookWindow& second = OpenWindow(Plain("r2.xlsx"));
    auto excel = windows().Application();
    EXPECT_EQ(Running().get(), static_cast<const void*>(static_cast<excel::Application*>(excel.get())));
    EXPECT_EQ(GetRunningExcelApplication()->Workbooks()->Count(), 2);
    first.close();
    ProcessEvents();
    EXPECT_TRUE(Running()) << "one window is still open";
    second.close();
    ProcessEvents();
    EXPECT_FALSE(Running()) << "the last window took the registration with it";
    // Opening again registers the same instance again.
    OpenWindow(Plain("r3.xlsx"));
    EXPECT_EQ(GetRunningExcelApplication(), std::static_pointer_cast<excel::Application>(excel));
}

TEST_F(LifecycleTest, WorkbooksOpenedOrClosedByAnOperationGetOrLoseTheirWindow) {
    OpenWindow(Plain("main.xlsx"));
    auto excel = windows().Application();
    auto other = excel->Workbooks()->Open(Plain("other.xlsx").string());
    ProcessEvents();
    ASSERT_EQ(windows().Windows().size(), 2u);
    EXPECT_NE(windows().WindowOf(*other), nullptr);
    other->Close(false);
    ProcessEvents();
    EXPECT_EQ(windows().Windows().size(), 1u);
    // While screen updating is off the windows wait for it to come back.
    excel->SetScreenUpdating(false);
    excel->Workbooks()->Open(Plain("later.xlsx").string());
    ProcessEvents();
    EXPECT_EQ(windows().Windows().size(), 1u);
    excel->SetScreenUpdating(true);
    ProcessEvents();
    EXPECT_EQ(windows().Windows().size(), 2u);
}

TEST_F(LifecycleTest, UnreadableFilesAreNamedAndTheOtherWorkbooksStay) {
    WorkbookWindow& good = OpenWindow(Plain("good.xlsx"));
    Modify(good);
    {
        std::ofstream(temp / "broken.xlsx") << "this is no workbook";
    }
    std::vector<fs::path> bad = {temp / "broken.xlsx", temp / "missing.xlsx"};
    if (auto corrupt = dorvane::testing::CorpusFile("xlsx/poi_clusterfuzz-5636439151607808_notzip.xlsx"))
        bad.push_back(*corrupt);
    if (auto encrypted = dorvane::testing::CorpusFile("xlsx/poi_protected_passtika.xlsx")) bad.push_back(*encrypted);
    for (const fs::path& file : bad) {
        messages.clear();
        EXPECT_EQ(windows().Open(QString::fromStdString(file.string())), nullptr) << file;
        ProcessEvents();
        ASSERT_EQ(messages.size(), 1u) << file;
        EXPECT_TRUE(messages[0].contains(QString::fromStdString(file.filename().string())))
            << messages[0].toStdString();
        EXPECT_GT(messages[0].indexOf(QLatin1Char('\n')), 0) << "the reason follows the name";
    }
    ASSERT_EQ(windows().Windows().size(), 1u);
    EXPECT_TRUE(good.isVisible());
    EXPECT_TRUE(good.isWindowModified());
    EXPECT_EQ(windows().Application()->Workbooks()->Count(), 1);
    EXPECT_TRUE(Running());
}

TEST_F(LifecycleTest, OpenFromTheMenuUsesTheChosenFile) {
    WorkbookWindow& window = OpenWindow(Plain("first.xlsx"));
    fileToOpen = QString::fromStdString(Plain("second.xlsx", 8).string());
    window.OpenAction->trigger();
    ProcessEvents();
    ASSERT_EQ(windows().Windows().size(), 2u);
    EXPECT_EQ(windows().Application()->ActiveWorkbook()->Name(), "second.xlsx");
    fileToOpen.clear();  // cancelled: nothing happens
    window.OpenAction->trigger();
    EXPECT_EQ(windows().Windows().size(), 2u);
}

TEST_F(LifecycleTest, WorkbookReadFromXlsSavesAsXlsx) {
    DORVANE_CORPUS_FILE_OR_SKIP(corpus, "xls/poi_61045_govdocs1_626534.xls");
    const fs::path xls = temp / "report.xls";
    fs::copy_file(corpus, xls);
    const std::string before = Bytes(xls);
    WorkbookWindow& window = OpenWindow(xls);
    TypeIntoCell(*window.Grid, 1, 1, "12345");

    fileToSave.clear();  // the user cancels Save As: nothing is written
    window.SaveAction->trigger();
    ASSERT_EQ(saveSuggestions.size(), 1u);
    EXPECT_EQ(saveSuggestions[0].toStdString(), (temp / "report.xlsx").string());
    EXPECT_TRUE(saveTitles[0].contains(".xlsx"));
    EXPECT_TRUE(window.isWindowModified());

    fileToSave = QString::fromStdString((temp / "saved").string());  // the suffix is added
    window.SaveAction->trigger();
    ProcessEvents();
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_TRUE(window.windowTitle().startsWith("saved.xlsx")) << window.windowTitle().toStdString();
    EXPECT_EQ(Bytes(xls), before) << "the .xls file is never rewritten";
    EXPECT_EQ(A1InFile(temp / "saved.xlsx"), 12345);
    // Now an .xlsx workbook, it saves in place.
    TypeIntoCell(*window.Grid, 1, 1, "6");
    window.SaveAction->trigger();
    EXPECT_EQ(saveSuggestions.size(), 2u);
    EXPECT_EQ(A1InFile(temp / "saved.xlsx"), 6);
}

TEST_F(LifecycleTest, ARefusedSaveIsShownAndTheWorkbookStaysModified) {
    const fs::path folder = temp / "locked";
    fs::create_directories(folder);
    WorkbookWindow& window = OpenWindow(Plain("locked/book.xlsx"));
    Modify(window);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(folder / "probe")) GTEST_SKIP() << "running with rights that ignore folder permissions";
    window.SaveAction->trigger();
    fs::permissions(folder, fs::perms::owner_all);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains("book.xlsx")) << messages[0].toStdString();
    EXPECT_TRUE(window.isWindowModified());
}

TEST(WithXlsxSuffix, NamesEndInXlsx) {
    EXPECT_EQ(WithXlsxSuffix("a.xlsx"), "a.xlsx");
    EXPECT_EQ(WithXlsxSuffix("a.XLSX"), "a.XLSX");
    EXPECT_EQ(WithXlsxSuffix("a.xls"), "a.xlsx");
    EXPECT_EQ(WithXlsxSuffix("a"), "a.xlsx");
    EXPECT_EQ(WithXlsxSuffix("a.csv"), "a.csv.xlsx");
}

}  // namespace
}  // namespace dorvane::shell::testing
