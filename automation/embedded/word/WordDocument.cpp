// The Document object: collections of the main text, ranges, settings and
// saving.

#include <cmath>

#include "automation/AutomationError.h"
#include "automation/embedded/word/ApplicationState.h"
#include "automation/embedded/word/Handles.h"
#include "automation/embedded/word/Relationships.h"
#include "automation/embedded/word/SchemaOrder.h"
#include "automation/embedded/word/UndoHistory.h"
#include "automation/embedded/wordtext/SectionBreaks.h"
#include "platform/Paths.h"

namespace dorvane::embedded::word {

namespace {

// Word's default tab stop when the settings do not say: 0.5 inch.
constexpr long kDefaultTabStopTwips = 720;

class SectionsImpl : public w::Sections {
public:
    explicit SectionsImpl(DocPtr doc) : doc_(std::move(doc)) {}
    int Count() const override {
        doc_->CheckOpen("Sections.Count");
        return static_cast<int>(wordtext::SectionBreakParagraphs(doc_->Body()).size()) + 1;
    }

private:
    DocPtr doc_;
};

class DocumentImpl : public w::Document {
public:
    explicit DocumentImpl(DocPtr doc) : doc_(std::move(doc)) {}

    std::string Name() const override { return doc_->File().filename().string(); }
    std::string FullName() const override { return doc_->File().string(); }
    bool Saved() const override { return doc_->Saved(); }

    w::Ref<w::Tables> Tables() override {
        doc_->CheckOpen("Tables");
        return MakeTables(doc_, doc_->Story().TopTables());
    }
    w::Ref<w::Paragraphs> Paragraphs() override {
        doc_->CheckOpen("Paragraphs");
        return MakeParagraphs(doc_, Target::Story());
    }
    w::Ref<w::Fields> Fields() override {
        doc_->CheckOpen("Fields");
        return MakeFields(doc_);
    }
    w::Ref<w::InlineShapes> InlineShapes() override {
        doc_->CheckOpen("InlineShapes");
        return MakeInlineShapes(doc_);
    }
    w::Ref<w::Sections> Sections() override {
        doc_->CheckOpen("Sections");
        return std::make_shared<SectionsImpl>(doc_);
    }
    w::Ref<w::Range> Content() override {
        doc_->CheckOpen("Content");
        return MakeRange(doc_, Target::Story());
    }
    w::Ref<w::Range> Range(long start, long end) override {
        doc_->CheckOpen("Range");
        if (start < 0 || end < 0) throw AutomationError("Range", "a position cannot be negative");
        if (end < start) std::swap(start, end);
        return MakeRange(doc_, ResolveRange(*doc_, start, end));
    }

    double DefaultTabStop() const override {
        doc_->CheckOpen("DefaultTabStop");
        pugi::xml_node settings = doc_->Settings(false);
        const Names& n = doc_->SettingsNames();
        auto twips = settings ? IntAttr(n, n.Child(settings, "defaultTabStop"), "val") : std::nullopt;
        return TwipsToPoints(twips.value_or(kDefaultTabStopTwips));
    }
    void SetDefaultTabStop(double points) override {
        doc_->CheckOpen("DefaultTabStop");
        if (!(points >= 0) || points > 1584)
            throw AutomationError("DefaultTabStop", "the value is out of range");
        pugi::xml_node settings = doc_->Settings(true);
        const Names& n = doc_->SettingsNames();
        pugi::xml_node stop = EnsureChild(n, settings, "defaultTabStop", order::kSettings);
        SetIntAttr(n, stop, "val", PointsToTwips(points));
        doc_->SettingsChanged();
    }
    void UndoClear() override {
        doc_->CheckOpen("UndoClear");
        ClearUndoHistory(*doc_);
    }

    const DocPtr& Data() const { return doc_; }

    void Activate() override {
        doc_->CheckOpen("Activate");
        if (auto app = doc_->Application()) app->Activate(*doc_);
    }
    void Save() override {
        doc_->CheckOpen("Save");
        Write(doc_->File());
    }
    void SaveAs(const std::string& fileName) override {
        doc_->CheckOpen("SaveAs");
        if (fileName.empty()) throw AutomationError("SaveAs", "no file name given");
        auto target = platform::MapPath(fileName);
        Write(target);
        doc_->SetFile(target);
        if (auto app = doc_->Application()) app->Notify();
    }
    void Close() override {
        doc_->CheckOpen("Close");
        if (auto app = doc_->Application())
            app->Close(*doc_);
        else
            doc_->MarkClosed();
    }

private:
    void Write(const std::filesystem::path& target) {
        // A package whose content types are unusable (missing, empty or
        // damaged) is written with a rebuilt list, so that the saved file
        // opens anywhere.
        if (!ContentTypesUsable(doc_->Pkg())) RebuildContentTypes(doc_->Pkg(), doc_->MainPart());
        doc_->Pkg().SaveAs(target);
        doc_->SetSaved(true);
    }

    DocPtr doc_;
};

}  // namespace

w::Ref<w::Document> MakeDocument(DocPtr doc) { return std::make_shared<DocumentImpl>(std::move(doc)); }

DocPtr DocumentDataOf(w::Document& document, const char* member) {
    auto* embedded = dynamic_cast<DocumentImpl*>(&document);
    if (!embedded) throw AutomationError(member, "the document is not the embedded Word's");
    return embedded->Data();
}

}  // namespace dorvane::embedded::word
