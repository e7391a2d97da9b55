// Font of a range: the run properties of the text it covers.

#include <algorithm>
#include <cctype>
#include <cmath>

#include "automation/AutomationError.h"
#include "automation/embedded/word/Blocks.h"
#include "automation/embedded/word/Handles.h"
#include "automation/embedded/word/SchemaOrder.h"
#include "automation/embedded/wordtext/ParagraphText.h"
#include "automation/embedded/wordtext/RunEditing.h"

namespace dorvane::embedded::word {

namespace {

// Word's fallbacks when no style says: Times New Roman, 10 pt, regular.
constexpr const char* kDefaultFont = "Times New Roman";
constexpr double kDefaultSize = 10.0;

bool IsCjkCodePoint(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FA1F);
}

bool HasCjk(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        char32_t c = b;
        std::size_t len = 1;
        if (b >= 0xF0 && i + 3 < s.size()) {
            c = ((b & 0x07u) << 18) | ((s[i + 1] & 0x3Fu) << 12) | ((s[i + 2] & 0x3Fu) << 6) | (s[i + 3] & 0x3Fu);
            len = 4;
        } else if (b >= 0xE0 && i + 2 < s.size()) {
            c = ((b & 0x0Fu) << 12) | ((s[i + 1] & 0x3Fu) << 6) | (s[i + 2] & 0x3Fu);
            len = 3;
        } else if (b >= 0xC0 && i + 1 < s.size()) {
            c = ((b & 0x1Fu) << 6) | (s[i + 1] & 0x3Fu);
            len = 2;
        }
        if (IsCjkCodePoint(c)) return true;
        i += len;
    }
    return false;
}

}  // namespace

// Whether a font name is an East Asian font: CJK characters in its name, or
// one of the East Asian fonts known by their Latin names.
bool IsEastAsianFontName(std::string_view name) {
    if (HasCjk(name)) return true;
    static const char* const kKnown[] = {
        "SimSun", "NSimSun", "SimHei", "SimKai", "SimFang", "FangSong", "FangSong_GB2312", "KaiTi",
        "KaiTi_GB2312", "Microsoft YaHei", "Microsoft YaHei UI", "Microsoft JhengHei", "DengXian", "STSong",
        "STZhongsong", "STKaiti", "STFangsong", "STHeiti", "STXihei", "STXinwei", "STLiti", "STXingkai",
        "STCaiyun", "STHupo", "YouYuan", "LiSu", "MingLiU", "PMingLiU", "MingLiU_HKSCS", "DFKai-SB",
        "MS Mincho", "MS PMincho", "MS Gothic", "MS PGothic", "MS UI Gothic", "Meiryo", "Meiryo UI",
        "Yu Gothic", "Yu Mincho", "Batang", "BatangChe", "Gulim", "GulimChe", "Dotum", "DotumChe",
        "Gungsuh", "Malgun Gothic", "Hei", "Kai", "Songti SC", "Heiti SC", "PingFang SC", "Noto Sans CJK SC",
        "Noto Serif CJK SC", "Source Han Sans", "Source Han Serif"};
    std::string_view bare = name.substr(0, 1) == "@" ? name.substr(1) : name;
    for (const char* known : kKnown) {
        std::string_view k(known);
        if (k.size() == bare.size() &&
            std::equal(k.begin(), k.end(), bare.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            }))
            return true;
    }
    return false;
}

namespace {

// A holder of run properties: a run (its w:rPr) or a paragraph mark
// (w:pPr/w:rPr).
struct Holder {
    pugi::xml_node node;  // the w:r, or the w:p for a mark
    bool mark = false;
};

struct RunContext {
    DocumentData& doc;
    const Names& n;

    pugi::xml_node OwnRPr(const Holder& h) const {
        return h.mark ? n.Child(n.Child(h.node, "pPr"), "rPr") : n.Child(h.node, "rPr");
    }
    const std::vector<PropertySource>& Chain(const Holder& h) const {
        pugi::xml_node p = h.mark ? h.node : Ancestor(n, h.node, "p");
        pugi::xml_node pStyle = n.Child(n.Child(p, "pPr"), "pStyle");
        pugi::xml_node rStyle = h.mark ? pugi::xml_node() : n.Child(n.Child(h.node, "rPr"), "rStyle");
        return doc.StylesOf().RunChain(rStyle ? n.Attr(rStyle, "val").value() : "",
                                       pStyle ? n.Attr(pStyle, "val").value() : "");
    }
    pugi::xml_node EnsureRPr(const Holder& h) const {
        if (h.mark) return wordtext::MarkRunProperties(h.node, true);
        return EnsureChild(n, h.node, "rPr", order::kRun);
    }

