#include <gtest/gtest.h>

#include "platform/Clipboard.h"
#include "tests/common/TestSupport.h"
#include "tests/utilities/DocxFixture.h"
#include "tests/utilities/RecordingPort.h"
#include "tests/utilities/WordSession.h"
#include "utilities/ConvertEmbeddedSheets.h"

namespace dorvane::testing {
namespace {

using utilities::ConvertAllEmbeddedSheets;
using utilities::ConvertEmbeddedSheetsPress;

const std::string kNotice =
    "每次处理表格限制为10个，表格多的请多运行几次,另外转换后的表格可能会有比原表格更多的的行和列"
    "(原表格也有只是未显示),请手动检查处理.";

// A document built from objects: "sheet:<rows>" for an embedded .xlsx
// worksheet whose first cell is the text given, "picture" for a picture,
// "broken" for a worksheet object whose data is no workbook.
struct ObjectDocument {
    DocxParts parts;
    int next = 1;

    void AddSheet(const std::vector<std::vector<std::string>>& rows,
                  const std::string& progId = "Excel.Sheet.12") {
        AddObject(progId, XlsxBytes(rows));
    }
    void AddBroken() { AddObject("Excel.Sheet.12", "this is no workbook"); }
    void AddPicture() {
        std::string image = Image();
        parts.body += InlinePicture(image, next++);
    }

private:
    std::string Image() {
        std::string id = "rIdImg" + std::to_string(next);
        std::string target = "media/image" + std::to_string(next) + ".png";
        parts.relationships.push_back({id, "image", target});
        parts.parts.push_back({"word/" + target, PngBytes()});
        return id;
    }
    void AddObject(const std::string& progId, std::string bytes) {
        std::string image = Image();
        std::string id = "rIdOle" + std::to_string(next);
        std::string target = "embeddings/Microsoft_Excel_Worksheet" + std::to_string(next) + ".xlsx";
        parts.relationships.push_back({id, "package", target});
        parts.parts.push_back({"word/" + target, std::move(bytes)});
        parts.body += Para("表" + std::to_string(next)) + EmbeddedObject(progId, id, image);
        ++next;
    }
};

TEST(ConvertEmbeddedSheets, TwelveSheetsTakeTwoPressesOfTenAndTwo) {
    TempDir dir;
    ObjectDocument objects;
    for (int i = 1; i <= 12; ++i) objects.AddSheet({{"第" + std::to_string(i) + "张", "金额"}, {"合计", "1234.5"}});
    WriteDocx(dir / "twelve.docx", objects.parts);
    WordSession session(dir / "twelve.docx");
    RecordingPort port;

    EXPECT_EQ(ConvertEmbeddedSheetsPress(*session.word, port), 10);
    EXPECT_EQ(port.messages, std::vector<std::string>{kNotice});
    EXPECT_TRUE(session.word->Visible());
    EXPECT_EQ(session.document->InlineShapes()->Count(), 2);
    EXPECT_EQ(ConvertEmbeddedSheetsPress(*session.word, port), 2);
    EXPECT_EQ(port.messages.size(), 2u);

    WordSession saved = session.SaveAndReopen(dir / "saved.docx");
    EXPECT_EQ(saved.document->InlineShapes()->Count(), 0);
    ASSERT_EQ(saved.TableCount(), 12);
    for (int t = 1; t <= 12; ++t) {
        EXPECT_EQ(saved.CellText(t, 1, 1), "第" + std::to_string(t) + "张\r\a");
        EXPECT_EQ(saved.CellText(t, 2, 2), "1234.5\r\a");
    }
}

TEST(ConvertEmbeddedSheets, TheBatchFormConvertsAllAtOnce) {
    TempDir dir;
    ObjectDocument objects;
    for (int i = 1; i <= 12; ++i) objects.AddSheet({{"x"}});
    WriteDocx(dir / "twelve.docx", objects.parts);
    WordSession session(dir / "twelve.docx");
    EXPECT_EQ(ConvertAllEmbeddedSheets(*session.word), 12);
    EXPECT_EQ(session.TableCount(), 12);
    EXPECT_EQ(session.document->InlineShapes()->Count(), 0);
}

// Every turn looks at the first inline shape: a picture there blocks the
// worksheets behind it, and so does a worksheet that cannot be opened,
// which stays as it was while nothing, not even an older copy, is pasted.
TEST(ConvertEmbeddedSheets, AShapeThatIsNoWorkingSheetInFirstPlaceBlocksTheRest) {
    TempDir dir;
    for (bool picture : {true, false}) {
        ObjectDocument objects;
        if (picture) objects.AddPicture(); else objects.AddBroken();
        objects.AddSheet({{"a", "b"}});
        WriteDocx(dir / "blocked.docx", objects.parts);
        WordSession session(dir / "blocked.docx");
        platform::Clipboard::SetGrid({{{"旧的", "内容"}}, {50, 50}});
        RecordingPort port;

        EXPECT_EQ(ConvertEmbeddedSheetsPress(*session.word, port), 0);
        EXPECT_EQ(port.messages, std::vector<std::string>{kNotice});
        EXPECT_EQ(session.TableCount(), 0);
        EXPECT_EQ(session.document->InlineShapes()->Count(), 2);
        EXPECT_EQ(ConvertAllEmbeddedSheets(*session.word), 0);
        EXPECT_TRUE(session.word->Visible());
    }
}

TEST(ConvertEmbeddedSheets, WithoutInlineShapesOnlyTheNoticeAndWordVisible) {
    TempDir dir;
    WriteDocx(dir / "plain.docx", Para("正文"));
    WordSession session(dir / "plain.docx");
    session.word->SetVisible(false);
    RecordingPort port;
    EXPECT_EQ(ConvertEmbeddedSheetsPress(*session.word, port), 0);
    EXPECT_EQ(port.messages, std::vector<std::string>{kNotice});
    EXPECT_TRUE(session.word->Visible());
}

// The whole used range is copied, beyond column Z as well.
TEST(ConvertEmbeddedSheets, UsedRangeBeyondColumnZIsCopiedWhole) {
    TempDir dir;
    std::vector<std::string> wide(28);
    wide[0] = "A列";
    wide[27] = "AB列";
    ObjectDocument objects;
    objects.AddSheet({wide, {"1"}});
    WriteDocx(dir / "wide.docx", objects.parts);
    WordSession session(dir / "wide.docx");
    EXPECT_EQ(ConvertAllEmbeddedSheets(*session.word), 1);
    ASSERT_EQ(session.TableCount(), 1);
    auto table = session.document->Tables()->Item(1);
    EXPECT_EQ(table->Columns()->Count(), 28);
    EXPECT_EQ(table->Rows()->Count(), 2);
    EXPECT_EQ(session.CellText(1, 1, 28), "AB列\r\a");
}

// A fitted column keeps five pixels (3.75 pt) beside its text; the pasted
// table's cell margins must fit in them, or a column of single digits has
// no room left for its text.
double SideMargins(WordSession& session, int table) {
    auto t = session.document->Tables()->Item(table);
    return t->LeftPadding() + t->RightPadding();
}
constexpr double kFittedColumnSpacePoints = 3.75;

TEST(ConvertEmbeddedSheets, NarrowFittedColumnsKeepRoomForTheirText) {
    TempDir dir;
    ObjectDocument objects;
    objects.AddSheet({{"1", "2", "3", "4"}});
    WriteDocx(dir / "digits.docx", objects.parts);
    WordSession session(dir / "digits.docx");
    EXPECT_EQ(ConvertAllEmbeddedSheets(*session.word), 1);
    WordSession saved = session.SaveAndReopen(dir / "saved.docx");
    ASSERT_EQ(saved.TableCount(), 1);
    EXPECT_LE(SideMargins(saved, 1), kFittedColumnSpacePoints);
    EXPECT_EQ(saved.CellText(1, 1, 4), "4\r\a");
}

TEST(ConvertEmbeddedSheets, ConvertsTheExcel97WorksheetOfACorpusDocument) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/poi_EmbeddedDocument.docx");
    TempDir dir;
    WordSession session(file);
    RecordingPort port;
    if (ConvertEmbeddedSheetsPress(*session.word, port) == 0) {
        // The turn failed: the object must still be there, nothing pasted.
        EXPECT_EQ(session.document->InlineShapes()->Count(), 1);
        EXPECT_EQ(session.TableCount(), 0);
        std::string reason = "no reason given";
        try {
            session.document->InlineShapes()->Item(1)->OLEFormat()->Edit();
        } catch (const AutomationError& e) {
            reason = e.what();
        }
        GTEST_SKIP() << "the embedded Excel cannot open this worksheet: " << reason;
    }
    WordSession saved = session.SaveAndReopen(dir / "converted.docx");
    EXPECT_EQ(saved.document->InlineShapes()->Count(), 0);
    ASSERT_EQ(saved.TableCount(), 1);
    EXPECT_GT(saved.document->Tables()->Item(1)->Range()->Text().size(), 2u);
    EXPECT_LE(SideMargins(saved, 1), kFittedColumnSpacePoints);
}

// A picture, or an object of another kind ("Package"), comes first in
// these corpus documents: a press changes nothing.
TEST(ConvertEmbeddedSheets, CorpusDocumentsWithAnotherShapeFirstStayUnchanged) {
    for (const char* name : {"docx/oxsdk_Document_ole_xlsx.docx", "docx/poi_WordWithAttachments.docx"}) {
        DORVANE_CORPUS_FILE_OR_SKIP(file, name);
        WordSession session(file);
        int shapes = session.document->InlineShapes()->Count();
        int tables = session.TableCount();
        RecordingPort port;
        EXPECT_EQ(ConvertEmbeddedSheetsPress(*session.word, port), 0) << name;
        EXPECT_EQ(session.document->InlineShapes()->Count(), shapes) << name;
        EXPECT_EQ(session.TableCount(), tables) << name;
    }
}

}  // namespace
}  // namespace dorvane::testing
