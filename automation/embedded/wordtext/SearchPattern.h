#pragma once

// Word's find text translated into a PCRE2 pattern (UTF mode), and the
// replacement text with its codes.
//
// The subject that a pattern is matched against is one paragraph's text
// (ParagraphText::Text) whose last character, the mark, is written as
// kParagraphMarkChar ("\r"), kSectionBreakChar or kEndOfCellChar. "?",
// "*", "[!...]" and "^?" never match a mark, so only a pattern that names
// one (^p, ^b, ^13) matches it; no search sees past a paragraph's mark.
//
// Without wildcards the find text is literal except the caret codes:
//   ^p paragraph mark, ^t tab, ^b section break, ^m manual page break,
//   ^l line break, ^n column break, ^s non-breaking space, ^~ non-breaking
//   hyphen, ^- optional hyphen, ^+ em dash, ^= en dash, ^g picture,
//   ^w white space, ^? any character, ^# any digit, ^$ any letter,
//   ^^ a caret, ^nnn the character of decimal code nnn, ^unnnn Unicode.
// MatchCase false searches caselessly; MatchWholeWord finds the text only
// where no letter, digit or "_" touches it (ignored for a text with spaces).
// With wildcards (always case-sensitive, whole word ignored, as in Word):
//   ? one character, * any run (shortest), [abc] [a-z] [!a-z], {n} {n,}
//   {n,m} {,m}, @ one or more of the previous item, < > word start and
//   end, ( ) groups, \x the character x; the caret codes above as well.
//
// Replacement text: ^& the whole match, ^^ ^t ^m ^l ^n ^s ^~ ^- ^+ ^=
// ^nnn ^unnnn as above; with wildcards also \1..\9 (the groups) and \x
// (the character x). A paragraph mark or section break in a replacement
// (^p, ^b, ^13) is refused, as are codes Word only knows for find or that
// need the clipboard (^c).
//
// Invalid text throws std::invalid_argument whose message quotes it.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::wordtext {

// How the mark of each paragraph is written in a search subject.
inline constexpr char16_t kParagraphMarkChar = u'\r';
inline constexpr char16_t kSectionBreakChar = u'\uFDD0';  // a noncharacter
inline constexpr char16_t kEndOfCellChar = u'\uFDD1';     // a noncharacter

struct SearchOptions {
    bool matchCase = false;
    bool matchWholeWord = false;
    bool matchWildcards = false;
};

// One match in a subject, UTF-8 byte offsets; groups[0] is the whole
// match, an unset group is {npos, npos}.
struct PatternMatch {
    std::size_t start = 0;
    std::size_t end = 0;
    std::vector<std::pair<std::size_t, std::size_t>> groups;
};

class SearchPattern {
public:
    // Throws std::invalid_argument for an empty or invalid find text.
    SearchPattern(std::string_view findText, const SearchOptions& options);

    const std::string& FindText() const { return findText_; }
    const SearchOptions& Options() const { return options_; }
    // The translated PCRE2 pattern (for messages and tests).
    const std::string& Translated() const;

    // First non-empty match in subject[0, limit) starting at or after
    // byte `from`; the text before `from` is seen by look-behinds (< and
    // whole word). Returns false when there is none. The searches of one
    // pattern (and its copies) share their match data: one thread at a time.
    bool Match(std::string_view subject, std::size_t from, std::size_t limit, PatternMatch& match) const;

private:
    struct Compiled;
    std::string findText_;
    SearchOptions options_;
    std::shared_ptr<const Compiled> compiled_;
};

class ReplacementText {
public:
    // Throws std::invalid_argument for an invalid replacement text.
    ReplacementText(std::string_view text, bool wildcards);
    // The replacement for one match of `subject`.
    std::string Expand(std::string_view subject, const PatternMatch& match) const;

private:
    struct Part {
        std::string literal;
        int group = -1;  // >= 0: insert that group (0 = the whole match)
    };
    std::vector<Part> parts_;
};

// The subject for `paragraphText` (ParagraphText::Text) whose mark is of
// the given kind: the same text with the mark written as above.
std::string SearchSubject(const std::string& paragraphText, char16_t markChar);

}  // namespace dorvane::wordtext
