// Find and Replacement of a range or of the selection.

#include <limits>
#include <stdexcept>

#include "automation/AutomationError.h"
#include "automation/embedded/word/Handles.h"
#include "automation/embedded/wordtext/FindReplace.h"

namespace dorvane::embedded::word {

namespace {

using wordtext::ParagraphSpan;

class ReplacementImpl : public w::Replacement {
public:
    explicit ReplacementImpl(DocPtr doc) : doc_(std::move(doc)) {}
    void ClearFormatting() override { doc_->CheckOpen("Replacement.ClearFormatting"); }
    std::string Text() const override { return doc_->find.replacement; }
    void SetText(const std::string& text) override { doc_->find.replacement = text; }

private:
    DocPtr doc_;
};

bool Collapsed(DocumentData& doc, const Target& t) {
    return t.kind == Target::Kind::Span && t.start == t.end;
}

std::vector<ParagraphSpan> WholeStory(DocumentData& doc) {
    std::vector<ParagraphSpan> spans;
    for (pugi::xml_node p : doc.Story().AllParagraphs()) spans.push_back({p});
    return spans;
}

// A collapsed point searched forward with wrapping: from the point to the
// end, then from the start to the point.
std::vector<ParagraphSpan> FromPoint(DocumentData& doc, long point, bool wrap) {
    std::vector<ParagraphSpan> before, after;
    for (pugi::xml_node p : doc.Story().AllParagraphs()) {
        auto interval = doc.Story().IntervalOf(p);
        if (!interval || interval->end <= point) {
            before.push_back({p});
        } else if (interval->start >= point) {
            after.push_back({p});
        } else {
            auto split = static_cast<std::size_t>(point - interval->start);
            after.push_back({p, split});
            before.push_back({p, 0, split});
        }
    }
    if (wrap) after.insert(after.end(), before.begin(), before.end());
    return after;
}

// Whether a find text can match a paragraph mark or section break (so a
// replacement may join or remove paragraphs).
bool MayMatchMarks(const std::string& text) { return text.find('^') != std::string::npos; }

class FindImpl : public w::Find {
public:
    FindImpl(DocPtr doc, Target target, bool selection)
        : doc_(std::move(doc)), target_(std::move(target)), selection_(selection) {}

    void ClearFormatting() override { doc_->CheckOpen("Find.ClearFormatting"); }
    w::Ref<w::Replacement> Replacement() override { return std::make_shared<ReplacementImpl>(doc_); }

    std::string Text() const override { return S().text; }
    void SetText(const std::string& text) override { S().text = text; }
    bool Forward() const override { return S().forward; }
    void SetForward(bool forward) override { S().forward = forward; }
    int Wrap() const override { return S().wrap; }
    void SetWrap(int wrap) override {
        if (wrap < 0 || wrap > 2) throw AutomationError("Find.Wrap", "the value is out of range");
        S().wrap = wrap;
    }
    bool Format() const override { return S().format; }
    void SetFormat(bool format) override { S().format = format; }
    bool MatchCase() const override { return S().matchCase; }
    void SetMatchCase(bool match) override { S().matchCase = match; }
    bool MatchWholeWord() const override { return S().matchWholeWord; }
    void SetMatchWholeWord(bool match) override { S().matchWholeWord = match; }
    bool MatchByte() const override { return S().matchByte; }
    void SetMatchByte(bool match) override { S().matchByte = match; }
    bool MatchWildcards() const override { return S().matchWildcards; }
    void SetMatchWildcards(bool match) override { S().matchWildcards = match; }
    bool MatchSoundsLike() const override { return S().matchSoundsLike; }
    void SetMatchSoundsLike(bool match) override { S().matchSoundsLike = match; }
    bool MatchAllWordForms() const override { return S().matchAllWordForms; }
    void SetMatchAllWordForms(bool match) override { S().matchAllWordForms = match; }

    bool Execute(const w::FindExecuteArgs& args) override {
        FindSettings& s = S();
        if (args.findText) s.text = *args.findText;
        if (args.replaceWith) s.replacement = *args.replaceWith;
        int replace = args.replace.value_or(w::wdReplaceNone);
        if (replace < w::wdReplaceNone || replace > w::wdReplaceAll)
            throw AutomationError("Find.Execute", "the Replace argument is out of range");
        Target t = selection_ ? doc_->selection : target_;
        CheckTarget(*doc_, t, "Find.Execute");
        if (s.text.empty()) return false;

        std::optional<wordtext::SearchPattern> pattern;
        std::optional<wordtext::ReplacementText> replacement;
        try {
            pattern.emplace(s.text, wordtext::SearchOptions{s.matchCase, s.matchWholeWord, s.matchWildcards});
            if (replace != w::wdReplaceNone) replacement.emplace(s.replacement, s.matchWildcards);
        } catch (const std::invalid_argument& e) {
            throw AutomationError("Find.Execute", e.what());
        }
        std::vector<ParagraphSpan> spans = Spans(t, replace);
        const Target& sel = doc_->selection;
        if (sel.kind == Target::Kind::Paragraph || sel.kind == Target::Kind::Object)
            selectionStart_ = doc_->Alive(sel.node, sel.generation,
                                          sel.kind == Target::Kind::Object ? NodeKind::Run : NodeKind::Paragraph)
                                  ? TargetStart(*doc_, sel)
                                  : 0;
        if (replace == w::wdReplaceNone) return FindOnly(spans, *pattern);
        if (replace == w::wdReplaceOne) return ReplaceFirst(spans, *pattern, *replacement, t);
        return ReplaceEvery(spans, *pattern, *replacement, t);
    }

private:
    FindSettings& S() const {
        doc_->CheckOpen("Find");
        return doc_->find;
    }

