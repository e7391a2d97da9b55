#include "tools/format/FormatArguments.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <sstream>

#include "formatting/FieldDescriptions.h"
#include "platform/TextNumber.h"
#include "schemes/LoadScheme.h"
#include "tools/format/CleanupOptions.h"
#include "tools/format/DocumentOperations.h"

namespace dorvane::tools {
namespace {

using formatting::FormatSettings;

void ApplySet(FormatArguments& a, const std::string& value) {
    auto eq = value.find('=');
    if (eq == std::string::npos)
        throw UsageError("--set takes NAME=VALUE, not \"" + value + "\"");
    std::string name = value.substr(0, eq);
    if (!FormatSettings::IsField(name))
        throw UsageError("--set: unknown option field \"" + name +
                         "\" (fields are Combo1..Combo20, Check2..Check6, "
                         "LineStyle1..LineWidth3)");
    try {
        a.settings.Set(name, value.substr(eq + 1));
    } catch (const formatting::SettingError& e) {
        throw UsageError(std::string("--set: ") + e.what());
    }
}

// Loads a scheme workbook as the main window's load button does; options
// after it on the command line override what it set.
void ApplyScheme(FormatArguments& a, const std::string& value) {
    if (value.empty()) throw UsageError("--scheme takes a path");
    try {
        schemes::LoadSchemeFile(value, a.settings);
    } catch (const std::exception& e) {
        throw UsageError(std::string("--scheme: ") + e.what());
    }
}

void ApplyTable(FormatArguments& a, const std::string& value) {
    int n = 0;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (value.empty() || ec != std::errc() || end != value.data() + value.size() || n < 1)
        throw UsageError("--table takes a table number from 1, not \"" + value + "\"");
    a.table = n;
}

void SetOnce(std::optional<std::string>& slot, std::string_view option, const std::string& value) {
    if (slot) throw UsageError(std::string(option) + " is given twice");
    if (value.empty()) throw UsageError(std::string(option) + " takes a path");
    slot = value;
}

bool IsLineStyleCode(const std::string& text) {
    int code = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), code);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size() && code >= 0 &&
           code <= 24 && text.find_first_not_of("0123456789") == std::string::npos;
}

bool IsLineWidthCode(const std::string& text) {
    for (const char* code : {"2", "4", "6", "8", "12", "18", "24"})
        if (text == code) return true;
    return false;
}

// Splits "--name=value" into its two halves.
std::pair<std::string, std::optional<std::string>> SplitOption(const std::string& arg) {
    auto eq = arg.find('=');
    if (eq == std::string::npos) return {arg, std::nullopt};
    return {arg.substr(0, eq), arg.substr(eq + 1)};
}

const CommandLineOption* FindOption(std::string_view name) {
    for (const auto& option : CommandLineOptions())
        if (option.name == name) return &option;
    return nullptr;
}

void CheckInputsAndOutputs(const FormatArguments& a) {
    if (a.inputs.empty()) throw UsageError("no input document given");
    if (a.output && a.outputDir) throw UsageError("give either -o or --out-dir, not both");
    if (!a.output && !a.outputDir)
        throw UsageError("no output given: use -o OUTPUT.docx or --out-dir DIR");
    if (a.output && a.inputs.size() > 1)
        throw UsageError("-o takes one input document; use --out-dir for several");
    if (a.outputDir) {
        std::map<std::string, std::string> byName;
        for (const auto& input : a.inputs) {
            std::string name = std::filesystem::path(input).filename().string();
            auto [it, fresh] = byName.emplace(name, input);
            if (!fresh)
                throw UsageError("\"" + it->second + "\" and \"" + input +
                                 "\" would both be written to " + name + " in --out-dir");
        }
    }
}

void CheckOperations(const FormatArguments& a) {
    if (!a.table) return;
    for (const DocumentOperation* op : a.operations)
        if (op->flag == "--tables") return;
    throw UsageError("--table applies to the table run, which is not named");
}

}  // namespace

