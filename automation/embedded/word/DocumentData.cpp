#include "automation/embedded/word/DocumentData.h"

#include "automation/AutomationError.h"
#include "automation/embedded/word/Relationships.h"
#include "automation/embedded/word/UndoHistory.h"

namespace dorvane::embedded::word {

namespace {

constexpr const char* kSettingsType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings";
constexpr const char* kSettingsContentType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml";

}  // namespace

DocumentData::DocumentData(std::unique_ptr<Package> package, std::string mainPart, std::filesystem::path file,
                           std::weak_ptr<ApplicationState> application)
    : package_(std::move(package)),
      mainPart_(std::move(mainPart)),
      file_(std::move(file)),
      application_(std::move(application)) {
    pugi::xml_node root = package_->Xml(mainPart_).document_element();
    names_ = Names(root);
    body_ = names_.Child(root, "body");
    story_ = std::make_unique<StoryMap>(names_, body_);
}

DocumentData::~DocumentData() = default;

void DocumentData::CheckOpen(const char* member) const {
    if (closed_) throw AutomationError(member, "the document has been closed");
}

const Styles& DocumentData::StylesOf() {
    if (!styles_) {
        auto rels = ReadRelationships(*package_, mainPart_);
        auto styles = FindRelationship(rels, kRelStyles);
        auto theme = FindRelationship(rels, kRelTheme);
        std::string lang;
        if (pugi::xml_node settings = Settings(false))
            if (pugi::xml_node themeLang = settingsNames_.Child(settings, "themeFontLang"))
                lang = settingsNames_.Attr(themeLang, "eastAsia").value();
        styles_ = std::make_unique<Styles>(*package_, styles ? styles->part : std::string(),
                                           theme ? theme->part : std::string(), lang);
    }
    return *styles_;
}

const TableGrid& DocumentData::Grid(pugi::xml_node table) {
    auto& slot = grids_[table.internal_object()];
    if (!slot) slot = std::make_unique<TableGrid>(names_, table);
    return *slot;
}

pugi::xml_node DocumentData::Settings(bool create) {
    if (!settingsLooked_) {
        auto rel = FindRelationship(ReadRelationships(*package_, mainPart_), kRelSettings);
        if (rel && package_->HasPart(rel->part)) settingsPart_ = rel->part;
        settingsLooked_ = true;
    }
    if (settingsPart_.empty() && create) {
        std::string part = "word/settings.xml";
        for (int i = 2; package_->HasPart(part); ++i) part = "word/settings" + std::to_string(i) + ".xml";
        std::string prefix = names_.W("settings");
        auto colon = prefix.find(':');
        std::string ns = colon == std::string::npos ? "xmlns" : "xmlns:" + prefix.substr(0, colon);
        package_->SetRawPart(part, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<" + prefix + " " +
                                       ns + "=\"" + (names_.Strict() ? kWordStrict : kWordMain) + "\"/>");
        std::string target = part.substr(part.rfind('/') + 1);
        AddRelationship(*package_, mainPart_, kSettingsType, target);
        AddContentTypeOverride(*package_, part, kSettingsContentType);
        settingsPart_ = part;
    }
    if (settingsPart_.empty()) return {};
    pugi::xml_node root = package_->Xml(settingsPart_).document_element();
    if (!settingsNamesRead_) {
        settingsNames_ = Names(root);
        settingsNamesRead_ = true;
    }
    return root;
}

void DocumentData::SettingsChanged() {
    if (!settingsPart_.empty()) package_->MarkChanged(settingsPart_);
    saved_ = false;
}

void DocumentData::NodesRemoved(pugi::xml_node subtree) {
    ++generation_;
    struct Recorder : pugi::xml_tree_walker {
        DocumentData* doc;
        bool for_each(pugi::xml_node& node) override {
            if (node.type() != pugi::node_element) return true;
            doc->removed_[node.internal_object()] = doc->generation_;
            doc->grids_.erase(node.internal_object());
            return true;
        }
    } recorder;
    recorder.doc = this;
    removed_[subtree.internal_object()] = generation_;
    grids_.erase(subtree.internal_object());
    subtree.traverse(recorder);
}

bool DocumentData::Alive(pugi::xml_node node, unsigned long since, NodeKind kind) const {
    if (!node || closed_ || since < reloaded_) return false;
    auto it = removed_.find(node.internal_object());
    if (it != removed_.end() && it->second > since) return false;
    if (kind == NodeKind::Paragraph && paragraphsGone_ > since) return false;
    if (kind == NodeKind::Run && runsGone_ > since) return false;
    return true;
}

void DocumentData::RequireAlive(pugi::xml_node node, unsigned long since, NodeKind kind, const char* member) const {
    CheckOpen(member);
    if (!Alive(node, since, kind)) throw AutomationError(member, "the object has been deleted");
}

void DocumentData::FormatChanged() {
    ++changes_;
    package_->MarkChanged(mainPart_);
    saved_ = false;
}

void DocumentData::TextChanged(pugi::xml_node inside) {
    FormatChanged();
    story_->BlockChanged(inside);
}

void DocumentData::TableStructureChanged(pugi::xml_node table) {
    FormatChanged();
    grids_.erase(table.internal_object());
    // A nested table changes the grids of the tables around it only in
    // their content, not in their structure.
    story_->BlockChanged(table);
}

void DocumentData::ReloadFromPackage() {
    pugi::xml_node root = package_->Xml(mainPart_).document_element();
    names_ = Names(root);
    body_ = names_.Child(root, "body");
    story_ = std::make_unique<StoryMap>(names_, body_);
    styles_.reset();
    grids_.clear();
    removed_.clear();
    settingsPart_.clear();
    settingsLooked_ = false;
    settingsNamesRead_ = false;
    reloaded_ = ++generation_;
    ++changes_;
    fields.Forget();
}

void DocumentData::LayoutChanged() {
    FormatChanged();
    grids_.clear();
    story_->Reset();
}

}  // namespace dorvane::embedded::word
