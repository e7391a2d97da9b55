#include "utilities/ConvertEmbeddedSheets.h"

#include <algorithm>
#include <climits>
#include <string>

#include "automation/Instances.h"
#include "automation/excel/Excel.h"
#include "automation/word/Word.h"
#include "platform/Clipboard.h"
#include "platform/UserPort.h"
#include "utilities/TolerantStep.h"

namespace dorvane::utilities {

const char* const kEmbeddedSheetNotice =
    "每次处理表格限制为10个，表格多的请多运行几次,另外转换后的表格可能会有比原表格更多的的行和列"
    "(原表格也有只是未显示),请手动检查处理.";

namespace {

constexpr int kTurnsPerPress = 10;

bool IsEmbeddedWorksheet(word::InlineShape& shape) {
    if (shape.Type() != word::wdInlineShapeEmbeddedOLEObject) return false;
    std::string progId = shape.OLEFormat()->ProgID();
    return progId == "Excel.Sheet.8" || progId == "Excel.Sheet.12";
}

// Opens the object in the running Excel and puts the used range of the
// workbook's first worksheet on the clipboard. The clipboard is emptied
// first, so that a copy that fails leaves nothing an earlier copy put
// there. Returns whether the copy was made.
bool CopyEmbeddedWorksheet(word::InlineShape& shape) {
    return TryStep([&] {
        shape.OLEFormat()->Edit();
        auto sheet = GetRunningExcelApplication()->ActiveWorkbook()->Worksheets()->Item(1);
        auto used = sheet->UsedRange();
        TryStep([&] { sheet->Columns("A:Z")->EntireColumn()->AutoFit(); });
        platform::Clipboard::Clear();
        used->Copy();
    });
}

// One turn on the document's first inline shape; returns whether the
// object was replaced by a table.
bool ConvertFirstShape(word::Application& word, word::Document& document) {
    auto shape = TryValue([&] { return document.InlineShapes()->Item(1); });
    if (!shape) return false;
    auto convertible = TryValue([&] { return IsEmbeddedWorksheet(**shape); });
    if (!convertible.value_or(false)) return false;
    if (!CopyEmbeddedWorksheet(**shape)) return false;
    return TryStep([&] { word.Selection()->PasteAndFormat(word::wdPasteDefault); });
}

int InlineShapeCount(word::Application& word) {
    return word.ActiveDocument()->InlineShapes()->Count();
}

}  // namespace

int ConvertEmbeddedSheets(word::Application& word, int maxTurns) {
    auto document = word.ActiveDocument();
    int turns = std::min(document->InlineShapes()->Count(), maxTurns);
    int converted = 0;
    for (int turn = 0; turn < turns; ++turn) {
        if (ConvertFirstShape(word, *document)) ++converted;
    }
    return converted;
}

int ConvertEmbeddedSheetsPress(word::Application& word, UserPort& port) {
    port.ShowMessage(kEmbeddedSheetNotice);
    int converted = ConvertEmbeddedSheets(word, kTurnsPerPress);
    word.SetVisible(true);
    return converted;
}

int ConvertAllEmbeddedSheets(word::Application& word) {
    int total = 0;
    for (;;) {
        int before = InlineShapeCount(word);
        int converted = ConvertEmbeddedSheets(word, INT_MAX);
        total += converted;
        if (converted == 0 || InlineShapeCount(word) >= before) return total;
    }
}

}  // namespace dorvane::utilities
