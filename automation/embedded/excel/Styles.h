#pragma once

// The cell formats of a workbook (xl/styles.xml): for each cell format
// index, its number format; and a date cell format for dates written into
// cells that had none.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "automation/embedded/excel/NumberFormat.h"
#include "automation/embedded/excel/SpreadsheetXml.h"

namespace dorvane::embedded {
class Package;
}

namespace dorvane::embedded::excel {

class Styles {
public:
    // No styles part: every cell is General.
    Styles() = default;
    // Reads the part (throws AutomationError when it is malformed).
    Styles(Package& package, std::string part);

    const NumberFormat& FormatOf(int xf) const;
    bool IsDate(int xf) const { return xf >= 0 && xf < static_cast<int>(isDate_.size()) && isDate_[xf]; }
    // A cell format like `xf` whose number format shows dates (built-in
    // format `numFmtId`: 14 short date, 22 date and time, 21 time); added
    // to the part when the workbook has none yet. A date format stays.
    int DateFormatLike(int xf, int numFmtId = 14);
    bool HasPart() const { return package_ != nullptr; }

    // A minimal styles part: one font, the two required fills, one border,
    // the Normal style.
    static const char* MinimalPartXml();

private:
    std::string CodeOf(int numFmtId) const;

    Package* package_ = nullptr;
    std::string part_;
    Names names_;
    std::map<int, std::string> customCodes_;
    std::vector<int> numFmtIds_;
    std::vector<std::shared_ptr<const NumberFormat>> formats_;
    std::vector<char> isDate_;
    std::map<std::pair<int, int>, int> dateLike_;
};

}  // namespace dorvane::embedded::excel
