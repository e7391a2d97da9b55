#pragma once

// The undo steps of one document of the embedded Word. A step holds the
// bytes of every part of the package as they stood when the step began
// (serialised from the parsed XML where it was changed); a part whose
// bytes did not change from one step to the next is shared, not copied.

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "automation/embedded/package/Package.h"

namespace dorvane::embedded::word {

class DocumentData;

using PartBytes = std::shared_ptr<const std::string>;

// The parts of a package, in the package's order.
struct PackageSnapshot {
    std::vector<std::pair<std::string, PartBytes>> parts;
};

// Takes the package's parts; bytes equal to those of `previous` (may be
// null) are shared with it.
PackageSnapshot TakeSnapshot(const Package& package, const PackageSnapshot* previous);
// Whether the package holds exactly the snapshot's parts and bytes.
bool SameContent(const PackageSnapshot& a, const PackageSnapshot& b);
// Puts the snapshot's parts back: parts that differ are replaced (their
// parsed XML dropped), parts added since are removed.
void RestoreSnapshot(Package& package, const PackageSnapshot& snapshot);

struct UndoStep {
    std::string caption;
    PackageSnapshot parts;
    long selectionStart = 0;  // the selection when the step began
    long selectionEnd = 0;
};

class UndoHistory {
public:
    explicit UndoHistory(std::size_t limit) : limit_(limit) {}

    // Adds a step; the oldest one goes when the limit is passed.
    void Push(UndoStep step);
    bool Empty() const { return steps_.empty(); }
    int Count() const { return static_cast<int>(steps_.size()); }
    const UndoStep& Last() const { return steps_.back(); }
    UndoStep Pop();

private:
    std::size_t limit_;
    std::deque<UndoStep> steps_;
};

// UndoClear: forgets every step of the document.
void ClearUndoHistory(DocumentData& doc);

}  // namespace dorvane::embedded::word
