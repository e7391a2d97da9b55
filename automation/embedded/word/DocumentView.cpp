// The read-only picture of a document's main text: one walk over the body,
// reading effective properties through the styles as the object model
// does.

#include "automation/embedded/word/DocumentView.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "automation/embedded/word/Blocks.h"
#include "automation/embedded/word/Handles.h"
#include "automation/embedded/word/ParagraphProps.h"
#include "automation/embedded/word/TableBorders.h"
#include "automation/embedded/word/TableFormat.h"
#include "automation/embedded/wordtext/ParagraphText.h"

namespace dorvane::embedded::word {

namespace {

// Word's fallbacks when no style says: Times New Roman, 10 pt.
constexpr const char* kDefaultFont = "Times New Roman";
constexpr double kDefaultSize = 10.0;
// Space that automatic spacing before or after stands for, in points.
constexpr double kAutoSpacing = 14.0;
// A line of the spacing's line units, in points (as LinesToPoints).
constexpr double kLinePoints = 12.0;
// Grid columns of a table without w:tblGrid share this width, in points.
constexpr double kDefaultTableWidth = 432.0;

std::string StyleIdOf(const Names& n, pugi::xml_node properties, const char* styleElement) {
    pugi::xml_node style = n.Child(properties, styleElement);
    return style ? n.Attr(style, "val").value() : std::string();
}

// Effective run properties: the run's own w:rPr, then its character
// style, its paragraph's style and the document defaults.
class RunReader {
public:
    explicit RunReader(DocumentData& doc) : doc_(doc), n_(doc.N()) {}

    RunView Read(pugi::xml_node run, pugi::xml_node paragraph) const {
        pugi::xml_node own = run ? n_.Child(run, "rPr") : n_.Child(n_.Child(paragraph, "pPr"), "rPr");
        const auto& chain = doc_.StylesOf().RunChain(run ? StyleIdOf(n_, own, "rStyle") : std::string(),
                                                     StyleIdOf(n_, n_.Child(paragraph, "pPr"), "pStyle"));
        RunView view;
        view.bold = Flag(own, chain, "b");
        view.italic = Flag(own, chain, "i");
        view.underline = Underlined(own, chain);
        auto halfPoints = First<long>(own, chain, [](const Names& n, pugi::xml_node rPr) {
            return IntAttr(n, n.Child(rPr, "sz"), "val");
        });
        view.size = halfPoints ? *halfPoints / 2.0 : kDefaultSize;
        view.font = Font(own, chain, "ascii", "asciiTheme").value_or(kDefaultFont);
        view.fontFarEast = Font(own, chain, "eastAsia", "eastAsiaTheme").value_or(view.font);
        return view;
    }

private:
    template <class T, class F>
    std::optional<T> First(pugi::xml_node own, const std::vector<PropertySource>& chain, F&& f) const {
        if (own)
            if (auto v = f(n_, own)) return v;
        for (const PropertySource& s : chain)
            if (auto v = f(*s.names, s.node)) return v;
        return std::nullopt;
    }

    bool Flag(pugi::xml_node own, const std::vector<PropertySource>& chain, const char* local) const {
        return First<bool>(own, chain, [local](const Names& n, pugi::xml_node rPr) {
                   return OnOff(n, n.Child(rPr, local));
               }).value_or(false);
    }

    bool Underlined(pugi::xml_node own, const std::vector<PropertySource>& chain) const {
        return First<bool>(own, chain, [](const Names& n, pugi::xml_node rPr) -> std::optional<bool> {
                   pugi::xml_node u = n.Child(rPr, "u");
                   if (!u) return std::nullopt;
                   std::string_view value = n.Attr(u, "val").value();
                   return value != "none" && value != "0";
               }).value_or(false);
    }

    std::optional<std::string> Font(pugi::xml_node own, const std::vector<PropertySource>& chain, const char* attr,
                                    const char* themeAttr) const {
        return First<std::string>(own, chain, [&](const Names& n, pugi::xml_node rPr) -> std::optional<std::string> {
            pugi::xml_node fonts = n.Child(rPr, "rFonts");
            if (!fonts) return std::nullopt;
            if (pugi::xml_attribute theme = n.Attr(fonts, themeAttr)) {
                std::string face = doc_.StylesOf().ThemeFont(theme.value());
                if (!face.empty()) return face;
            }
            if (pugi::xml_attribute face = n.Attr(fonts, attr)) return std::string(face.value());
            return std::nullopt;
        });
    }

