// Range and Selection: a target of the main text and what can be reached
// from it.

#include "automation/AutomationError.h"
#include "automation/embedded/word/Handles.h"

namespace dorvane::embedded::word {

void CheckTarget(DocumentData& doc, const Target& target, const char* member) {
    doc.CheckOpen(member);
    switch (target.kind) {
        case Target::Kind::Story: return;
        case Target::Kind::Span:
            if (target.end > doc.Story().Length())
                throw AutomationError(member, "the range lies beyond the end of the document");
            return;
        case Target::Kind::Paragraph:
            doc.RequireAlive(target.node, target.generation, NodeKind::Paragraph, member);
            return;
        case Target::Kind::Object:
            doc.RequireAlive(target.node, target.generation, NodeKind::Run, member);
            return;
        case Target::Kind::Block: {
            doc.RequireAlive(target.node, target.generation, NodeKind::Structure, member);
            const TableGrid& grid = doc.Grid(target.node);
            if (target.rect.row2 >= grid.RowCount() || target.rect.column2 >= grid.ColumnCount())
                throw AutomationError(member, "the cells have been deleted");
            return;
        }
        default: doc.RequireAlive(target.node, target.generation, NodeKind::Structure, member);
    }
}

Target Stamped(const DocumentData& doc, Target target) {
    if (!target.generation) target.generation = doc.Generation();
    return target;
}

namespace {

// The operations shared by a Range and the Selection, on a target that
// `Current()` gives.
class RangeOps {
public:
    explicit RangeOps(DocPtr doc) : doc_(std::move(doc)) {}
    virtual ~RangeOps() = default;

protected:
    virtual Target Current() const = 0;

    std::string DoText() const {
        Target t = Checked("Range.Text");
        return TargetText(*doc_, t);
    }
    long DoStart() const { return TargetStart(*doc_, Checked("Range.Start")); }
    long DoEnd() const { return TargetEnd(*doc_, Checked("Range.End")); }
    void DoSelect() const { doc_->selection = Stamped(*doc_, Checked("Range.Select")); }

    w::Ref<w::Font> DoFont() const { return MakeFont(doc_, Checked("Range.Font")); }
    w::Ref<w::ParagraphFormat> DoParagraphFormat() const {
        return MakeParagraphFormat(doc_, Checked("Range.ParagraphFormat"));
    }
    w::Ref<w::Paragraphs> DoParagraphs() const { return MakeParagraphs(doc_, Checked("Range.Paragraphs")); }
    w::Ref<w::Borders> DoBorders() const { return MakeBorders(doc_, Checked("Range.Borders")); }
    w::Ref<w::Tables> DoTables() const { return MakeTables(doc_, TargetTables(*doc_, Checked("Range.Tables"))); }

    w::Ref<w::Cells> DoCells() const {
        CellBlock block = BlockOrThrow("Range.Cells");
        std::vector<pugi::xml_node> cells;
        for (const GridCell* cell : doc_->Grid(block.table).CellsIn(block.rect)) cells.push_back(cell->tc);
        return MakeCells(doc_, std::move(cells));
    }
    w::Ref<w::Rows> DoRows() const {
        CellBlock block = BlockOrThrow("Range.Rows");
        return MakeRows(doc_, block.table, block.rect.row1, block.rect.row2);
    }
    w::Ref<w::Columns> DoColumns() const {
        CellBlock block = BlockOrThrow("Range.Columns");
        return MakeColumns(doc_, block.table, block.rect, true);
    }

    Target Checked(const char* member) const {
        Target t = Current();
        CheckTarget(*doc_, t, member);
        return t;
    }
    CellBlock BlockOrThrow(const char* member) const {
        auto block = TargetBlock(*doc_, Checked(member));
        if (!block) throw AutomationError(member, "the range is not in a table");
        return *block;
    }

    DocPtr doc_;
};

class RangeImpl : public w::Range, private RangeOps {
public:
    RangeImpl(DocPtr doc, Target target) : RangeOps(std::move(doc)), target_(Stamped(*doc_, std::move(target))) {}

    std::string Text() const override { return DoText(); }
    long Start() const override { return DoStart(); }
    long End() const override { return DoEnd(); }
    void Select() override { DoSelect(); }
    w::Ref<w::Font> Font() override { return DoFont(); }
    w::Ref<w::ParagraphFormat> ParagraphFormat() override { return DoParagraphFormat(); }
    w::Ref<w::Paragraphs> Paragraphs() override { return DoParagraphs(); }
    w::Ref<w::Find> Find() override { return MakeFind(doc_, Checked("Range.Find"), false); }
    w::Ref<w::Borders> Borders() override { return DoBorders(); }
    w::Ref<w::Tables> Tables() override { return DoTables(); }
    w::Ref<w::Cells> Cells() override { return DoCells(); }
    w::Ref<w::Rows> Rows() override { return DoRows(); }
    w::Ref<w::Columns> Columns() override { return DoColumns(); }

private:
    Target Current() const override { return target_; }
    Target target_;
};

class SelectionImpl : public w::Selection, private RangeOps {
public:
    explicit SelectionImpl(DocPtr doc) : RangeOps(std::move(doc)) {}

    std::string Text() const override { return DoText(); }
    long Start() const override { return DoStart(); }
    long End() const override { return DoEnd(); }
    void Select() override { DoSelect(); }
    w::Ref<w::Font> Font() override { return DoFont(); }
    w::Ref<w::ParagraphFormat> ParagraphFormat() override { return DoParagraphFormat(); }
    w::Ref<w::Paragraphs> Paragraphs() override { return DoParagraphs(); }
    w::Ref<w::Find> Find() override { return MakeFind(doc_, Checked("Selection.Find"), true); }
    w::Ref<w::Borders> Borders() override { return DoBorders(); }
    w::Ref<w::Tables> Tables() override { return DoTables(); }
    w::Ref<w::Cells> Cells() override { return DoCells(); }
    w::Ref<w::Rows> Rows() override { return DoRows(); }
    w::Ref<w::Columns> Columns() override { return DoColumns(); }

    w::Ref<w::Range> Range() override { return MakeRange(doc_, Checked("Selection.Range")); }
    void PasteAndFormat(int type) override {
        Checked("Selection.PasteAndFormat");
        PasteGridOverSelection(*doc_);
    }

private:
    Target Current() const override { return doc_->selection; }
};

}  // namespace

w::Ref<w::Range> MakeRange(DocPtr doc, Target target) {
    return std::make_shared<RangeImpl>(std::move(doc), std::move(target));
}

w::Ref<w::Selection> MakeSelection(DocPtr doc) { return std::make_shared<SelectionImpl>(std::move(doc)); }

}  // namespace dorvane::embedded::word
