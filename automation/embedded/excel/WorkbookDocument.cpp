#include "automation/embedded/excel/WorkbookDocument.h"

#include <algorithm>
#include <cctype>

#include "automation/AutomationError.h"

namespace dorvane::embedded::excel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kContentTypesPart = "[Content_Types].xml";
constexpr const char* kRelationshipType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

bool EndsWith(std::string_view s, std::string_view suffix) { return s.ends_with(suffix); }

std::string Slashed(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

std::string Normalised(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (!name.empty() && name.front() == '/') name.erase(name.begin());
    return name;
}

}  // namespace

std::unique_ptr<WorkbookDocument> WorkbookDocument::Open(const fs::path& file, const std::string& member) {
    auto document = std::unique_ptr<WorkbookDocument>(new WorkbookDocument());
    document->package_ = Package::Open(file, member);
    document->Load(member);
    return document;
}

std::string WorkbookDocument::FindPart(const std::string& name) const {
    if (package_->HasPart(name)) return name;
    // Some writers store "xl\workbook.xml" or "[content_types].xml".
    std::string wanted = Normalised(name);
    for (const auto& part : package_->PartNames())
        if (Normalised(part) == wanted) return part;
    return {};
}

pugi::xml_node WorkbookDocument::WorkbookRoot() { return package_->Xml(workbookPart_).document_element(); }

void WorkbookDocument::Load(const std::string& member) {
    const std::string file = package_->File().string();
    auto fail = [&](const std::string& reason) { throw AutomationError(member, file + ": " + reason); };

    std::string rootRels = FindPart("_rels/.rels");
    if (!rootRels.empty()) {
        pugi::xml_node root = package_->Xml(rootRels).document_element();
        for (pugi::xml_node rel = root.first_child(); rel; rel = rel.next_sibling())
            if (EndsWith(rel.attribute("Type").value(), "/officeDocument"))
                workbookPart_ = FindPart(Package::ResolveTarget("", rel.attribute("Target").value()));
    }
    if (workbookPart_.empty()) workbookPart_ = FindPart("xl/workbook.xml");
    if (workbookPart_.empty()) fail("is not a workbook (it has no workbook part)");
    pugi::xml_node root = WorkbookRoot();
    names_ = Names::OfPart(root);
    if (!names_.Is(root, "workbook")) fail("is not a workbook (its main part is " + workbookPart_ + ")");

    ReadRelationships(member);
    pugi::xml_node workbookPr = names_.Child(root, "workbookPr");
    context_.date1904 = IsTrue(workbookPr.attribute("date1904"));
    pugi::xml_node view = names_.Child(names_.Child(root, "bookViews"), "workbookView");
    activeTab_ = view.attribute("activeTab").as_int(0);

    styles_ = std::make_unique<Styles>();
    for (const auto& rel : relationships_)
        if (EndsWith(rel.type, "/styles") && !rel.part.empty()) styles_ = std::make_unique<Styles>(*package_, rel.part);
    context_.styles = styles_.get();
    ReadSharedStrings();
    context_.sharedStrings = &sharedStrings_;
    ReadSheets(member);
    if (sheets_.empty()) fail("is not a workbook (it lists no sheet)");
    if (activeTab_ < 0 || activeTab_ >= static_cast<int>(sheets_.size())) activeTab_ = 0;
}

void WorkbookDocument::ReadRelationships(const std::string& member) {
    relationships_.clear();
    std::string relsPart = FindPart(Package::RelsPartName(Slashed(workbookPart_)));
    if (relsPart.empty()) return;
    pugi::xml_node root = package_->Xml(relsPart).document_element();
    for (pugi::xml_node rel = root.first_child(); rel; rel = rel.next_sibling()) {
        if (LocalName(rel.name()) != "Relationship") continue;
        if (std::string_view(rel.attribute("TargetMode").value()) == "External") continue;
        std::string part = FindPart(Package::ResolveTarget(Slashed(workbookPart_), rel.attribute("Target").value()));
        relationships_.push_back({rel.attribute("Id").value(), rel.attribute("Type").value(), part});
    }
}

