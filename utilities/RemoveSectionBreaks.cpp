#include "utilities/RemoveSectionBreaks.h"

#include "automation/word/Word.h"
#include "utilities/TolerantStep.h"

namespace dorvane::utilities {
namespace {

std::optional<int> SectionCount(word::Application& word) {
    return TryValue([&] { return word.ActiveDocument()->Sections()->Count(); });
}

void ReplaceAllSectionBreaks(word::Find& find) {
    find.ClearFormatting();
    find.Replacement()->ClearFormatting();
    find.SetText("^b");
    find.Replacement()->SetText("");
    find.SetForward(true);
    find.SetWrap(word::wdFindContinue);
    find.SetFormat(false);
    find.SetMatchCase(false);
    find.SetMatchWholeWord(false);
    find.SetMatchByte(true);
    find.SetMatchWildcards(false);
    find.SetMatchSoundsLike(false);
    find.SetMatchAllWordForms(false);
    word::FindExecuteArgs args;
    args.replace = word::wdReplaceAll;
    find.Execute(args);
}

}  // namespace

std::optional<int> RemoveSectionBreaks(word::Application& word) {
    auto before = SectionCount(word);
    ReplaceAllSectionBreaks(*word.Selection()->Find());
    auto after = SectionCount(word);
    if (!before || !after) return std::nullopt;
    return *before - *after;
}

}  // namespace dorvane::utilities
