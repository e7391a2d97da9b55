#include "tools/sum/SumArguments.h"

namespace dorvane::tools {

const char* const kSumUsage =
    "usage: dorvane-sum RESULT --sheet K --range A1:D10[,F1:F10] [-o OUTPUT]\n"
    "\n"
    "Adds up, cell by cell, the range of sheet K of every workbook in the folder\n"
    "\"自动汇总\" beside RESULT (files whose extension begins with x: .xlsx, .xls)\n"
    "and writes the sums as plain numbers into the same range of RESULT. The\n"
    "sources' sheet is the one at the position of sheet K among RESULT's sheets.\n"
    "\n"
    "  --sheet K      the sheet of RESULT: the sheet named K; when no sheet has\n"
    "                 that name and K is a whole number, the K-th sheet (from 1,\n"
    "                 in tab order, chart sheets counted)\n"
    "  --range R      the region, as an address; areas separated by commas\n"
    "  -o OUTPUT      save the result as OUTPUT (.xlsx content) instead of\n"
    "                 saving over RESULT; RESULT is replaced atomically\n"
    "  --help         this text\n"
    "\n"
    "Messages go to standard error. Exit status: 0 when every source was added\n"
    "and the result saved; 1 when the summation stopped (a cell that is not a\n"
    "number, with its row and column; a source with too few worksheets or that\n"
    "cannot be read; a missing folder) or the result could not be saved, in\n"
    "which case nothing is written; 2 on bad arguments (including a RESULT that\n"
    "cannot be opened, an unknown sheet or a bad range).\n";

std::optional<SumArguments> ParseSumArguments(const std::vector<std::string>& args,
                                              std::string& error) {
    SumArguments parsed;
    auto value = [&](std::size_t& i, std::string& into) {
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            error = args[i] + " needs a value";
            return false;
        }
        if (!into.empty()) {
            error = args[i] + " given twice";
            return false;
        }
        into = args[++i];
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            return parsed;
        }
        if (arg == "--sheet") {
            if (!value(i, parsed.sheet)) return std::nullopt;
        } else if (arg == "--range") {
            if (!value(i, parsed.range)) return std::nullopt;
        } else if (arg == "-o" || arg == "--output") {
            if (!value(i, parsed.output)) return std::nullopt;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (parsed.result.empty()) {
            parsed.result = arg;
        } else {
            error = "more than one result workbook: " + arg;
            return std::nullopt;
        }
    }
    if (parsed.result.empty()) error = "no result workbook given";
    else if (parsed.sheet.empty()) error = "--sheet is missing";
    else if (parsed.range.empty()) error = "--range is missing";
    if (!error.empty()) return std::nullopt;
    return parsed;
}

}  // namespace dorvane::tools
