#include "automation/embedded/word/Relationships.h"

#include <map>
#include <set>

#include "automation/embedded/word/Xml.h"

namespace dorvane::embedded::word {

namespace {

constexpr const char* kRelationshipsPackageNs = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kContentTypesNs = "http://schemas.openxmlformats.org/package/2006/content-types";
constexpr const char* kContentTypesPart = "[Content_Types].xml";

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string QualifiedLike(pugi::xml_node root, const char* local) {
    std::string_view rootName = root.name();
    auto colon = rootName.find(':');
    return colon == std::string_view::npos ? std::string(local)
                                           : std::string(rootName.substr(0, colon + 1)) + local;
}

}  // namespace

std::vector<Relationship> ReadRelationships(Package& package, const std::string& sourcePart) {
    std::vector<Relationship> rels;
    std::string relsPart = sourcePart.empty() ? "_rels/.rels" : Package::RelsPartName(sourcePart);
    if (!package.HasPart(relsPart)) return rels;
    pugi::xml_node root;
    try {
        root = package.Xml(relsPart).document_element();
    } catch (const std::exception&) {
        return rels;
    }
    for (pugi::xml_node rel = root.first_child(); rel; rel = rel.next_sibling()) {
        if (LocalName(rel) != "Relationship") continue;
        Relationship r;
        r.id = rel.attribute("Id").value();
        r.type = rel.attribute("Type").value();
        r.target = rel.attribute("Target").value();
        if (std::string_view(rel.attribute("TargetMode").value()) != "External")
            r.part = Package::ResolveTarget(sourcePart, r.target);
        rels.push_back(std::move(r));
    }
    return rels;
}

std::optional<Relationship> FindRelationship(const std::vector<Relationship>& rels, const std::string& typeSuffix) {
    for (const auto& rel : rels)
        if (EndsWith(rel.type, typeSuffix)) return rel;
    return std::nullopt;
}

std::optional<Relationship> FindRelationshipById(const std::vector<Relationship>& rels, const std::string& id) {
    for (const auto& rel : rels)
        if (rel.id == id) return rel;
    return std::nullopt;
}

std::string AddRelationship(Package& package, const std::string& sourcePart, const std::string& type,
                            const std::string& target) {
    std::string relsPart = sourcePart.empty() ? "_rels/.rels" : Package::RelsPartName(sourcePart);
    if (!package.HasPart(relsPart))
        package.SetRawPart(relsPart, std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
                                                 "<Relationships xmlns=\"") +
                                         kRelationshipsPackageNs + "\"></Relationships>");
    pugi::xml_node root = package.Xml(relsPart).document_element();
    std::set<std::string> ids;
    for (pugi::xml_node rel = root.first_child(); rel; rel = rel.next_sibling()) ids.insert(rel.attribute("Id").value());
    std::string id;
    for (int i = 1; id.empty() || ids.count(id); ++i) id = "rId" + std::to_string(i + static_cast<int>(ids.size()));
    pugi::xml_node rel = root.append_child(QualifiedLike(root, "Relationship").c_str());
    rel.append_attribute("Id").set_value(id.c_str());
    rel.append_attribute("Type").set_value(type.c_str());
    rel.append_attribute("Target").set_value(target.c_str());
    package.MarkChanged(relsPart);
    return id;
}

void AddContentTypeOverride(Package& package, const std::string& part, const std::string& contentType) {
    if (!ContentTypesUsable(package)) return;
    pugi::xml_node root = package.Xml(kContentTypesPart).document_element();
    std::string name = "/" + part;
    for (pugi::xml_node o = root.first_child(); o; o = o.next_sibling())
        if (LocalName(o) == "Override" && name == o.attribute("PartName").value()) return;
    pugi::xml_node o = root.append_child(QualifiedLike(root, "Override").c_str());
    o.append_attribute("PartName").set_value(name.c_str());
    o.append_attribute("ContentType").set_value(contentType.c_str());
    package.MarkChanged(kContentTypesPart);
}

bool ContentTypesUsable(Package& package) {
    if (!package.HasPart(kContentTypesPart)) return false;
    try {
        pugi::xml_node root = package.Xml(kContentTypesPart).document_element();
        return root && LocalName(root) == "Types" && root.first_child();
    } catch (const std::exception&) {
        return false;
    }
}

