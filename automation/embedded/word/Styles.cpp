#include "automation/embedded/word/Styles.h"

#include <unordered_set>

namespace dorvane::embedded::word {

namespace {

// The script of the theme's East Asian fonts for a language tag.
std::string ScriptOf(const std::string& lang) {
    if (lang.rfind("zh-TW", 0) == 0 || lang.rfind("zh-HK", 0) == 0 || lang.rfind("zh-MO", 0) == 0) return "Hant";
    if (lang.rfind("zh", 0) == 0) return "Hans";
    if (lang.rfind("ja", 0) == 0) return "Jpan";
    if (lang.rfind("ko", 0) == 0) return "Hang";
    return {};
}

void ReadThemeFonts(Package& package, const std::string& themePart, const std::string& eastAsiaLang,
                    std::unordered_map<std::string, std::string>& fonts) {
    if (themePart.empty() || !package.HasPart(themePart)) return;
    pugi::xml_node root;
    try {
        root = package.Xml(themePart).document_element();
    } catch (const std::exception&) {
        return;  // a damaged theme only loses theme font names
    }
    Names names(root);
    std::string script = ScriptOf(eastAsiaLang);
    for (pugi::xml_node scheme : root.select_nodes(".//*[local-name()='fontScheme']")
                                     .first()
                                     .node()
                                     .children()) {
        std::string_view which = LocalName(scheme);  // majorFont / minorFont
        std::string prefix = which == "majorFont" ? "major" : which == "minorFont" ? "minor" : "";
        if (prefix.empty()) continue;
        for (pugi::xml_node font : scheme.children()) {
            std::string_view kind = LocalName(font);
            std::string face = font.attribute("typeface").value();
            if (kind == "latin") {
                fonts[prefix + "HAnsi"] = face;
                fonts[prefix + "Ascii"] = face;
            } else if (kind == "ea") {
                if (!face.empty()) fonts[prefix + "EastAsia"] = face;
            } else if (kind == "cs") {
                fonts[prefix + "Bidi"] = face;
            } else if (kind == "font" && !script.empty() && script == font.attribute("script").value()) {
                fonts.emplace(prefix + "EastAsia", face);
            }
        }
    }
}

}  // namespace

Styles::Styles(Package& package, const std::string& stylesPart, const std::string& themePart,
               std::string themeEastAsiaLang) {
    ReadThemeFonts(package, themePart, themeEastAsiaLang, themeFonts_);
    if (stylesPart.empty() || !package.HasPart(stylesPart)) return;
    pugi::xml_node root;
    try {
        root = package.Xml(stylesPart).document_element();
    } catch (const std::exception&) {
        return;  // unreadable styles: direct formatting only
    }
    names_ = Names(root);
    docDefaults_ = names_.Child(root, "docDefaults");
    for (pugi::xml_node style = names_.Child(root, "style"); style; style = style.next_sibling(names_.W("style"))) {
        std::string id = names_.Attr(style, "styleId").value();
        byId_.emplace(id, style);
        if (auto isDefault = names_.Attr(style, "default"); isDefault && OnOffText(isDefault.value()))
            defaultByType_.emplace(names_.Attr(style, "type").value(), id);
    }
}

pugi::xml_node Styles::Find(std::string_view id) const {
    auto it = byId_.find(std::string(id));
    return it == byId_.end() ? pugi::xml_node() : it->second;
}

std::vector<pugi::xml_node> Styles::Chain(std::string_view styleId, const char* type) const {
    std::vector<pugi::xml_node> chain;
    std::unordered_set<pugi::xml_node_struct*> seen;
    pugi::xml_node style = Find(styleId);
    if (!style) {
        auto it = defaultByType_.find(type);
        if (it != defaultByType_.end()) style = Find(it->second);
    }
    while (style && seen.insert(style.internal_object()).second) {
        chain.push_back(style);
        pugi::xml_node basedOn = names_.Child(style, "basedOn");
        style = basedOn ? Find(names_.Attr(basedOn, "val").value()) : pugi::xml_node();
    }
    return chain;
}

void Styles::AppendChain(std::string_view id, const char* type, const char* child,
                         std::vector<PropertySource>& out) const {
    for (pugi::xml_node style : Chain(id, type))
        if (pugi::xml_node props = names_.Child(style, child)) out.push_back({&names_, props});
}

void Styles::ParagraphSources(std::string_view paragraphStyle, std::vector<PropertySource>& out) const {
    AppendChain(paragraphStyle, "paragraph", "pPr", out);
    if (pugi::xml_node d = names_.Child(names_.Child(docDefaults_, "pPrDefault"), "pPr")) out.push_back({&names_, d});
}

const std::vector<PropertySource>& Styles::ParagraphChain(std::string_view paragraphStyle) const {
    auto it = paragraphChains_.find(paragraphStyle);
    if (it == paragraphChains_.end()) {
        it = paragraphChains_.try_emplace(std::string(paragraphStyle)).first;
        ParagraphSources(paragraphStyle, it->second);
    }
    return it->second;
}

const std::vector<PropertySource>& Styles::RunChain(std::string_view characterStyle,
                                                    std::string_view paragraphStyle) const {
    auto byParagraph = runChains_.find(paragraphStyle);
    if (byParagraph == runChains_.end()) byParagraph = runChains_.try_emplace(std::string(paragraphStyle)).first;
    ChainMap& chains = byParagraph->second;
    auto it = chains.find(characterStyle);
    if (it == chains.end()) {
        it = chains.try_emplace(std::string(characterStyle)).first;
        RunSources(characterStyle, paragraphStyle, it->second);
    }
    return it->second;
}

void Styles::RunSources(std::string_view characterStyle, std::string_view paragraphStyle,
                        std::vector<PropertySource>& out) const {
    if (!characterStyle.empty()) AppendChain(characterStyle, "character", "rPr", out);
    AppendChain(paragraphStyle, "paragraph", "rPr", out);
    if (pugi::xml_node d = names_.Child(names_.Child(docDefaults_, "rPrDefault"), "rPr")) out.push_back({&names_, d});
}

void Styles::TableSources(std::string_view tableStyle, std::vector<PropertySource>& out) const {
    AppendChain(tableStyle, "table", "tblPr", out);
}

std::string Styles::ThemeFont(std::string_view reference) const {
    auto it = themeFonts_.find(std::string(reference));
    return it == themeFonts_.end() ? std::string() : it->second;
}

}  // namespace dorvane::embedded::word
