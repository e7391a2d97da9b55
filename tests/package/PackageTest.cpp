#include <gtest/gtest.h>

#include <fstream>

#include "automation/AutomationError.h"
#include "automation/embedded/package/Package.h"
#include "platform/Paths.h"
#include "tests/common/TestSupport.h"

namespace fs = std::filesystem;
using dorvane::AutomationError;
using dorvane::embedded::Package;

namespace {

const char* kDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:body><w:p><w:r><w:t xml:space=\"preserve\"> </w:t></w:r></w:p></w:body></w:document>";

fs::path WritePackage(const fs::path& file) {
    auto package = Package::Create();
    package->SetRawPart("[Content_Types].xml", "<Types/>");
    package->SetRawPart("word/document.xml", kDocument);
    package->SetRawPart("word/media/image1.png", std::string("\x89PNG\0\1\2", 7));
    package->SaveAs(file);
    return file;
}

}  // namespace

TEST(Package, UnchangedPartsComeBackByteForByte) {
    dorvane::testing::TempDir dir;
    auto package = Package::Open(WritePackage(dir / "a.docx"), "Documents.Open");
    EXPECT_EQ(package->PartNames(),
              (std::vector<std::string>{"[Content_Types].xml", "word/document.xml", "word/media/image1.png"}));
    package->Xml("word/document.xml");  // parsed but not changed
    package->SaveAs(dir / "b.docx");
    auto again = Package::Open(dir / "b.docx", "Documents.Open");
    EXPECT_EQ(again->RawPart("word/document.xml"), kDocument);
    EXPECT_EQ(again->RawPart("word/media/image1.png").size(), 7u);
    EXPECT_FALSE(again->IsChanged("word/document.xml"));
}

// A part read from the file is parsed inside its own bytes; its text as
// read must still be there for whoever asks, and for the saved copy.
TEST(Package, APartParsedInPlaceStillGivesItsTextAsRead) {
    dorvane::testing::TempDir dir;
    auto package = Package::Open(WritePackage(dir / "a.docx"), "Documents.Open");
    auto& xml = package->Xml("word/document.xml");
    EXPECT_STREQ(xml.document_element().child("w:body").child("w:p").child("w:r").child_value("w:t"), " ");
    EXPECT_EQ(package->RawPart("word/document.xml"), kDocument);
    EXPECT_FALSE(package->IsChanged("word/document.xml"));

    // Changed after its text was asked for: the next text is the tree's.
    xml.document_element().child("w:body").append_child("w:p");
    package->MarkChanged("word/document.xml");
    EXPECT_NE(package->RawPart("word/document.xml").find("<w:p/></w:body>"), std::string::npos);
    package->SaveAs(dir / "b.docx");
    auto again = Package::Open(dir / "b.docx", "Documents.Open");
    EXPECT_EQ(again->RawPart("word/document.xml"), package->RawPart("word/document.xml"));
    EXPECT_EQ(again->RawPart("word/media/image1.png"), std::string("\x89PNG\0\1\2", 7));
}

TEST(Package, AMalformedPartKeepsItsBytesAfterTheParseFails) {
    dorvane::testing::TempDir dir;
    const std::string broken = "<?xml version=\"1.0\"?>\r\n<a><b x=\"1\">text</a>";
    auto package = Package::Create();
    package->SetRawPart("[Content_Types].xml", "<Types/>");
    package->SetRawPart("custom/broken.xml", broken);
    package->SaveAs(dir / "a.docx");
    auto opened = Package::Open(dir / "a.docx", "Documents.Open");
    EXPECT_THROW(opened->Xml("custom/broken.xml"), AutomationError);
    EXPECT_EQ(opened->RawPart("custom/broken.xml"), broken);
    opened->SaveAs(dir / "b.docx");
    EXPECT_EQ(Package::Open(dir / "b.docx", "Documents.Open")->RawPart("custom/broken.xml"), broken);
}

TEST(Package, ChangedPartKeepsItsPrologAndWhitespaceText) {
    dorvane::testing::TempDir dir;
    auto package = Package::Open(WritePackage(dir / "a.docx"), "Documents.Open");
    auto& xml = package->Xml("word/document.xml");
    xml.document_element().child("w:body").append_child("w:p");
    package->MarkChanged("word/document.xml");
    const std::string& bytes = package->RawPart("word/document.xml");
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<w:document", 0), 0u);
    EXPECT_NE(bytes.find("<w:t xml:space=\"preserve\"> </w:t>"), std::string::npos);
    EXPECT_NE(bytes.find("</w:p><w:p/></w:body>"), std::string::npos);
}

TEST(Package, SavingIsDeterministic) {
    dorvane::testing::TempDir dir;
    WritePackage(dir / "a.docx");
    auto package = Package::Open(dir / "a.docx", "Documents.Open");
    EXPECT_EQ(package->ToBytes(), Package::Open(dir / "a.docx", "Documents.Open")->ToBytes());
}

