#include "automation/embedded/wordtext/SectionBreaks.h"

#include <stdexcept>
#include <string_view>

#include "automation/embedded/wordtext/WmlNames.h"

namespace dorvane::wordtext {

namespace {

bool IsBlock(pugi::xml_node node) {
    return IsWord(node, "p") || IsWord(node, "tbl") || IsWord(node, "sdt") || IsWord(node, "customXml") ||
           IsWord(node, "altChunk");
}

// The next / previous block-level sibling, skipping markup that sits
// between blocks (bookmark ends, permission ranges, proofing marks).
pugi::xml_node NextBlock(pugi::xml_node node) {
    for (pugi::xml_node n = node.next_sibling(); n; n = n.next_sibling()) {
        if (IsBlock(n)) return n;
    }
    return {};
}

pugi::xml_node PreviousBlock(pugi::xml_node node) {
    for (pugi::xml_node n = node.previous_sibling(); n; n = n.previous_sibling()) {
        if (IsBlock(n)) return n;
    }
    return {};
}

pugi::xml_node SectionPropertiesOf(pugi::xml_node paragraph) {
    return WordChild(WordChild(paragraph, "pPr"), "sectPr");
}

bool HasContent(pugi::xml_node paragraph) {
    for (pugi::xml_node c = paragraph.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_element && !IsWord(c, "pPr")) return true;
    }
    return false;
}

void CollectBreaks(pugi::xml_node parent, std::vector<pugi::xml_node>& out) {
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
        if (IsWord(c, "p")) {
            if (SectionPropertiesOf(c)) out.push_back(c);
        } else if (IsWord(c, "sdt")) {
            CollectBreaks(WordChild(c, "sdtContent"), out);
        } else if (IsWord(c, "customXml")) {
            CollectBreaks(c, out);
        }
    }
}

// Whether an empty paragraph whose break was dropped can go without
// leaving two tables side by side, a body ending with a table, or an
// empty body.
bool Removable(pugi::xml_node paragraph) {
    if (!IsWord(paragraph.parent(), "body") || HasContent(paragraph)) return false;
    const pugi::xml_node previous = PreviousBlock(paragraph);
    const pugi::xml_node next = NextBlock(paragraph);
    if (IsWord(previous, "tbl")) return false;
    return next || IsWord(previous, "p");
}

// The w:sectPr of the section after the one `paragraph` ends: the next
// break's, or the body's own for the last section.
pugi::xml_node NextSectionProperties(pugi::xml_node paragraph) {
    pugi::xml_node body = paragraph.parent();
    while (body && !IsWord(body, "body")) body = body.parent();
    std::vector<pugi::xml_node> breaks;
    CollectBreaks(body, breaks);
    for (std::size_t i = 0; i + 1 < breaks.size(); ++i)
        if (breaks[i] == paragraph) return SectionPropertiesOf(breaks[i + 1]);
    return WordChild(body, "sectPr");
}

std::string_view ReferenceKind(pugi::xml_node reference) {
    pugi::xml_attribute type = WordAttribute(reference, "type");
    return type ? std::string_view(type.value()) : std::string_view("default");
}

bool HasReference(pugi::xml_node sectPr, std::string_view element, std::string_view kind) {
    for (pugi::xml_node c = sectPr.first_child(); c; c = c.next_sibling())
        if (IsWord(c, element) && ReferenceKind(c) == kind) return true;
    return false;
}

// A section without a header or footer of some kind shows the one of the
// section before it. When that section's break goes, its own headers and
// footers pass to the next section for the kinds it had been showing
// them, so that no page loses its header, footer or page number.
void HandDownHeadersAndFooters(pugi::xml_node from, pugi::xml_node to) {
    if (!to) return;
    pugi::xml_node last;  // references stay at the front, in their order
    for (pugi::xml_node c = from.first_child(); c; c = c.next_sibling()) {
        for (std::string_view element : {"headerReference", "footerReference"}) {
            if (!IsWord(c, element) || HasReference(to, element, ReferenceKind(c))) continue;
            last = last ? to.insert_copy_after(c, last) : to.prepend_copy(c);
        }
    }
}

}  // namespace

std::vector<pugi::xml_node> SectionBreakParagraphs(pugi::xml_node body) {
    std::vector<pugi::xml_node> out;
    CollectBreaks(body, out);
    return out;
}

bool CanJoinWithNextParagraph(pugi::xml_node paragraph) { return IsWord(NextBlock(paragraph), "p"); }

bool JoinWithNextParagraph(pugi::xml_node paragraph) {
    pugi::xml_node next = NextBlock(paragraph);
    if (!IsWord(next, "p")) return false;
    // Deleting a paragraph mark keeps the mark that follows: the joined
    // paragraph has the next paragraph's properties (alignment, style,
    // the mark's run properties and any section break it holds).
    if (pugi::xml_node own = WordChild(paragraph, "pPr")) paragraph.remove_child(own);
    for (pugi::xml_node c = next.first_child(); c;) {
        pugi::xml_node following = c.next_sibling();
        if (IsWord(c, "pPr")) {
            paragraph.prepend_move(c);
        } else {
            paragraph.append_move(c);
        }
        c = following;
    }
    next.parent().remove_child(next);
    return true;
}

void RemoveSectionBreak(pugi::xml_node paragraph) {
    pugi::xml_node sectPr = SectionPropertiesOf(paragraph);
    if (!sectPr) throw std::invalid_argument("the paragraph holds no section break");
    HandDownHeadersAndFooters(sectPr, NextSectionProperties(paragraph));
    sectPr.parent().remove_child(sectPr);
    if (JoinWithNextParagraph(paragraph)) return;
    if (Removable(paragraph)) paragraph.parent().remove_child(paragraph);
}

int RemoveAllSectionBreaks(pugi::xml_node body) {
    const std::vector<pugi::xml_node> breaks = SectionBreakParagraphs(body);
    // From the last: each join pulls in a paragraph already dealt with.
    for (auto it = breaks.rbegin(); it != breaks.rend(); ++it) RemoveSectionBreak(*it);
    return static_cast<int>(breaks.size());
}

}  // namespace dorvane::wordtext
