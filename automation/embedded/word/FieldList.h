#pragma once

// The fields of a document's body, read once and kept while the document
// does not change. A field handle checks that its field still stands
// before every use; read afresh each time, unlinking the hundreds of
// fields of a long report would read the whole body for each of them.
// Unlinking through this list keeps it current without reading again.

#include <vector>

#include "automation/embedded/wordtext/FieldMarkup.h"

namespace dorvane::embedded::word {

class DocumentData;

class FieldList {
public:
    // The fields of the body as they stand.
    const std::vector<wordtext::FieldRef>& Current(DocumentData& doc);
    bool Contains(DocumentData& doc, const wordtext::FieldRef& field);
    // Unlinks `field`, which must stand (Contains), and reports the change
    // to the document.
    void Unlink(DocumentData& doc, const wordtext::FieldRef& field);
    // Read again when next asked (the document was read again).
    void Forget() { known_ = false; }

private:
    wordtext::FieldScan scan_;
    bool known_ = false;
    unsigned long changes_ = 0;  // the document's change count when read
};

}  // namespace dorvane::embedded::word
