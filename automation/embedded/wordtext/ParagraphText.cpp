#include "automation/embedded/wordtext/ParagraphText.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "automation/embedded/wordtext/RunContent.h"
#include "automation/embedded/wordtext/Utf16.h"
#include "automation/embedded/wordtext/WmlNames.h"

namespace dorvane::wordtext {

namespace {

// Word elements under a paragraph that hold no text of the paragraph.
bool IsSkippedContainer(std::string_view name) {
    static constexpr std::string_view kSkipped[] = {"pPr",   "del",         "moveFrom",   "sdtPr",
                                                    "sdtEndPr", "customXmlPr", "smartTagPr", "fldData",
                                                    "rPr"};
    return std::find(std::begin(kSkipped), std::end(kSkipped), name) != std::end(kSkipped);
}

bool IsMarkupCompatibility(pugi::xml_node node, std::string_view localName) {
    return node.type() == pugi::node_element && LocalName(node) == localName &&
           NamespaceOf(node) == kMarkupCompatibilityNamespace;
}

// The branch of an mc:AlternateContent whose content stands for it.
pugi::xml_node ChosenBranch(pugi::xml_node alternate) {
    for (pugi::xml_node c = alternate.first_child(); c; c = c.next_sibling()) {
        if (IsMarkupCompatibility(c, "Choice")) return c;
    }
    for (pugi::xml_node c = alternate.first_child(); c; c = c.next_sibling()) {
        if (IsMarkupCompatibility(c, "Fallback")) return c;
    }
    return {};
}

bool IsBlock(pugi::xml_node node) {
    if (node.type() != pugi::node_element) return false;
    const std::string_view name = LocalName(node);
    if (name != "p" && name != "tbl" && name != "sdt" && name != "customXml") return false;
    return IsWordElement(node);
}

bool HasBlockAfter(pugi::xml_node node) {
    for (pugi::xml_node n = node.next_sibling(); n; n = n.next_sibling()) {
        if (IsBlock(n)) return true;
    }
    return false;
}

}  // namespace

bool RunChildText(pugi::xml_node c, PieceKind& kind, std::string& text) {
    auto set = [&](PieceKind k, std::string t) {
        kind = k;
        text.swap(t);
        return true;
    };
    if (c.type() != pugi::node_element) return false;
    if (IsMarkupCompatibility(c, "AlternateContent")) return set(PieceKind::Object, "\x01");
    if (!IsWordElement(c)) return false;
    const std::string_view name = LocalName(c);
    if (name == "t") return set(PieceKind::Text, c.text().get());
    if (name == "tab" || name == "ptab") return set(PieceKind::Tab, "\t");
    if (name == "br") {
        const std::string_view type = WordAttribute(c, "type").value();
        if (type == "page") return set(PieceKind::PageBreak, "\f");
        if (type == "column") return set(PieceKind::ColumnBreak, "\x0E");
        return set(PieceKind::LineBreak, "\v");
    }
    if (name == "cr") return set(PieceKind::LineBreak, "\v");
    if (name == "noBreakHyphen") return set(PieceKind::Symbol, "\x1E");
    if (name == "softHyphen") return set(PieceKind::Symbol, "\x1F");
    if (name == "sym") {
        const long code = std::strtol(WordAttribute(c, "char").value(), nullptr, 16);
        return set(PieceKind::Symbol, EncodeUtf8(code > 0 ? static_cast<char32_t>(code) : U'\uFFFD'));
    }
    if (name == "drawing" || name == "pict" || name == "object") return set(PieceKind::Object, "\x01");
    if (name == "footnoteReference" || name == "endnoteReference") return set(PieceKind::NoteReference, "\x02");
    return false;
}

bool IsOutsideStory(pugi::xml_node node) {
    if (node.type() != pugi::node_element) return true;
    if (IsMarkupCompatibility(node, "AlternateContent")) return true;
    if (!IsWordElement(node)) return false;
    static constexpr std::string_view kOutside[] = {"del", "moveFrom", "pPr", "rPr", "sdtPr", "sdtEndPr",
                                                    "drawing", "pict", "object", "tblPr", "trPr", "tcPr",
                                                    "sectPr", "customXmlPr", "smartTagPr", "fldData", "rt"};
    const std::string_view name = LocalName(node);
    return std::find(std::begin(kOutside), std::end(kOutside), name) != std::end(kOutside);
}

std::string_view FieldCharType(pugi::xml_node node) {
    if (!IsWord(node, "fldChar")) return {};
    return WordAttribute(node, "fldCharType").value();
}

class ParagraphTextBuilder {
public:
    ParagraphTextBuilder(ParagraphText& t, NamespaceScope& scope) : t_(t), scope_(&scope) {}

