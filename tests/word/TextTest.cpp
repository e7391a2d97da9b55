// Find and replace, section breaks, fields, inline shapes, embedded
// workbooks and pasting a grid as a table.

#include <gtest/gtest.h>

#include "automation/excel/Excel.h"
#include "platform/Clipboard.h"
#include "platform/Paths.h"
#include "tests/common/TestSupport.h"
#include "tests/common/XlsxFixture.h"
#include "tests/word/Docx.h"

namespace dorvane::word_testing {
namespace {

using dorvane::AutomationError;
namespace w = dorvane::word;

// The codes of a document's fields, in their order.
std::vector<std::string> FieldCodes(dorvane::word::Document& doc) {
    std::vector<std::string> codes;
    auto fields = doc.Fields();
    for (int i = 1; i <= fields->Count(); ++i) codes.push_back(fields->Item(i)->Code());
    return codes;
}

class TextTest : public ::testing::Test {
protected:
    std::filesystem::path Make(const std::string& body) { return WriteDocx(dir / "t.docx", body); }
    dorvane::testing::TempDir dir;

    // Opens `body` once per order and unlinks fields by their place in the
    // list as it stands; after each unlink the document's list of fields
    // must be that of the document saved and opened again.
    void UnlinkInOrdersAndCompareWithTheSavedDocument(const std::string& body, std::size_t count,
                                                      const std::vector<std::vector<int>>& orders) {
        int step = 0;
        for (const std::vector<int>& order : orders) {
            Session s(Make(body));
            ASSERT_EQ(FieldCodes(*s.doc).size(), count);
            for (int index : order) {
                auto fields = s.doc->Fields();
                if (index > fields->Count()) break;
                fields->Item(index)->Unlink();
                const auto path = dir / ("step" + std::to_string(++step) + ".docx");
                s.doc->SaveAs(path.string());
                Session fresh(path);
                EXPECT_EQ(FieldCodes(*s.doc), FieldCodes(*fresh.doc)) << "after unlinking field " << index;
            }
        }
    }
};

TEST_F(TextTest, WildcardReplaceRepeatedUntilNothingIsFoundAddsThousandsSeparators) {
    Session s(Make(P("1234.5 and 2019,2020 and 1,234.56") + Tbl("12345678.9|x") + P("")));
    auto find = s.doc->Content()->Find();
    find->ClearFormatting();
    find->Replacement()->ClearFormatting();
    find->SetMatchWildcards(true);
    for (int guard = 0; guard < 20; ++guard) {
        w::FindExecuteArgs search;
        search.findText = "([0-9])([0-9]{3})([.,])";
        if (!find->Execute(search)) break;
        w::FindExecuteArgs replace;
        replace.replaceWith = "\\1,\\2\\3";
        replace.replace = w::wdReplaceAll;
        find->Execute(replace);
    }
    EXPECT_EQ(s.doc->Paragraphs()->Item(1)->Range()->Text(), "1,234.5 and 2,019,2020 and 1,234.56\r");
    EXPECT_EQ(s.Table(1)->Cell(1, 1)->Range()->Text(), "12,345,678.9\r\a");
    // Positions follow the longer text.
    EXPECT_EQ(s.Table(1)->Cell(1, 2)->Range()->Text(), "x\r\a");
}

TEST_F(TextTest, ReplaceAllOnASelectedBlockStaysInsideIt) {
    Session s(Make(Tbl("a b|c d;e f|g h") + P("x y")));
    auto table = s.Table(1);
    s.doc->Range(table->Cell(2, 1)->Range()->Start(), table->Cell(2, 2)->Range()->End())->Select();
    auto find = s.Sel()->Find();
    find->SetText(" ");
    find->Replacement()->SetText("");
    w::FindExecuteArgs all;
    all.replace = w::wdReplaceAll;
    EXPECT_TRUE(find->Execute(all));
    EXPECT_EQ(table->Cell(1, 1)->Range()->Text(), "a b\r\a");
    EXPECT_EQ(table->Cell(2, 1)->Range()->Text(), "ef\r\a");
    EXPECT_EQ(table->Cell(2, 2)->Range()->Text(), "gh\r\a");
    EXPECT_EQ(s.doc->Paragraphs()->Item(s.doc->Paragraphs()->Count())->Range()->Text(), "x y\r");
    EXPECT_FALSE(find->Execute(all));  // nothing left to replace
}

TEST_F(TextTest, FindWithoutReplaceSelectsWhatItFinds) {
    Session s(Make(P("abc") + P("xcdx")));
    auto find = s.Sel()->Find();
    w::FindExecuteArgs args;
    args.findText = "cd";
    EXPECT_TRUE(find->Execute(args));
    EXPECT_EQ(s.Sel()->Text(), "cd");
    EXPECT_EQ(s.Sel()->Start(), 5);
    args.findText = "zz";
    EXPECT_FALSE(find->Execute(args));
    EXPECT_EQ(s.Sel()->Text(), "cd");
    find->SetMatchWildcards(true);
    args.findText = "[a-";
    EXPECT_THROW(find->Execute(args), AutomationError);
}

TEST_F(TextTest, SectionBreaksGoWithOneReplaceAllOfCaretB) {
    std::string sectPr = "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr>";
    Session s(Make(P("one") + "<w:p><w:pPr>" + sectPr + "</w:pPr><w:r><w:t>two</w:t></w:r></w:p>" + P("three") +
                   sectPr));
    EXPECT_EQ(s.doc->Sections()->Count(), 2);
    auto find = s.Sel()->Find();
    find->ClearFormatting();
    find->Replacement()->ClearFormatting();
    find->SetText("^b");
    find->Replacement()->SetText("");
    find->SetForward(true);
    find->SetWrap(w::wdFindContinue);
    find->SetMatchByte(true);
    w::FindExecuteArgs all;
    all.replace = w::wdReplaceAll;
    find->Execute(all);
    EXPECT_EQ(s.doc->Sections()->Count(), 1);
    EXPECT_EQ(s.doc->Content()->Text(), "one\rtwothree\r");
    find->Execute(all);  // a second pass is harmless
    EXPECT_EQ(s.doc->Sections()->Count(), 1);
}

TEST_F(TextTest, FieldsUnlinkToTheirResultsOnce) {
    std::string simple = "<w:p><w:fldSimple w:instr=\" FILENAME \"><w:r><w:t>report.docx</w:t></w:r></w:fldSimple></w:p>";
    std::string complex = "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText> PAGE </w:instrText></w:r>"
                          "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:rPr><w:b/></w:rPr><w:t>7</w:t></w:r>"
                          "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>";
    Session s(Make(simple + complex));
    auto fields = s.doc->Fields();
    ASSERT_EQ(fields->Count(), 2);
    EXPECT_EQ(fields->Item(2)->Code(), " PAGE ");
    EXPECT_EQ(fields->Item(2)->Result(), "7");
    for (int i = 1; i <= fields->Count(); ++i) fields->Item(i)->Unlink();
    EXPECT_THROW(fields->Item(1)->Unlink(), AutomationError);
    EXPECT_EQ(s.doc->Fields()->Count(), 0);
    EXPECT_EQ(s.doc->Content()->Text(), "report.docx\r7\r");
    EXPECT_EQ(s.doc->Paragraphs()->Item(2)->Range()->Font()->Bold(), w::wdTrue);
}


std::string Complex(const std::string& code, const std::string& result) {
    return "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>" + code +
           "</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" + result +
           "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>";
}

// Unlinking keeps the document's list of fields without reading the body
// again; whatever the order, it must be the list a fresh reading gives.
TEST_F(TextTest, FieldsListedAfterEachUnlinkAreThoseOfTheSavedDocument) {
    const std::string run = "<w:r><w:t>x</w:t></w:r>";
    const std::string body =
        "<w:p><w:hyperlink w:anchor=\"a\"><w:r><w:t>see </w:t></w:r>" + Complex(" PAGEREF a ", run) + "</w:hyperlink></w:p>" +
        "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText> IF </w:instrText></w:r>" +
        Complex(" MERGEFIELD n ", run) + "<w:r><w:instrText> = 1 </w:instrText></w:r>" +
        "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" + Complex(" PAGE ", run) +
        "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>" +
        "<w:p><w:fldSimple w:instr=\" FILENAME \"><w:r><w:t>f</w:t></w:r></w:fldSimple></w:p>" +
        "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText> TOC </w:instrText></w:r>"
        "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>one</w:t></w:r></w:p>"
        "<w:p><w:r><w:t>two</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>";
    UnlinkInOrdersAndCompareWithTheSavedDocument(body, 7, {{2, 4, 1, 1, 1}, {3, 1, 2, 1}, {6, 5, 4, 3, 2, 1}, {4, 1, 1, 1}});
    // A field unlinked with the one around it is gone for its handle too.
    Session s(Make(body));
    auto fields = s.doc->Fields();
    auto nested = fields->Item(2);  // the PAGEREF inside the hyperlink
    fields->Item(1)->Unlink();
    EXPECT_THROW(nested->Unlink(), AutomationError);
    EXPECT_THROW(nested->Code(), AutomationError);
    EXPECT_EQ(s.doc->Fields()->Count(), 5);
}

// Fields that cross the edge of a hyperlink: a table of contents whose
// field begins inside its first entry's link (its result holds the other
// links), and a field that ends inside a link. Unlinking one takes more
// than what nests in it; the list must still be the saved document's and
// handles to what went must refuse.
TEST_F(TextTest, FieldsCrossingAHyperlinkAreListedAsSavedAfterAnUnlink) {
    const std::string begin = "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>";
    const std::string separate = "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>";
    const std::string end = "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>";
    const std::string toc = "<w:p><w:hyperlink w:anchor=\"a\">" + begin +
                            "<w:r><w:instrText> TOC </w:instrText></w:r>" + separate +
                            "<w:r><w:t>one</w:t></w:r></w:hyperlink></w:p>"
                            "<w:p><w:hyperlink w:anchor=\"b\"><w:r><w:t>two</w:t></w:r></w:hyperlink></w:p>"
                            "<w:p>" + end + "</w:p>";
    const std::string endInLink = "<w:p>" + begin + "<w:r><w:instrText> REF x </w:instrText></w:r>" + separate +
                                  "<w:hyperlink w:anchor=\"c\"><w:r><w:t>y</w:t></w:r>" + end +
                                  "</w:hyperlink></w:p>";
    struct Case {
        std::string body;
        int count, unlink, gone, left;  // `gone`: a field that goes with the unlinked one
    };
    for (const Case& c : {Case{toc, 3, 2, 3, 1}, Case{endInLink, 2, 2, 1, 0}}) {
        Session s(Make(c.body + P("")));
        auto fields = s.doc->Fields();
        ASSERT_EQ(fields->Count(), c.count);
        auto gone = fields->Item(c.gone);
        fields->Item(c.unlink)->Unlink();
        const auto path = dir / "crossed.docx";
        s.doc->SaveAs(path.string());
        Session fresh(path);
        EXPECT_EQ(FieldCodes(*s.doc), FieldCodes(*fresh.doc));
        EXPECT_EQ(s.doc->Fields()->Count(), c.left);
        EXPECT_THROW(gone->Code(), AutomationError);
    }
}

// In a document whose table of contents begins inside its first link,
// the fields away from that tangle are still unlinked without reading
// the body again; in every order the list must be the saved document's.
TEST_F(TextTest, UnlinkingAroundATangledTableOfContentsKeepsTheListRight) {
    const std::string toc =
        "<w:p><w:hyperlink w:anchor=\"a\"><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>"
        "<w:r><w:instrText> TOC </w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>"
        "<w:r><w:t>one</w:t></w:r></w:hyperlink></w:p>"
        "<w:p><w:hyperlink w:anchor=\"b\"><w:r><w:t>two </w:t></w:r>" +
        Complex(" PAGEREF b ", "<w:r><w:t>2</w:t></w:r>") + "</w:hyperlink></w:p>"
        "<w:p><w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>" +
        "<w:p>" + Complex(" PAGE ", "<w:r><w:t>9</w:t></w:r>") + "</w:p>";
    UnlinkInOrdersAndCompareWithTheSavedDocument(toc + P(""), 5, {{5, 4, 3, 2, 1}, {3, 1, 1}, {2, 1, 1}, {4, 1, 2}});
}

std::string Object(const std::string& progId, const std::string& relId) {
    return "<w:p><w:r><w:object><v:shape id=\"s\" style=\"width:100pt;height:50pt\"/>"
           "<o:OLEObject Type=\"Embed\" ProgID=\"" + progId + "\" ShapeID=\"s\" r:id=\"" + relId +
           "\"/></w:object></w:r></w:p>";
}

std::string Picture() {
    return "<w:p><w:r><w:drawing><wp:inline><wp:extent cx=\"1\" cy=\"1\"/><a:graphic><a:graphicData "
           "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"/></a:graphic></wp:inline>"
           "</w:drawing></w:r></w:p>";
}

TEST_F(TextTest, InlineShapesInDocumentOrderWithTheirKinds) {
    DocxParts parts;
    parts.body = P("x") + Picture() + Object("Excel.Sheet.12", "rIdObj") +
                 "<w:p><w:r><w:drawing><wp:anchor/></w:drawing></w:r></w:p>";
    Session s(WriteDocx(dir / "shapes.docx", parts));
    auto shapes = s.doc->InlineShapes();
    ASSERT_EQ(shapes->Count(), 2);  // the anchored drawing floats: no inline shape
    EXPECT_EQ(shapes->Item(1)->Type(), w::wdInlineShapePicture);
    EXPECT_THROW(shapes->Item(1)->OLEFormat(), AutomationError);
    EXPECT_EQ(shapes->Item(2)->Type(), w::wdInlineShapeEmbeddedOLEObject);
    EXPECT_EQ(shapes->Item(2)->OLEFormat()->ProgID(), "Excel.Sheet.12");
    EXPECT_EQ(shapes->Item(2)->Range()->Start(), 4);
    EXPECT_THROW(shapes->Item(3), AutomationError);
}

TEST_F(TextTest, EmbeddedWorkbookOpensInExcelAndThePastedGridReplacesTheObject) {
    auto book = dorvane::testing::XlsxFixture()
                    .Sheet("S", R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1"><v>1234.5</v></c></row>)"
                                R"(<row r="2"><c r="A2" t="s"><v>1</v></c><c r="B2"><v>6</v></c></row>)")
                    .SharedStrings({"项目", "合计"})
                    .Write(dir / "book.xlsx");
    DocxParts parts;
    parts.body = P("before") + Object("Excel.Sheet.12", "rIdObj") + P("after");
    parts.relationships["rIdObj"] = {"package", "embeddings/Sheet1.xlsx"};
    parts.extraParts["word/embeddings/Sheet1.xlsx"] = platform::ReadFile(book);
    Session s(WriteDocx(dir / "ole.docx", parts));

    platform::Clipboard::Clear();
    auto shape = s.doc->InlineShapes()->Item(1);
    shape->OLEFormat()->Edit();
    EXPECT_EQ(s.Sel()->Start(), 7);  // the object is selected
    EXPECT_THROW(s.Sel()->PasteAndFormat(w::wdPasteDefault), AutomationError);  // nothing copied yet

    auto excel = GetRunningExcelApplication();
    auto sheet = excel->ActiveWorkbook()->Worksheets()->Item(1);
    sheet->UsedRange()->Copy();
    s.Sel()->PasteAndFormat(w::wdPasteDefault);
    EXPECT_EQ(s.doc->InlineShapes()->Count(), 0);
    ASSERT_EQ(s.doc->Tables()->Count(), 1);
    EXPECT_EQ(s.Table(1)->Cell(1, 1)->Range()->Text(), "项目\r\a");
    EXPECT_EQ(s.Table(1)->Cell(2, 2)->Range()->Text(), "6\r\a");
    s.doc->SaveAs((dir / "pasted.docx").string());
    excel->Quit();

    Session again(dir / "pasted.docx");
    EXPECT_EQ(again.doc->Content()->Text().substr(0, 7), "before\r");
    again.Table(1)->Select();
    EXPECT_EQ(again.Sel()->Borders()->Item(w::wdBorderVertical)->LineStyle(), 1);
    EXPECT_EQ(again.doc->Paragraphs()->Item(again.doc->Paragraphs()->Count())->Range()->Text(), "after\r");
}

}  // namespace
}  // namespace dorvane::word_testing
