// The application, documents, saving and the refusal of files that are no
// Word document.

#include <fstream>

#include <gtest/gtest.h>

#include "automation/embedded/package/Package.h"
#include "automation/embedded/word/EmbeddedWord.h"
#include "platform/Paths.h"
#include "tests/common/TestSupport.h"
#include "tests/word/Docx.h"

namespace dorvane::word_testing {
namespace {

using dorvane::AutomationError;
namespace w = dorvane::word;

class OpenSaveTest : public ::testing::Test {
protected:
    std::filesystem::path Sample() {
        DocxParts parts;
        parts.body = P("text") + Tbl("a|b");
        parts.styles = "<w:style w:type=\"paragraph\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>";
        parts.settings = "<w:zoom w:percent=\"100\"/><w:compat/>";
        return WriteDocx(dir / "sample.docx", parts);
    }
    // The message of the AutomationError that opening `file` raises.
    std::string Refusal(const std::filesystem::path& file) {
        auto word = CreateWordApplication();
        try {
            word->Documents()->Open(file.string());
        } catch (const AutomationError& e) {
            EXPECT_EQ(word->Documents()->Count(), 0);
            return e.what();
        }
        ADD_FAILURE() << "opened " << file;
        return {};
    }
    void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    dorvane::testing::TempDir dir;
};

TEST_F(OpenSaveTest, UnchangedDocumentIsWrittenBackPartForPartAndDeterministically) {
    auto file = Sample();
    Session s(file);
    EXPECT_TRUE(s.doc->Saved());
    EXPECT_EQ(s.doc->Name(), "sample.docx");
    EXPECT_EQ(s.doc->FullName(), file.string());
    s.doc->SaveAs((dir / "one.docx").string());
    s.doc->SaveAs((dir / "two.docx").string());
    EXPECT_EQ(s.doc->Name(), "two.docx");
    auto original = embedded::Package::Open(file, "test");
    auto saved = embedded::Package::Open(dir / "one.docx", "test");
    EXPECT_EQ(saved->PartNames(), original->PartNames());
    for (const auto& part : original->PartNames()) EXPECT_EQ(saved->RawPart(part), original->RawPart(part)) << part;
    EXPECT_EQ(platform::ReadFile(dir / "one.docx"), platform::ReadFile(dir / "two.docx"));
}

TEST_F(OpenSaveTest, ChangingTheTextTouchesOnlyTheMainPart) {
    auto file = Sample();
    Session s(file);
    s.Table(1)->Select();
    s.Sel()->Font()->SetSize(12);
    EXPECT_FALSE(s.doc->Saved());
    s.doc->Save();
    EXPECT_TRUE(s.doc->Saved());
    auto original = embedded::Package::Open(dir / "sample.docx", "test");
    EXPECT_NE(original->RawPart("word/document.xml").find("<w:sz w:val=\"24\"/>"), std::string::npos);
    EXPECT_EQ(original->RawPart("word/styles.xml"), ReadPart(file, "word/styles.xml"));
}

TEST_F(OpenSaveTest, NewElementsAreWrittenWithTheirNamesAndNothingElseIsAdded) {
    Session s(Sample());
    s.Table(1)->Select();
    for (int side = w::wdBorderTop; side >= w::wdBorderVertical; --side)
        s.Sel()->Borders()->Item(side)->SetLineStyle(w::wdLineStyleSingle);
    s.Sel()->ParagraphFormat()->SetSpaceBefore(6);
    s.doc->SetDefaultTabStop(21);
    s.doc->SaveAs((dir / "changed.docx").string());
    s.doc->SaveAs((dir / "again.docx").string());
    for (const char* part : {"word/document.xml", "word/settings.xml"}) {
        std::string xml = ReadPart(dir / "changed.docx", part);
        EXPECT_EQ(xml.find("dorvane"), std::string::npos) << part << ": " << xml;
        EXPECT_EQ(xml.rfind('>'), xml.size() - 1) << part;
    }
    std::string document = ReadPart(dir / "changed.docx", "word/document.xml");
    EXPECT_NE(document.find("<w:tblBorders><w:top w:val=\"single\""), std::string::npos) << document;
    EXPECT_NE(document.find("<w:spacing w:before=\"120\""), std::string::npos) << document;
    EXPECT_EQ(platform::ReadFile(dir / "changed.docx"), platform::ReadFile(dir / "again.docx"));
    // The saved file opens again with the change.
    Session again(dir / "changed.docx");
    again.Table(1)->Select();
    EXPECT_EQ(again.Sel()->Borders()->Item(w::wdBorderTop)->LineStyle(), w::wdLineStyleSingle);
}

TEST_F(OpenSaveTest, ValuesWithMarkupCharactersAreWrittenAndReadBackAsSet) {
    Session s(Sample());
    s.Table(1)->Select();
    // Shared values are parsed once as markup: the characters that markup
    // gives a meaning must come back as they were set.
    s.Sel()->Font()->SetName("A&B \"Sans\" <1>");
    s.doc->SaveAs((dir / "names.docx").string());
    Session again(dir / "names.docx");
    again.Table(1)->Select();
    EXPECT_EQ(again.Sel()->Font()->Name(), "A&B \"Sans\" <1>");
    std::string document = ReadPart(dir / "names.docx", "word/document.xml");
    EXPECT_NE(document.find("w:ascii=\"A&amp;B &quot;Sans&quot; &lt;1>\""), std::string::npos) << document;
}

TEST_F(OpenSaveTest, DocumentsOfTheApplicationAndTheirEnd) {
    auto file = Sample();
    auto word = CreateWordApplication();
    EXPECT_THROW(word->ActiveDocument(), AutomationError);
    EXPECT_THROW(word->Selection(), AutomationError);
    auto first = word->Documents()->Open(file.string());
    auto again = word->Documents()->Open(file.string());
    EXPECT_EQ(word->Documents()->Count(), 1);
    EXPECT_EQ(word->ActiveDocument()->FullName(), file.string());
    auto other = word->Documents()->Open(WriteDocx(dir / "other.docx", P("x")).string());
    EXPECT_EQ(word->Documents()->Count(), 2);
    EXPECT_EQ(word->ActiveDocument()->Name(), "other.docx");
    first->Activate();
    EXPECT_EQ(word->ActiveDocument()->Name(), "sample.docx");
    EXPECT_EQ(word->Documents()->Item(2)->Name(), "other.docx");
    EXPECT_THROW(word->Documents()->Item(3), AutomationError);
    first->Close();
    EXPECT_EQ(word->Documents()->Count(), 1);
    EXPECT_THROW(again->Tables(), AutomationError);
    EXPECT_EQ(word->ActiveDocument()->Name(), "other.docx");
    EXPECT_DOUBLE_EQ(word->CentimetersToPoints(2.54), 72);
    EXPECT_DOUBLE_EQ(word->LinesToPoints(1.5), 18);
    word->Quit();
    EXPECT_THROW(word->Documents()->Count(), AutomationError);
    EXPECT_THROW(other->Content(), AutomationError);
}

TEST_F(OpenSaveTest, FileOpenDialogGoesThroughTheFrontEnd) {
    auto file = Sample();
    auto word = CreateWordApplication();
    EXPECT_EQ(word->Dialogs(w::wdDialogFileOpen)->Show(), 0);  // headless: nothing opens
    EXPECT_EQ(word->Documents()->Count(), 0);
    int changes = 0;
    std::optional<std::string> answer;
    embedded::word::InstallFrontEnd(*word, {[&] { return answer; }, [&] { ++changes; }});
    EXPECT_EQ(word->Dialogs(w::wdDialogFileOpen)->Show(), 0);  // the user cancels
    answer = file.string();
    EXPECT_EQ(word->Dialogs(w::wdDialogFileOpen)->Show(), -1);
    EXPECT_EQ(word->Documents()->Count(), 1);
    word->SetVisible(true);
    EXPECT_TRUE(word->Visible());
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(word->Dialogs(12), AutomationError);
}

TEST_F(OpenSaveTest, WhatIsNoWordDocumentIsRefusedWithTheFileAndTheReason) {
    WriteBytes(dir / "text.docx", "just some text");
    EXPECT_NE(Refusal(dir / "text.docx").find("text.docx: is not a valid zip package"), std::string::npos);

    std::string cfb = std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(504, '\0');
    WriteBytes(dir / "old.doc", cfb);
    EXPECT_NE(Refusal(dir / "old.doc").find("password-protected document or a binary"), std::string::npos);

    EXPECT_NE(Refusal(dir / "missing.docx").find("missing.docx: the file does not exist"), std::string::npos);
    EXPECT_NE(Refusal(dir.path()).find("is not a file"), std::string::npos);

    auto noMain = embedded::Package::Create();
    noMain->SetRawPart("[Content_Types].xml", "<Types/>");
    noMain->SetRawPart("word/other.xml", "<x/>");
    noMain->SaveAs(dir / "nomain.docx");
    EXPECT_NE(Refusal(dir / "nomain.docx").find("no main document part"), std::string::npos);

    auto workbook = embedded::Package::Create();
    workbook->SetRawPart("word/document.xml", "<workbook xmlns=\"urn:x\"/>");
    workbook->SaveAs(dir / "book.docx");
    EXPECT_NE(Refusal(dir / "book.docx").find("is not a Word document"), std::string::npos);

    auto broken = embedded::Package::Create();
    broken->SetRawPart("word/document.xml", "<w:document xmlns:w=\"x\"><w:body><w:p></w:body>");
    broken->SaveAs(dir / "broken.docx");
    std::string before = platform::ReadFile(dir / "broken.docx");
    std::string message = Refusal(dir / "broken.docx");
    EXPECT_NE(message.find("broken.docx: part word/document.xml is not well-formed XML"), std::string::npos) << message;
    EXPECT_EQ(platform::ReadFile(dir / "broken.docx"), before);  // nothing on disk changed
}

TEST_F(OpenSaveTest, EmptyContentTypesStillOpenAndAreRebuiltOnSave) {
    DocxParts parts;
    parts.body = Tbl("a|b") + P("");
    parts.contentTypes = false;
    Session s(WriteDocx(dir / "ct.docx", parts));
    EXPECT_EQ(s.doc->Tables()->Count(), 1);
    s.doc->SaveAs((dir / "fixed.docx").string());
    std::string types = ReadPart(dir / "fixed.docx", "[Content_Types].xml");
    EXPECT_NE(types.find("<Override PartName=\"/word/document.xml\" ContentType=\"application/"
                         "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"),
              std::string::npos)
        << types;
    EXPECT_NE(types.find("<Default Extension=\"rels\""), std::string::npos);
}

TEST_F(OpenSaveTest, AFailedSaveLeavesTheTargetAndTheDocumentAsTheyWere) {
    Session s(Sample());
    s.Table(1)->Select();
    s.Sel()->Font()->SetBold(w::wdTrue);
    auto target = dir / "no-such-folder" / "x.docx";
    EXPECT_THROW(s.doc->SaveAs(target.string()), AutomationError);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_FALSE(s.doc->Saved());
    EXPECT_EQ(s.doc->Name(), "sample.docx");
}

}  // namespace
}  // namespace dorvane::word_testing
