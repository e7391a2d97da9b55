#pragma once

#include <string_view>

#include "automation/word/WordTypes.h"

namespace dorvane::word {

class Borders {
public:
    virtual ~Borders() = default;
    // index is wdBorderTop .. wdBorderVertical (-1 .. -6).
    virtual Ref<Border> Item(int index) = 0;
};

class Border {
public:
    virtual ~Border() = default;
    // The effective style (cell, then table, then table style and its
    // bases); wdUndefined when the cells disagree.
    virtual int LineStyle() const = 0;
    virtual void SetLineStyle(int style) = 0;
    // Takes the decimal text of a code; text that is no valid code throws.
    virtual void SetLineStyle(std::string_view code) = 0;
    virtual int LineWidth() const = 0;
    virtual void SetLineWidth(int width) = 0;
    virtual void SetLineWidth(std::string_view code) = 0;
};

}  // namespace dorvane::word