    // The first source (own, then inherited) for which f gives a value.
    template <class T, class F>
    std::optional<T> Find(const Holder& h, F&& f, bool includeOwn = true) const {
        if (includeOwn)
            if (pugi::xml_node own = OwnRPr(h))
                if (auto v = f(n, own)) return v;
        for (const PropertySource& s : Chain(h))
            if (auto v = f(*s.names, s.node)) return v;
        return std::nullopt;
    }

    std::string FontOf(const Holder& h, const char* attr, const char* themeAttr) const {
        auto value = Find<std::string>(h, [&](const Names& names, pugi::xml_node rPr) -> std::optional<std::string> {
            pugi::xml_node fonts = names.Child(rPr, "rFonts");
            if (!fonts) return std::nullopt;
            if (pugi::xml_attribute theme = names.Attr(fonts, themeAttr)) {
                std::string face = doc.StylesOf().ThemeFont(theme.value());
                if (!face.empty()) return face;
            }
            if (pugi::xml_attribute a = names.Attr(fonts, attr)) return std::string(a.value());
            return std::nullopt;
        });
        return value.value_or(std::string());
    }
    double SizeOf(const Holder& h) const {
        auto half = Find<long>(h, [](const Names& names, pugi::xml_node rPr) {
            return IntAttr(names, names.Child(rPr, "sz"), "val");
        });
        return half ? *half / 2.0 : kDefaultSize;
    }
    bool BoldOf(const Holder& h, bool includeOwn = true) const {
        auto bold = Find<bool>(h, [](const Names& names, pugi::xml_node rPr) {
            return OnOff(names, names.Child(rPr, "b"));
        }, includeOwn);
        return bold.value_or(false);
    }
};

class FontImpl : public w::Font {
public:
    FontImpl(DocPtr doc, Target target) : doc_(std::move(doc)), target_(std::move(target)) {}

    std::string Name() const override {
        return Common<std::string>("Font.Name", [](const RunContext& c, const Holder& h) {
            std::string face = c.FontOf(h, "ascii", "asciiTheme");
            return face.empty() ? std::string(kDefaultFont) : face;
        }).value_or("");
    }
    void SetName(const std::string& name) override {
        if (name.empty()) throw AutomationError("Font.Name", "a font name cannot be empty");
        bool eastAsian = IsEastAsianFontName(name);
        Apply("Font.Name", [&](const RunContext& c, pugi::xml_node rPr) {
            pugi::xml_node fonts = EnsureChild(c.n, rPr, "rFonts", order::kRunProperties);
            c.n.SetAttr(fonts, "ascii", name);
            c.n.SetAttr(fonts, "hAnsi", name);
            c.n.RemoveAttr(fonts, "asciiTheme");
            c.n.RemoveAttr(fonts, "hAnsiTheme");
            if (eastAsian) {
                c.n.SetAttr(fonts, "eastAsia", name);
                c.n.RemoveAttr(fonts, "eastAsiaTheme");
            }
        });
    }
    std::string NameFarEast() const override {
        return Common<std::string>("Font.NameFarEast", [](const RunContext& c, const Holder& h) {
                   return c.FontOf(h, "eastAsia", "eastAsiaTheme");
               }).value_or("");
    }
    double Size() const override {
        return Common<double>("Font.Size", [](const RunContext& c, const Holder& h) { return c.SizeOf(h); })
            .value_or(w::wdUndefined);
    }
    void SetSize(double points) override {
        if (!(points >= 1 && points <= 1638)) throw AutomationError("Font.Size", "the value is out of range");
        std::string half = std::to_string(PointsToHalfPoints(points));
        Apply("Font.Size", [&](const RunContext& c, pugi::xml_node rPr) {
            c.n.SetAttr(EnsureChild(c.n, rPr, "sz", order::kRunProperties), "val", half);
            c.n.SetAttr(EnsureChild(c.n, rPr, "szCs", order::kRunProperties), "val", half);
        });
    }
    int Bold() const override {
        return Common<int>("Font.Bold", [](const RunContext& c, const Holder& h) {
                   return c.BoldOf(h) ? w::wdTrue : w::wdFalse;
               }).value_or(w::wdUndefined);
    }
    void SetBold(int bold) override {
        bool on;
        if (bold == w::wdTrue || bold == 1) {
            on = true;
        } else if (bold == w::wdFalse) {
            on = false;
        } else if (bold == w::wdToggle) {
            // Bold text turns regular; regular or mixed text turns bold.
            on = Bold() != w::wdTrue;
        } else {
            throw AutomationError("Font.Bold", "the value is out of range");
        }
        ApplyHolders("Font.Bold", [&](const RunContext& c, const Holder& h) {
            pugi::xml_node own = c.OwnRPr(h);
            bool inherited = c.BoldOf(h, false);
            if (on == inherited) {
                if (own) RemoveChildren(c.n, own, "b");
                return;
            }
            pugi::xml_node b = EnsureChild(c.n, c.EnsureRPr(h), "b", order::kRunProperties);
            if (on)
                c.n.RemoveAttr(b, "val");
            else
                c.n.SetAttr(b, "val", "0");
        });
    }

private:
    RunContext Context() const { return RunContext{*doc_, doc_->N()}; }

