#pragma once

#include <string>

#include "automation/word/WordTypes.h"

namespace dorvane::word {

class Font {
public:
    virtual ~Font() = default;
    // The Latin font of the range, or "" when it is mixed.
    virtual std::string Name() const = 0;
    // Sets the Latin font; an East Asian font name sets the East Asian
    // font as well.
    virtual void SetName(const std::string& name) = 0;
    // The East Asian font of the range, or "" when it is mixed.
    virtual std::string NameFarEast() const = 0;
    virtual double Size() const = 0;  // points; wdUndefined when mixed
    virtual void SetSize(double points) = 0;
    // wdTrue, wdFalse or wdUndefined.
    virtual int Bold() const = 0;
    // wdTrue, wdFalse or wdToggle.
    virtual void SetBold(int bold) = 0;
};

}  // namespace dorvane::word
