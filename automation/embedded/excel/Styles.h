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
    // A plain cell format showing numbers by the format code `code`, added
    // to the part (with the code as a custom number format) the first time;
    // 0 for "General".
    int XfForFormatCode(const std::string& code);
    // The same for the built-in number format `numFmtId`.
    int XfForBuiltinFormat(int numFmtId);

    // A minimal styles part: one font, the two required fills, one border,
    // the Normal style.
    static const char* MinimalPartXml();

private:
    std::string CodeOf(int numFmtId) const;
    pugi::xml_node CellFormats(pugi::xml_node root);
    int AppendFormat(pugi::xml_node xfs, pugi::xml_node added, int numFmtId, bool isDate);

    Package* package_ = nullptr;
    std::string part_;
    Names names_;
    std::map<int, std::string> customCodes_;
    std::vector<int> numFmtIds_;
    std::vector<std::shared_ptr<const NumberFormat>> formats_;
    std::vector<char> isDate_;
    std::map<std::pair<int, int>, int> dateLike_;
    std::map<std::string, int> xfByCode_;
    std::map<int, int> xfByBuiltin_;
};

}  // namespace dorvane::embedded::excel
