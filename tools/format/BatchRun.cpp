#include "tools/format/BatchRun.h"

#include <filesystem>

#include "automation/Instances.h"
#include "formatting/FormatTables.h"
#include "tools/format/DocumentOperations.h"
#include "tools/format/HeadlessPort.h"

namespace dorvane::tools {
namespace {

namespace fs = std::filesystem;

fs::path OutputFor(const FormatArguments& a, const std::string& input) {
    if (a.output) return *a.output;
    return fs::path(*a.outputDir) / fs::path(input).filename();
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

// Runs the operations on one open document and writes it. Returns the
// summaries, or throws.
std::string ProcessDocument(OperationContext& ctx, const std::string& input,
                            const fs::path& output) {
    std::string summary;
    for (const DocumentOperation* op : ctx.arguments.operations) {
        if (!summary.empty()) summary += "; ";
        summary += op->run(ctx);
    }
    if (SameFile(input, output)) {
        ctx.document.Save();  // atomically, in place
    } else {
        if (output.has_parent_path()) fs::create_directories(output.parent_path());
        ctx.document.SaveAs(output.string());
    }
    return summary;
}

}  // namespace

int RunBatch(word::Application& app, const FormatArguments& arguments, std::ostream& out,
             std::ostream& err) {
    HeadlessPort port(out);
    formatting::FormatRunState state;
    int status = 0;
    for (const std::string& input : arguments.inputs) {
        port.SetDocumentName(input);
        fs::path output = OutputFor(arguments, input);
        word::Ref<word::Document> document;
        try {
            document = app.Documents()->Open(input);
        } catch (const std::exception& e) {
            err << input << ": cannot be read: " << e.what() << '\n';
            status = 1;
            continue;
        }
        try {
            OperationContext ctx{app, *document, arguments, port, state};
            std::string summary = ProcessDocument(ctx, input, output);
            out << input << " -> " << output.string() << ": " << summary << '\n';
        } catch (const std::exception& e) {
            err << input << ": not written: " << formatting::FailureMessage(e) << '\n';
            status = 1;
        }
        try {
            document->Close();
        } catch (const std::exception&) {
            // Closing only drops the document from memory.
        }
    }
    return status;
}

int RunBatch(const FormatArguments& arguments, std::ostream& out, std::ostream& err) {
    auto app = CreateWordApplication();
    int status = RunBatch(*app, arguments, out, err);
    app->Quit();
    return status;
}

}  // namespace dorvane::tools
