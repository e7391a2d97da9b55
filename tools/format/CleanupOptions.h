#pragma once

// The document clean-ups as operations of dorvane-format: --format-body,
// --convert-embedded-sheets, --remove-empty-rows, --unlink-fields and
// --remove-section-breaks. Each runs on the open document in the order
// given on the command line and returns its count as its summary.

#include <vector>

namespace dorvane::tools {

struct DocumentOperation;
struct FormatArguments;

const std::vector<DocumentOperation>& CleanupOperations();

// Checks the settings the named clean-ups will read (the number fields of
// --format-body hold "不变" or a number). Throws UsageError.
void ValidateCleanupArguments(const FormatArguments& arguments);

}  // namespace dorvane::tools
