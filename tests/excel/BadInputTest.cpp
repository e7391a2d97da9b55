// Damaged, encrypted and foreign files: refused with a message naming the
// file and the reason, never a crash, and nothing on disk changes.

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "automation/Instances.h"
#include "automation/excel/Excel.h"
#include "tests/common/TestSupport.h"
#include "tests/common/XlsxFixture.h"

using namespace dorvane;
using dorvane::excel::CellValue;
using dorvane::testing::TempDir;
using dorvane::testing::XlsxFixture;

namespace {

std::set<std::string> Listing(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string() + ":" + std::to_string(entry.file_size()));
    return names;
}

// Opening fails with a message that names the file and contains `reason`;
// the instance keeps no workbook and the folder is as it was.
void ExpectRefused(const std::filesystem::path& file, const std::string& reason) {
    SCOPED_TRACE(file.string());
    auto before = Listing(file.parent_path());
    auto app = CreateExcelApplication();
    try {
        app->Workbooks()->Open(file.string());
        ADD_FAILURE() << "opened";
    } catch (const AutomationError& e) {
        std::string message = e.what();
        EXPECT_NE(message.find(file.string()), std::string::npos) << message;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
    }
    EXPECT_EQ(app->Workbooks()->Count(), 0);
    EXPECT_EQ(Listing(file.parent_path()), before);
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace

TEST(ExcelBadInput, DamagedAndEncryptedCorpusFiles) {
    if (!dorvane::testing::CorpusDir()) GTEST_SKIP() << "corpus absent";
    const std::pair<const char*, const char*> cases[] = {
        {"xlsx/poi_clusterfuzz-5636439151607808_notzip.xlsx", "zip"},
        {"xlsx/poi_clusterfuzz-5937385319563264_badcrc.xlsx", "sheet8.xml"},
        {"xlsx/poi_protected_passtika.xlsx", "password-protected"},
        {"xls/poi_xor-encryption-abc.xls", "password-protected"},
        {"xls/poi_clusterfuzz-6137883240824832.xls", "damaged"},
    };
    for (const auto& [name, reason] : cases) {
        auto file = dorvane::testing::CorpusFile(name);
        if (file) ExpectRefused(*file, reason);
    }
}

TEST(ExcelBadInput, MalformedPackages) {
    TempDir dir;
    auto parts = XlsxFixture().Sheet("S", R"(<row r="1"><c r="A1"><v>1</v></c></row>)").Parts();

    auto broken = parts;
    broken.back().second = "<worksheet><sheetData><row>";  // cut short
    dorvane::testing::WriteZip(dir / "malformed.xlsx", broken);
    ExpectRefused(dir / "malformed.xlsx", "xl/worksheets/sheet1.xml");

    auto missing = parts;
    missing.pop_back();  // the sheet part
    dorvane::testing::WriteZip(dir / "missing.xlsx", missing);
    ExpectRefused(dir / "missing.xlsx", "missing");

    dorvane::testing::WriteZip(dir / "nothing.xlsx", {{"readme.txt", "hello"}});
    ExpectRefused(dir / "nothing.xlsx", "not a workbook");

    dorvane::testing::WriteZip(dir / "document.xlsx",
                      {{"_rels/.rels", R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/></Relationships>)"},
                       {"word/document.xml", R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"/>)"}});
    ExpectRefused(dir / "document.xlsx", "not a workbook");

    WriteBytes(dir / "text.xls", "just some text, not a workbook");
    ExpectRefused(dir / "text.xls", "not a workbook");
    WriteBytes(dir / "empty.xlsx", "");
    ExpectRefused(dir / "empty.xlsx", "not a workbook");
    ExpectRefused(dir / "absent.xlsx", "could not be found");
}

TEST(ExcelBadInput, ReferencesBeyondTheSheet) {
    TempDir dir;
    XlsxFixture().Sheet("S", R"(<row r="1"><c r="XFE1"><v>1</v></c></row>)").Write(dir / "column.xlsx");
    ExpectRefused(dir / "column.xlsx", "XFE1");
    XlsxFixture().Sheet("S", R"(<row r="1048577"><c r="A1048577"><v>1</v></c></row>)").Write(dir / "row.xlsx");
    ExpectRefused(dir / "row.xlsx", "1048577");
    XlsxFixture().Sheet("S", "", R"(<dimension ref="A1:XFD99999999"/>)").Write(dir / "dimension.xlsx");
    ExpectRefused(dir / "dimension.xlsx", "dimension");
    // The largest sheet is fine, and so is a shared string index that
    // points nowhere.
    XlsxFixture()
        .Sheet("S", R"(<row r="1048576"><c r="XFD1048576" t="s"><v>99</v></c></row>)")
        .SharedStrings({"only"})
        .Write(dir / "corner.xlsx");
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open((dir / "corner.xlsx").string());
    EXPECT_EQ(book->Sheets()->Item(1)->Cells(1048576, 16384)->Value(), CellValue::Text(""));
    EXPECT_EQ(book->Sheets()->Item(1)->UsedRange()->Address(), "$XFD$1048576");
}

TEST(ExcelBadInput, AFailedSaveLeavesNoTrace) {
    TempDir dir;
    auto file = XlsxFixture().Sheet("S", R"(<row r="1"><c r="A1"><v>1</v></c></row>)").Write(dir / "book.xlsx");
    auto before = Listing(dir.path());
    auto app = CreateExcelApplication();
    auto book = app->Workbooks()->Open(file.string());
    book->Sheets()->Item(1)->Cells(1, 1)->SetValue(CellValue::Number(2));
    EXPECT_THROW(book->SaveAs((dir / "no such folder" / "book.xlsx").string()), AutomationError);
    EXPECT_THROW(book->SaveAs(dir.path().string()), AutomationError);
    EXPECT_EQ(book->FullName(), file.string());
    EXPECT_FALSE(book->Saved());
    EXPECT_EQ(Listing(dir.path()), before);
    // A read-only file is not overwritten in place.
    std::filesystem::permissions(file, std::filesystem::perms::owner_read, std::filesystem::perm_options::replace);
    if (book->ReadOnly()) {  // not when the tests run with privileges that ignore it
        EXPECT_THROW(book->Save(), AutomationError);
        EXPECT_EQ(Listing(dir.path()), before);
    }
    std::filesystem::permissions(file, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
}