void WorkbookDocument::ReadSheets(const std::string& member) {
    pugi::xml_node sheetsNode = names_.Child(WorkbookRoot(), "sheets");
    for (pugi::xml_node node = sheetsNode.first_child(); node; node = node.next_sibling()) {
        if (!names_.Is(node, "sheet")) continue;
        SheetEntry entry;
        entry.name = node.attribute("name").value();
        std::string_view state = node.attribute("state").value();
        entry.hidden = state == "hidden" || state == "veryHidden";
        std::string idAttribute =
            PrefixFor(node, kRelationshipsNamespace, kStrictRelationshipsNamespace).value_or("r:") + "id";
        std::string id = node.attribute(idAttribute.c_str()).value();
        auto rel = std::find_if(relationships_.begin(), relationships_.end(),
                                [&](const Relationship& r) { return r.id == id; });
        if (rel == relationships_.end() || rel->part.empty())
            throw AutomationError(member, package_->File().string() + ": the part of sheet \"" + entry.name +
                                              "\" is missing");
        entry.part = rel->part;
        entry.worksheet = EndsWith(rel->type, "/worksheet");
        if (entry.worksheet) entry.cells = std::make_unique<WorksheetXml>(*package_, entry.part, member);
        sheets_.push_back(std::move(entry));
    }
}

void WorkbookDocument::ReadSharedStrings() {
    sharedStrings_.clear();
    for (const auto& rel : relationships_) {
        if (!EndsWith(rel.type, "/sharedStrings") || rel.part.empty()) continue;
        pugi::xml_node root = package_->Xml(rel.part).document_element();
        Names names = Names::OfPart(root);
        for (pugi::xml_node si = root.first_child(); si; si = si.next_sibling())
            if (names.Is(si, "si")) sharedStrings_.push_back(StringItemText(si, names));
    }
}

bool WorkbookDocument::PrecisionAsDisplayed() const {
    auto* self = const_cast<WorkbookDocument*>(this);
    pugi::xml_attribute full = names_.Child(self->WorkbookRoot(), "calcPr").attribute("fullPrecision");
    std::string_view value = full.value();
    return full && (value == "0" || value == "false");
}

pugi::xml_node WorkbookDocument::EnsureCalcPr() {
    pugi::xml_node root = WorkbookRoot();
    if (pugi::xml_node calcPr = names_.Child(root, "calcPr")) return calcPr;
    // calcPr follows sheets and the elements that may come after them.
    pugi::xml_node after;
    for (const char* before : {"definedNames", "externalReferences", "functionGroups", "sheets"})
        if ((after = names_.Child(root, before))) break;
    return after ? root.insert_child_after(names_("calcPr").c_str(), after)
                 : root.append_child(names_("calcPr").c_str());
}

void WorkbookDocument::SetPrecisionAsDisplayedFlag(bool on) {
    if (on == PrecisionAsDisplayed()) return;
    pugi::xml_node calcPr = EnsureCalcPr();
    if (on) {
        if (!calcPr.attribute("fullPrecision")) calcPr.append_attribute("fullPrecision");
        calcPr.attribute("fullPrecision") = "0";
    } else {
        calcPr.remove_attribute("fullPrecision");
    }
    package_->MarkChanged(workbookPart_);
}

void WorkbookDocument::CellsChanged(bool formulaRemoved) {
    if (formulaRemoved) RemoveCalcChain();
    if (calcOnLoadSet_) return;
    bool formulas = std::any_of(sheets_.begin(), sheets_.end(),
                                [](const SheetEntry& s) { return s.cells && s.cells->HasFormulas(); });
    if (!formulas) return;
    pugi::xml_node calcPr = EnsureCalcPr();
    if (!calcPr.attribute("fullCalcOnLoad")) calcPr.append_attribute("fullCalcOnLoad");
    calcPr.attribute("fullCalcOnLoad") = "1";
    package_->MarkChanged(workbookPart_);
    calcOnLoadSet_ = true;
}

