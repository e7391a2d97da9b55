#include "automation/embedded/word/Xml.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "automation/embedded/package/Package.h"

namespace dorvane::embedded::word {

Names::Names(pugi::xml_node root) : root_(root) {
    for (pugi::xml_attribute a = root.first_attribute(); a; a = a.next_attribute()) {
        std::string_view name = a.name();
        if (name == "xmlns")
            prefixes_.emplace(a.value(), "");
        else if (name.substr(0, 6) == "xmlns:")
            prefixes_.emplace(a.value(), std::string(name.substr(6)));
    }
    if (auto it = prefixes_.find(kWordMain); it != prefixes_.end()) {
        wordPrefix_ = it->second;
    } else if (auto strict = prefixes_.find(kWordStrict); strict != prefixes_.end()) {
        wordPrefix_ = strict->second;
        strict_ = true;
    } else {
        // No declaration on the root: take the root's own prefix.
        std::string_view rootName = root.name();
        auto colon = rootName.find(':');
        wordPrefix_ = colon == std::string_view::npos ? std::string() : std::string(rootName.substr(0, colon));
    }
}

const char* Names::Qualify(const std::string& prefix, const char* local, Cache& cache) const {
    auto& slot = cache.slots[(reinterpret_cast<std::uintptr_t>(local) >> 2) % Cache::kSlots];
    if (slot.first == local) return slot.second;
    auto it = cache.names.find(local);
    if (it == cache.names.end())
        it = cache.names.emplace(local, prefix.empty() ? std::string(local) : prefix + ":" + local).first;
    slot = {local, it->second.c_str()};
    return slot.second;
}

std::string_view Names::WordLocal(pugi::xml_node node) const {
    const char* name = node.name();
    const std::size_t prefixLength = wordPrefix_.size();
    if (prefixLength != 0) {
        if (std::strncmp(name, wordPrefix_.c_str(), prefixLength) != 0 || name[prefixLength] != ':') return {};
        name += prefixLength + 1;
    } else if (std::strchr(name, ':')) {
        return {};
    }
    return name;
}

std::string Names::Other(const char* uri, std::string_view local) const {
    auto it = prefixes_.find(uri);
    if (it == prefixes_.end()) return {};
    return it->second.empty() ? std::string(local) : it->second + ":" + std::string(local);
}

bool Names::Is(pugi::xml_node node, const char* local) const {
    // Compares prefix, colon and local name in place: no lookup.
    const char* name = node.name();
    const std::size_t prefixLength = wordPrefix_.size();
    if (prefixLength != 0) {
        if (std::strncmp(name, wordPrefix_.c_str(), prefixLength) != 0 || name[prefixLength] != ':') return false;
        name += prefixLength + 1;
    }
    return std::strcmp(name, local) == 0;
}

pugi::xml_attribute Names::Attr(pugi::xml_node node, const char* local) const {
    pugi::xml_attribute a = node.attribute(W(local));
    if (!a && !wordPrefix_.empty()) a = node.attribute(local);
    return a;
}

pugi::xml_attribute Names::EnsureAttr(pugi::xml_node node, const char* local) const {
    // Attributes never take a default namespace: with a default-namespace
    // part the attribute goes unprefixed, as such writers write them.
    pugi::xml_attribute a = node.attribute(W(local));
    return a ? a : NewAttr(node, local);
}

pugi::xml_node Names::Scratch() const {
    Prototypes& p = *prototypes_;
    if (!p.scratch) {
        pugi::xml_node document = root_.root();
        if (!document) return {};
        p.scratch = document.append_child(embedded::kScratchElement);
    }
    return p.scratch;
}

pugi::xml_node Names::NewChild(pugi::xml_node parent, const char* local, pugi::xml_node before) const {
    Prototypes& p = *prototypes_;
    auto it = p.elements.find(local);
    if (it == p.elements.end()) {
        pugi::xml_node proto;
        if (pugi::xml_node scratch = Scratch()) {
            std::string fragment = std::string("<") + W(local) + "/>";
            if (scratch.append_buffer(fragment.data(), fragment.size())) proto = scratch.last_child();
        }
        it = p.elements.emplace(local, proto).first;
    }
    // Copies share the prototype's name when they land in its tree; in
    // another tree (or without a prototype) the name is copied.
    if (!it->second) return before ? parent.insert_child_before(W(local), before) : parent.append_child(W(local));
    return before ? parent.insert_copy_before(it->second, before) : parent.append_copy(it->second);
}

pugi::xml_attribute Names::Prototype(const std::string& fragment) const {
    pugi::xml_node scratch = Scratch();
    if (!scratch || !scratch.append_buffer(fragment.data(), fragment.size())) return {};
    return scratch.last_child().first_attribute();
}

pugi::xml_attribute Names::NewAttr(pugi::xml_node node, const char* local) const {
    Prototypes& p = *prototypes_;
    auto it = p.attributes.find(local);
    if (it == p.attributes.end())
        it = p.attributes.emplace(local, Prototype(std::string("<a ") + W(local) + "=\"\"/>")).first;
    if (!it->second) return node.append_attribute(W(local));
    return node.append_copy(it->second);
}

namespace {

// Values worth a prototype of their own: short, and not too many kinds.
constexpr std::size_t kLongestSharedValue = 32;
constexpr std::size_t kMostSharedValues = 4096;

std::string EscapedAttributeValue(std::string_view value) {
    std::string out;
    for (char c : value) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace

pugi::xml_attribute Names::SetAttr(pugi::xml_node node, const char* local, std::string_view value) const {
    if (pugi::xml_attribute existing = node.attribute(W(local))) {
        if (value != existing.value()) existing.set_value(value.data(), value.size());
        return existing;
    }
    Prototypes& p = *prototypes_;
    // The parser would turn line breaks and tabs of a value into spaces.
    const bool shareable =
        value.size() <= kLongestSharedValue && value.find_first_of(std::string_view("\0\t\n\r", 4)) == std::string_view::npos;
    if (shareable) {
        std::string key(reinterpret_cast<const char*>(&local), sizeof local);
        key += value;
        auto it = p.valued.find(key);
        if (it == p.valued.end() && p.valued.size() < kMostSharedValues) {
            std::string fragment = std::string("<a ") + W(local) + "=\"" + EscapedAttributeValue(value) + "\"/>";
            it = p.valued.emplace(std::move(key), Prototype(fragment)).first;
        }
        if (it != p.valued.end() && it->second) return node.append_copy(it->second);
    }
    pugi::xml_attribute created = NewAttr(node, local);
    created.set_value(value.data(), value.size());
    return created;
}

std::string_view LocalName(pugi::xml_node node) {
    std::string_view name = node.name();
    auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

ChildOrder::ChildOrder(std::initializer_list<const char*> names) {
    int i = 0;
    for (const char* name : names) {
        if (name[0] == '*') any_ = i;
        index_.emplace(name, i);  // a name listed twice keeps its first place
        ++i;
    }
}

int ChildOrder::IndexOf(std::string_view local) const {
    auto it = index_.find(local);
    return it != index_.end() ? it->second : any_;
}

pugi::xml_node EnsureChild(const Names& names, pugi::xml_node parent, const char* local, const ChildOrder& order) {
    const char* qualified = names.W(local);
    if (pugi::xml_node existing = parent.child(qualified)) return existing;
    int mine = order.IndexOf(local);
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        int theirs = order.IndexOf(LocalName(child));
        if (theirs > mine && mine >= 0) return names.NewChild(parent, local, child);
    }
    return names.NewChild(parent, local);
}

bool RemoveChildren(const Names& names, pugi::xml_node parent, const char* local) {
    bool removed = false;
    const char* qualified = names.W(local);
    while (pugi::xml_node child = parent.child(qualified)) {
        parent.remove_child(child);
        removed = true;
    }
    return removed;
}

std::optional<long> ParseMeasure(const char* text, bool twips) {
    if (!text || !*text) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(text, &end);
    if (end == text) return std::nullopt;
    std::string_view unit(end);
    double factor = 1.0;
    if (unit.empty()) {
        factor = 1.0;
    } else if (unit == "%") {
        factor = 50.0;
    } else if (twips && unit == "pt") {
        factor = 20.0;
    } else if (twips && unit == "in") {
        factor = 1440.0;
    } else if (twips && unit == "cm") {
        factor = 1440.0 / 2.54;
    } else if (twips && unit == "mm") {
        factor = 144.0 / 2.54;
    } else if (twips && (unit == "pc" || unit == "pi")) {
        factor = 240.0;
    } else {
        return std::nullopt;
    }
    return static_cast<long>(std::lround(value * factor));
}

std::optional<long> IntAttr(const Names& names, pugi::xml_node node, const char* local) {
    if (!node) return std::nullopt;
    pugi::xml_attribute a = names.Attr(node, local);
    if (!a) return std::nullopt;
    return ParseMeasure(a.value());
}

void SetIntAttr(const Names& names, pugi::xml_node node, const char* local, long value) {
    names.SetAttr(node, local, std::to_string(value));
}

bool OnOffText(std::string_view text) {
    return !(text == "0" || text == "false" || text == "off" || text == "none");
}

std::optional<bool> OnOff(const Names& names, pugi::xml_node element) {
    if (!element) return std::nullopt;
    pugi::xml_attribute val = names.Attr(element, "val");
    if (!val) return true;
    return OnOffText(val.value());
}

}  // namespace dorvane::embedded::word
