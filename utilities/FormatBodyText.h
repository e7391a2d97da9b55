#pragma once

namespace dorvane {
class UserPort;
namespace word { class Application; }
namespace formatting { struct FormatSettings; }
}  // namespace dorvane

namespace dorvane::utilities {

// Lays out, in one pass over the active document, every paragraph that
// lies outside all tables and is not centred: left indent zero, then the
// first-line indent, line spacing, space before and after, text font,
// number font and size from Combo16, Combo19, Combo15, Combo20, Combo18,
// Combo14 and Combo17 ("不变" leaves a property alone). Hides the main
// window, clears the undo history, says "完成！" and shows the window
// again. A number field that holds no number throws
// formatting::NumberFieldError before the document is touched; a refused
// call stops the pass. Returns the number of paragraphs laid out.
int FormatBodyText(word::Application& word, const formatting::FormatSettings& settings,
                   UserPort& port);

}  // namespace dorvane::utilities
