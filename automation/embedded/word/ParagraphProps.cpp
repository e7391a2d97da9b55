#include "automation/embedded/word/ParagraphProps.h"

#include <cmath>
#include <map>
#include <string>

#include "automation/AutomationError.h"
#include "automation/embedded/word/DocumentData.h"
#include "automation/embedded/word/SchemaOrder.h"
#include "automation/word/WordTypes.h"

namespace dorvane::embedded::word {

namespace w = dorvane::word;

namespace {

// Word's single line: 240 in w:spacing line with the automatic rule.
constexpr long kSingleLine = 240;

struct Para {
    DocumentData& doc;
    const Names& n;
    pugi::xml_node p;
    pugi::xml_node pPr;
    mutable const std::vector<PropertySource>* chainRead = nullptr;

    Para(DocumentData& d, pugi::xml_node paragraph) : doc(d), n(d.N()), p(paragraph), pPr(d.N().Child(paragraph, "pPr")) {}

    // The paragraph's style chain, read when first needed: most settings
    // do not look at what the styles say.
    const std::vector<PropertySource>& Chain() const {
        if (!chainRead) {
            pugi::xml_node style = n.Child(pPr, "pStyle");
            chainRead = &doc.StylesOf().ParagraphChain(style ? n.Attr(style, "val").value() : "");
        }
        return *chainRead;
    }

    // The attribute of a property element in the paragraph's own w:pPr.
    pugi::xml_attribute Own(const char* element, const char* attr, const char* alt = nullptr) const {
        pugi::xml_node e = n.Child(pPr, element);
        if (!e) return {};
        pugi::xml_attribute a = n.Attr(e, attr);
        return a || !alt ? a : n.Attr(e, alt);
    }
    // The same from the style chain only.
    std::optional<std::string> Inherited(const char* element, const char* attr, const char* alt = nullptr) const {
        for (const PropertySource& s : Chain()) {
            pugi::xml_node e = s.names->Child(s.node, element);
            if (!e) continue;
            pugi::xml_attribute a = s.names->Attr(e, attr);
            if (!a && alt) a = s.names->Attr(e, alt);
            if (a) return std::string(a.value());
        }
        return std::nullopt;
    }
    std::optional<std::string> Effective(const char* element, const char* attr, const char* alt = nullptr) const {
        if (pugi::xml_attribute a = Own(element, attr, alt)) return std::string(a.value());
        return Inherited(element, attr, alt);
    }
    std::optional<long> Number(const char* element, const char* attr, const char* alt = nullptr) const {
        auto text = Effective(element, attr, alt);
        return text ? ParseMeasure(text->c_str()) : std::nullopt;
    }
    std::optional<pugi::xml_node> EffectiveElement(const char* element) const {
        if (pugi::xml_node e = n.Child(pPr, element)) return e;
        for (const PropertySource& s : Chain())
            if (pugi::xml_node e = s.names->Child(s.node, element)) return e;
        return std::nullopt;
    }

