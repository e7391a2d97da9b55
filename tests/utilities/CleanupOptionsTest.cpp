// The clean-up options of the built dorvane-format program.

#include <sys/wait.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/Paths.h"
#include "tests/common/TestSupport.h"
#include "tests/utilities/DocxFixture.h"
#include "tests/utilities/WordSession.h"

#ifdef DORVANE_FORMAT_PROGRAM

namespace dorvane::testing {
namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class CleanupOptions : public ::testing::Test {
protected:
    // Runs the program; returns its exit status and keeps its output.
    int Tool(const std::vector<std::string>& args) {
        std::string command = Quote(DORVANE_FORMAT_PROGRAM);
        for (const auto& a : args) command += " " + Quote(a);
        command += " >" + Quote((dir / "stdout").string()) + " 2>" + Quote((dir / "stderr").string());
        int status = std::system(command.c_str());
        out = platform::ReadFile(dir / "stdout");
        err = platform::ReadFile(dir / "stderr");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // A document with something for every clean-up: a section break, a
    // field, a table with an empty third row, twelve embedded worksheets
    // and an indented paragraph.
    fs::path Input() {
        DocxParts parts;
        parts.body = Para("第一节", "<w:sectPr/>") +
                     "<w:p><w:fldSimple w:instr=\" PAGE \"><w:r><w:t>7</w:t></w:r></w:fldSimple></w:p>" +
                     TextTable({{"项目", "金额"}, {"甲", "1"}, {"", ""}}) +
                     Para("正文", "<w:ind w:left=\"720\"/>");
        for (int i = 1; i <= 12; ++i) {
            std::string n = std::to_string(i);
            parts.relationships.push_back({"rIdImg" + n, "image", "media/image" + n + ".png"});
            parts.relationships.push_back({"rIdOle" + n, "package", "embeddings/sheet" + n + ".xlsx"});
            parts.parts.push_back({"word/media/image" + n + ".png", PngBytes()});
            parts.parts.push_back({"word/embeddings/sheet" + n + ".xlsx", XlsxBytes({{"表" + n}})});
            parts.body += EmbeddedObject("Excel.Sheet.12", "rIdOle" + n, "rIdImg" + n);
        }
        WriteDocx(dir / "in.docx", parts);
        return dir / "in.docx";
    }

    TempDir dir;
    std::string out, err;
};

TEST_F(CleanupOptions, RunInCommandLineOrderAndPrintTheirCounts) {
    auto input = Input();
    auto output = dir / "out.docx";
    ASSERT_EQ(Tool({"--remove-section-breaks", "--unlink-fields", "--remove-empty-rows",
                    "--convert-embedded-sheets", "--format-body", "--set", "Combo17=小四",
                    input.string(), "-o", output.string()}), 0) << err;
    EXPECT_NE(out.find("section breaks removed 1; fields unlinked 1; empty rows deleted 1; "
                       "embedded worksheets converted 12; body paragraphs formatted "),
              std::string::npos) << out;
    EXPECT_EQ(out.find("完成"), std::string::npos) << out;  // the summary replaces the messages
    EXPECT_EQ(out.find("tables visited"), std::string::npos) << out;

    WordSession saved(output);
    EXPECT_EQ(saved.document->Sections()->Count(), 1);
    EXPECT_EQ(saved.document->Fields()->Count(), 0);
    EXPECT_EQ(saved.document->InlineShapes()->Count(), 0);
    ASSERT_EQ(saved.TableCount(), 13);
    EXPECT_EQ(saved.RowCount(1), 2);
    EXPECT_EQ(saved.CellText(13, 1, 1), "表12\r\a");
    auto paragraphs = saved.document->Paragraphs();
    for (int i = 1; i <= paragraphs->Count(); ++i) {
        auto paragraph = paragraphs->Item(i);
        if (paragraph->Range()->Text().rfind("正文", 0) != 0) continue;
        EXPECT_DOUBLE_EQ(paragraph->Format()->LeftIndent(), 0);
        EXPECT_DOUBLE_EQ(paragraph->Range()->Font()->Size(), 12);
    }
}

TEST_F(CleanupOptions, TheTableRunAloneUnlessAnOperationIsNamed) {
    auto input = Input();
    ASSERT_EQ(Tool({input.string(), "-o", (dir / "a.docx").string()}), 0) << err;
    EXPECT_NE(out.find("tables visited"), std::string::npos) << out;
    EXPECT_EQ(out.find("fields unlinked"), std::string::npos) << out;

    ASSERT_EQ(Tool({"--unlink-fields", "--tables", input.string(), "-o", (dir / "b.docx").string()}),
              0) << err;
    EXPECT_NE(out.find("fields unlinked 1; tables visited"), std::string::npos) << out;
}

TEST_F(CleanupOptions, BodyNumberFieldsWithoutANumberAreAUsageMistake) {
    auto input = Input();
    EXPECT_EQ(Tool({"--format-body", "--set", "Combo19=一行", input.string(), "-o",
                    (dir / "out.docx").string()}), 2);
    EXPECT_NE(err.find("Combo19"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir / "out.docx"));
    // The same text is no mistake when the body is not laid out.
    EXPECT_EQ(Tool({"--unlink-fields", "--set", "Combo19=一行", input.string(), "-o",
                    (dir / "out.docx").string()}), 0) << err;
}

}  // namespace
}  // namespace dorvane::testing

#endif  // DORVANE_FORMAT_PROGRAM
