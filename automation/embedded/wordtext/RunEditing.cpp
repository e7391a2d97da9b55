#include "automation/embedded/wordtext/RunEditing.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "automation/embedded/wordtext/ParagraphText.h"
#include "automation/embedded/wordtext/Utf16.h"
#include "automation/embedded/wordtext/WmlNames.h"

namespace dorvane::wordtext {

namespace {

// Sets a w:t's text, marking it preserve when the edges hold white space
// that a reader would otherwise drop.
void SetText(pugi::xml_node t, std::string_view text) {
    t.text().set(std::string(text).c_str());
    if (!text.empty() && (text.front() == ' ' || text.back() == ' ' || text.front() == '\n' || text.back() == '\n')) {
        if (!t.attribute("xml:space")) t.append_attribute("xml:space") = "preserve";
    }
}

bool IsContent(pugi::xml_node child) { return child.type() == pugi::node_element && !IsWord(child, "rPr"); }

// A new run right after `run` with a copy of its attributes and w:rPr.
pugi::xml_node CloneRunShell(pugi::xml_node run) {
    pugi::xml_node twin = run.parent().insert_child_after(run.name(), run);
    for (pugi::xml_attribute a = run.first_attribute(); a; a = a.next_attribute()) {
        twin.append_attribute(a.name()) = a.value();
    }
    if (pugi::xml_node rPr = WordChild(run, "rPr")) twin.append_copy(rPr);
    return twin;
}

void MoveFrom(pugi::xml_node first, pugi::xml_node to) {
    for (pugi::xml_node n = first; n;) {
        pugi::xml_node next = n.next_sibling();
        to.append_move(n);
        n = next;
    }
}

// Appends run content for `text` to `run`: w:t for plain text, w:tab,
// w:br, hyphens for their characters.
void AppendContent(pugi::xml_node run, std::string_view text) {
    std::string plain;
    auto flush = [&] {
        if (plain.empty()) return;
        SetText(run.append_child(WordName(run, "t").c_str()), plain);
        plain.clear();
    };
    auto element = [&](std::string_view local) {
        flush();
        return run.append_child(WordName(run, local).c_str());
    };
    for (char c : text) {
        switch (c) {
        case '\t': element("tab"); break;
        case '\v':
        case '\n': element("br"); break;
        case '\f': element("br").append_attribute(WordAttributeName(run, "type").c_str()) = "page"; break;
        case '\x1E': element("noBreakHyphen"); break;
        case '\x1F': element("softHyphen"); break;
        case '\x0E': element("br").append_attribute(WordAttributeName(run, "type").c_str()) = "column"; break;
        default:
            // Other control characters cannot stand in XML text.
            if (static_cast<unsigned char>(c) >= 0x20) plain += c;
        }
    }
    flush();
}

// The run properties that new text at [from, to) takes.
pugi::xml_node SourceProperties(const ParagraphText& pt, std::size_t from, std::size_t to) {
    pugi::xml_node run;
    if (from < to) {
        run = pt.PieceAt(from).run;
    } else if (from > 0) {
        run = pt.PieceAt(from - 1).run;
    } else if (pt.ContentLength() > 0) {
        run = pt.PieceAt(0).run;
    }
    return run ? WordChild(run, "rPr") : MarkRunProperties(pt.Paragraph(), false);
}

// Inserts an empty run where text at [from, to) goes.
pugi::xml_node InsertRunAt(const ParagraphText& pt, std::size_t from, std::size_t to) {
    pugi::xml_node p = pt.Paragraph();
    if (from < to) {
        pugi::xml_node at = pt.PieceAt(from).run;
        return at.parent().insert_child_before(WordName(at.parent(), "r").c_str(), at);
    }
    if (from > 0) {
        pugi::xml_node after = pt.PieceAt(from - 1).run;
        return after.parent().insert_child_after(WordName(after.parent(), "r").c_str(), after);
    }
    if (pt.ContentLength() > 0) {
        pugi::xml_node at = pt.PieceAt(0).run;
        return at.parent().insert_child_before(WordName(at.parent(), "r").c_str(), at);
    }
    return p.append_child(WordName(p, "r").c_str());
}

// Replaces [from, to) inside one w:t by plain text, in place: the text
// keeps the run and so the formatting of its first character, as a new
// run would, without splitting the run in three. False when the span
// leaves that w:t or the text needs other run content.
bool ReplaceInsideText(const ParagraphText& pt, std::size_t from, std::size_t to, std::string_view text) {
    if (from >= to || text.empty()) return false;
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20) return false;
    const Piece& piece = pt.PieceAt(from);
    if (piece.kind != PieceKind::Text || to > piece.end() || !IsWord(piece.node, "t")) return false;
    const std::string old = piece.node.text().get();
    const std::size_t a = Utf8OffsetOf(old, from - piece.start);
    const std::size_t b = Utf8OffsetOf(old, to - piece.start);
    std::string replaced;
    replaced.reserve(old.size() - (b - a) + text.size());
    replaced.append(old, 0, a).append(text).append(old, b, std::string::npos);
    SetText(piece.node, replaced);
    return true;
}

}  // namespace

