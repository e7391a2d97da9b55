#pragma once

#include <optional>
#include <string>

#include "automation/word/WordTypes.h"

namespace dorvane::word {

// The named arguments of Find.Execute that the operations pass; an
// argument left out keeps the Find object's own setting.
struct FindExecuteArgs {
    std::optional<std::string> findText;
    std::optional<std::string> replaceWith;
    std::optional<int> replace;  // wdReplaceNone, wdReplaceOne, wdReplaceAll
};

class Replacement {
public:
    virtual ~Replacement() = default;
    virtual void ClearFormatting() = 0;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

class Find {
public:
    virtual ~Find() = default;

    virtual void ClearFormatting() = 0;
    virtual Ref<word::Replacement> Replacement() = 0;

    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual bool Forward() const = 0;
    virtual void SetForward(bool forward) = 0;
    virtual int Wrap() const = 0;
    virtual void SetWrap(int wrap) = 0;
    virtual bool Format() const = 0;
    virtual void SetFormat(bool format) = 0;
    virtual bool MatchCase() const = 0;
    virtual void SetMatchCase(bool match) = 0;
    virtual bool MatchWholeWord() const = 0;
    virtual void SetMatchWholeWord(bool match) = 0;
    virtual bool MatchByte() const = 0;
    virtual void SetMatchByte(bool match) = 0;
    virtual bool MatchWildcards() const = 0;
    virtual void SetMatchWildcards(bool match) = 0;
    virtual bool MatchSoundsLike() const = 0;
    virtual void SetMatchSoundsLike(bool match) = 0;
    virtual bool MatchAllWordForms() const = 0;
    virtual void SetMatchAllWordForms(bool match) = 0;

    // Searches (and replaces); returns whether anything was found.
    virtual bool Execute(const FindExecuteArgs& args = {}) = 0;
};

}  // namespace dorvane::word
