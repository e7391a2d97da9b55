#pragma once

// A workbook's package: the workbook part, its sheets (worksheets indexed
// once), shared strings, styles, the date system and calculation settings.
// Everything it does not model stays in the package as read.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "automation/embedded/excel/CellXml.h"
#include "automation/embedded/excel/Styles.h"
#include "automation/embedded/excel/WorksheetXml.h"
#include "automation/embedded/package/Package.h"

namespace dorvane::embedded::excel {

struct SheetEntry {
    std::string name;
    bool worksheet = true;  // false for chart and dialog sheets
    bool hidden = false;
    std::string part;
    std::unique_ptr<WorksheetXml> cells;  // worksheets only
};

class WorkbookDocument {
public:
    // Opens an .xlsx package. Throws AutomationError(member, ...) naming
    // the file and the reason.
    static std::unique_ptr<WorkbookDocument> Open(const std::filesystem::path& file, const std::string& member);
    // A new workbook with empty worksheets of these names; those marked in
    // `hidden` are hidden, and the first other one is active.
    static std::unique_ptr<WorkbookDocument> Create(const std::vector<std::string>& sheetNames,
                                                    const std::vector<bool>& hidden = {});

    Package& package() { return *package_; }
    std::vector<SheetEntry>& Sheets() { return sheets_; }
    const std::vector<SheetEntry>& Sheets() const { return sheets_; }
    int ActiveTab() const { return activeTab_; }
    CellContext& Context() { return context_; }
    const Styles& styles() const { return *styles_; }
    bool Date1904() const { return context_.date1904; }

    bool PrecisionAsDisplayed() const;
    void SetPrecisionAsDisplayedFlag(bool on);
    // To call after cells changed: asks for a full recalculation on load
    // when the workbook has formulas, and drops the calculation chain once
    // a formula was replaced (it would name a cell without formula).
    void CellsChanged(bool formulaRemoved);
    // Makes sure a styles part exists (for the date format of new dates).
    void EnsureStyles();

    void SaveAs(const std::filesystem::path& file);

private:
    WorkbookDocument() = default;
    void Load(const std::string& member);
    std::string FindPart(const std::string& name) const;
    void ReadRelationships(const std::string& member);
    void ReadSheets(const std::string& member);
    void ReadSharedStrings();
    pugi::xml_node WorkbookRoot();
    pugi::xml_node EnsureCalcPr();
    void RemoveCalcChain();
    void AddRelationship(const std::string& type, const std::string& target);
    void AddContentType(const std::string& part, const std::string& contentType);

    struct Relationship {
        std::string id, type, part;
    };

    std::unique_ptr<Package> package_;
    std::string workbookPart_;
    Names names_;
    std::vector<Relationship> relationships_;
    std::vector<SheetEntry> sheets_;
    std::vector<std::string> sharedStrings_;
    std::unique_ptr<Styles> styles_;
    CellContext context_;
    int activeTab_ = 0;
    bool calcOnLoadSet_ = false;
    bool calcChainRemoved_ = false;
};

}  // namespace dorvane::embedded::excel