    // The holders whose text the target covers, for reading: runs with
    // text, or the mark of a paragraph without any.
    std::vector<Holder> ReadHolders() const {
        std::vector<Holder> out;
        for (const ParagraphWindow& win : TargetWindows(*doc_, target_)) {
            wordtext::ParagraphText text(win.paragraph);
            std::size_t from = win.from;
            std::size_t to = std::min(win.to, text.ContentLength());
            pugi::xml_node last;
            for (const auto& piece : text.Pieces()) {
                if (piece.kind == wordtext::PieceKind::Mark || !piece.run) continue;
                bool inside = piece.start < to && piece.end() > from;
                if (!inside || piece.run == last) continue;
                out.push_back({piece.run, false});
                last = piece.run;
            }
            if (text.ContentLength() == 0 && win.whole) out.push_back({win.paragraph, true});
        }
        return out;
    }

    // The holders to change: every run the target covers (split at its
    // ends) and the marks of paragraphs it covers whole.
    std::vector<Holder> WriteHolders() const {
        std::vector<Holder> out;
        const Names& n = doc_->N();
        std::vector<pugi::xml_node> runs;
        for (const ParagraphWindow& win : TargetWindows(*doc_, target_)) {
            runs.clear();
            if (win.whole) {
                CollectRuns(n, win.paragraph, runs);
            } else {
                std::size_t content = wordtext::ParagraphText(win.paragraph).ContentLength();
                runs = wordtext::RunsInSpan(win.paragraph, std::min(win.from, content), std::min(win.to, content));
            }
            for (pugi::xml_node r : runs) out.push_back({r, false});
            if (win.whole) out.push_back({win.paragraph, true});
        }
        return out;
    }

    template <class T, class F>
    std::optional<T> Common(const char* member, F&& f) const {
        CheckTarget(*doc_, target_, member);
        RunContext c = Context();
        std::optional<T> value;
        for (const Holder& h : ReadHolders()) {
            T v = f(c, h);
            if (value && *value != v) return std::nullopt;
            value = v;
        }
        return value;
    }

    template <class F>
    void ApplyHolders(const char* member, F&& f) {
        CheckTarget(*doc_, target_, member);
        RunContext c = Context();
        for (const Holder& h : WriteHolders()) f(c, h);
        doc_->FormatChanged();
    }
    template <class F>
    void Apply(const char* member, F&& f) {
        ApplyHolders(member, [&](const RunContext& c, const Holder& h) { f(c, c.EnsureRPr(h)); });
    }

    DocPtr doc_;
    Target target_;
};

}  // namespace

w::Ref<w::Font> MakeFont(DocPtr doc, Target target) {
    Target stamped = Stamped(*doc, std::move(target));
    return std::make_shared<FontImpl>(std::move(doc), std::move(stamped));
}

}  // namespace dorvane::embedded::word