const std::vector<CommandLineOption>& CommandLineOptions() {
    static const std::vector<CommandLineOption> options = {
        {"--set", "NAME=VALUE",
         "set one option field by name before the run, e.g. --set Combo8=0.60 "
         "(Combo1..Combo20, Check2..Check6 as 0 or 1, LineStyle1..LineWidth3 as Word codes)",
         ApplySet},
        {"--scheme", "FILE",
         "load the options from the scheme workbook FILE, as the main window's load button "
         "loads d:\\paibanfangan.xls (the line pictures it records set the line fields); "
         "a later --set overrides it",
         ApplyScheme},
        {"--table", "N", "format only table N, as if it were selected whole", ApplyTable},
        {"-o", "OUTPUT.docx", "write the one input document to OUTPUT.docx",
         [](FormatArguments& a, const std::string& v) { SetOnce(a.output, "-o", v); }},
        {"--out-dir", "DIR", "write each input document under its own name into DIR",
         [](FormatArguments& a, const std::string& v) { SetOnce(a.outputDir, "--out-dir", v); }},
        {"--help", "", "show this help",
         [](FormatArguments& a, const std::string&) { a.help = true; }},
    };
    return options;
}

void ValidateSettings(const FormatSettings& s) {
    for (std::string_view name : {"Combo8", "Combo1", "Combo5"}) {
        std::string text = *s.Get(name);
        if (text != formatting::kUnchanged && !platform::ParseSingle(text))
            throw UsageError(std::string(name) + " (" +
                             std::string(formatting::FindFieldDescription(name)->label) +
                             ") must be 不变 or a number, not \"" + text + "\"");
    }
    for (int group = 1; group <= 3; ++group) {
        const std::string& style = s.LineStyle(group);
        const std::string& width = s.LineWidth(group);
        bool noLine = group == 2 && style.empty();
        if (!noLine && !IsLineStyleCode(style))
            throw UsageError("LineStyle" + std::to_string(group) + " must be a Word line style code" +
                             (group == 2 ? " or empty" : "") + ", not \"" + style + "\"");
        if (!IsLineWidthCode(width))
            throw UsageError("LineWidth" + std::to_string(group) +
                             " must be one of 2, 4, 6, 8, 12, 18, 24, not \"" + width + "\"");
    }
}

FormatArguments ParseFormatArguments(const std::vector<std::string>& args) {
    FormatArguments a;
    bool onlyInputs = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyInputs || arg.empty() || arg[0] != '-' || arg == "-") {
            a.inputs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyInputs = true;
            continue;
        }
        auto [name, inlineValue] = SplitOption(arg);
        if (name == "-h") name = "--help";
        if (const DocumentOperation* op = FindDocumentOperation(name)) {
            if (inlineValue) throw UsageError(name + " takes no value");
            a.operations.push_back(op);
            continue;
        }
        const CommandLineOption* option = FindOption(name);
        if (!option) throw UsageError("unknown option \"" + arg + "\" (see --help)");
        std::string value;
        if (option->valueName.empty()) {
            if (inlineValue) throw UsageError(name + " takes no value");
        } else if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw UsageError(name + " needs a value: " + std::string(option->valueName));
        }
        option->apply(a, value);
    }
    if (a.help) return a;
    if (a.operations.empty()) a.operations.push_back(FindDocumentOperation("--tables"));
    ValidateSettings(a.settings);
    ValidateCleanupArguments(a);
    CheckOperations(a);
    CheckInputsAndOutputs(a);
    return a;
}

std::string FormatUsage() {
    std::ostringstream out;
    out << "Usage: dorvane-format [OPTION]... INPUT.docx... (-o OUTPUT.docx | --out-dir DIR)\n"
           "Formats the tables of Word documents with the table formatter's options,\n"
           "which start at the main window's opening values.\n\nOperations, run in the order "
           "given (--tables alone when none is named):\n";
    for (const auto& op : DocumentOperations()) out << "  " << op.flag << "\n      " << op.help << '\n';
    out << "\nOptions:\n";
    for (const auto& option : CommandLineOptions()) {
        out << "  " << option.name;
        if (!option.valueName.empty()) out << ' ' << option.valueName;
        out << "\n      " << option.help << '\n';
    }
    out << "\nAn input is written over only when the output names the same file, and then\n"
           "atomically. Exit status: 0 all done, 1 a document failed, 2 a usage mistake.\n";
    return out.str();
}

}  // namespace dorvane::tools
