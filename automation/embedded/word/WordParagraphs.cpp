// Paragraphs, Paragraph, ParagraphFormat and TabStops.

#include "automation/AutomationError.h"
#include "automation/embedded/word/Handles.h"
#include "automation/embedded/word/ParagraphProps.h"

namespace dorvane::embedded::word {

namespace {

class TabStopsImpl : public w::TabStops {
public:
    TabStopsImpl(DocPtr doc, Target target) : doc_(std::move(doc)), target_(std::move(target)) {}

    int Count() const override {
        CheckTarget(*doc_, target_, "TabStops.Count");
        auto paragraphs = TargetParagraphs(*doc_, target_);
        return paragraphs.empty() ? 0 : TabStopCount(*doc_, paragraphs.front());
    }
    void ClearAll() override {
        CheckTarget(*doc_, target_, "TabStops.ClearAll");
        for (pugi::xml_node p : TargetParagraphs(*doc_, target_)) ClearTabStops(*doc_, p);
        doc_->FormatChanged();
    }

private:
    DocPtr doc_;
    Target target_;
};

class ParagraphFormatImpl : public w::ParagraphFormat {
public:
    ParagraphFormatImpl(DocPtr doc, Target target) : doc_(std::move(doc)), target_(std::move(target)) {}

    double LeftIndent() const override { return Get(ParaProp::LeftIndent); }
    void SetLeftIndent(double v) override { Set(ParaProp::LeftIndent, v); }
    double RightIndent() const override { return Get(ParaProp::RightIndent); }
    void SetRightIndent(double v) override { Set(ParaProp::RightIndent, v); }
    double FirstLineIndent() const override { return Get(ParaProp::FirstLineIndent); }
    void SetFirstLineIndent(double v) override { Set(ParaProp::FirstLineIndent, v); }
    double CharacterUnitLeftIndent() const override { return Get(ParaProp::LeftChars); }
    void SetCharacterUnitLeftIndent(double v) override { Set(ParaProp::LeftChars, v); }
    double CharacterUnitRightIndent() const override { return Get(ParaProp::RightChars); }
    void SetCharacterUnitRightIndent(double v) override { Set(ParaProp::RightChars, v); }
    double CharacterUnitFirstLineIndent() const override { return Get(ParaProp::FirstLineChars); }
    void SetCharacterUnitFirstLineIndent(double v) override { Set(ParaProp::FirstLineChars, v); }

    double SpaceBefore() const override { return Get(ParaProp::SpaceBefore); }
    void SetSpaceBefore(double v) override { Set(ParaProp::SpaceBefore, v); }
    double SpaceAfter() const override { return Get(ParaProp::SpaceAfter); }
    void SetSpaceAfter(double v) override { Set(ParaProp::SpaceAfter, v); }
    bool SpaceBeforeAuto() const override { return Get(ParaProp::BeforeAuto) == 1; }
    void SetSpaceBeforeAuto(bool v) override { Set(ParaProp::BeforeAuto, v ? 1 : 0); }
    bool SpaceAfterAuto() const override { return Get(ParaProp::AfterAuto) == 1; }
    void SetSpaceAfterAuto(bool v) override { Set(ParaProp::AfterAuto, v ? 1 : 0); }
    double LineUnitBefore() const override { return Get(ParaProp::LinesBefore); }
    void SetLineUnitBefore(double v) override { Set(ParaProp::LinesBefore, v); }
    double LineUnitAfter() const override { return Get(ParaProp::LinesAfter); }
    void SetLineUnitAfter(double v) override { Set(ParaProp::LinesAfter, v); }

    int LineSpacingRule() const override { return static_cast<int>(Get(ParaProp::LineRule)); }
    void SetLineSpacingRule(int v) override { Set(ParaProp::LineRule, v); }
    double LineSpacing() const override { return Get(ParaProp::LineSpacing); }
    void SetLineSpacing(double v) override { Set(ParaProp::LineSpacing, v); }