    void Build() {
        Container(t_.paragraph_);
        pugi::xml_node pPr = WordChild(t_.paragraph_, "pPr");
        if (pPr && WordChild(pPr, "sectPr")) {
            t_.mark_ = MarkKind::SectionBreak;
        } else if (IsLastParagraphOfCell(t_.paragraph_)) {
            t_.mark_ = MarkKind::EndOfCell;
        }
        Add(PieceKind::Mark, {}, t_.paragraph_, t_.mark_ == MarkKind::SectionBreak ? "\f" : "\r", true);
    }

private:
    // Walks into `element` with the namespaces in scope there: the same
    // scope unless the element declares its own.
    template <typename Walk>
    void Into(pugi::xml_node element, Walk&& walk) {
        if (!DeclaresNamespace(element)) {
            walk();
            return;
        }
        NamespaceScope inner(element);
        NamespaceScope* outer = std::exchange(scope_, &inner);
        walk();
        scope_ = outer;
    }

    void Container(pugi::xml_node parent) {
        for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
            if (c.type() != pugi::node_element) continue;
            if (IsMarkupCompatibility(c, "AlternateContent")) {
                if (pugi::xml_node branch = ChosenBranch(c))
                    Into(c, [&] { Into(branch, [&] { Container(branch); }); });
                continue;
            }
            if (!scope_->IsWordBelow(c)) continue;
            const std::string_view name = LocalName(c);
            if (name == "r") {
                Into(c, [&] { Run(c); });
            } else if (!IsSkippedContainer(name)) {
                Into(c, [&] { Container(c); });
            }
        }
    }

    void Run(pugi::xml_node run) {
        for (pugi::xml_node c = run.first_child(); c; c = c.next_sibling()) {
            if (c.type() == pugi::node_element) RunChild(run, c, LocalName(c));
        }
    }

    void RunChild(pugi::xml_node run, pugi::xml_node c, std::string_view name) {
        if (name == "t") {
            // The common case, read without copying the text.
            if (scope_->IsWordBelow(c)) Add(PieceKind::Text, run, c, c.text().get());
            return;
        }
        if (name == "fldChar") {
            FieldChar(FieldCharType(c));
            return;
        }
        if (name == "ruby") {
            // A phonetic guide reads as its base text (with the namespaces
            // in scope there: the guide is rare, resolved the long way).
            pugi::xml_node base = WordChild(c, "rubyBase");
            NamespaceScope inner(base ? base : c);
            NamespaceScope* outer = std::exchange(scope_, &inner);
            for (pugi::xml_node r = WordChild(base, "r"); r; r = NextWordSibling(r, "r")) Into(r, [&] { Run(r); });
            scope_ = outer;
            return;
        }
        PieceKind kind;
        std::string text;
        if (RunChildText(c, kind, text)) Add(kind, run, c, text);
    }

    void FieldChar(std::string_view type) {
        if (type == "begin") {
            fields_.push_back(true);
        } else if (type == "separate") {
            if (!fields_.empty()) fields_.back() = false;
        } else if (type == "end") {
            if (!fields_.empty()) fields_.pop_back();
        }
    }

    bool InFieldCode() const { return std::find(fields_.begin(), fields_.end(), true) != fields_.end(); }

