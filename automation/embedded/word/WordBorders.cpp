// Borders and Border of a table, a block of cells or the selection.

#include <cmath>
#include <string>

#include "automation/AutomationError.h"
#include "automation/embedded/word/Handles.h"
#include "automation/embedded/word/TableBorders.h"
#include "platform/TextNumber.h"

namespace dorvane::embedded::word {

namespace {

// The whole number a code's decimal text holds, or nothing.
std::optional<int> CodeOf(std::string_view text) {
    auto number = platform::ParseNumber(text);
    if (!number || *number != std::floor(*number) || std::fabs(*number) > 1e6) return std::nullopt;
    return static_cast<int>(*number);
}

class BorderImpl : public w::Border {
public:
    BorderImpl(DocPtr doc, Target target, Edge edge) : doc_(std::move(doc)), target_(std::move(target)), edge_(edge) {}

    int LineStyle() const override { return ReadBorder(*doc_, Block("Border.LineStyle"), edge_).style; }
    void SetLineStyle(int style) override {
        if (!LineStyleValue(style))
            throw AutomationError("Border.LineStyle", std::to_string(style) + " is not a valid line style");
        WriteBorder(*doc_, Block("Border.LineStyle"), edge_, style, std::nullopt);
    }
    void SetLineStyle(std::string_view code) override {
        auto style = CodeOf(code);
        if (!style || !LineStyleValue(*style))
            throw AutomationError("Border.LineStyle", "\"" + std::string(code) + "\" is not a valid line style");
        SetLineStyle(*style);
    }
    int LineWidth() const override { return ReadBorder(*doc_, Block("Border.LineWidth"), edge_).width; }
    void SetLineWidth(int width) override {
        if (!IsLineWidthCode(width))
            throw AutomationError("Border.LineWidth", std::to_string(width) + " is not a valid line width");
        WriteBorder(*doc_, Block("Border.LineWidth"), edge_, std::nullopt, width);
    }
    void SetLineWidth(std::string_view code) override {
        auto width = CodeOf(code);
        if (!width || !IsLineWidthCode(*width))
            throw AutomationError("Border.LineWidth", "\"" + std::string(code) + "\" is not a valid line width");
        SetLineWidth(*width);
    }

private:
    CellBlock Block(const char* member) const {
        CheckTarget(*doc_, target_, member);
        auto block = TargetBlock(*doc_, target_);
        if (!block) throw AutomationError(member, "the range holds no table cells");
        return *block;
    }

    DocPtr doc_;
    Target target_;
    Edge edge_;
};

class BordersImpl : public w::Borders {
public:
    BordersImpl(DocPtr doc, Target target) : doc_(std::move(doc)), target_(std::move(target)) {}

    w::Ref<w::Border> Item(int index) override {
        doc_->CheckOpen("Borders.Item");
        auto edge = EdgeOfIndex(index);
        if (!edge) throw AutomationError("Borders.Item", "the requested member of the collection does not exist");
        return std::make_shared<BorderImpl>(doc_, target_, *edge);
    }

private:
    DocPtr doc_;
    Target target_;
};

}  // namespace

w::Ref<w::Borders> MakeBorders(DocPtr doc, Target target) {
    Target stamped = Stamped(*doc, std::move(target));
    return std::make_shared<BordersImpl>(std::move(doc), std::move(stamped));
}

}  // namespace dorvane::embedded::word
