#include "automation/embedded/wordtext/SearchPattern.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cctype>
#include <new>
#include <stdexcept>

#include "automation/embedded/wordtext/SearchCodes.h"
#include "automation/embedded/wordtext/Utf16.h"

namespace dorvane::wordtext {

namespace {

std::string Quote(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Translates Word's wildcard syntax, one item at a time; `atomStart_` is
// where the last item that a repeat can follow begins in the output.
class WildcardTranslator {
public:
    explicit WildcardTranslator(std::string_view text) : in_(text) {}

    std::string Translate() {
        while (pos_ < in_.size()) Item();
        if (!groups_.empty()) Fail("unbalanced \"(\"");
        return out_;
    }

private:
    void Item() {
        const char c = in_[pos_];
        switch (c) {
        case '?': Atom(kAnyCharacter); ++pos_; break;
        case '*': Atom(std::string(kAnyCharacter) + "*?"); ++pos_; break;
        case '[': Class(); break;
        case '{': Repeat(); break;
        case '@': ++pos_; Quantifier("+"); break;
        case '<': out_ += "\\b(?=\\w)"; atomStart_ = npos; ++pos_; break;
        case '>': out_ += "\\b(?<=\\w)"; atomStart_ = npos; ++pos_; break;
        case '(': groups_.push_back(out_.size()); out_ += '('; atomStart_ = npos; ++pos_; break;
        case ')':
            if (groups_.empty()) Fail("unbalanced \")\"");
            out_ += ')';
            atomStart_ = groups_.back();
            groups_.pop_back();
            lastWasQuantifier_ = false;
            ++pos_;
            break;
        case '\\':
            if (pos_ + 1 >= in_.size()) Fail("\"\\\" at the end");
            ++pos_;
            Atom(LiteralCharacter(in_, pos_));
            break;
        case '^': {
            std::string fragment;
            if (!CaretFindCode(in_, pos_, fragment)) Fail("unknown \"^\" code");
            Atom(fragment);
            break;
        }
        default: Atom(LiteralCharacter(in_, pos_));
        }
    }

    void Atom(const std::string& fragment) {
        atomStart_ = out_.size();
        out_ += fragment;
        lastWasQuantifier_ = false;
    }

    void Quantifier(const std::string& q) {
        if (atomStart_ == npos) Fail("a repeat without anything before it");
        if (lastWasQuantifier_) {
            out_.insert(atomStart_, "(?:");
            out_ += ')';
        }
        out_ += q;
        lastWasQuantifier_ = true;
    }

    void Repeat() {
        const std::size_t close = in_.find('}', pos_);
        if (close == std::string_view::npos) Fail("\"{\" without \"}\"");
        const std::string_view body = in_.substr(pos_ + 1, close - pos_ - 1);
        const std::size_t comma = body.find(',');
        const std::string_view low = body.substr(0, comma);
        const std::string_view high = comma == std::string_view::npos ? std::string_view{} : body.substr(comma + 1);
        auto digits = [](std::string_view s) {
            for (char d : s) {
                if (!std::isdigit(static_cast<unsigned char>(d))) return false;
            }
            return s.size() <= 4;
        };
        if (!digits(low) || !digits(high) || (low.empty() && high.empty())) Fail("invalid repeat count");
        if (!low.empty() && !high.empty() && std::stoi(std::string(low)) > std::stoi(std::string(high))) {
            Fail("repeat count out of order");
        }
        std::string q = "{" + (low.empty() ? std::string("0") : std::string(low));
        if (comma != std::string_view::npos) q += "," + std::string(high);
        q += "}";
        pos_ = close + 1;
        Quantifier(q);
    }

    void Class() {
        std::size_t i = pos_ + 1;
        const bool negated = i < in_.size() && in_[i] == '!';
        if (negated) ++i;
        std::string items;
        bool any = false;
        while (true) {
            if (i >= in_.size()) Fail("\"[\" without \"]\"");
            if (in_[i] == ']') break;
            if (in_[i] == '-' && any && i + 1 < in_.size() && in_[i + 1] != ']') {
                items += '-';
                ++i;
                continue;
            }
            if (in_[i] == '\\' && i + 1 < in_.size()) ++i;
            if (in_[i] == '^') {
                std::string fragment;
                if (!CaretClassCode(in_, i, fragment)) Fail("unknown \"^\" code in \"[]\"");
                items += fragment;
            } else {
                items += LiteralCharacter(in_, i);
            }
            any = true;
        }
        if (!any) Fail("empty \"[]\"");
        pos_ = i + 1;
        Atom("[" + std::string(negated ? "^" : "") + items + (negated ? kMarkCharacters : "") + "]");
    }

    [[noreturn]] void Fail(const std::string& why) {
        throw std::invalid_argument("invalid wildcard find text " + Quote(in_) + ": " + why);
    }

    static constexpr std::size_t npos = std::string::npos;
    std::string_view in_;
    std::size_t pos_ = 0;
    std::string out_;
    std::size_t atomStart_ = npos;
    bool lastWasQuantifier_ = false;
    std::vector<std::size_t> groups_;
};

std::string TranslateLiteral(std::string_view text, bool wholeWord) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '^') {
            std::string fragment;
            if (!CaretFindCode(text, i, fragment)) {
                throw std::invalid_argument("invalid find text " + Quote(text) + ": unknown \"^\" code");
            }
            out += fragment;
        } else {
            out += LiteralCharacter(text, i);
        }
    }
    // As in Word, whole-word matching applies to a find text without spaces.
    if (wholeWord && text.find_first_of(" \t") == std::string_view::npos) out = "(?<![\\p{L}\\p{N}_])(?:" + out + ")(?![\\p{L}\\p{N}_])";
    return out;
}

}  // namespace

