#pragma once

#include <string>

#include "automation/excel/ExcelTypes.h"

namespace dorvane::excel {

class Workbook {
public:
    virtual ~Workbook() = default;

    virtual std::string Name() const = 0;      // file name, "Book1" if new
    virtual std::string Path() const = 0;      // folder, no trailing separator; "" if new
    virtual std::string FullName() const = 0;

    // All sheets, chart sheets included.
    virtual Ref<excel::Sheets> Sheets() = 0;
    // Worksheets only.
    virtual Ref<excel::Sheets> Worksheets() = 0;

    virtual bool PrecisionAsDisplayed() const = 0;
    // Turning it on rounds every numeric constant of the workbook to the
    // precision its number format displays.
    virtual void SetPrecisionAsDisplayed(bool on) = 0;

    virtual bool Saved() const = 0;
    // True when the workbook cannot be saved in place: opened from a
    // read-only file, or read from .xls (which the embedded Excel reads but
    // never rewrites). SaveAs under another name still works.
    virtual bool ReadOnly() const = 0;
    virtual void Activate() = 0;
    // Saves in place, atomically. Refused for a workbook read from .xls.
    virtual void Save() = 0;
    // Saves as .xlsx content under that name, atomically.
    virtual void SaveAs(const std::string& fileName) = 0;
    // Closes the workbook; saves first when saveChanges is true.
    virtual void Close(bool saveChanges) = 0;
};

}  // namespace dorvane::excel
