#pragma once

// The state of one open document of the embedded Word: its package, the
// main part's XML, the caches computed from it (positions, table grids,
// styles), its selection and its find settings. The object model's
// handles hold a shared pointer to it and the node(s) they stand for.

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>

#include <pugixml.hpp>

#include "automation/embedded/package/Package.h"
#include "automation/embedded/word/FieldList.h"
#include "automation/embedded/word/StoryMap.h"
#include "automation/embedded/word/Styles.h"
#include "automation/embedded/word/TableGrid.h"
#include "automation/embedded/word/Target.h"
#include "automation/embedded/word/Xml.h"

namespace dorvane::embedded::word {

class ApplicationState;
class UndoHistory;

// The settings of Word's Find that persist from one use to the next.
struct FindSettings {
    std::string text;
    std::string replacement;
    bool forward = true;
    int wrap = 0;  // wdFindStop
    bool format = false;
    bool matchCase = false;
    bool matchWholeWord = false;
    bool matchByte = false;
    bool matchWildcards = false;
    bool matchSoundsLike = false;
    bool matchAllWordForms = false;
};

// The kinds of node a handle can hold, for telling whether it still stands
// in the document.
enum class NodeKind { Structure, Paragraph, Run };

class DocumentData {
public:
    DocumentData(std::unique_ptr<Package> package, std::string mainPart, std::filesystem::path file,
                 std::weak_ptr<ApplicationState> application);
    ~DocumentData();

    // Throws AutomationError(member, ...) once the document is closed.
    void CheckOpen(const char* member) const;

    Package& Pkg() { return *package_; }
    const std::string& MainPart() const { return mainPart_; }
    const Names& N() const { return names_; }
    pugi::xml_node Body() const { return body_; }
    StoryMap& Story() { return *story_; }
    const Styles& StylesOf();
    // The grid of a table of this document (cached).
    const TableGrid& Grid(pugi::xml_node table);

    // The settings part (created when `create` and missing); empty when
    // missing.
    pugi::xml_node Settings(bool create);
    const Names& SettingsNames() const { return settingsNames_; }
    void SettingsChanged();

    // Change notifications: each marks the main part changed and the
    // document unsaved, and drops the caches the change makes stale.
    void FormatChanged();
    void TextChanged(pugi::xml_node inside);
    void TableStructureChanged(pugi::xml_node table);
    void LayoutChanged();
    // Counts every change of the main part (each notification above, and
    // reading it again): a cache stamped with it is current while it stays.
    unsigned long Changes() const { return changes_; }
    // The package's parts were put back (Undo): the main part is read
    // again, every cache is dropped and every node taken before is dead.
    void ReloadFromPackage();

    // Nodes removed from the XML are freed, so a handle must not touch its
    // node once it is gone. Every removal is recorded with a generation
    // number; a handle remembers the generation it was made at.
    unsigned long Generation() const { return generation_; }
    // Records `subtree` and its tables, rows, cells, paragraphs and runs as
    // removed; call right before removing it.
    void NodesRemoved(pugi::xml_node subtree);
    // Runs (or paragraphs and runs) may have been removed anywhere by a
    // text operation: handles to them made before are no longer valid.
    void RunsReplaced() { runsGone_ = ++generation_; }
    void ParagraphsReplaced() { paragraphsGone_ = runsGone_ = ++generation_; }
    // Whether a node taken at generation `since` is still in the document.
    bool Alive(pugi::xml_node node, unsigned long since, NodeKind kind) const;
    // Throws AutomationError(member, ...) when it is not.
    void RequireAlive(pugi::xml_node node, unsigned long since, NodeKind kind, const char* member) const;

    const std::filesystem::path& File() const { return file_; }
    void SetFile(std::filesystem::path file) { file_ = std::move(file); }
    bool Saved() const { return saved_; }
    void SetSaved(bool saved) { saved_ = saved; }
    bool Closed() const { return closed_; }
    void MarkClosed() { closed_ = true; }
    std::shared_ptr<ApplicationState> Application() const { return application_.lock(); }

    Target selection;
    FindSettings find;
    FieldList fields;
    // The steps Undo can put back (UndoHistory.cpp); made when first used.
    std::unique_ptr<UndoHistory> undoHistory;

private:
    std::unique_ptr<Package> package_;
    std::string mainPart_;
    std::filesystem::path file_;
    std::weak_ptr<ApplicationState> application_;
    Names names_;
    pugi::xml_node body_;
    std::unique_ptr<StoryMap> story_;
    std::unique_ptr<Styles> styles_;
    std::unordered_map<pugi::xml_node_struct*, std::unique_ptr<TableGrid>> grids_;
    std::string settingsPart_;
    Names settingsNames_;
    bool settingsLooked_ = false;
    bool settingsNamesRead_ = false;
    bool saved_ = true;
    bool closed_ = false;
    unsigned long generation_ = 1;
    unsigned long changes_ = 0;
    unsigned long runsGone_ = 0;
    unsigned long paragraphsGone_ = 0;
    unsigned long reloaded_ = 0;
    std::unordered_map<pugi::xml_node_struct*, unsigned long> removed_;
};

}  // namespace dorvane::embedded::word
