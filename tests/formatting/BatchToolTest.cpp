// The built dorvane-format program, run on generated and corpus documents.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/Paths.h"
#include "tests/formatting/RunFixture.h"

#ifdef DORVANE_FORMAT_PROGRAM

namespace dorvane::formatting::testing {
namespace {

namespace fs = std::filesystem;
using namespace dorvane::word;

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class BatchTool : public RunFixture {
protected:
    // Runs the program; returns its exit status, keeps its output.
    int Tool(const std::vector<std::string>& args) {
        std::string command = Quote(DORVANE_FORMAT_PROGRAM);
        for (const auto& a : args) command += " " + Quote(a);
        command += " >" + Quote((dir / "stdout").string()) + " 2>" + Quote((dir / "stderr").string());
        int status = std::system(command.c_str());
        out = platform::ReadFile(dir / "stdout");
        err = platform::ReadFile(dir / "stderr");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    fs::path Doc(const std::string& name, const std::string& body) {
        WriteDocx(dir / name, body);
        return dir / name;
    }
    std::string out, err;
};

const std::string kTwoTables = TableXml("项目|金额;甲|1") + ParagraphXml("") +
                               TableXml("项目|金额;乙|2");

TEST_F(BatchTool, FormatsIntoTheOutputAndReportsTheTables) {
    auto input = Doc("in.docx", kTwoTables);
    std::string before = platform::ReadFile(input);
    ASSERT_EQ(Tool({"--set", "Combo11=居中", input.string(), "-o", (dir / "out.docx").string()}), 0)
        << err;
    EXPECT_NE(out.find("tables visited 2, formatted 2, skipped 0"), std::string::npos) << out;
    EXPECT_EQ(out.find("完成"), std::string::npos);
    EXPECT_EQ(platform::ReadFile(input), before);  // the input is never written
    auto d = OpenFile(dir / "out.docx");
    EXPECT_EQ(Alignment(*d, 1, 2, 2), wdAlignParagraphCenter);
    EXPECT_EQ(Alignment(*d, 2, 2, 2), wdAlignParagraphCenter);
}

TEST_F(BatchTool, OneTableAsIfSelectedWhole) {
    auto input = Doc("in.docx", kTwoTables);
    ASSERT_EQ(Tool({"--table", "2", "--set", "Combo11=居中", input.string(), "-o",
                    (dir / "out.docx").string()}), 0) << err;
    EXPECT_NE(out.find("tables visited 1, formatted 1"), std::string::npos) << out;
    auto d = OpenFile(dir / "out.docx");
    EXPECT_NE(Alignment(*d, 1, 2, 2), wdAlignParagraphCenter);
    EXPECT_EQ(Alignment(*d, 2, 2, 2), wdAlignParagraphCenter);

    EXPECT_EQ(Tool({"--table", "3", input.string(), "-o", (dir / "none.docx").string()}), 1);
    EXPECT_NE(err.find("no table 3"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir / "none.docx"));
}

TEST_F(BatchTool, UsageMistakesExitTwoBeforeAnyFileIsTouched) {
    auto input = Doc("in.docx", kTwoTables);
    EXPECT_EQ(Tool({"--set", "Combo99=1", input.string(), "-o", (dir / "o.docx").string()}), 2);
    EXPECT_NE(err.find("Combo99"), std::string::npos);
    EXPECT_EQ(Tool({"--set", "Combo1=1.5倍", input.string(), "-o", (dir / "o.docx").string()}), 2);
    EXPECT_NE(err.find("1.5倍"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "o.docx"));
    EXPECT_EQ(Tool({"--help"}), 0);
    EXPECT_NE(out.find("--out-dir"), std::string::npos);
}

TEST_F(BatchTool, UnreadableDocumentsAreReportedAndTheOthersDone) {
    auto good = Doc("good.docx", kTwoTables);
    std::vector<std::string> args = {good.string(), (dir / "missing.docx").string()};
    auto truncated = ::dorvane::testing::CorpusFile("docx/poi_truncated62886.docx");
    if (truncated) args.push_back(truncated->string());
    args.insert(args.end(), {"--out-dir", (dir / "out").string()});
    EXPECT_EQ(Tool(args), 1);
    EXPECT_TRUE(fs::exists(dir / "out" / "good.docx"));
    EXPECT_FALSE(fs::exists(dir / "out" / "missing.docx"));
    EXPECT_NE(err.find("missing.docx"), std::string::npos) << err;
    if (truncated) {
        EXPECT_FALSE(fs::exists(dir / "out" / "poi_truncated62886.docx"));
        EXPECT_NE(err.find("poi_truncated62886.docx"), std::string::npos) << err;
    }
}

TEST_F(BatchTool, SamePathAsOutputRewritesTheInputInPlace) {
    auto input = Doc("in.docx", kTwoTables);
    ASSERT_EQ(Tool({"--set", "Combo11=居中", input.string(), "-o", input.string()}), 0) << err;
    auto d = OpenFile(input);
    EXPECT_EQ(Alignment(*d, 2, 2, 2), wdAlignParagraphCenter);
    // Nothing but the document is left in its folder.
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        files += entry.path().extension() == ".docx";
    EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace dorvane::formatting::testing

#endif  // DORVANE_FORMAT_PROGRAM
