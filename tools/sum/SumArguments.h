#pragma once

// The command line of dorvane-sum.

#include <optional>
#include <string>
#include <vector>

namespace dorvane::tools {

struct SumArguments {
    std::string result;  // the result workbook
    std::string sheet;   // a sheet name, or a 1-based position
    std::string range;   // "A1:D10" or "A1:D10,F1:F10"
    std::string output;  // empty: save over the result workbook
    bool help = false;
};

// Parses argv[1..]; on a mistake returns nothing and sets `error`.
std::optional<SumArguments> ParseSumArguments(const std::vector<std::string>& args,
                                              std::string& error);

extern const char* const kSumUsage;

}  // namespace dorvane::tools
