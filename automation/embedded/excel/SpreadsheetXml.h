#pragma once

// Small helpers over SpreadsheetML parts: the namespaces of transitional and
// strict files, element names with the prefix a part uses, the text of
// string items, and number formatting for <v> elements.

#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace dorvane::embedded::excel {

inline constexpr const char* kMainNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr const char* kStrictMainNamespace = "http://purl.oclc.org/ooxml/spreadsheetml/main";
inline constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* kStrictRelationshipsNamespace =
    "http://purl.oclc.org/ooxml/officeDocument/relationships";
inline constexpr const char* kPackageRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";

// Element names of one part: the part's prefix for the SpreadsheetML main
// namespace ("" when it is the default namespace, "x:" otherwise), so that
// elements are matched by namespace, not by whatever prefix a writer chose.
class Names {
public:
    Names() = default;
    explicit Names(std::string prefix) : prefix_(std::move(prefix)) {}
    // The names used by the part whose root element is `root`.
    static Names OfPart(pugi::xml_node root);

    std::string operator()(std::string_view local) const { return prefix_ + std::string(local); }
    bool Is(pugi::xml_node node, std::string_view local) const;
    pugi::xml_node Child(pugi::xml_node parent, std::string_view local) const;
    const std::string& Prefix() const { return prefix_; }

private:
    std::string prefix_;
};

// The prefix (with colon, or "") that `element` sees bound to one of the
// namespaces, or nothing.
std::optional<std::string> PrefixFor(pugi::xml_node element, std::string_view uri,
                                     std::string_view alternativeUri = {});
// "x:sheet" -> "sheet".
std::string_view LocalName(std::string_view qualified);

// The text of a shared string item or inline string (<si>/<is>): its <t>
// and the <t> of its runs, phonetic runs left out, _xHHHH_ escapes decoded.
std::string StringItemText(pugi::xml_node item, const Names& names);
// Writes `text` as the only content of a string item: one <t>, with
// xml:space="preserve" when blanks at either end must survive.
void SetStringItemText(pugi::xml_node item, const Names& names, const std::string& text);

// A double as the shortest text that reads back as the same number.
std::string NumberText(double value);
// Reads a <v> number; nothing when it is not one.
std::optional<double> ParseNumberText(std::string_view text);

// An attribute that is "1" or "true".
bool IsTrue(pugi::xml_attribute attribute);

}  // namespace dorvane::embedded::excel
