#pragma once

// The command line of dorvane-format:
//   dorvane-format [OPTION]... INPUT.docx... (-o OUTPUT.docx | --out-dir DIR)
// Options are a table: each names itself, says whether it takes a value
// and applies itself to FormatArguments, in the order given. Document
// operations (--tables and the clean-ups) are a second table; naming one
// adds it to the list run on every document, in command-line order.

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "formatting/FormatSettings.h"

namespace dorvane::tools {

struct DocumentOperation;

// A mistake on the command line: the tool exits 2 before touching a file.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct FormatArguments {
    formatting::FormatSettings settings;  // the main window's opening values
    std::optional<int> table;             // --table N: only table N
    std::vector<const DocumentOperation*> operations;  // in command-line order
    std::vector<std::string> inputs;
    std::optional<std::string> output;     // -o
    std::optional<std::string> outputDir;  // --out-dir
    bool help = false;
};

struct CommandLineOption {
    std::string_view name;       // "--set"
    std::string_view valueName;  // "NAME=VALUE"; empty for an option without value
    std::string_view help;
    // Applies the option; throws UsageError for a value it cannot use.
    std::function<void(FormatArguments&, const std::string& value)> apply;
};

// The options other than the document operations.
const std::vector<CommandLineOption>& CommandLineOptions();

// Parses argv[1..]. Throws UsageError for an unknown option, a missing or
// unusable value, a setting the run could not use, or inputs and outputs
// that do not fit together. With no operation named, --tables runs alone.
FormatArguments ParseFormatArguments(const std::vector<std::string>& args);

// Checks the settings a run will read: number fields hold "不变" or a
// number, switches 0 or 1, line fields Word codes. Throws UsageError.
void ValidateSettings(const formatting::FormatSettings& settings);

// The --help text, built from the two tables.
std::string FormatUsage();

}  // namespace dorvane::tools