    pugi::xml_node Ensure(const char* element) {
        if (!pPr) pPr = EnsureChild(n, p, "pPr", order::kParagraph);
        return EnsureChild(n, pPr, element, order::kParagraphProperties);
    }
    // Sets `attr` (or its newer name `alt` when the element uses it).
    void Set(const char* element, const char* attr, const char* alt, const std::string& value) {
        pugi::xml_node e = Ensure(element);
        const char* name = alt && (n.Attr(e, alt) || n.Strict()) ? alt : attr;
        if (alt && name == alt) n.RemoveAttr(e, attr);
        n.SetAttr(e, name, value);
    }
    void Set(const char* element, const char* attr, const char* alt, long value) {
        Set(element, attr, alt, std::to_string(value));
    }
    void Remove(const char* element, const char* attr) {
        if (pugi::xml_node e = n.Child(pPr, element)) n.RemoveAttr(e, attr);
    }
    // Writes 0 for a unit that would override a value being set: Word
    // takes character and line units before points.
    void Neutralise(const char* element, const char* attr, const char* alt = nullptr) {
        bool own = static_cast<bool>(Own(element, attr, alt));
        auto inherited = Inherited(element, attr, alt);
        bool inheritedSet = inherited && ParseMeasure(inherited->c_str()).value_or(0) != 0;
        if (own || inheritedSet) Set(element, attr, alt, 0L);
    }
    bool Flag(const char* element, const char* attr) const {
        auto text = Effective(element, attr);
        return text && OnOffText(*text);
    }
};

double LineRuleCode(const Para& para) {
    std::string rule = para.Effective("spacing", "lineRule").value_or("auto");
    if (rule == "atLeast") return w::wdLineSpaceAtLeast;
    if (rule == "exact") return w::wdLineSpaceExactly;
    long line = para.Number("spacing", "line").value_or(kSingleLine);
    if (line == 240) return w::wdLineSpaceSingle;
    if (line == 360) return w::wdLineSpace1pt5;
    if (line == 480) return w::wdLineSpaceDouble;
    return w::wdLineSpaceMultiple;
}

double AlignmentCode(const Para& para) {
    std::string jc = para.Effective("jc", "val").value_or("left");
    if (jc == "center") return w::wdAlignParagraphCenter;
    if (jc == "right" || jc == "end") return w::wdAlignParagraphRight;
    if (jc == "both" || jc == "thaiDistribute" || jc == "lowKashida" || jc == "mediumKashida" || jc == "highKashida")
        return w::wdAlignParagraphJustify;
    if (jc == "distribute") return 4;  // wdAlignParagraphDistribute
    return w::wdAlignParagraphLeft;
}

void SetLineRule(Para& para, int rule) {
    long line = para.Number("spacing", "line").value_or(kSingleLine);
    bool automatic = para.Effective("spacing", "lineRule").value_or("auto") == "auto";
    switch (rule) {
        case w::wdLineSpaceSingle: line = 240; break;
        case w::wdLineSpace1pt5: line = 360; break;
        case w::wdLineSpaceDouble: line = 480; break;
        case w::wdLineSpaceAtLeast:
        case w::wdLineSpaceExactly:
            if (automatic) line = kSingleLine;  // 12 pt
            break;
        default: break;  // multiple keeps the number
    }
    const char* ruleName = rule == w::wdLineSpaceAtLeast ? "atLeast" : rule == w::wdLineSpaceExactly ? "exact" : "auto";
    para.Set("spacing", "line", nullptr, line);
    para.Set("spacing", "lineRule", nullptr, ruleName);
}

void SetLineSpacing(Para& para, double points) {
    // With single, 1.5 or double (and multiple) the rule becomes multiple
    // with that many twelfths of a line; at least and exactly keep theirs.
    std::string rule = para.Effective("spacing", "lineRule").value_or("auto");
    para.Set("spacing", "line", nullptr, PointsToTwips(points));
    para.Set("spacing", "lineRule", nullptr, rule == "atLeast" || rule == "exact" ? rule : std::string("auto"));
}

void SetFlag(Para& para, const char* element, const char* attr, bool on) {
    para.Set(element, attr, nullptr, on ? "1" : "0");
}

void SetWordWrap(Para& para, bool wrap) {
    // Wrapping is the default: a paragraph whose styles do not turn it off
    // needs no element of its own.
    if (wrap) {
        bool inheritedOff = false;
        for (const PropertySource& s : para.Chain()) {
            if (pugi::xml_node e = s.names->Child(s.node, "wordWrap")) {
                inheritedOff = !OnOff(*s.names, e).value_or(true);
                break;
            }
        }
        if (!inheritedOff) {
            if (para.pPr) RemoveChildren(para.n, para.pPr, "wordWrap");
            return;
        }
    }
    pugi::xml_node e = para.Ensure("wordWrap");
    para.n.SetAttr(e, "val", wrap ? "1" : "0");
}

void SetAlignment(Para& para, int alignment) {
    bool strict = para.n.Strict();
    const char* value = alignment == w::wdAlignParagraphLeft      ? (strict ? "start" : "left")
                        : alignment == w::wdAlignParagraphCenter  ? "center"
                        : alignment == w::wdAlignParagraphRight   ? (strict ? "end" : "right")
                        : alignment == w::wdAlignParagraphJustify ? "both"
                                                                  : "distribute";
    para.Set("jc", "val", nullptr, value);
}

void SetFirstLine(Para& para, double points) {
    long twips = PointsToTwips(points);
    if (twips >= 0) {
        para.Set("ind", "firstLine", nullptr, twips);
        para.Remove("ind", "hanging");
    } else {
        para.Set("ind", "hanging", nullptr, -twips);
        para.Remove("ind", "firstLine");
    }
    para.Neutralise("ind", "firstLineChars");
    para.Remove("ind", "hangingChars");
}

void SetFirstLineChars(Para& para, double characters) {
    long hundredths = ToHundredths(characters);
    if (hundredths >= 0) {
        para.Set("ind", "firstLineChars", nullptr, hundredths);
        para.Remove("ind", "hangingChars");
        if (hundredths > 0) para.Remove("ind", "hanging");
    } else {
        para.Set("ind", "hangingChars", nullptr, -hundredths);
        para.Remove("ind", "firstLineChars");
    }
}

}  // namespace

void CheckParagraphProp(ParaProp prop, double value) {
    auto refuse = [] { throw AutomationError("ParagraphFormat", "the value is out of range"); };
    if (!std::isfinite(value)) refuse();
    switch (prop) {
        case ParaProp::LeftIndent:
        case ParaProp::RightIndent:
        case ParaProp::FirstLineIndent:
            if (std::fabs(value) > 1584) refuse();
            break;
        case ParaProp::SpaceBefore:
        case ParaProp::SpaceAfter:
            if (value < 0 || value > 1584) refuse();
            break;
        case ParaProp::LineSpacing:
            if (value <= 0 || value > 1584) refuse();
            break;
        case ParaProp::LeftChars:
        case ParaProp::RightChars:
        case ParaProp::FirstLineChars:
            if (std::fabs(value) > 400) refuse();
            break;
        case ParaProp::LinesBefore:
        case ParaProp::LinesAfter:
            if (value < 0 || value > 100) refuse();
            break;
        case ParaProp::LineRule:
            if (value < w::wdLineSpaceSingle || value > w::wdLineSpaceMultiple || value != std::floor(value)) refuse();
            break;
        case ParaProp::Alignment:
            if (value < 0 || value > 4 || value != std::floor(value)) refuse();
            break;
        default: break;
    }
}

double GetParagraphProp(DocumentData& doc, pugi::xml_node paragraph, ParaProp prop) {
    Para para(doc, paragraph);
    auto twipsAsPoints = [&](const char* element, const char* attr, const char* alt = nullptr) {
        return TwipsToPoints(para.Number(element, attr, alt).value_or(0));
    };
    auto hundredths = [&](const char* element, const char* attr, const char* alt = nullptr) {
        return para.Number(element, attr, alt).value_or(0) / 100.0;
    };
    switch (prop) {
        case ParaProp::LeftIndent: return twipsAsPoints("ind", "left", "start");
        case ParaProp::RightIndent: return twipsAsPoints("ind", "right", "end");
        case ParaProp::FirstLineIndent: {
            if (auto hanging = para.Number("ind", "hanging"); hanging && *hanging) return -TwipsToPoints(*hanging);
            return twipsAsPoints("ind", "firstLine");
        }
        case ParaProp::LeftChars: return hundredths("ind", "leftChars", "startChars");
        case ParaProp::RightChars: return hundredths("ind", "rightChars", "endChars");
        case ParaProp::FirstLineChars: {
            if (auto hanging = para.Number("ind", "hangingChars"); hanging && *hanging) return -*hanging / 100.0;
            return hundredths("ind", "firstLineChars");
        }
        case ParaProp::SpaceBefore: return twipsAsPoints("spacing", "before");
        case ParaProp::SpaceAfter: return twipsAsPoints("spacing", "after");
        case ParaProp::BeforeAuto: return para.Flag("spacing", "beforeAutospacing") ? 1 : 0;
        case ParaProp::AfterAuto: return para.Flag("spacing", "afterAutospacing") ? 1 : 0;
        case ParaProp::LinesBefore: return hundredths("spacing", "beforeLines");
        case ParaProp::LinesAfter: return hundredths("spacing", "afterLines");
        case ParaProp::LineRule: return LineRuleCode(para);
        case ParaProp::LineSpacing: {
            long line = para.Number("spacing", "line").value_or(kSingleLine);
            std::string rule = para.Effective("spacing", "lineRule").value_or("auto");
            return rule == "auto" ? line / 240.0 * 12.0 : TwipsToPoints(line);
        }
        case ParaProp::WordWrap: {
            auto e = para.EffectiveElement("wordWrap");
            return !e || OnOff(para.n, *e).value_or(true) ? 1 : 0;
        }
        case ParaProp::Alignment: return AlignmentCode(para);
    }
    return 0;
}

void SetParagraphProp(DocumentData& doc, pugi::xml_node paragraph, ParaProp prop, double value) {
    CheckParagraphProp(prop, value);
    Para para(doc, paragraph);
    switch (prop) {
        case ParaProp::LeftIndent:
            para.Set("ind", "left", "start", PointsToTwips(value));
            para.Neutralise("ind", "leftChars", "startChars");
            break;
        case ParaProp::RightIndent:
            para.Set("ind", "right", "end", PointsToTwips(value));
            para.Neutralise("ind", "rightChars", "endChars");
            break;
        case ParaProp::FirstLineIndent: SetFirstLine(para, value); break;
        case ParaProp::LeftChars: para.Set("ind", "leftChars", "startChars", ToHundredths(value)); break;
        case ParaProp::RightChars: para.Set("ind", "rightChars", "endChars", ToHundredths(value)); break;
        case ParaProp::FirstLineChars: SetFirstLineChars(para, value); break;
        case ParaProp::SpaceBefore:
            para.Set("spacing", "before", nullptr, PointsToTwips(value));
            para.Neutralise("spacing", "beforeLines");
            if (para.Flag("spacing", "beforeAutospacing")) SetFlag(para, "spacing", "beforeAutospacing", false);
            break;
        case ParaProp::SpaceAfter:
            para.Set("spacing", "after", nullptr, PointsToTwips(value));
            para.Neutralise("spacing", "afterLines");
            if (para.Flag("spacing", "afterAutospacing")) SetFlag(para, "spacing", "afterAutospacing", false);
            break;
        case ParaProp::BeforeAuto: SetFlag(para, "spacing", "beforeAutospacing", value != 0); break;
        case ParaProp::AfterAuto: SetFlag(para, "spacing", "afterAutospacing", value != 0); break;
        case ParaProp::LinesBefore: para.Set("spacing", "beforeLines", nullptr, ToHundredths(value)); break;
        case ParaProp::LinesAfter: para.Set("spacing", "afterLines", nullptr, ToHundredths(value)); break;
        case ParaProp::LineRule: SetLineRule(para, static_cast<int>(value)); break;
        case ParaProp::LineSpacing: SetLineSpacing(para, value); break;
        case ParaProp::WordWrap: SetWordWrap(para, value != 0); break;
        case ParaProp::Alignment: SetAlignment(para, static_cast<int>(value)); break;
    }
}

namespace {

// Tab positions of a w:tabs list: set ones map to true, cleared to false.
void ReadTabs(const Names& n, pugi::xml_node tabs, std::map<long, bool>& out) {
    for (pugi::xml_node tab = n.Child(tabs, "tab"); tab; tab = tab.next_sibling(n.W("tab"))) {
        long pos = IntAttr(n, tab, "pos").value_or(0);
        bool cleared = std::string_view(n.Attr(tab, "val").value()) == "clear";
        out.emplace(pos, !cleared);  // the nearer list wins
    }
}

}  // namespace

int TabStopCount(DocumentData& doc, pugi::xml_node paragraph) {
    Para para(doc, paragraph);
    std::map<long, bool> tabs;
    ReadTabs(para.n, para.n.Child(para.pPr, "tabs"), tabs);
    for (const PropertySource& s : para.Chain()) ReadTabs(*s.names, s.names->Child(s.node, "tabs"), tabs);
    int count = 0;
    for (const auto& [pos, set] : tabs) count += set ? 1 : 0;
    return count;
}

void ClearTabStops(DocumentData& doc, pugi::xml_node paragraph) {
    Para para(doc, paragraph);
    std::map<long, bool> inherited;
    for (const PropertySource& s : para.Chain()) ReadTabs(*s.names, s.names->Child(s.node, "tabs"), inherited);
    if (para.pPr) RemoveChildren(para.n, para.pPr, "tabs");
    bool any = false;
    for (const auto& [pos, set] : inherited) any |= set;
    if (!any) return;
    pugi::xml_node tabs = para.Ensure("tabs");
    for (const auto& [pos, set] : inherited) {
        if (!set) continue;
        pugi::xml_node tab = tabs.append_child(para.n.W("tab"));
        para.n.SetAttr(tab, "val", "clear");
        SetIntAttr(para.n, tab, "pos", pos);
    }
}

}  // namespace dorvane::embedded::word