void WorkbookDocument::RemoveCalcChain() {
    if (calcChainRemoved_) return;
    calcChainRemoved_ = true;
    std::string relsPart = FindPart(Package::RelsPartName(Slashed(workbookPart_)));
    auto rel = std::find_if(relationships_.begin(), relationships_.end(),
                            [](const Relationship& r) { return EndsWith(r.type, "/calcChain"); });
    if (rel == relationships_.end() || relsPart.empty()) return;
    std::string part = rel->part, id = rel->id;
    pugi::xml_node root = package_->Xml(relsPart).document_element();
    for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling())
        if (id == node.attribute("Id").value()) {
            root.remove_child(node);
            break;
        }
    package_->MarkChanged(relsPart);
    relationships_.erase(rel);
    if (part.empty()) return;
    package_->RemovePart(part);
    if (std::string types = FindPart(kContentTypesPart); !types.empty()) {
        pugi::xml_node typesRoot = package_->Xml(types).document_element();
        for (pugi::xml_node node = typesRoot.first_child(); node; node = node.next_sibling())
            if (Normalised(node.attribute("PartName").value()) == Normalised(part)) {
                typesRoot.remove_child(node);
                package_->MarkChanged(types);
                break;
            }
    }
}

void WorkbookDocument::AddRelationship(const std::string& type, const std::string& target) {
    std::string relsPart = FindPart(Package::RelsPartName(Slashed(workbookPart_)));
    if (relsPart.empty()) {
        relsPart = Package::RelsPartName(Slashed(workbookPart_));
        package_->SetRawPart(relsPart, std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
                                                   "<Relationships xmlns=\"") +
                                           kPackageRelationshipsNamespace + "\"/>");
    }
    pugi::xml_node root = package_->Xml(relsPart).document_element();
    int n = 1;
    auto taken = [&](const std::string& id) {
        return std::any_of(relationships_.begin(), relationships_.end(), [&](const Relationship& r) { return r.id == id; });
    };
    while (taken("rId" + std::to_string(n))) ++n;
    std::string id = "rId" + std::to_string(n);
    std::string_view rootName = root.name();
    std::string prefix(rootName.substr(0, rootName.size() - LocalName(rootName).size()));
    pugi::xml_node rel = root.append_child((prefix + "Relationship").c_str());
    rel.append_attribute("Id") = id.c_str();
    rel.append_attribute("Type") = (kRelationshipType + type).c_str();
    rel.append_attribute("Target") = target.c_str();
    package_->MarkChanged(relsPart);
    relationships_.push_back({id, kRelationshipType + type, Package::ResolveTarget(Slashed(workbookPart_), target)});
}

void WorkbookDocument::AddContentType(const std::string& part, const std::string& contentType) {
    std::string types = FindPart(kContentTypesPart);
    if (types.empty()) return;
    pugi::xml_node root = package_->Xml(types).document_element();
    pugi::xml_node node = root.append_child("Override");
    node.append_attribute("PartName") = ("/" + part).c_str();
    node.append_attribute("ContentType") = contentType.c_str();
    package_->MarkChanged(types);
}

void WorkbookDocument::EnsureStyles() {
    if (styles_->HasPart()) return;
    std::string folder = Slashed(workbookPart_).substr(0, Slashed(workbookPart_).rfind('/') + 1);
    std::string part = folder + "styles.xml";
    if (package_->HasPart(part)) part = folder + "styles1.xml";
    package_->SetRawPart(part, Styles::MinimalPartXml());
    AddRelationship("styles", part.substr(folder.size()));
    AddContentType(part, "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml");
    styles_ = std::make_unique<Styles>(*package_, part);
    context_.styles = styles_.get();
}

void WorkbookDocument::SaveAs(const fs::path& file) { package_->SaveAs(file); }

}  // namespace dorvane::embedded::excel