    DocumentData& doc_;
    const Names& n_;
};

class ViewBuilder {
public:
    explicit ViewBuilder(DocumentData& doc) : doc_(doc), n_(doc.N()), runs_(doc) {}

    void Blocks(pugi::xml_node container, std::vector<BlockView>& out) {
        ForEachBlock(n_, container, [&](pugi::xml_node block) {
            BlockView view;
            if (n_.Is(block, "p")) {
                view.paragraph = Paragraph(block);
            } else {
                view.isTable = true;
                view.table = Table(block);
            }
            out.push_back(std::move(view));
        });
    }

private:
    ParagraphView Paragraph(pugi::xml_node p) {
        ParagraphView view;
        if (auto interval = doc_.Story().IntervalOf(p)) {
            view.start = interval->start;
            view.end = interval->end;
        }
        wordtext::ParagraphText text(p);
        pugi::xml_node currentRun;
        for (const wordtext::Piece& piece : text.Pieces()) {
            if (piece.kind == wordtext::PieceKind::Mark) break;
            if (view.runs.empty() || piece.run != currentRun) {
                view.runs.push_back(runs_.Read(piece.run, p));
                currentRun = piece.run;
            }
            view.runs.back().text += text.Slice(piece.start, piece.end());
        }
        Format(p, view, view.runs.empty() ? runs_.Read({}, p).size : view.runs.front().size);
        return view;
    }

    void Format(pugi::xml_node p, ParagraphView& view, double fontSize) {
        auto get = [&](ParaProp prop) { return GetParagraphProp(doc_, p, prop); };
        view.alignment = static_cast<int>(get(ParaProp::Alignment));
        // Character units, where set, win over points (Word's rule); one
        // character is the size of the paragraph's font.
        auto indent = [&](ParaProp chars, ParaProp points) {
            double units = get(chars);
            return units != 0 ? units * fontSize : get(points);
        };
        view.leftIndent = indent(ParaProp::LeftChars, ParaProp::LeftIndent);
        view.rightIndent = indent(ParaProp::RightChars, ParaProp::RightIndent);
        view.firstLineIndent = indent(ParaProp::FirstLineChars, ParaProp::FirstLineIndent);
        auto spacing = [&](ParaProp automatic, ParaProp lines, ParaProp points) {
            if (get(automatic) != 0) return kAutoSpacing;
            double units = get(lines);
            return units != 0 ? units * kLinePoints : get(points);
        };
        view.spaceBefore = spacing(ParaProp::BeforeAuto, ParaProp::LinesBefore, ParaProp::SpaceBefore);
        view.spaceAfter = spacing(ParaProp::AfterAuto, ParaProp::LinesAfter, ParaProp::SpaceAfter);
        view.lineRule = static_cast<int>(get(ParaProp::LineRule));
        view.lineSpacing = get(ParaProp::LineSpacing);
    }

    std::unique_ptr<TableView> Table(pugi::xml_node tbl) {
        auto view = std::make_unique<TableView>();
        if (auto interval = doc_.Story().IntervalOf(tbl)) {
            view->start = interval->start;
            view->end = interval->end;
        }
        const TableGrid& grid = doc_.Grid(tbl);
        view->rows = grid.RowCount();
        view->columns = grid.ColumnCount();
        view->columnWidths = ColumnWidths(tbl, grid.ColumnCount());
        view->leftIndent = tablefmt::LeftIndent(doc_, tbl);
        for (int r = 0; r < grid.RowCount(); ++r) {
            const int rule = tablefmt::HeightRule(doc_, grid.Row(r));
            view->rowHeightRules.push_back(rule);
            view->rowHeights.push_back(rule == dorvane::word::wdRowHeightAuto ? 0 : tablefmt::Height(doc_, grid.Row(r)));
        }
        const Side sides[] = {Side::Top, Side::Left, Side::Bottom, Side::Right};
        for (int i = 0; i < 4; ++i) view->padding[i] = tablefmt::CellMargin(doc_, tbl, sides[i]);
        for (int r = 0; r < grid.RowCount(); ++r)
            for (const GridCell& cell : grid.PhysicalCells(r))
                if (!cell.covered) view->cells.push_back(Cell(tbl, cell));
        return view;
    }

