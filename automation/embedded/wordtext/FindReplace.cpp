#include "automation/embedded/wordtext/FindReplace.h"

#include <algorithm>
#include <stdexcept>

#include "automation/embedded/wordtext/ParagraphText.h"
#include "automation/embedded/wordtext/RunEditing.h"
#include "automation/embedded/wordtext/SectionBreaks.h"
#include "automation/embedded/wordtext/Utf16.h"
#include "automation/embedded/wordtext/WmlNames.h"

namespace dorvane::wordtext {

namespace {

char16_t MarkCharOf(MarkKind kind) {
    switch (kind) {
    case MarkKind::SectionBreak: return kSectionBreakChar;
    case MarkKind::EndOfCell: return kEndOfCellChar;
    default: return kParagraphMarkChar;
    }
}

// One match in one paragraph, in UTF-16 offsets, with its replacement.
struct Candidate {
    std::size_t start = 0;
    std::size_t end = 0;
    std::string replacement;
};

// The matches of `pattern` in the window of `span`, left to right without
// overlaps; replacements expanded when `replacement` is given.
std::vector<Candidate> MatchesIn(const ParagraphSpan& span, const SearchPattern& pattern,
                                 const ReplacementText* replacement) {
    std::vector<Candidate> found;
    if (!span.paragraph) return found;
    // Most paragraphs are plain text: their text is read without building
    // the map from positions to the XML (needed only to replace).
    std::string text;
    MarkKind mark = MarkKind::Paragraph;
    if (!PlainParagraphText(span.paragraph, text, mark)) {
        const ParagraphText pt(span.paragraph);
        text = pt.Text();
        mark = pt.Mark();
    }
    const std::string subject = SearchSubject(text, MarkCharOf(mark));
    const std::size_t to = std::min(span.to, Utf16Length(text));
    if (span.from >= to) return found;
    std::size_t pos = Utf8OffsetOf(subject, span.from);
    const std::size_t limit = Utf8OffsetOf(subject, to);
    PatternMatch m;
    while (pos < limit && pattern.Match(subject, pos, limit, m)) {
        Candidate c;
        c.start = Utf16OffsetOf(subject, m.start);
        c.end = Utf16OffsetOf(subject, m.end);
        if (replacement) {
            c.replacement = replacement->Expand(subject, m);
            static const std::string marks[] = {"\r", ToUtf8(std::u16string(1, kSectionBreakChar)),
                                                ToUtf8(std::u16string(1, kEndOfCellChar))};
            for (const std::string& markText : marks) {
                if (c.replacement.find(markText) != std::string::npos) {
                    throw std::invalid_argument("the replacement for \"" + pattern.FindText() +
                                                "\" would insert a paragraph mark");
                }
            }
        }
        found.push_back(std::move(c));
        pos = m.end;
    }
    return found;
}

// Replaces [start, end) of the paragraph's text; a span that ends with
// the mark deletes it. False when the mark cannot be deleted.
bool Apply(pugi::xml_node paragraph, const Candidate& c) {
    const ParagraphText pt(paragraph);
    if (c.end < pt.Length()) {
        ReplaceSpan(paragraph, c.start, c.end, c.replacement);
        return true;
    }
    switch (pt.Mark()) {
    case MarkKind::EndOfCell: return false;
    case MarkKind::Paragraph:
        if (!CanJoinWithNextParagraph(paragraph)) return false;
        ReplaceSpan(paragraph, c.start, pt.ContentLength(), c.replacement);
        JoinWithNextParagraph(paragraph);
        return true;
    case MarkKind::SectionBreak:
        ReplaceSpan(paragraph, c.start, pt.ContentLength(), c.replacement);
        RemoveSectionBreak(paragraph);
        return true;
    }
    return false;
}

// The namespaces declared on the root element of the spans' part, read
// once for a whole search instead of for every paragraph.
class RootNamespaces {
public:
    explicit RootNamespaces(const std::vector<ParagraphSpan>& spans)
        : scope_(spans.empty() ? pugi::xml_node() : RootElement(spans.front().paragraph)) {}

private:
    static pugi::xml_node RootElement(pugi::xml_node node) {
        for (pugi::xml_node c = node.root().first_child(); c; c = c.next_sibling())
            if (c.type() == pugi::node_element) return c;
        return {};
    }

    NamespaceScope scope_;
};

FoundText Found(const std::vector<ParagraphSpan>& spans, std::size_t index, std::size_t start, std::size_t end) {
    return FoundText{index, spans[index].paragraph, start, end};
}

std::optional<FoundText> ReplaceFirstApplicable(const std::vector<ParagraphSpan>& spans, std::size_t index,
                                                std::vector<Candidate> found, bool forward) {
    if (!forward) std::reverse(found.begin(), found.end());
    for (const Candidate& c : found) {
        if (Apply(spans[index].paragraph, c)) {
            return Found(spans, index, c.start, c.start + Utf16Length(c.replacement));
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<FoundText> FindFirst(const std::vector<ParagraphSpan>& spans, const SearchPattern& pattern) {
    const RootNamespaces root(spans);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const auto found = MatchesIn(spans[i], pattern, nullptr);
        if (!found.empty()) return Found(spans, i, found.front().start, found.front().end);
    }
    return std::nullopt;
}

std::optional<FoundText> FindLast(const std::vector<ParagraphSpan>& spans, const SearchPattern& pattern) {
    const RootNamespaces root(spans);
    for (std::size_t i = spans.size(); i-- > 0;) {
        const auto found = MatchesIn(spans[i], pattern, nullptr);
        if (!found.empty()) return Found(spans, i, found.back().start, found.back().end);
    }
    return std::nullopt;
}

std::optional<FoundText> ReplaceOne(const std::vector<ParagraphSpan>& spans, const SearchPattern& pattern,
                                    const ReplacementText& replacement, bool forward) {
    const RootNamespaces root(spans);
    for (std::size_t k = 0; k < spans.size(); ++k) {
        const std::size_t i = forward ? k : spans.size() - 1 - k;
        auto done = ReplaceFirstApplicable(spans, i, MatchesIn(spans[i], pattern, &replacement), forward);
        if (done) return done;
    }
    return std::nullopt;
}

int ReplaceAll(const std::vector<ParagraphSpan>& spans, const SearchPattern& pattern,
               const ReplacementText& replacement) {
    const RootNamespaces root(spans);
    // Every match is taken from the text as it was: collect them all first
    // (this also refuses a bad replacement before anything changes), then
    // replace from the last to the first, so that offsets still to be used
    // stay valid and a joined paragraph has been searched already.
    std::vector<std::vector<Candidate>> all;
    all.reserve(spans.size());
    for (const ParagraphSpan& span : spans) all.push_back(MatchesIn(span, pattern, &replacement));
    int count = 0;
    for (std::size_t i = spans.size(); i-- > 0;) {
        // Edits inside the paragraph declare no namespace: the prefixes in
        // scope at it stay as they are while its matches are replaced.
        const NamespaceScope namespaces(spans[i].paragraph);
        for (auto c = all[i].rbegin(); c != all[i].rend(); ++c) {
            if (Apply(spans[i].paragraph, *c)) ++count;
        }
    }
    return count;
}

}  // namespace dorvane::wordtext
