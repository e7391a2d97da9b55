// dorvane-sum run as a program on files in a temporary folder.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "platform/Paths.h"
#include "tests/summary/SumWorkspace.h"

namespace dorvane::testing {
namespace {

using excel::CellValue;

struct ToolRun {
    int status = -1;
    std::string out, err;
};

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

ToolRun RunTool(const TempDir& dir, const std::vector<std::string>& args) {
#ifndef DORVANE_SUM_TOOL
    return {};
#else
    std::string command = Quote(DORVANE_SUM_TOOL);
    for (const auto& arg : args) command += " " + Quote(arg);
    command += " >" + Quote((dir / "tool.out").string()) + " 2>" + Quote((dir / "tool.err").string());
    int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = platform::ReadFile(dir / "tool.out");
    run.err = platform::ReadFile(dir / "tool.err");
    return run;
#endif
}

class SumTool : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef DORVANE_SUM_TOOL
        GTEST_SKIP() << "dorvane-sum is not built";
#endif
        ws.Result({{"封面", {{"A1", CellValue::Text("标题")}}}, {"数据", {{"A1", CellValue::Number(100)}}}});
        ws.Source("a.xlsx", {{"x"}, NumberSheet("y", {{1, 2}, {3, 4}, {5, 6}})});
        ws.Source("b.xls", {{"x"}, NumberSheet("y", {{10, 20}, {30, 40}, {50, 60}})});
    }

    // The cells of sheet 2 of a saved workbook.
    CellValue SavedValue(const std::filesystem::path& file, const std::string& address) {
        auto reader = embedded::CreateEmbeddedExcelApplication();
        auto value = reader->Workbooks()->Open(file.string())->Sheets()->Item(2)->Range(address)->Value();
        reader->Quit();
        return value;
    }

    SumWorkspace ws;
    TempDir scratch;
};

TEST_F(SumTool, WritesTheSumsToTheOutputAndLeavesTheResultAlone) {
    const std::string before = platform::ReadFile(ws.ResultFile());
    auto output = ws.Dir() / "out.xlsx";

    auto run = RunTool(scratch, {ws.ResultFile().string(), "--sheet", "数据", "--range", "A1:B1,A3",
                                 "-o", output.string()});

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SavedValue(output, "A1"), CellValue::Number(11));
    EXPECT_EQ(SavedValue(output, "B1"), CellValue::Number(22));
    EXPECT_EQ(SavedValue(output, "A3"), CellValue::Number(55));
    EXPECT_TRUE(SavedValue(output, "A2").IsEmpty());
    EXPECT_EQ(platform::ReadFile(ws.ResultFile()), before);
}

TEST_F(SumTool, SheetByPositionAndSavingOverTheResult) {
    auto run = RunTool(scratch, {ws.ResultFile().string(), "--range", "B2", "--sheet", "2"});

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SavedValue(ws.ResultFile(), "B2"), CellValue::Number(44));
    EXPECT_EQ(SavedValue(ws.ResultFile(), "A1"), CellValue::Number(100)) << "outside the range";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ws.Dir())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1) << "no temporary file is left beside the result";
}

TEST_F(SumTool, DataErrorNamesRowAndColumnAndSavesNothing) {
    ws.Source("c.xlsx", {{"x"}, {"y", {{"B3", CellValue::Text("n/a")}}}});
    const std::string before = platform::ReadFile(ws.ResultFile());
    auto output = ws.Dir() / "out.xlsx";

    auto run = RunTool(scratch, {ws.ResultFile().string(), "--sheet", "数据", "--range", "A1:B3",
                                 "-o", output.string()});

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("第3行第2列"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("c.xlsx: row 3, column 2"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_EQ(platform::ReadFile(ws.ResultFile()), before);
}

TEST_F(SumTool, BadArgumentsEndWithStatusTwo) {
    const std::string result = ws.ResultFile().string();
    const std::vector<std::vector<std::string>> bad = {
        {},
        {result, "--sheet", "数据"},
        {result, "--range", "A1"},
        {result, "--sheet", "数据", "--range", "A1", "--bogus"},
        {result, "--sheet", "无此表", "--range", "A1"},
        {result, "--sheet", "3", "--range", "A1"},
        {result, "--sheet", "数据", "--range", "A1:"},
        {(ws.Dir() / "missing.xlsx").string(), "--sheet", "1", "--range", "A1"},
    };
    for (const auto& args : bad) {
        auto run = RunTool(scratch, args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "(no arguments)" : args.back()) << "\n" << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    auto help = RunTool(scratch, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: dorvane-sum"), std::string::npos);
}

}  // namespace
}  // namespace dorvane::testing