    bool WordWrap() const override { return Get(ParaProp::WordWrap) == 1; }
    void SetWordWrap(bool v) override { Set(ParaProp::WordWrap, v ? 1 : 0); }
    int Alignment() const override { return static_cast<int>(Get(ParaProp::Alignment)); }
    void SetAlignment(int v) override { Set(ParaProp::Alignment, v); }

    w::Ref<w::TabStops> TabStops() override {
        CheckTarget(*doc_, target_, "ParagraphFormat.TabStops");
        return std::make_shared<TabStopsImpl>(doc_, target_);
    }

private:
    // The common value of the paragraphs, wdUndefined when they differ.
    double Get(ParaProp prop) const {
        CheckTarget(*doc_, target_, "ParagraphFormat");
        bool first = true;
        double value = 0;
        for (pugi::xml_node p : TargetParagraphs(*doc_, target_)) {
            double v = GetParagraphProp(*doc_, p, prop);
            if (!first && v != value) return w::wdUndefined;
            value = v;
            first = false;
        }
        return value;
    }
    void Set(ParaProp prop, double value) {
        CheckTarget(*doc_, target_, "ParagraphFormat");
        CheckParagraphProp(prop, value);
        for (pugi::xml_node p : TargetParagraphs(*doc_, target_)) SetParagraphProp(*doc_, p, prop, value);
        doc_->FormatChanged();
    }

    DocPtr doc_;
    Target target_;
};

class ParagraphImpl : public w::Paragraph {
public:
    ParagraphImpl(DocPtr doc, pugi::xml_node paragraph, unsigned long since)
        : doc_(std::move(doc)), target_(Target::Of(Target::Kind::Paragraph, paragraph)) {
        target_.generation = since;
    }

    w::Ref<w::Range> Range() override {
        CheckTarget(*doc_, target_, "Paragraph.Range");
        return MakeRange(doc_, target_);
    }
    w::Ref<w::ParagraphFormat> Format() override {
        CheckTarget(*doc_, target_, "Paragraph.Format");
        return MakeParagraphFormat(doc_, target_);
    }

private:
    DocPtr doc_;
    Target target_;
};

class ParagraphsImpl : public w::Paragraphs {
public:
    ParagraphsImpl(DocPtr doc, std::vector<pugi::xml_node> paragraphs)
        : doc_(std::move(doc)), paragraphs_(std::move(paragraphs)), since_(doc_->Generation()) {}

    int Count() const override {
        doc_->CheckOpen("Paragraphs.Count");
        return static_cast<int>(paragraphs_.size());
    }
    w::Ref<w::Paragraph> Item(int index) override {
        doc_->CheckOpen("Paragraphs.Item");
        if (index < 1 || index > static_cast<int>(paragraphs_.size()))
            throw AutomationError("Paragraphs.Item", "the requested member of the collection does not exist");
        pugi::xml_node p = paragraphs_[static_cast<std::size_t>(index - 1)];
        doc_->RequireAlive(p, since_, NodeKind::Paragraph, "Paragraphs.Item");
        return std::make_shared<ParagraphImpl>(doc_, p, since_);
    }

private:
    DocPtr doc_;
    std::vector<pugi::xml_node> paragraphs_;
    unsigned long since_;
};

}  // namespace

w::Ref<w::ParagraphFormat> MakeParagraphFormat(DocPtr doc, Target target) {
    Target stamped = Stamped(*doc, std::move(target));
    return std::make_shared<ParagraphFormatImpl>(std::move(doc), std::move(stamped));
}

w::Ref<w::Paragraphs> MakeParagraphs(DocPtr doc, Target target) {
    auto paragraphs = TargetParagraphs(*doc, target);
    return std::make_shared<ParagraphsImpl>(std::move(doc), std::move(paragraphs));
}

w::Ref<w::Paragraph> MakeParagraph(DocPtr doc, pugi::xml_node paragraph) {
    unsigned long since = doc->Generation();
    return std::make_shared<ParagraphImpl>(std::move(doc), paragraph, since);
}

}  // namespace dorvane::embedded::word
