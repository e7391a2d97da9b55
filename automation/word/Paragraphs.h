#pragma once

#include "automation/word/WordTypes.h"

namespace dorvane::word {

class Paragraphs {
public:
    virtual ~Paragraphs() = default;
    virtual int Count() const = 0;
    virtual Ref<Paragraph> Item(int index) = 0;  // 1-based, document order
};

class Paragraph {
public:
    virtual ~Paragraph() = default;
    virtual Ref<word::Range> Range() = 0;
    virtual Ref<ParagraphFormat> Format() = 0;
};

class TabStops {
public:
    virtual ~TabStops() = default;
    virtual int Count() const = 0;
    virtual void ClearAll() = 0;
};

// Getters return wdUndefined (as a number) when the paragraphs differ.
// Lengths are points; character units are characters; line units lines.
class ParagraphFormat {
public:
    virtual ~ParagraphFormat() = default;

    virtual double LeftIndent() const = 0;
    virtual void SetLeftIndent(double points) = 0;
    virtual double RightIndent() const = 0;
    virtual void SetRightIndent(double points) = 0;
    virtual double FirstLineIndent() const = 0;
    virtual void SetFirstLineIndent(double points) = 0;
    virtual double CharacterUnitLeftIndent() const = 0;
    virtual void SetCharacterUnitLeftIndent(double characters) = 0;
    virtual double CharacterUnitRightIndent() const = 0;
    virtual void SetCharacterUnitRightIndent(double characters) = 0;
    virtual double CharacterUnitFirstLineIndent() const = 0;
    virtual void SetCharacterUnitFirstLineIndent(double characters) = 0;

    virtual double SpaceBefore() const = 0;
    virtual void SetSpaceBefore(double points) = 0;
    virtual double SpaceAfter() const = 0;
    virtual void SetSpaceAfter(double points) = 0;
    virtual bool SpaceBeforeAuto() const = 0;
    virtual void SetSpaceBeforeAuto(bool automatic) = 0;
    virtual bool SpaceAfterAuto() const = 0;
    virtual void SetSpaceAfterAuto(bool automatic) = 0;
    virtual double LineUnitBefore() const = 0;
    virtual void SetLineUnitBefore(double lines) = 0;
    virtual double LineUnitAfter() const = 0;
    virtual void SetLineUnitAfter(double lines) = 0;

    virtual int LineSpacingRule() const = 0;
    virtual void SetLineSpacingRule(int rule) = 0;
    virtual double LineSpacing() const = 0;  // points
    virtual void SetLineSpacing(double points) = 0;

    virtual bool WordWrap() const = 0;
    virtual void SetWordWrap(bool wrap) = 0;
    virtual int Alignment() const = 0;
    virtual void SetAlignment(int alignment) = 0;

    virtual Ref<word::TabStops> TabStops() = 0;
};

}  // namespace dorvane::word
