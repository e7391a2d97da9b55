// The batch formatter's command line, parsed as a library function.

#include <gtest/gtest.h>

#include "tools/format/DocumentOperations.h"
#include "tools/format/FormatArguments.h"

namespace dorvane::tools {
namespace {

FormatArguments Parse(std::vector<std::string> args) { return ParseFormatArguments(args); }

std::string UsageMessage(std::vector<std::string> args) {
    try {
        Parse(std::move(args));
    } catch (const UsageError& e) {
        return e.what();
    }
    return "(accepted)";
}

TEST(FormatArguments, DefaultsToTheTableRunWithOpeningOptions) {
    auto a = Parse({"in.docx", "-o", "out.docx"});
    EXPECT_EQ(a.inputs, std::vector<std::string>{"in.docx"});
    EXPECT_EQ(a.output, "out.docx");
    ASSERT_EQ(a.operations.size(), 1u);
    EXPECT_EQ(a.operations[0]->flag, "--tables");
    EXPECT_EQ(a.settings, formatting::FormatSettings());
    EXPECT_FALSE(a.table);
}

TEST(FormatArguments, SetsApplyInOrderAndTakeAnyListText) {
    auto a = Parse({"--set", "Combo8=0.60", "--set=Combo11=数字居右,其他居中", "--set",
                    "Combo8=0.75", "--set", "Check2=0", "--set", "LineStyle2=", "--set",
                    "Combo9=居中 黑体", "--set", "Combo13=a=b", "--out-dir", "out", "a.docx",
                    "b/c.docx", "--table", "2"});
    EXPECT_EQ(a.settings.Combo8, "0.75");
    EXPECT_EQ(a.settings.Combo11, "数字居右,其他居中");
    EXPECT_EQ(a.settings.Check2, 0);
    EXPECT_EQ(a.settings.LineStyle2, "");
    EXPECT_EQ(a.settings.Combo9, "居中 黑体");
    EXPECT_EQ(a.settings.Combo13, "a=b");
    EXPECT_EQ(a.table, 2);
    EXPECT_EQ(a.inputs.size(), 2u);
    EXPECT_EQ(a.outputDir, "out");
}

TEST(FormatArguments, MistakesAreRefusedWithAClearMessage) {
    struct Case {
        std::vector<std::string> args;
        std::string expect;  // part of the message
    };
    const std::vector<Case> cases = {
        {{"--set", "Combo21=1", "a.docx", "-o", "b.docx"}, "Combo21"},
        {{"--set", "Combo8", "a.docx", "-o", "b.docx"}, "NAME=VALUE"},
        {{"--set", "Check3=yes", "a.docx", "-o", "b.docx"}, "0 or 1"},
        {{"--set", "Combo8=高", "a.docx", "-o", "b.docx"}, "行    高"},
        {{"--set", "Combo5=0.3cm", "a.docx", "-o", "b.docx"}, "Combo5"},
        {{"--set", "LineWidth1=5", "a.docx", "-o", "b.docx"}, "LineWidth1"},
        {{"--set", "LineStyle1=", "a.docx", "-o", "b.docx"}, "LineStyle1"},
        {{"--set", "LineStyle3=dot", "a.docx", "-o", "b.docx"}, "LineStyle3"},
        {{"--table", "0", "a.docx", "-o", "b.docx"}, "--table"},
        {{"--table", "x", "a.docx", "-o", "b.docx"}, "--table"},
        {{"--frobnicate", "a.docx", "-o", "b.docx"}, "unknown option"},
        {{"a.docx", "-o"}, "needs a value"},
        {{"a.docx"}, "no output"},
        {{"-o", "b.docx"}, "no input"},
        {{"a.docx", "b.docx", "-o", "c.docx"}, "one input"},
        {{"a.docx", "-o", "b.docx", "--out-dir", "d"}, "not both"},
        {{"x/a.docx", "y/a.docx", "--out-dir", "d"}, "both be written"},
        {{"--tables=1", "a.docx", "-o", "b.docx"}, "takes no value"},
    };
    for (const auto& c : cases) {
        std::string message = UsageMessage(c.args);
        EXPECT_NE(message.find(c.expect), std::string::npos)
            << c.args[0] << " ... gave: " << message;
    }
}

TEST(FormatArguments, OperationsRunInTheOrderNamed) {
    auto a = Parse({"--tables", "--out-dir", "d", "--", "-odd-name.docx", "--tables"});
    // After "--" every argument is an input.
    EXPECT_EQ(a.inputs, (std::vector<std::string>{"-odd-name.docx", "--tables"}));
    EXPECT_EQ(a.operations.size(), 1u);
    EXPECT_NE(UsageMessage({"--tables", "--", "in.docx", "-o", "x.docx"}).find("no output"),
              std::string::npos);
    EXPECT_TRUE(Parse({"--help"}).help);  // help needs nothing else
    std::string usage = FormatUsage();
    for (const auto& op : DocumentOperations())
        EXPECT_NE(usage.find(op.flag), std::string::npos);
    EXPECT_NE(usage.find("--set NAME=VALUE"), std::string::npos);
}

}  // namespace
}  // namespace dorvane::tools
