#pragma once

#include <string>

#include "automation/word/WordTypes.h"

namespace dorvane::word {

class Fields {
public:
    virtual ~Fields() = default;
    virtual int Count() const = 0;
    virtual Ref<Field> Item(int index) = 0;  // 1-based, document order
};

class Field {
public:
    virtual ~Field() = default;
    // The field code, e.g. " PAGE \* MERGEFORMAT ".
    virtual std::string Code() const = 0;
    // The current result text.
    virtual std::string Result() const = 0;
    // Replaces the field by its result text, keeping its formatting.
    // Throws when the field is no longer in the document.
    virtual void Unlink() = 0;
};

class InlineShapes {
public:
    virtual ~InlineShapes() = default;
    virtual int Count() const = 0;
    virtual Ref<InlineShape> Item(int index) = 0;  // 1-based, document order
};

class InlineShape {
public:
    virtual ~InlineShape() = default;
    // wdInlineShapeEmbeddedOLEObject (1), wdInlineShapePicture (3), ...
    virtual int Type() const = 0;
    virtual Ref<word::Range> Range() = 0;
    // Throws for a shape that is no OLE object.
    virtual Ref<word::OLEFormat> OLEFormat() = 0;
};

class OLEFormat {
public:
    virtual ~OLEFormat() = default;
    virtual std::string ProgID() const = 0;
    // Opens the embedded object in its server (an embedded workbook in the
    // running Excel, started invisibly when none runs) as its active
    // workbook, and selects the object in the document.
    virtual void Edit() = 0;
};

}  // namespace dorvane::word
