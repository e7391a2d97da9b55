#include "automation/embedded/wordtext/FieldMarkup.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

#include "automation/embedded/wordtext/RunContent.h"
#include "automation/embedded/wordtext/WmlNames.h"

namespace dorvane::wordtext {

namespace {

// The node after `node` in document order, entering its children when
// `descend`; never leaving the subtree of `root`.
pugi::xml_node NextInOrder(pugi::xml_node node, bool descend, pugi::xml_node root) {
    if (descend && node.first_child()) return node.first_child();
    for (pugi::xml_node n = node; n && n != root; n = n.parent()) {
        if (n.next_sibling()) return n.next_sibling();
    }
    return {};
}

// Calls visit(node) for every node after `from` and before `to` in document
// order inside `root` (from's subtree entered when `enterFrom`); visit
// returns whether to enter the node's children.
template <class Visit>
void WalkBetween(pugi::xml_node from, bool enterFrom, pugi::xml_node to, pugi::xml_node root, Visit&& visit) {
    for (pugi::xml_node n = NextInOrder(from, enterFrom, root); n && n != to;) {
        const bool descend = visit(n);
        n = NextInOrder(n, descend, root);
    }
}

pugi::xml_node DocumentRoot(pugi::xml_node node) { return node.root(); }

class FieldScanner {
public:
    FieldScan Scan(pugi::xml_node container) {
        Visit(container);
        FieldScan out;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (!slots_[i]) continue;
            out.fields.push_back(*slots_[i]);
            out.tangled.push_back(tangled_[i]);
        }
        out.balanced = open_.empty();
        return out;
    }

private:
    void Visit(pugi::xml_node parent) {
        // The children's prefixes resolve at their parent, once per level.
        const NamespaceScope namespaces(parent);
        for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
            if (c.type() != pugi::node_element || IsOutsideStory(c)) continue;
            if (IsWord(c, "fldSimple") || IsWord(c, "hyperlink")) {
                FieldRef ref;
                ref.simple = true;
                ref.fldSimple = c;
                ref.depth = Depth();
                simple_.push_back(slots_.size());
                NewSlot(ref);
                const std::size_t outerFloor = std::exchange(floor_, open_.size());
                Visit(c);
                // A complex field that begins inside and ends outside.
                if (open_.size() != floor_) TangleOpenFields();
                floor_ = outerFloor;
                simple_.pop_back();
            } else if (IsWord(c, "fldChar")) {
                FieldChar(c);
            } else {
                Visit(c);
            }
        }
    }

    void FieldChar(pugi::xml_node c) {
        const std::string_view type = FieldCharType(c);
        if (type == "begin") {
            FieldRef ref;
            ref.begin = c;
            ref.depth = Depth();
            open_.push_back({ref, slots_.size()});
            NewSlot(std::nullopt);  // filled when the field ends
        } else if (type == "separate" && !open_.empty()) {
            if (open_.size() <= floor_) TangleOpenFields();  // of a field begun outside this simple field
            if (!open_.back().ref.separate) open_.back().ref.separate = c;
        } else if (type == "end" && !open_.empty()) {
            if (open_.size() <= floor_) TangleOpenFields();
            open_.back().ref.end = c;
            slots_[open_.back().slot] = open_.back().ref;
            open_.pop_back();
        }
    }

    int Depth() const { return static_cast<int>(open_.size() + simple_.size()); }

    void NewSlot(std::optional<FieldRef> ref) {
        slots_.push_back(std::move(ref));
        tangled_.push_back(false);
    }

    // A complex field crosses the edge of a simple one: the two, and every
    // field around them, do not nest.
    void TangleOpenFields() {
        for (const Open& open : open_) tangled_[open.slot] = true;
        for (std::size_t slot : simple_) tangled_[slot] = true;
    }