// The compiled pattern with the match data and limits of its searches,
// made once: a search runs it on every paragraph of a document.
struct SearchPattern::Compiled {
    std::string translated;
    pcre2_code* code = nullptr;
    pcre2_match_data* data = nullptr;
    pcre2_match_context* context = nullptr;
    ~Compiled() {
        pcre2_match_context_free(context);
        pcre2_match_data_free(data);
        pcre2_code_free(code);
    }
};

SearchPattern::SearchPattern(std::string_view findText, const SearchOptions& options)
    : findText_(findText), options_(options) {
    if (findText.empty()) throw std::invalid_argument("empty find text");
    auto compiled = std::make_shared<Compiled>();
    compiled->translated = options.matchWildcards ? WildcardTranslator(findText).Translate()
                                                  : TranslateLiteral(findText, options.matchWholeWord);
    uint32_t flags = PCRE2_UTF | PCRE2_UCP | PCRE2_MATCH_INVALID_UTF;
    if (!options.matchWildcards && !options.matchCase) flags |= PCRE2_CASELESS;
    int error = 0;
    PCRE2_SIZE offset = 0;
    compiled->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(compiled->translated.data()),
                                   compiled->translated.size(), flags, &error, &offset, nullptr);
    if (!compiled->code) {
        PCRE2_UCHAR message[256];
        pcre2_get_error_message(error, message, sizeof message);
        throw std::invalid_argument("invalid find text " + Quote(findText) + ": " +
                                    reinterpret_cast<const char*>(message));
    }
    // Compiled to machine code where the library can; matches the same.
    pcre2_jit_compile(compiled->code, PCRE2_JIT_COMPLETE);
    compiled->data = pcre2_match_data_create_from_pattern(compiled->code, nullptr);
    compiled->context = pcre2_match_context_create(nullptr);
    if (!compiled->data || !compiled->context) throw std::bad_alloc();
    pcre2_set_match_limit(compiled->context, 20'000'000);
    compiled_ = std::move(compiled);
}

const std::string& SearchPattern::Translated() const { return compiled_->translated; }

bool SearchPattern::Match(std::string_view subject, std::size_t from, std::size_t limit, PatternMatch& match) const {
    limit = std::min(limit, subject.size());
    if (from > limit) return false;
    pcre2_match_data* data = compiled_->data;
    const auto run = [&](uint32_t options) {
        return pcre2_match(compiled_->code, reinterpret_cast<PCRE2_SPTR>(subject.data()), limit, from,
                           PCRE2_NOTEMPTY | options, data, compiled_->context);
    };
    int rc = run(0);
    // The compiled code's stack is small; the interpreter's grows.
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT) rc = run(PCRE2_NO_JIT);
    if (rc < 0) {
        if (rc == PCRE2_ERROR_NOMATCH) return false;
        PCRE2_UCHAR message[256];
        pcre2_get_error_message(rc, message, sizeof message);
        throw std::runtime_error("search for " + Quote(findText_) + " failed: " +
                                 reinterpret_cast<const char*>(message));
    }
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data);
    const uint32_t pairs = pcre2_get_ovector_count(data);
    match.groups.clear();
    for (uint32_t i = 0; i < pairs; ++i) {
        const bool set = ovector[2 * i] != PCRE2_UNSET && i < static_cast<uint32_t>(rc);
        match.groups.emplace_back(set ? ovector[2 * i] : std::string::npos, set ? ovector[2 * i + 1] : std::string::npos);
    }
    match.start = ovector[0];
    match.end = ovector[1];
    return true;
}

ReplacementText::ReplacementText(std::string_view text, bool wildcards) {
    std::string literal;
    auto flush = [&] {
        if (!literal.empty()) parts_.push_back({literal, -1});
        literal.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        if (wildcards && text[i] == '\\' && i + 1 < text.size()) {
            if (text[i + 1] >= '1' && text[i + 1] <= '9') {
                flush();
                parts_.push_back({{}, text[i + 1] - '0'});
                i += 2;
                continue;
            }
            ++i;
            literal += std::string(text.substr(i, 1));
            ++i;
            continue;
        }
        if (text[i] == '^') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                flush();
                parts_.push_back({{}, 0});
                i += 2;
                continue;
            }
            std::string replacement;
            std::string why;
            if (!CaretReplacementCode(text, i, replacement, why)) {
                throw std::invalid_argument("invalid replacement text \"" + std::string(text) + "\": " + why);
            }
            literal += replacement;
            continue;
        }
        literal += text[i++];
    }
    flush();
}

std::string ReplacementText::Expand(std::string_view subject, const PatternMatch& match) const {
    std::string out;
    for (const Part& part : parts_) {
        if (part.group < 0) {
            out += part.literal;
        } else if (static_cast<std::size_t>(part.group) < match.groups.size()) {
            const auto [a, b] = match.groups[part.group];
            if (a != std::string::npos) out += subject.substr(a, b - a);
        }
    }
    return out;
}

std::string SearchSubject(const std::string& paragraphText, char16_t markChar) {
    if (paragraphText.empty()) return ToUtf8(std::u16string(1, markChar));
    return paragraphText.substr(0, paragraphText.size() - 1) + ToUtf8(std::u16string(1, markChar));
}

}  // namespace dorvane::wordtext
