#pragma once

// The styles part and the theme's fonts, for reading effective properties:
// a property not set on a paragraph, run or table comes from its style, the
// styles that style is based on, the default style and the document
// defaults, in that order.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "automation/embedded/package/Package.h"
#include "automation/embedded/word/Xml.h"

namespace dorvane::embedded::word {

// A property container (w:pPr, w:rPr, w:tblPr...) with the names of the
// part it comes from.
struct PropertySource {
    const Names* names = nullptr;
    pugi::xml_node node;
};

class Styles {
public:
    // `stylesPart` and `themePart` may be empty (no such part).
    Styles(Package& package, const std::string& stylesPart, const std::string& themePart, std::string themeEastAsiaLang);

    // The chain of a style id of the given type ("paragraph", "character",
    // "table"): the style, its bases, then the type's default style.
    std::vector<pugi::xml_node> Chain(std::string_view styleId, const char* type) const;
    const Names& StyleNames() const { return names_; }

    // Paragraph property sources below the paragraph's own w:pPr.
    void ParagraphSources(std::string_view paragraphStyle, std::vector<PropertySource>& out) const;
    // The same, cached by style id.
    const std::vector<PropertySource>& ParagraphChain(std::string_view paragraphStyle) const;
    // Run property sources below a run's own w:rPr, cached by the pair of
    // style ids.
    const std::vector<PropertySource>& RunChain(std::string_view characterStyle, std::string_view paragraphStyle) const;
    // Run property sources below the run's own w:rPr: character style,
    // paragraph style, document defaults.
    void RunSources(std::string_view characterStyle, std::string_view paragraphStyle,
                    std::vector<PropertySource>& out) const;
    // w:tblPr sources of a table style chain.
    void TableSources(std::string_view tableStyle, std::vector<PropertySource>& out) const;

    // The typeface a theme font reference names ("minorHAnsi",
    // "majorEastAsia"...), "" when unknown.
    std::string ThemeFont(std::string_view reference) const;

private:
    pugi::xml_node Find(std::string_view id) const;
    void AppendChain(std::string_view id, const char* type, const char* child, std::vector<PropertySource>& out) const;

    Names names_;
    pugi::xml_node docDefaults_;
    std::unordered_map<std::string, pugi::xml_node> byId_;
    std::unordered_map<std::string, std::string> defaultByType_;
    std::unordered_map<std::string, std::string> themeFonts_;
    // Looked up by views of the style names (no key built per call).
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    using ChainMap = std::unordered_map<std::string, std::vector<PropertySource>, NameHash, std::equal_to<>>;
    mutable ChainMap paragraphChains_;
    mutable std::unordered_map<std::string, ChainMap, NameHash, std::equal_to<>> runChains_;  // by paragraph style
};

}  // namespace dorvane::embedded::word