    struct Open {
        FieldRef ref;
        std::size_t slot;
    };
    std::vector<Open> open_;
    std::vector<std::size_t> simple_;  // slots of the simple fields the walk is in
    std::vector<std::optional<FieldRef>> slots_;
    std::vector<bool> tangled_;  // by slot
    // The open fields at the start of the innermost simple field; a
    // separator or end that reaches below them crosses its edge.
    std::size_t floor_ = 0;
};

// Collects the visible text of a stretch of the story, hiding the codes of
// fields that start inside it; "\r" where a new paragraph begins.
class TextCollector {
public:
    bool operator()(pugi::xml_node n) {
        if (IsOutsideStory(n)) return false;
        if (IsWord(n, "p")) {
            if (started_) text_ += '\r';
            return true;
        }
        started_ = true;
        const std::string_view type = FieldCharType(n);
        if (type == "begin") {
            code_.push_back(true);
        } else if (type == "separate" && !code_.empty()) {
            code_.back() = false;
        } else if (type == "end" && !code_.empty()) {
            code_.pop_back();
        }
        PieceKind kind;
        std::string piece;
        if (IsWord(n.parent(), "r") && RunChildText(n, kind, piece)) {
            if (std::find(code_.begin(), code_.end(), true) == code_.end()) text_ += piece;
            return false;
        }
        return true;
    }
    std::string Text() && { return std::move(text_); }

private:
    std::string text_;
    std::vector<bool> code_;
    bool started_ = false;
};

bool HasContent(pugi::xml_node run) {
    for (pugi::xml_node c = run.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_element && !IsWord(c, "rPr")) return true;
    }
    return false;
}

// The markup an unlink takes away (`removed`) and the simple fields and
// hyperlinks it unwraps, for the stretch after a complex field's begin up to its end.
struct UnlinkPlan {
    std::vector<pugi::xml_node> removed;
    std::vector<pugi::xml_node> unwrapped;

    // `code`: the fields open at `from`, true while in a field's code.
    void Walk(pugi::xml_node from, bool enterFrom, pugi::xml_node to, pugi::xml_node root, std::vector<bool> code) {
        WalkBetween(from, enterFrom, to, root, [&](pugi::xml_node n) {
            const bool inCode = std::find(code.begin(), code.end(), true) != code.end();
            const std::string_view type = FieldCharType(n);
            if (!type.empty()) {
                if (type == "begin") {
                    code.push_back(true);
                } else if (type == "separate" && !code.empty()) {
                    code.back() = false;
                } else if (type == "end" && !code.empty()) {
                    code.pop_back();
                }
                removed.push_back(n);
                return false;
            }
            if (IsWord(n, "instrText") || IsWord(n, "delInstrText") ||
                (inCode && n.type() == pugi::node_element && IsWord(n.parent(), "r") && !IsWord(n, "rPr"))) {
                removed.push_back(n);
                return false;
            }
            if (IsWord(n, "fldSimple") || IsWord(n, "hyperlink")) {
                (inCode ? removed : unwrapped).push_back(n);
                return !inCode;
            }
            return !IsOutsideStory(n);
        });
    }

    void Apply() {
        std::vector<pugi::xml_node> runs;
        for (pugi::xml_node n : removed) {
            pugi::xml_node parent = n.parent();
            if (IsWord(parent, "r")) runs.push_back(parent);
            parent.remove_child(n);
        }
        for (pugi::xml_node run : runs) {
            if (run.parent() && !HasContent(run)) run.parent().remove_child(run);
        }
        for (pugi::xml_node simple : unwrapped) Unwrap(simple);
    }

    static void Unwrap(pugi::xml_node simple) {
        pugi::xml_node parent = simple.parent();
        for (pugi::xml_node c = simple.first_child(); c;) {
            pugi::xml_node next = c.next_sibling();
            if (IsWord(c, "fldData")) {
                simple.remove_child(c);
            } else {
                parent.insert_move_before(c, simple);
            }
            c = next;
        }
        parent.remove_child(simple);
    }
};

