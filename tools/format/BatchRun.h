#pragma once

// Runs dorvane-format's operations over its input documents.

#include <ostream>

#include "automation/word/Word.h"
#include "tools/format/FormatArguments.h"

namespace dorvane::tools {

// Opens each input, runs the operations in order, writes the output and
// prints one line per document to `out`. A document that cannot be read,
// processed or written is reported on `err` with its name and nothing is
// written for it; the others are still done. Returns the exit status:
// 0 when every document was done, 1 otherwise.
int RunBatch(word::Application& app, const FormatArguments& arguments, std::ostream& out,
             std::ostream& err);

// The full program after its arguments were parsed: creates the Word
// application, runs the batch and quits Word.
int RunBatch(const FormatArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace dorvane::tools
