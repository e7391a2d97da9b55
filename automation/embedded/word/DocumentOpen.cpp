// Opening a .docx: the package, its main document part and the checks that
// refuse what is no Word document.

#include <system_error>

#include "automation/AutomationError.h"
#include "automation/embedded/word/ApplicationState.h"
#include "automation/embedded/word/Relationships.h"
#include "automation/embedded/word/Xml.h"

namespace dorvane::embedded::word {

namespace {

constexpr const char* kMember = "Documents.Open";

// The main document part: the package relationship of type
// officeDocument, else the customary word/document.xml.
std::string MainPartOf(Package& package, const std::string& file) {
    auto rel = FindRelationship(ReadRelationships(package, ""), kRelOfficeDocument);
    if (rel && !rel->part.empty() && package.HasPart(rel->part)) return rel->part;
    if (package.HasPart("word/document.xml")) return "word/document.xml";
    throw AutomationError(kMember, file + ": the package holds no Word document (no main document part)");
}

void CheckMainPart(Package& package, const std::string& mainPart, const std::string& file) {
    pugi::xml_node root = package.Xml(mainPart).document_element();
    Names names(root);
    bool word = names.Declares(kWordMain) || names.Declares(kWordStrict);
    if (!root || !word || !names.Is(root, "document"))
        throw AutomationError(kMember, file + ": part " + mainPart + " is not a Word document (its root is <" +
                                           std::string(root ? root.name() : "") + ">)");
    if (!names.Child(root, "body"))
        throw AutomationError(kMember, file + ": part " + mainPart + " has no document body");
}

}  // namespace

std::shared_ptr<DocumentData> OpenDocumentData(const std::filesystem::path& file,
                                               std::weak_ptr<ApplicationState> application) {
    const std::string name = file.string();
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) throw AutomationError(kMember, name + ": the file does not exist");
    if (!std::filesystem::is_regular_file(file, ec)) throw AutomationError(kMember, name + ": is not a file");
    std::unique_ptr<Package> package = Package::Open(file, kMember);
    std::string mainPart = MainPartOf(*package, name);
    CheckMainPart(*package, mainPart, name);
    return std::make_shared<DocumentData>(std::move(package), mainPart, file, std::move(application));
}

}  // namespace dorvane::embedded::word
