#include "tools/format/DocumentOperations.h"

#include <stdexcept>

#include "formatting/FormatTables.h"
#include "tools/format/CleanupOptions.h"
#include "tools/format/FormatArguments.h"
#include "tools/format/HeadlessPort.h"

namespace dorvane::tools {

const std::vector<DocumentOperation>& DocumentOperations() {
    static const std::vector<DocumentOperation> operations = [] {
        std::vector<DocumentOperation> ops = {
            {"--tables", "format the tables (with --table N only table N)", RunTablesOperation},
        };
        for (const auto& op : CleanupOperations()) ops.push_back(op);
        return ops;
    }();
    return operations;
}

const DocumentOperation* FindDocumentOperation(std::string_view flag) {
    for (const auto& op : DocumentOperations())
        if (op.flag == flag) return &op;
    return nullptr;
}

std::string RunTablesOperation(OperationContext& ctx) {
    const auto& table = ctx.arguments.table;
    if (table) {
        int count = ctx.document.Tables()->Count();
        if (*table > count)
            throw std::runtime_error("there is no table " + std::to_string(*table) +
                                     " (the document has " + std::to_string(count) + ")");
        ctx.document.Tables()->Item(*table)->Select();
    }
    ctx.port.SetSingleTableMode(table.has_value());
    auto report = formatting::FormatTables(ctx.app, ctx.arguments.settings, ctx.state, ctx.port);
    ctx.port.SetSingleTableMode(false);
    return "tables visited " + std::to_string(report.visited) + ", formatted " +
           std::to_string(report.formatted) + ", skipped " + std::to_string(report.skipped);
}

}  // namespace dorvane::tools
