#include "automation/embedded/word/FieldList.h"

#include <algorithm>
#include <stdexcept>

#include "automation/embedded/word/DocumentData.h"

namespace dorvane::embedded::word {

const std::vector<wordtext::FieldRef>& FieldList::Current(DocumentData& doc) {
    if (!known_ || changes_ != doc.Changes()) {
        scan_ = wordtext::ScanFields(doc.Body());
        known_ = true;
        changes_ = doc.Changes();
    }
    return scan_.fields;
}

bool FieldList::Contains(DocumentData& doc, const wordtext::FieldRef& field) {
    const auto& fields = Current(doc);
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

void FieldList::Unlink(DocumentData& doc, const wordtext::FieldRef& field) {
    const auto& fields = Current(doc);
    const auto at = static_cast<std::size_t>(std::find(fields.begin(), fields.end(), field) - fields.begin());
    if (at == fields.size()) throw std::runtime_error("the field is no longer in the document");
    // What the unlink takes out of the list, known before its nodes go.
    const std::size_t taken = wordtext::FieldsTakenByUnlink(scan_, at);
    wordtext::UnlinkListedField(doc.Body(), field);
    doc.ParagraphsReplaced();
    doc.LayoutChanged();
    if (taken == 0) {
        known_ = false;
        return;
    }
    const auto first = static_cast<std::ptrdiff_t>(at), last = static_cast<std::ptrdiff_t>(at + taken);
    scan_.fields.erase(scan_.fields.begin() + first, scan_.fields.begin() + last);
    scan_.tangled.erase(scan_.tangled.begin() + first, scan_.tangled.begin() + last);
    changes_ = doc.Changes();
}

}  // namespace dorvane::embedded::word
