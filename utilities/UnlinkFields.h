#pragma once

namespace dorvane {
class UserPort;
namespace word { class Application; }
}  // namespace dorvane

namespace dorvane::utilities {

// Replaces every field of the active document by its current result, so
// that linked data no longer change, then reports "完成! 共删除N处链接.".
// A field that Word refuses to unlink is skipped and not counted; the
// message is shown whatever fails. Returns the number of fields unlinked.
int UnlinkFields(word::Application& word, UserPort& port);

}  // namespace dorvane::utilities
