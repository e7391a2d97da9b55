#include "utilities/UnlinkFields.h"

#include <string>

#include "automation/word/Word.h"
#include "platform/UserPort.h"
#include "utilities/TolerantStep.h"

namespace dorvane::utilities {
namespace {

// Visits the fields from the last to the first: unlinking a field takes
// it (and the fields nested in its result, which come after it) out of
// the collection, and leaves the positions of the earlier fields as they
// were, so that no field is passed over.
int UnlinkAll(word::Document& document) {
    auto fields = TryValue([&] { return document.Fields(); });
    auto count = fields ? TryValue([&] { return (*fields)->Count(); }) : std::nullopt;
    int unlinked = 0;
    for (int index = count.value_or(0); index >= 1; --index) {
        if (TryStep([&] { (*fields)->Item(index)->Unlink(); })) ++unlinked;
    }
    return unlinked;
}

}  // namespace

int UnlinkFields(word::Application& word, UserPort& port) {
    auto document = TryValue([&] { return word.ActiveDocument(); });
    int unlinked = document ? UnlinkAll(**document) : 0;
    port.ShowMessage("完成! 共删除" + std::to_string(unlinked) + "处链接.");
    return unlinked;
}

}  // namespace dorvane::utilities