    std::vector<ParagraphSpan> Spans(const Target& t, int replace) {
        bool wrap = S().wrap == w::wdFindContinue;
        if (t.kind == Target::Kind::Story) return WholeStory(*doc_);
        if (Collapsed(*doc_, t)) {
            if (replace == w::wdReplaceAll) return WholeStory(*doc_);
            return FromPoint(*doc_, t.start, wrap);
        }
        std::vector<ParagraphSpan> spans;
        for (const ParagraphWindow& win : TargetWindows(*doc_, t))
            spans.push_back({win.paragraph, win.from, win.whole ? std::numeric_limits<std::size_t>::max() : win.to});
        return spans;
    }

    void SelectFound(const wordtext::FoundText& found) {
        auto interval = doc_->Story().IntervalOf(found.paragraph);
        if (!interval) return;
        doc_->selection = Target::Span(interval->start + static_cast<long>(found.start),
                                       interval->start + static_cast<long>(found.end));
    }

    bool FindOnly(const std::vector<ParagraphSpan>& spans, const wordtext::SearchPattern& pattern) {
        auto found = S().forward ? wordtext::FindFirst(spans, pattern) : wordtext::FindLast(spans, pattern);
        if (!found) return false;
        if (selection_) SelectFound(*found);
        return true;
    }

    bool ReplaceFirst(const std::vector<ParagraphSpan>& spans, const wordtext::SearchPattern& pattern,
                      const wordtext::ReplacementText& replacement, const Target& t) {
        std::vector<pugi::xml_node> touched = Paragraphs(spans);
        auto done = wordtext::ReplaceOne(spans, pattern, replacement, S().forward);
        if (!done) return false;
        Changed(touched);
        if (selection_) SelectFound(*done);
        return true;
    }

    bool ReplaceEvery(const std::vector<ParagraphSpan>& spans, const wordtext::SearchPattern& pattern,
                      const wordtext::ReplacementText& replacement, const Target& t) {
        std::vector<pugi::xml_node> touched = Paragraphs(spans);
        long before = doc_->Story().Length();
        int count = wordtext::ReplaceAll(spans, pattern, replacement);
        if (count == 0) return false;
        Changed(touched);
        // A selected span keeps covering what it covered: its end moves by
        // what the replacements added or took away.
        if (selection_ && t.kind == Target::Kind::Span && t.start != t.end) {
            long delta = doc_->Story().Length() - before;
            doc_->selection = Target::Span(t.start, std::max(t.start, t.end + delta));
        }
        return true;
    }

    static std::vector<pugi::xml_node> Paragraphs(const std::vector<ParagraphSpan>& spans) {
        std::vector<pugi::xml_node> out;
        out.reserve(spans.size());
        for (const auto& span : spans)
            if (out.empty() || out.back() != span.paragraph) out.push_back(span.paragraph);
        return out;
    }

    void Changed(const std::vector<pugi::xml_node>& touched) {
        // A selection held by a paragraph or object node becomes a point
        // where it started, since that node may be gone.
        const Target& sel = doc_->selection;
        bool heldByNode = sel.kind == Target::Kind::Paragraph || sel.kind == Target::Kind::Object;
        long selectionStart = heldByNode ? selectionStart_ : 0;
        if (MayMatchMarks(S().text)) {
            doc_->ParagraphsReplaced();
            doc_->LayoutChanged();
            if (heldByNode) doc_->selection = Target::Span(selectionStart, selectionStart);
            return;
        }
        doc_->RunsReplaced();
        if (sel.kind == Target::Kind::Object) doc_->selection = Target::Span(selectionStart, selectionStart);
        if (touched.size() > 2000) {
            doc_->LayoutChanged();
            return;
        }
        for (pugi::xml_node p : touched) doc_->TextChanged(p);
    }

    DocPtr doc_;
    Target target_;
    bool selection_;
    long selectionStart_ = 0;
};

}  // namespace

w::Ref<w::Find> MakeFind(DocPtr doc, Target target, bool selection) {
    Target stamped = Stamped(*doc, std::move(target));
    return std::make_shared<FindImpl>(std::move(doc), std::move(stamped), selection);
}

}  // namespace dorvane::embedded::word
