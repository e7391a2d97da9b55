#pragma once

// Matching WordprocessingML elements by namespace URI and local name, never
// by prefix: files from other writers bind other prefixes (or a default
// namespace) to the same URI. New elements get the prefix that is in scope
// where they are inserted.

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include <pugixml.hpp>

namespace dorvane::wordtext {

inline constexpr std::string_view kWordNamespace =
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr std::string_view kMarkupCompatibilityNamespace =
    "http://schemas.openxmlformats.org/markup-compatibility/2006";

// While alive, the prefixes in scope at `anchor` are resolved once and
// remembered: building a paragraph's text asks for the same prefix for
// every element it passes, and the walk to the root and the root's many
// declarations would be read each time. Only for the time of an operation
// that changes no declaration between the anchor and the root. Nests: a
// walk down the tree may open one per level, each resolving through the
// one around it.
class NamespaceScope {
public:
    explicit NamespaceScope(pugi::xml_node anchor);
    ~NamespaceScope();
    NamespaceScope(const NamespaceScope&) = delete;
    NamespaceScope& operator=(const NamespaceScope&) = delete;

    // The innermost scope anchored at `node`, or none.
    static NamespaceScope* At(pugi::xml_node node);
    // The URI bound to `prefix` at the anchor ("" when unbound).
    std::string_view Resolve(std::string_view prefix);
    // Whether `node` is a WordprocessingML element, for a node below the
    // anchor with no namespace declaration between them (its own are
    // seen): a walk down the tree asks this of every element it passes.
    bool IsWordBelow(pugi::xml_node node);

private:
    static constexpr int kRemembered = 4;  // a document uses few prefixes

    pugi::xml_node anchor_;
    std::array<std::pair<std::string, std::string_view>, kRemembered> known_;  // prefix, URI
    int knownCount_ = 0;
    NamespaceScope* outer_;
};

// Whether `node` declares a namespace itself (an xmlns attribute).
bool DeclaresNamespace(pugi::xml_node node);

// The part of a qualified name after the colon.
std::string_view LocalName(std::string_view qualifiedName);
std::string_view LocalName(pugi::xml_node node);

// The namespace URI bound to the prefix of `node`'s name ("" when none).
std::string NamespaceOf(pugi::xml_node node);

// Whether `node` is the WordprocessingML element `localName`.
bool IsWord(pugi::xml_node node, std::string_view localName);
// Whether `node` is any WordprocessingML element.
bool IsWordElement(pugi::xml_node node);

// First child / next sibling that is the WordprocessingML element `localName`.
pugi::xml_node WordChild(pugi::xml_node parent, std::string_view localName);
pugi::xml_node NextWordSibling(pugi::xml_node node, std::string_view localName);

// The attribute `localName` of `node` in the WordprocessingML namespace
// (w:val, w:instr...); an unprefixed attribute of that name as a fallback.
pugi::xml_attribute WordAttribute(pugi::xml_node node, std::string_view localName);

// The qualified name for a new WordprocessingML element placed under
// `context` ("w:r", or "r" where the namespace is the default one).
std::string WordName(pugi::xml_node context, std::string_view localName);
// The same for an attribute (attributes never use the default namespace).
std::string WordAttributeName(pugi::xml_node context, std::string_view localName);

}  // namespace dorvane::wordtext
