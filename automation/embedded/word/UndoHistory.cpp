// Undo of whole operations in the embedded Word: a step remembers the
// package's parts when an operation begins; Undo puts them back and reads
// the document again.

#include "automation/embedded/word/UndoHistory.h"

#include <tuple>
#include <unordered_map>

#include "automation/AutomationError.h"
#include "automation/embedded/word/ApplicationState.h"
#include "automation/embedded/word/Handles.h"

namespace dorvane::embedded::word {

PackageSnapshot TakeSnapshot(const Package& package, const PackageSnapshot* previous) {
    std::unordered_map<std::string, PartBytes> before;
    if (previous)
        for (const auto& [name, bytes] : previous->parts) before.emplace(name, bytes);
    PackageSnapshot snapshot;
    for (const std::string& name : package.PartNames()) {
        const std::string& bytes = package.RawPart(name);
        auto old = before.find(name);
        if (old != before.end() && *old->second == bytes)
            snapshot.parts.emplace_back(name, old->second);
        else
            snapshot.parts.emplace_back(name, std::make_shared<const std::string>(bytes));
    }
    return snapshot;
}

bool SameContent(const PackageSnapshot& a, const PackageSnapshot& b) {
    if (a.parts.size() != b.parts.size()) return false;
    for (std::size_t i = 0; i < a.parts.size(); ++i) {
        const auto& [nameA, bytesA] = a.parts[i];
        const auto& [nameB, bytesB] = b.parts[i];
        if (nameA != nameB) return false;
        if (bytesA != bytesB && *bytesA != *bytesB) return false;
    }
    return true;
}

void RestoreSnapshot(Package& package, const PackageSnapshot& snapshot) {
    std::unordered_map<std::string, bool> kept;
    for (const auto& [name, bytes] : snapshot.parts) {
        kept.emplace(name, true);
        if (!package.HasPart(name) || package.RawPart(name) != *bytes) package.SetRawPart(name, *bytes);
    }
    for (const std::string& name : package.PartNames())
        if (!kept.count(name)) package.RemovePart(name);
}

void UndoHistory::Push(UndoStep step) {
    steps_.push_back(std::move(step));
    while (steps_.size() > limit_) steps_.pop_front();
}

UndoStep UndoHistory::Pop() {
    UndoStep step = std::move(steps_.back());
    steps_.pop_back();
    return step;
}

void ClearUndoHistory(DocumentData& doc) { doc.undoHistory.reset(); }

namespace {

DocPtr OpenData(dorvane::word::Document& document, const char* member) {
    DocPtr doc = DocumentDataOf(document, member);
    doc->CheckOpen(member);
    return doc;
}

// The selection's positions, or the start of the document when its target
// no longer stands.
std::pair<long, long> SelectionSpan(DocumentData& doc) {
    try {
        return {TargetStart(doc, doc.selection), TargetEnd(doc, doc.selection)};
    } catch (const AutomationError&) {
        return {0, 0};
    }
}

}  // namespace

void BeginUndoStep(dorvane::word::Document& document, const std::string& caption) {
    DocPtr doc = OpenData(document, "BeginUndoStep");
    if (!doc->undoHistory) doc->undoHistory = std::make_unique<UndoHistory>(kUndoSteps);
    UndoHistory& history = *doc->undoHistory;
    UndoStep step;
    step.caption = caption;
    step.parts = TakeSnapshot(doc->Pkg(), history.Empty() ? nullptr : &history.Last().parts);
    // The last step changed nothing: it is replaced, so that Undo does not
    // stop at it.
    if (!history.Empty() && SameContent(history.Last().parts, step.parts)) history.Pop();
    std::tie(step.selectionStart, step.selectionEnd) = SelectionSpan(*doc);
    history.Push(std::move(step));
}

void EndUndoStep(dorvane::word::Document& document) {
    DocPtr doc = OpenData(document, "EndUndoStep");
    if (!doc->undoHistory || doc->undoHistory->Empty()) return;
    UndoHistory& history = *doc->undoHistory;
    if (SameContent(TakeSnapshot(doc->Pkg(), &history.Last().parts), history.Last().parts)) history.Pop();
}

bool Undo(dorvane::word::Document& document) {
    DocPtr doc = OpenData(document, "Undo");
    if (!doc->undoHistory) return false;
    UndoHistory& history = *doc->undoHistory;
    while (!history.Empty()) {
        UndoStep step = history.Pop();
        PackageSnapshot now = TakeSnapshot(doc->Pkg(), &step.parts);
        if (SameContent(now, step.parts)) continue;
        RestoreSnapshot(doc->Pkg(), step.parts);
        doc->ReloadFromPackage();
        doc->selection = Stamped(*doc, ResolveRange(*doc, step.selectionStart, step.selectionEnd));
        doc->SetSaved(false);
        if (auto app = doc->Application()) app->Notify();
        return true;
    }
    return false;
}

std::optional<std::string> UndoCaption(dorvane::word::Document& document) {
    DocPtr doc = OpenData(document, "UndoCaption");
    if (!doc->undoHistory || doc->undoHistory->Empty()) return std::nullopt;
    return doc->undoHistory->Last().caption;
}

int UndoStepCount(dorvane::word::Document& document) {
    DocPtr doc = OpenData(document, "UndoStepCount");
    return doc->undoHistory ? doc->undoHistory->Count() : 0;
}

bool SameDocument(dorvane::word::Document& a, dorvane::word::Document& b) {
    return DocumentDataOf(a, "SameDocument") == DocumentDataOf(b, "SameDocument");
}

}  // namespace dorvane::embedded::word