    void Add(PieceKind kind, pugi::xml_node run, pugi::xml_node node, std::string_view text, bool always = false) {
        if (text.empty() || (!always && InFieldCode())) return;
        Piece piece;
        piece.start = t_.length_;
        piece.length = Utf16Length(text);
        piece.kind = kind;
        piece.run = run;
        piece.node = node;
        t_.byteStarts_.push_back(t_.text_.size());
        t_.pieces_.push_back(piece);
        t_.text_ += text;
        t_.length_ += piece.length;
    }

    ParagraphText& t_;
    NamespaceScope* scope_;
    std::vector<bool> fields_;  // open fields; true while in the code part
};

ParagraphText::ParagraphText(pugi::xml_node paragraph) : paragraph_(paragraph) {
    NamespaceScope namespaces(paragraph);
    if (!IsWord(paragraph, "p")) throw std::invalid_argument("not a paragraph (w:p) element");
    ParagraphTextBuilder(*this, namespaces).Build();
}

std::size_t ParagraphText::PieceIndexAt(std::size_t offset) const {
    if (offset >= length_) throw std::out_of_range("offset beyond the paragraph's text");
    auto it = std::upper_bound(pieces_.begin(), pieces_.end(), offset,
                               [](std::size_t o, const Piece& p) { return o < p.start; });
    return static_cast<std::size_t>(it - pieces_.begin()) - 1;
}

std::size_t ParagraphText::Utf8Offset(std::size_t offset) const {
    if (offset >= length_) return text_.size();
    const std::size_t i = PieceIndexAt(offset);
    const std::size_t begin = byteStarts_[i];
    const std::size_t end = i + 1 < byteStarts_.size() ? byteStarts_[i + 1] : text_.size();
    return begin + Utf8OffsetOf(std::string_view(text_).substr(begin, end - begin), offset - pieces_[i].start);
}

std::string ParagraphText::Slice(std::size_t from, std::size_t to) const {
    to = std::min(to, length_);
    if (to <= from) return {};
    const std::size_t a = Utf8Offset(from);
    return text_.substr(a, Utf8Offset(to) - a);
}

namespace {

// A run of plain text: properties, texts, and marks that hold no text.
bool AppendPlainRun(NamespaceScope& scope, pugi::xml_node run, std::string& text) {
    if (DeclaresNamespace(run)) return false;
    for (pugi::xml_node c = run.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element) continue;
        if (!scope.IsWordBelow(c)) return false;
        const std::string_view name = LocalName(c);
        if (name == "t") {
            text += c.text().get();
        } else if (name != "rPr" && name != "lastRenderedPageBreak") {
            return false;
        }
    }
    return true;
}

}  // namespace

bool PlainParagraphText(pugi::xml_node paragraph, std::string& text, MarkKind& mark) {
    NamespaceScope namespaces(paragraph);
    if (!IsWord(paragraph, "p")) return false;
    text.clear();
    mark = MarkKind::Paragraph;
    for (pugi::xml_node c = paragraph.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element) continue;
        if (!namespaces.IsWordBelow(c)) return false;
        const std::string_view name = LocalName(c);
        if (name == "r") {
            if (!AppendPlainRun(namespaces, c, text)) return false;
        } else if (name == "pPr") {
            if (WordChild(c, "sectPr")) mark = MarkKind::SectionBreak;
        } else if (name != "bookmarkStart" && name != "bookmarkEnd" && name != "proofErr") {
            return false;
        }
    }
    if (mark != MarkKind::SectionBreak && IsLastParagraphOfCell(paragraph)) mark = MarkKind::EndOfCell;
    text += mark == MarkKind::SectionBreak ? "\f" : "\r";
    return true;
}

bool IsLastParagraphOfCell(pugi::xml_node paragraph) {
    pugi::xml_node node = paragraph;
    while (node) {
        if (HasBlockAfter(node)) return false;
        pugi::xml_node parent = node.parent();
        if (IsWord(parent, "tc")) return true;
        if (IsWord(parent, "sdtContent")) {
            node = parent.parent();  // the w:sdt
        } else if (IsWord(parent, "customXml")) {
            node = parent;
        } else {
            return false;
        }
    }
    return false;
}

}  // namespace dorvane::wordtext
