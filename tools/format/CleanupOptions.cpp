#include "tools/format/CleanupOptions.h"

#include <string>

#include "formatting/FieldDescriptions.h"
#include "platform/TextNumber.h"
#include "platform/UserPort.h"
#include "tools/format/DocumentOperations.h"
#include "tools/format/FormatArguments.h"
#include "utilities/ConvertEmbeddedSheets.h"
#include "utilities/FormatBodyText.h"
#include "utilities/RemoveEmptyRows.h"
#include "utilities/RemoveSectionBreaks.h"
#include "utilities/UnlinkFields.h"

namespace dorvane::tools {
namespace {

// The clean-ups close with a message box that says what they did; the
// tool's summary line says it instead.
class SummaryOnlyPort : public UserPort {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
    void HideMainWindow() override {}
    void ShowMainWindow() override {}
    bool SingleTableWindowShowing() const override { return false; }
};

std::string FormatBody(OperationContext& ctx) {
    SummaryOnlyPort port;
    int count = utilities::FormatBodyText(ctx.app, ctx.arguments.settings, port);
    return "body paragraphs formatted " + std::to_string(count);
}

// Not ten at a time as the button does: until no embedded worksheet is
// left at the front of the document.
std::string ConvertEmbeddedSheets(OperationContext& ctx) {
    int count = utilities::ConvertAllEmbeddedSheets(ctx.app);
    return "embedded worksheets converted " + std::to_string(count);
}

std::string RemoveEmptyRows(OperationContext& ctx) {
    SummaryOnlyPort port;
    return "empty rows deleted " + std::to_string(utilities::RemoveEmptyRows(ctx.app, port));
}

std::string UnlinkFields(OperationContext& ctx) {
    SummaryOnlyPort port;
    return "fields unlinked " + std::to_string(utilities::UnlinkFields(ctx.app, port));
}

std::string RemoveSectionBreaks(OperationContext& ctx) {
    auto count = utilities::RemoveSectionBreaks(ctx.app);
    return "section breaks removed " + (count ? std::to_string(*count) : std::string("(uncounted)"));
}

bool Names(const FormatArguments& arguments, std::string_view flag) {
    for (const DocumentOperation* op : arguments.operations)
        if (op->flag == flag) return true;
    return false;
}

}  // namespace

const std::vector<DocumentOperation>& CleanupOperations() {
    static const std::vector<DocumentOperation> operations = {
        {"--format-body",
         "lay out the paragraphs outside tables that are not centred, with the fields "
         "Combo14..Combo20 given through --set",
         FormatBody},
        {"--convert-embedded-sheets",
         "replace the embedded Excel worksheets at the front of the document by Word tables, "
         "until none is left there",
         ConvertEmbeddedSheets},
        {"--remove-empty-rows",
         "delete the rows of nothing but spaces from row 3 down in every table, "
         "except rows with merged cells",
         RemoveEmptyRows},
        {"--unlink-fields", "replace every field by its current result", UnlinkFields},
        {"--remove-section-breaks", "remove every section break", RemoveSectionBreaks},
    };
    return operations;
}

void ValidateCleanupArguments(const FormatArguments& arguments) {
    if (!Names(arguments, "--format-body")) return;
    for (std::string_view name : {"Combo19", "Combo15", "Combo20", "Combo16"}) {
        std::string text = *arguments.settings.Get(name);
        if (text != formatting::kUnchanged && !platform::ParseSingle(text))
            throw UsageError(std::string(name) + " (" +
                             std::string(formatting::FindFieldDescription(name)->label) +
                             ") must be 不变 or a number, not \"" + text + "\"");
    }
}

}  // namespace dorvane::tools