    CellView Cell(pugi::xml_node tbl, const GridCell& cell) {
        CellView view;
        view.row = cell.row;
        view.column = cell.column;
        view.rowSpan = cell.rowSpan;
        view.columnSpan = cell.span;
        if (auto interval = doc_.Story().IntervalOf(cell.tc)) {
            view.start = interval->start;
            view.end = interval->end;
        }
        view.verticalAlignment = tablefmt::VerticalAlignment(doc_, cell.tc);
        view.fill = Fill(n_.Child(n_.Child(cell.tc, "tcPr"), "shd"));
        if (view.fill.empty()) view.fill = Fill(n_.Child(n_.Child(tbl, "tblPr"), "shd"));
        CellBlock block{tbl, {cell.row, cell.column, cell.row + cell.rowSpan - 1, cell.LastColumn()}, false};
        auto border = [&](Edge edge) {
            // Sides whose segments disagree (a merged cell beside cells
            // of different borders) show a plain line.
            BorderValue value = ReadBorder(doc_, block, edge);
            if (value.style == dorvane::word::wdUndefined) value.style = dorvane::word::wdLineStyleSingle;
            if (value.width == dorvane::word::wdUndefined) value.width = dorvane::word::wdLineWidth050pt;
            return BorderView{value.style, value.width};
        };
        view.top = border(Edge::Top);
        view.left = border(Edge::Left);
        view.bottom = border(Edge::Bottom);
        view.right = border(Edge::Right);
        Blocks(cell.tc, view.blocks);
        return view;
    }

    // The colour a w:shd paints: its pattern's colour for a solid
    // pattern, else its fill; none for "auto" or a missing colour.
    std::string Fill(pugi::xml_node shd) const {
        if (!shd) return {};
        const std::string_view pattern = n_.Attr(shd, "val").value();
        std::string colour = n_.Attr(shd, pattern == "solid" ? "color" : "fill").value();
        const bool hex = colour.size() == 6 && std::all_of(colour.begin(), colour.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        });
        return hex ? colour : std::string();
    }

    std::vector<double> ColumnWidths(pugi::xml_node tbl, int columns) const {
        std::vector<double> widths;
        for (pugi::xml_node col = n_.Child(n_.Child(tbl, "tblGrid"), "gridCol"); col;
             col = col.next_sibling(n_.W("gridCol")))
            widths.push_back(TwipsToPoints(IntAttr(n_, col, "w").value_or(0)));
        if (static_cast<int>(widths.size()) != columns || columns == 0)
            widths.assign(static_cast<std::size_t>(std::max(columns, 1)), kDefaultTableWidth / std::max(columns, 1));
        return widths;
    }

    DocumentData& doc_;
    const Names& n_;
    RunReader runs_;
};

// The width between the margins of one section's page (A4 with Word's
// default margins where the section does not say).
double SectionTextWidth(const Names& n, pugi::xml_node section) {
    long page = IntAttr(n, n.Child(section, "pgSz"), "w").value_or(11906);
    pugi::xml_node margins = n.Child(section, "pgMar");
    long left = IntAttr(n, margins, "left").value_or(1800);
    long right = IntAttr(n, margins, "right").value_or(1800);
    long width = page - left - right;
    return TwipsToPoints(width > 1440 ? width : 8306);
}

// The widest text width of the document's sections: the body's own and
// those that section breaks close, so a landscape section's tables fit.
double TextWidth(const Names& n, pugi::xml_node body) {
    double widest = SectionTextWidth(n, n.Child(body, "sectPr"));
    for (pugi::xml_node block = body.first_child(); block; block = block.next_sibling()) {
        if (!n.Is(block, "p")) continue;
        if (pugi::xml_node section = n.Child(n.Child(block, "pPr"), "sectPr"))
            widest = std::max(widest, SectionTextWidth(n, section));
    }
    return widest;
}

}  // namespace

DocumentView ViewDocument(dorvane::word::Document& document) {
    DocPtr doc = DocumentDataOf(document, "ViewDocument");
    doc->CheckOpen("ViewDocument");
    DocumentView view;
    ViewBuilder(*doc).Blocks(doc->Body(), view.blocks);
    view.length = doc->Story().Length();
    view.textWidth = TextWidth(doc->N(), doc->Body());
    return view;
}

}  // namespace dorvane::embedded::word
