#include "automation/embedded/wordtext/WmlNames.h"

#include <cstring>

namespace dorvane::wordtext {

namespace {

std::string_view PrefixOf(std::string_view qualified) {
    const auto colon = qualified.find(':');
    return colon == std::string_view::npos ? std::string_view{} : qualified.substr(0, colon);
}

thread_local NamespaceScope* innermost = nullptr;

bool IsDeclaration(const char* name) {
    return name[0] == 'x' && name[1] == 'm' && name[2] == 'l' && name[3] == 'n' && name[4] == 's' &&
           (name[5] == '\0' || name[5] == ':');
}

// The URI bound to `prefix` in scope at `node` ("" when unbound).
std::string_view ResolvePrefix(pugi::xml_node node, std::string_view prefix) {
    if (prefix == "xml") return "http://www.w3.org/XML/1998/namespace";
    for (pugi::xml_node n = node; n && n.type() == pugi::node_element; n = n.parent()) {
        if (innermost) {
            if (NamespaceScope* scope = NamespaceScope::At(n)) return scope->Resolve(prefix);
        }
        for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
            const char* name = a.name();
            // Most attributes are no declarations: reject them on the
            // first characters without a library call.
            if (name[0] != 'x' || name[1] != 'm' || name[2] != 'l' || name[3] != 'n' || name[4] != 's') continue;
            const std::string_view rest(name + 5);
            if (prefix.empty() ? rest.empty() : (rest.size() == prefix.size() + 1 && rest[0] == ':' &&
                                                 rest.substr(1) == prefix)) {
                return a.value();
            }
        }
    }
    return {};
}

// The prefix bound to `uri` in scope at `node`; `found` tells whether one is.
std::string PrefixFor(pugi::xml_node node, std::string_view uri, bool& found) {
    for (pugi::xml_node n = node; n && n.type() == pugi::node_element; n = n.parent()) {
        for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
            std::string_view name = a.name();
            if (uri != a.value()) continue;
            std::string prefix;
            if (name == "xmlns") {
                prefix = "";
            } else if (name.starts_with("xmlns:")) {
                prefix = std::string(name.substr(6));
            } else {
                continue;
            }
            // The binding must not be shadowed closer to `node`.
            if (ResolvePrefix(node, prefix) == uri) {
                found = true;
                return prefix;
            }
        }
    }
    found = false;
    return {};
}

}  // namespace

NamespaceScope::NamespaceScope(pugi::xml_node anchor) : anchor_(anchor), outer_(innermost) { innermost = this; }

NamespaceScope::~NamespaceScope() { innermost = outer_; }

NamespaceScope* NamespaceScope::At(pugi::xml_node node) {
    for (NamespaceScope* scope = innermost; scope; scope = scope->outer_)
        if (scope->anchor_ == node) return scope;
    return nullptr;
}

std::string_view NamespaceScope::Resolve(std::string_view prefix) {
    for (int i = 0; i < knownCount_; ++i)
        if (known_[i].first == prefix) return known_[i].second;
    // Resolved once, through the scopes around this one only.
    NamespaceScope* self = innermost;
    innermost = outer_;
    std::string_view uri = ResolvePrefix(anchor_, prefix);
    innermost = self;
    if (knownCount_ < kRemembered) known_[knownCount_++] = {std::string(prefix), uri};
    return uri;
}

bool NamespaceScope::IsWordBelow(pugi::xml_node node) {
    if (node.type() != pugi::node_element) return false;
    if (DeclaresNamespace(node)) return IsWordElement(node);
    return Resolve(PrefixOf(node.name())) == kWordNamespace;
}

bool DeclaresNamespace(pugi::xml_node node) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
        if (IsDeclaration(a.name())) return true;
    return false;
}

std::string_view LocalName(std::string_view qualifiedName) {
    const auto colon = qualifiedName.find(':');
    return colon == std::string_view::npos ? qualifiedName : qualifiedName.substr(colon + 1);
}

std::string_view LocalName(pugi::xml_node node) { return LocalName(std::string_view(node.name())); }

std::string NamespaceOf(pugi::xml_node node) {
    if (node.type() != pugi::node_element) return {};
    return std::string(ResolvePrefix(node, PrefixOf(node.name())));
}

bool IsWord(pugi::xml_node node, std::string_view localName) {
    if (node.type() != pugi::node_element || LocalName(node) != localName) return false;
    return ResolvePrefix(node, PrefixOf(node.name())) == kWordNamespace;
}

bool IsWordElement(pugi::xml_node node) {
    if (node.type() != pugi::node_element) return false;
    return ResolvePrefix(node, PrefixOf(node.name())) == kWordNamespace;
}

pugi::xml_node WordChild(pugi::xml_node parent, std::string_view localName) {
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
        if (IsWord(c, localName)) return c;
    }
    return {};
}

pugi::xml_node NextWordSibling(pugi::xml_node node, std::string_view localName) {
    for (pugi::xml_node c = node.next_sibling(); c; c = c.next_sibling()) {
        if (IsWord(c, localName)) return c;
    }
    return {};
}

pugi::xml_attribute WordAttribute(pugi::xml_node node, std::string_view localName) {
    pugi::xml_attribute unprefixed;
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        std::string_view name = a.name();
        if (LocalName(name) != localName) continue;
        const std::string_view prefix = PrefixOf(name);
        if (prefix.empty()) {
            unprefixed = a;
        } else if (prefix != "xmlns" && ResolvePrefix(node, prefix) == kWordNamespace) {
            return a;
        }
    }
    return unprefixed;
}

std::string WordName(pugi::xml_node context, std::string_view localName) {
    bool found = false;
    const std::string prefix = PrefixFor(context, kWordNamespace, found);
    if (!found) return "w:" + std::string(localName);
    return prefix.empty() ? std::string(localName) : prefix + ":" + std::string(localName);
}

std::string WordAttributeName(pugi::xml_node context, std::string_view localName) {
    // Attributes in no namespace would not be Word's: look for a prefixed
    // binding only.
    for (pugi::xml_node n = context; n && n.type() == pugi::node_element; n = n.parent()) {
        for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
            std::string_view name = a.name();
            if (name.starts_with("xmlns:") && kWordNamespace == a.value()) {
                const std::string prefix(name.substr(6));
                if (ResolvePrefix(context, prefix) == kWordNamespace) return prefix + ":" + std::string(localName);
            }
        }
    }
    return "w:" + std::string(localName);
}

}  // namespace dorvane::wordtext