namespace {

const std::map<std::string, std::string>& DefaultTypes() {
    static const std::map<std::string, std::string> types = {
        {"rels", "application/vnd.openxmlformats-package.relationships+xml"},
        {"xml", "application/xml"},
        {"png", "image/png"},
        {"jpeg", "image/jpeg"},
        {"jpg", "image/jpeg"},
        {"gif", "image/gif"},
        {"bmp", "image/bmp"},
        {"tif", "image/tiff"},
        {"tiff", "image/tiff"},
        {"emf", "image/x-emf"},
        {"wmf", "image/x-wmf"},
        {"svg", "image/svg+xml"},
        {"bin", "application/vnd.openxmlformats-officedocument.oleObject"},
        {"xlsx", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"},
        {"xls", "application/vnd.ms-excel"},
        {"docx", "application/vnd.openxmlformats-officedocument.wordprocessingml.document"},
        {"doc", "application/msword"},
        {"odttf", "application/vnd.openxmlformats-officedocument.obfuscatedFont"},
    };
    return types;
}

// Content types of XML parts by the suffix of the relationship type that
// reaches them.
std::string OverrideTypeFor(const std::string& relType, bool isMain) {
    static const std::map<std::string, std::string> wml = {
        {"/styles", "wordprocessingml.styles+xml"},
        {"/settings", "wordprocessingml.settings+xml"},
        {"/webSettings", "wordprocessingml.webSettings+xml"},
        {"/fontTable", "wordprocessingml.fontTable+xml"},
        {"/numbering", "wordprocessingml.numbering+xml"},
        {"/footnotes", "wordprocessingml.footnotes+xml"},
        {"/endnotes", "wordprocessingml.endnotes+xml"},
        {"/header", "wordprocessingml.header+xml"},
        {"/footer", "wordprocessingml.footer+xml"},
        {"/comments", "wordprocessingml.comments+xml"},
        {"/glossaryDocument", "wordprocessingml.document.glossary+xml"},
        {"/theme", "theme+xml"},
        {"/extended-properties", "extended-properties+xml"},
        {"/custom-properties", "custom-properties+xml"},
    };
    const std::string office = "application/vnd.openxmlformats-officedocument.";
    if (isMain) return office + "wordprocessingml.document.main+xml";
    for (const auto& [suffix, type] : wml)
        if (EndsWith(relType, suffix)) return office + type;
    if (EndsWith(relType, "/core-properties")) return "application/vnd.openxmlformats-package.core-properties+xml";
    if (EndsWith(relType, "/stylesWithEffects")) return "application/vnd.ms-word.stylesWithEffects+xml";
    return {};
}

}  // namespace

void RebuildContentTypes(Package& package, const std::string& mainPart) {
    std::map<std::string, std::string> overrides;
    std::set<std::string> extensions;
    std::vector<std::string> parts = package.PartNames();
    for (const auto& part : parts) {
        if (part == kContentTypesPart) continue;
        auto dot = part.rfind('.');
        if (dot != std::string::npos) extensions.insert(part.substr(dot + 1));
        if (!EndsWith(part, ".rels")) continue;
        // The source of "a/_rels/b.xml.rels" is "a/b.xml".
        std::string source = part == "_rels/.rels" ? std::string() : part.substr(0, part.size() - 5);
        if (auto pos = source.rfind("_rels/"); pos != std::string::npos) source.erase(pos, 6);
        for (const auto& rel : ReadRelationships(package, source)) {
            if (rel.part.empty() || !package.HasPart(rel.part)) continue;
            std::string type = OverrideTypeFor(rel.type, rel.part == mainPart);
            if (!type.empty()) overrides.emplace(rel.part, type);
        }
    }
    overrides.emplace(mainPart, OverrideTypeFor({}, true));
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<Types xmlns=\"";
    xml += kContentTypesNs;
    xml += "\">";
    for (const auto& ext : extensions) {
        auto it = DefaultTypes().find(ext);
        if (it != DefaultTypes().end())
            xml += "<Default Extension=\"" + ext + "\" ContentType=\"" + it->second + "\"/>";
    }
    for (const auto& [part, type] : overrides)
        xml += "<Override PartName=\"/" + part + "\" ContentType=\"" + type + "\"/>";
    xml += "</Types>";
    package.SetRawPart(kContentTypesPart, xml);
}

}  // namespace dorvane::embedded::word
