#include "formatting/ThousandsSeparators.h"

namespace dorvane::formatting {
namespace {

constexpr const char* kPattern = "([0-9])([0-9]{3})([.,])";
constexpr const char* kReplacement = "\\1,\\2\\3";

// Each pass shortens every run of four or more digits before a point or a
// comma by three, so a document needs as many passes as its longest such
// run has groups. The bound only guards against a replacement that keeps
// finding matches it cannot change.
constexpr int kMaxPasses = 10000;

}  // namespace

void AddThousandsSeparators(word::Document& document) {
    // Search and replace-all until a search finds nothing; a replace-all
    // reports whether it found anything, which is that search.
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        auto find = document.Content()->Find();
        find->ClearFormatting();
        find->Replacement()->ClearFormatting();
        find->SetMatchWildcards(true);
        if (!find->Execute(
                {.findText = kPattern, .replaceWith = kReplacement, .replace = word::wdReplaceAll}))
            return;
    }
}

}  // namespace dorvane::formatting
