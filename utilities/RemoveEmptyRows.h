#pragma once

namespace dorvane {
class UserPort;
namespace word { class Application; }
}  // namespace dorvane

namespace dorvane::utilities {

// Deletes, in every table of the active document, each row from the third
// one down whose cells hold nothing but spaces; rows with merged cells are
// left alone. Hides the main window while it runs, then reports
// "完成!共删除N行." and shows the window again. A step that Word refuses is
// skipped and the run goes on. Returns the number of rows deleted (a
// delete that Word refused is not counted).
int RemoveEmptyRows(word::Application& word, UserPort& port);

}  // namespace dorvane::utilities