// The code Word gives a w:hyperlink: a HYPERLINK field, with the switch \l
// and the bookmark when the link has an anchor. The address of an external link
// lies in the part's relationships, which are not at hand here.
std::string HyperlinkCode(pugi::xml_node hyperlink) {
    std::string anchor = WordAttribute(hyperlink, "anchor").value();
    return anchor.empty() ? " HYPERLINK " : " HYPERLINK \\l \"" + anchor + "\" ";
}

}  // namespace

std::vector<FieldRef> FindFields(pugi::xml_node container) { return ScanFields(container).fields; }

FieldScan ScanFields(pugi::xml_node container) {
    // A read-only walk over the whole container: the prefixes in scope at
    // the container are looked up once, not from every element up to the root.
    const NamespaceScope namespaces(container);
    return FieldScanner().Scan(container);
}

std::size_t FieldsTakenByUnlink(const FieldScan& scan, std::size_t at) {
    const std::vector<FieldRef>& fields = scan.fields;
    if (!scan.balanced || at >= fields.size() || scan.tangled[at]) return 0;
    const FieldRef& field = fields[at];
    std::size_t end = at + 1;
    while (end < fields.size() && fields[end].depth > field.depth) ++end;
    // Between a complex field's matched begin and end lies only what nests
    // in it; a simple field holds what nests in it as its descendants.
    if (field.simple) {
        auto inside = [&](pugi::xml_node node) {
            for (pugi::xml_node n = node; n; n = n.parent())
                if (n == field.fldSimple) return true;
            return false;
        };
        for (std::size_t i = at + 1; i < end; ++i) {
            const FieldRef& nested = fields[i];
            const bool contained = nested.simple ? inside(nested.fldSimple) : inside(nested.begin) && inside(nested.end);
            if (!contained) return 0;
        }
    }
    return end - at;
}

bool ContainsField(pugi::xml_node container, const FieldRef& field) {
    const auto all = FindFields(container);
    return std::find(all.begin(), all.end(), field) != all.end();
}

std::string FieldCode(const FieldRef& field) {
    if (field.simple && IsWord(field.fldSimple, "hyperlink")) return HyperlinkCode(field.fldSimple);
    if (field.simple) return WordAttribute(field.fldSimple, "instr").value();
    std::string code;
    const pugi::xml_node stop = field.separate ? field.separate : field.end;
    WalkBetween(field.begin, false, stop, DocumentRoot(field.begin), [&](pugi::xml_node n) {
        if (IsWord(n, "instrText")) {
            code += n.text().get();
            return false;
        }
        return !IsOutsideStory(n);
    });
    return code;
}

std::string FieldResult(const FieldRef& field) {
    TextCollector collect;
    if (field.simple) {
        WalkBetween(field.fldSimple, true, pugi::xml_node(), field.fldSimple, std::ref(collect));
    } else if (field.separate) {
        WalkBetween(field.separate, false, field.end, DocumentRoot(field.begin), std::ref(collect));
    }
    return std::move(collect).Text();
}

void UnlinkField(pugi::xml_node container, const FieldRef& field) {
    if (!ContainsField(container, field)) throw std::runtime_error("the field is no longer in the document");
    UnlinkListedField(container, field);
}

void UnlinkListedField(pugi::xml_node container, const FieldRef& field) {
    // The edits below declare no namespace.
    const NamespaceScope namespaces(container);
    UnlinkPlan plan;
    if (field.simple) {
        plan.unwrapped.push_back(field.fldSimple);
        plan.Walk(field.fldSimple, true, pugi::xml_node(), field.fldSimple, {});
    } else {
        plan.removed.push_back(field.begin);
        plan.Walk(field.begin, false, field.end, DocumentRoot(field.begin), {true});
        plan.removed.push_back(field.end);
    }
    plan.Apply();
}

}  // namespace dorvane::wordtext