TEST(Package, BadInputIsRefusedWithTheFileNamed) {
    dorvane::testing::TempDir dir;
    auto expectRefused = [&](const fs::path& file, const std::string& words) {
        try {
            Package::Open(file, "Documents.Open");
            ADD_FAILURE() << "opened " << file;
        } catch (const AutomationError& e) {
            std::string message = e.what();
            EXPECT_NE(message.find(file.string()), std::string::npos) << message;
            EXPECT_NE(message.find(words), std::string::npos) << message;
        }
    };
    expectRefused(dir / "missing.docx", "not found");
    std::ofstream(dir / "text.docx") << "hello, not a zip";
    expectRefused(dir / "text.docx", "not a valid zip");
    std::ofstream(dir / "cfb.docx", std::ios::binary)
        << std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 rest", 13);
    expectRefused(dir / "cfb.docx", "password-protected");

    auto package = Package::Create();
    package->SetRawPart("word/document.xml", "<w:document><unclosed></w:document>");
    package->SaveAs(dir / "bad.docx");
    auto opened = Package::Open(dir / "bad.docx", "Documents.Open");
    try {
        opened->Xml("word/document.xml");
        ADD_FAILURE() << "malformed XML parsed";
    } catch (const AutomationError& e) {
        EXPECT_NE(std::string(e.what()).find("word/document.xml"), std::string::npos);
    }
}

TEST(Package, CorpusDamagedZipsAreRefused) {
    DORVANE_CORPUS_FILE_OR_SKIP(truncated, "docx/poi_truncated62886.docx");
    EXPECT_THROW(Package::Open(truncated, "Documents.Open"), AutomationError);
    DORVANE_CORPUS_FILE_OR_SKIP(badCrc, "xlsx/poi_clusterfuzz-5937385319563264_badcrc.xlsx");
    EXPECT_THROW(Package::Open(badCrc, "Workbooks.Open"), AutomationError);
}

TEST(Package, ResolvesRelationshipTargets) {
    EXPECT_EQ(Package::ResolveTarget("word/document.xml", "media/image1.png"), "word/media/image1.png");
    EXPECT_EQ(Package::ResolveTarget("word/document.xml", "../customXml/item1.xml"), "customXml/item1.xml");
    EXPECT_EQ(Package::ResolveTarget("_rels/.rels", "/word/document.xml"), "word/document.xml");
    EXPECT_EQ(Package::RelsPartName("word/document.xml"), "word/_rels/document.xml.rels");
}

TEST(Package, LargeChangedPartAndNonAsciiNamesSurviveASaveAndReopen) {
    dorvane::testing::TempDir dir;
    auto package = Package::Open(WritePackage(dir / "a.docx"), "Documents.Open");
    auto& xml = package->Xml("word/document.xml");
    pugi::xml_node body = xml.document_element().child("w:body");
    // Several megabytes of text: many deflate chunks, streamed from the tree.
    for (int i = 0; i < 40000; ++i)
        body.append_child("w:p").append_child("w:r").append_child("w:t").text().set(
            ("第" + std::to_string(i) + "段 1,234.56").c_str());
    package->MarkChanged("word/document.xml");
    package->SetRawPart("word/media/图片 1.png", std::string(100000, '\x7f'));
    package->SaveAs(dir / "b.docx");

    auto again = Package::Open(dir / "b.docx", "Documents.Open");
    EXPECT_EQ(again->RawPart("word/document.xml"), package->RawPart("word/document.xml"));
    EXPECT_NE(again->RawPart("word/document.xml").find("第39999段 1,234.56"), std::string::npos);
    EXPECT_EQ(again->RawPart("word/media/图片 1.png"), std::string(100000, '\x7f'));
    EXPECT_EQ(again->ToBytes(), package->ToBytes());
}

// A part in UTF-16 (or Latin-1) comes back as read while unchanged; once
// changed it is written in UTF-8 and says so, and reads back with its text.
TEST(Package, APartInAnotherEncodingIsWrittenAsUtf8OnceChanged) {
    dorvane::testing::TempDir dir;
    const std::u16string text = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<root><a>中文</a></root>";
    std::string utf16 = "\xFF\xFE";
    for (char16_t c : text) utf16 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    const std::string latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<root><a>caf\xE9</a></root>";
    auto changeAndReread = [&](Package& package) {
        for (const char* part : {"custom/utf16.xml", "custom/latin1.xml"}) {
            const std::string original = package.RawPart(part);
            pugi::xml_node root = package.Xml(part).document_element();
            EXPECT_EQ(package.RawPart(part), original);
            root.append_child("b");
            package.MarkChanged(part);
        }
        package.SaveAs(dir / "b.docx");
        auto again = Package::Open(dir / "b.docx", "Documents.Open");
        const std::string written = again->RawPart("custom/utf16.xml");
        EXPECT_EQ(written.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u) << written;
        EXPECT_STREQ(again->Xml("custom/utf16.xml").document_element().child_value("a"), "中文");
        EXPECT_TRUE(again->Xml("custom/utf16.xml").document_element().child("b"));
        EXPECT_STREQ(again->Xml("custom/latin1.xml").document_element().child_value("a"), "café");
    };
    auto created = Package::Create();
    created->SetRawPart("custom/utf16.xml", utf16);
    created->SetRawPart("custom/latin1.xml", latin1);
    created->SaveAs(dir / "a.docx");
    changeAndReread(*Package::Open(dir / "a.docx", "Documents.Open"));  // parsed as read from the file
    changeAndReread(*created);                                          // parsed from bytes set by a caller
}

TEST(Package, AFailedSaveLeavesTheTargetAndNoTemporaryFile) {
    dorvane::testing::TempDir dir;
    auto package = Package::Open(WritePackage(dir / "a.docx"), "Documents.Open");
    // A folder stands where the file would go: the rename fails at the end.
    fs::create_directory(dir / "taken.docx");
    try {
        package->SaveAs(dir / "taken.docx");
        ADD_FAILURE() << "saved over a folder";
    } catch (const AutomationError& e) {
        EXPECT_NE(std::string(e.what()).find("taken.docx"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(fs::is_directory(dir / "taken.docx"));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir.path())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);  // a.docx alone
}
