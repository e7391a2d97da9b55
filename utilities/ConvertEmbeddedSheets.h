#pragma once

namespace dorvane {
class UserPort;
namespace word { class Application; }
}  // namespace dorvane

namespace dorvane::utilities {

// The notice shown before every conversion by the button.
extern const char* const kEmbeddedSheetNotice;

// Turns embedded Excel worksheets at the front of the active document
// into Word tables: at most `maxTurns` turns, each on the document's first
// inline shape. A turn on an embedded worksheet ("Excel.Sheet.8" or
// "Excel.Sheet.12") opens it in the running Excel, fits columns A to Z,
// copies the first worksheet's used range and pastes it over the object;
// a turn on anything else does nothing. A turn that fails leaves the
// object as it was and pastes nothing. Returns the number of objects
// replaced. Neither shows a message nor makes Word visible.
int ConvertEmbeddedSheets(word::Application& word, int maxTurns);

// The button: the notice, at most ten turns, then Word made visible.
int ConvertEmbeddedSheetsPress(word::Application& word, UserPort& port);

// Repeats the turns until no embedded worksheet is left at the front of
// the document (or a pass makes no progress). Returns the number replaced.
int ConvertAllEmbeddedSheets(word::Application& word);

}  // namespace dorvane::utilities
