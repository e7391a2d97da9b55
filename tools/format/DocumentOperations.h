#pragma once

// The operations dorvane-format can run on each document, as a table: a
// new operation is one more entry in DocumentOperations(). Each runs on the
// open document and returns the summary printed for it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "automation/word/Word.h"
#include "formatting/FormatRunState.h"
#include "platform/UserPort.h"

namespace dorvane::tools {

struct FormatArguments;
class HeadlessPort;

struct OperationContext {
    word::Application& app;
    word::Document& document;
    const FormatArguments& arguments;
    HeadlessPort& port;
    formatting::FormatRunState& state;  // kept across the documents of one batch
};

struct DocumentOperation {
    std::string_view flag;  // "--tables"
    std::string_view help;
    // Throws on a failure the operation does not handle; the document is
    // then reported and not written.
    std::function<std::string(OperationContext&)> run;
};

const std::vector<DocumentOperation>& DocumentOperations();
const DocumentOperation* FindDocumentOperation(std::string_view flag);

// The table run: every table, or with --table N only table N, selected
// whole as the single-table mode finds it.
std::string RunTablesOperation(OperationContext& ctx);

}  // namespace dorvane::tools
