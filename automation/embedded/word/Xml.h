#pragma once

// XML helpers of the embedded Word: qualified names found by namespace URI,
// schema child order, attribute values and units.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

namespace dorvane::embedded::word {

inline constexpr const char* kWordMain = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char* kWordStrict = "http://purl.oclc.org/ooxml/wordprocessingml/main";
inline constexpr const char* kRelationshipsNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* kRelationshipsStrictNs = "http://purl.oclc.org/ooxml/officeDocument/relationships";
inline constexpr const char* kWpNs = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
inline constexpr const char* kDrawingMainNs = "http://schemas.openxmlformats.org/drawingml/2006/main";
inline constexpr const char* kOfficeNs = "urn:schemas-microsoft-com:office:office";
inline constexpr const char* kVmlNs = "urn:schemas-microsoft-com:vml";
inline constexpr const char* kMarkupCompatibilityNs = "http://schemas.openxmlformats.org/markup-compatibility/2006";

// The qualified names of one XML part. The prefix bound to each namespace
// URI is read from the declarations of the part's root element (files from
// other writers bind other prefixes, or a default namespace, to the same
// URI); names are built once and cached. Local names passed in must be
// string literals (the cache is keyed by their address).
class Names {
public:
    Names() = default;
    // Reads the declarations of `root`; `wordUri` is the WordprocessingML
    // namespace in use (transitional or strict).
    explicit Names(pugi::xml_node root);

    bool Strict() const { return strict_; }
    // "w:tbl" for "tbl" (or "tbl" when the namespace is the default one).
    const char* W(const char* local) const { return Qualify(wordPrefix_, local, *wordCache_); }
    // A name in another namespace (by URI); empty string when the part does
    // not declare that namespace.
    std::string Other(const char* uri, std::string_view local) const;
    bool Declares(const char* uri) const { return prefixes_.count(uri) != 0; }

    bool Is(pugi::xml_node node, const char* local) const;
    // The local name of a WordprocessingML element ("tbl" for w:tbl), or
    // an empty view for a node of another namespace or no element.
    std::string_view WordLocal(pugi::xml_node node) const;
    pugi::xml_node Child(pugi::xml_node parent, const char* local) const { return parent.child(W(local)); }
    pugi::xml_attribute Attr(pugi::xml_node node, const char* local) const;
    // A new child `local` of `parent` before `before` (at the end when
    // empty), and a new attribute: copies of prototypes kept in this
    // names' tree, so a tree that grows by hundreds of thousands of
    // elements shares their names instead of copying them each time.
    pugi::xml_node NewChild(pugi::xml_node parent, const char* local, pugi::xml_node before = {}) const;
    pugi::xml_attribute NewAttr(pugi::xml_node node, const char* local) const;
    // Sets the attribute `local` of `node` to `value`, creating it when
    // missing; short values repeated all over a document ("0", "center",
    // a font name) come from prototypes and are shared as well.
    pugi::xml_attribute SetAttr(pugi::xml_node node, const char* local, std::string_view value) const;
    // The attribute, created when missing.
    pugi::xml_attribute EnsureAttr(pugi::xml_node node, const char* local) const;
    void RemoveAttr(pugi::xml_node node, const char* local) const { node.remove_attribute(W(local)); }

private:
    // Qualified names by the address of their local name: a small table
    // indexed by that address in front of a map that owns the strings.
    // Shared by copies (they have the same prefix), so the table's
    // pointers into the map stay valid.
    struct Cache {
        static constexpr std::size_t kSlots = 1024;
        std::array<std::pair<const char*, const char*>, kSlots> slots{};
        std::unordered_map<const char*, std::string> names;
    };
    const char* Qualify(const std::string& prefix, const char* local, Cache& cache) const;
    // Prototype elements and attributes by the address of their local
    // name, parsed into a scratch element of the tree (never saved).
    struct Prototypes {
        pugi::xml_node scratch;
        std::unordered_map<const char*, pugi::xml_node> elements;
        std::unordered_map<const char*, pugi::xml_attribute> attributes;
        // By the address of the local name followed by the value.
        std::unordered_map<std::string, pugi::xml_attribute> valued;
    };
    pugi::xml_attribute Prototype(const std::string& fragment) const;
    pugi::xml_node Scratch() const;

    std::string wordPrefix_ = "w";
    bool strict_ = false;
    std::unordered_map<std::string, std::string> prefixes_;  // uri -> prefix ("" default)
    std::shared_ptr<Cache> wordCache_ = std::make_shared<Cache>();
    pugi::xml_node root_;
    std::shared_ptr<Prototypes> prototypes_ = std::make_shared<Prototypes>();
};

// The local name of an element (after the colon).
std::string_view LocalName(pugi::xml_node node);

// A schema's child order for one element type: local names in order; an
// entry "*" stands for every name not listed (content after properties).
class ChildOrder {
public:
    ChildOrder(std::initializer_list<const char*> names);
    // Position of `local`; a name not listed takes the place of the "*"
    // entry when there is one, else -1 (it stays where it is).
    int IndexOf(std::string_view local) const;

private:
    std::unordered_map<std::string_view, int> index_;
    int any_ = -1;
};

// The child `local` of `parent`, created at its place in `order` when
// missing (before the first existing child that comes later in the order;
// unknown children stay where they are).
pugi::xml_node EnsureChild(const Names& names, pugi::xml_node parent, const char* local, const ChildOrder& order);
// Removes every child `local` of `parent`; returns whether one was there.
bool RemoveChildren(const Names& names, pugi::xml_node parent, const char* local);

// Integer value of an attribute: digits with optional sign; a unit suffix
// ("pt", "in", "cm", "mm", "pc", "pi") converts to twips when `twips`; a
// percent ("50%") gives fiftieths of a percent when `percent`.
std::optional<long> ParseMeasure(const char* text, bool twips = true);
std::optional<long> IntAttr(const Names& names, pugi::xml_node node, const char* local);
void SetIntAttr(const Names& names, pugi::xml_node node, const char* local, long value);

// An on/off property element (w:b, w:wordWrap...): absent -> nullopt;
// present without w:val or with a true value -> true.
std::optional<bool> OnOff(const Names& names, pugi::xml_node element);
bool OnOffText(std::string_view text);

// Units.
inline long PointsToTwips(double points) { return static_cast<long>(points * 20.0 + (points >= 0 ? 0.5 : -0.5)); }
inline double TwipsToPoints(long twips) { return static_cast<double>(twips) / 20.0; }
inline long PointsToHalfPoints(double points) {
    return static_cast<long>(points * 2.0 + (points >= 0 ? 0.5 : -0.5));
}
inline long ToHundredths(double units) { return static_cast<long>(units * 100.0 + (units >= 0 ? 0.5 : -0.5)); }

}  // namespace dorvane::embedded::word