pugi::xml_node SplitRun(pugi::xml_node run, pugi::xml_node child, std::size_t utf8Offset) {
    if (!IsWord(run, "r") || child.parent() != run) throw std::invalid_argument("SplitRun: child is not in the run");
    if (IsWord(child, "t") && utf8Offset > 0) {
        const std::string text = child.text().get();
        if (utf8Offset < text.size()) {
            pugi::xml_node twin = CloneRunShell(run);
            pugi::xml_node tail = twin.append_child(child.name());
            SetText(tail, std::string_view(text).substr(utf8Offset));
            MoveFrom(child.next_sibling(), twin);
            SetText(child, std::string_view(text).substr(0, utf8Offset));
            return twin;
        }
        // At the end of the text: split after the w:t.
        pugi::xml_node next = child.next_sibling();
        while (next && !IsContent(next)) next = next.next_sibling();
        if (!next) return {};
        pugi::xml_node twin = CloneRunShell(run);
        MoveFrom(next, twin);
        return twin;
    }
    bool contentBefore = false;
    for (pugi::xml_node n = run.first_child(); n != child; n = n.next_sibling()) {
        contentBefore = contentBefore || IsContent(n);
    }
    if (!contentBefore) return {};
    pugi::xml_node twin = CloneRunShell(run);
    MoveFrom(child, twin);
    return twin;
}

bool SplitRunsAt(pugi::xml_node paragraph, std::size_t offset) {
    const ParagraphText pt(paragraph);
    if (offset == 0 || offset >= pt.ContentLength()) return false;
    const std::size_t i = pt.PieceIndexAt(offset);
    const Piece& piece = pt.Pieces()[i];
    if (piece.start == offset) {
        if (i == 0 || pt.Pieces()[i - 1].run == piece.run) {
            return static_cast<bool>(SplitRun(piece.run, piece.node, 0));
        }
        return false;
    }
    // Inside a w:t.
    const std::string text = piece.node.text().get();
    const std::size_t bytes = Utf8OffsetOf(text, offset - piece.start);
    if (bytes == 0 && i > 0 && pt.Pieces()[i - 1].run != piece.run) return false;
    return static_cast<bool>(SplitRun(piece.run, piece.node, bytes));
}

std::vector<pugi::xml_node> RunsInSpan(pugi::xml_node paragraph, std::size_t from, std::size_t to) {
    {
        const ParagraphText pt(paragraph);
        to = std::min(to, pt.ContentLength());
        if (from >= to) return {};
    }
    SplitRunsAt(paragraph, to);
    SplitRunsAt(paragraph, from);
    const ParagraphText pt(paragraph);
    std::vector<pugi::xml_node> runs;
    for (const Piece& piece : pt.Pieces()) {
        if (piece.kind == PieceKind::Mark || piece.end() <= from || piece.start >= to) continue;
        if (runs.empty() || runs.back() != piece.run) runs.push_back(piece.run);
    }
    return runs;
}

void ReplaceSpan(pugi::xml_node paragraph, std::size_t from, std::size_t to, std::string_view text) {
    if (text.find('\r') != std::string_view::npos) {
        throw std::invalid_argument("a paragraph mark cannot be inserted into a paragraph's text");
    }
    pugi::xml_node rPr;
    {
        const ParagraphText pt(paragraph);
        if (from > to || to > pt.ContentLength()) throw std::out_of_range("span outside the paragraph's text");
        if (ReplaceInsideText(pt, from, to, text)) return;
        rPr = SourceProperties(pt, from, to);
    }
    SplitRunsAt(paragraph, to);
    SplitRunsAt(paragraph, from);
    const ParagraphText pt(paragraph);
    if (!text.empty()) {
        pugi::xml_node run = InsertRunAt(pt, from, to);
        if (rPr) {
            pugi::xml_node copy = run.append_copy(rPr);
            // The mark's properties may record its own revisions, which a
            // run's properties cannot hold.
            for (const char* local : {"ins", "del", "moveFrom", "moveTo"}) {
                while (pugi::xml_node revision = WordChild(copy, local)) copy.remove_child(revision);
            }
        }
        AppendContent(run, text);
    }
    std::vector<pugi::xml_node> touched;
    for (const Piece& piece : pt.Pieces()) {
        if (piece.kind == PieceKind::Mark || piece.start < from || piece.end() > to || piece.length == 0) continue;
        if (touched.empty() || touched.back() != piece.run) touched.push_back(piece.run);
        pugi::xml_node run = piece.run;
        run.remove_child(piece.node);
    }
    for (pugi::xml_node run : touched) {
        if (std::none_of(run.begin(), run.end(), IsContent)) run.parent().remove_child(run);
    }
}

pugi::xml_node MarkRunProperties(pugi::xml_node paragraph, bool create) {
    pugi::xml_node pPr = WordChild(paragraph, "pPr");
    if (!pPr) {
        if (!create) return {};
        pPr = paragraph.prepend_child(WordName(paragraph, "pPr").c_str());
    }
    pugi::xml_node rPr = WordChild(pPr, "rPr");
    if (rPr || !create) return rPr;
    pugi::xml_node before = WordChild(pPr, "sectPr");
    if (!before) before = WordChild(pPr, "pPrChange");
    const std::string name = WordName(pPr, "rPr");
    return before ? pPr.insert_child_before(name.c_str(), before) : pPr.append_child(name.c_str());
}

}  // namespace dorvane::wordtext
