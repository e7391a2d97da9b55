#pragma once

// The program's clipboard between Excel's Range.Copy and Word's
// PasteAndFormat: a grid of displayed texts with the columns' widths.

#include <optional>
#include <string>
#include <vector>

namespace dorvane::platform {

struct ClipboardGrid {
    std::vector<std::vector<std::string>> rows;  // rows of displayed texts
    std::vector<double> columnWidthsPoints;      // one per column
};

class Clipboard {
public:
    static void SetGrid(ClipboardGrid grid);
    static std::optional<ClipboardGrid> Grid();
    static void Clear();
};

}  // namespace dorvane::platform
