#pragma once

#include <string>

#include "automation/AutomationError.h"
#include "automation/word/WordTypes.h"

namespace dorvane::word {

// The sections of the main text; a document without section breaks has one.
class Sections {
public:
    virtual ~Sections() = default;
    virtual int Count() const = 0;
};

class Document {
public:
    virtual ~Document() = default;

    virtual std::string Name() const = 0;      // file name without folder
    virtual std::string FullName() const = 0;  // path as opened or saved
    virtual bool Saved() const = 0;            // false once anything changed

    virtual Ref<word::Tables> Tables() = 0;
    virtual Ref<word::Paragraphs> Paragraphs() = 0;
    virtual Ref<word::Fields> Fields() = 0;
    virtual Ref<word::InlineShapes> InlineShapes() = 0;
    // Sections.Count is the number of section breaks plus one. An
    // application that cannot tell refuses the call.
    virtual Ref<word::Sections> Sections() {
        throw AutomationError("Sections", "not available in this application");
    }

    // The whole main text.
    virtual Ref<word::Range> Content() = 0;
    // Range(start, end) in UTF-16 positions of the main text. When start
    // and end lie in two cells of one table the range stands for the
    // rectangular block of cells between them.
    virtual Ref<word::Range> Range(long start, long end) = 0;

    virtual double DefaultTabStop() const = 0;  // points
    virtual void SetDefaultTabStop(double points) = 0;
    virtual void UndoClear() = 0;

    virtual void Activate() = 0;
    // Saves in place, atomically (temporary file renamed over the target).
    virtual void Save() = 0;
    virtual void SaveAs(const std::string& fileName) = 0;
    // Closes the document without saving.
    virtual void Close() = 0;
};

}  // namespace dorvane::word
