#include "automation/embedded/excel/NumberFormat.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>

#include "automation/embedded/excel/DecimalDigits.h"
#include "automation/embedded/excel/NumberFormatParts.h"

namespace dorvane::embedded::excel {

using Section = NumberFormat::Section;
using Token = NumberFormat::Token;

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::size_t Utf8Length(std::string_view s, std::size_t i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    return std::min(n, s.size() - i);
}

bool StartsWithNoCase(std::string_view s, std::size_t i, std::string_view word) {
    if (s.size() - i < word.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k)
        if (Lower(s[i + k]) != Lower(word[k])) return false;
    return true;
}

void AddLiteral(std::vector<Token>& tokens, std::string_view text) {
    if (!tokens.empty() && tokens.back().type == TokenType::Literal) {
        tokens.back().text += text;
        return;
    }
    tokens.push_back({TokenType::Literal, std::string(text), 1});
}

// "[...]" at i: colours are dropped, conditions and elapsed times kept,
// "[$€-407]" gives its currency text.
std::size_t ParseBracket(std::string_view s, std::size_t i, Section& section) {
    std::size_t close = s.find(']', i);
    if (close == std::string_view::npos) close = s.size();
    std::string_view inner = s.substr(i + 1, close - i - 1);
    std::size_t next = close < s.size() ? close + 1 : close;
    if (inner.empty()) return next;
    char first = Lower(inner[0]);
    if (inner[0] == '$') {
        std::string_view currency = inner.substr(1, inner.find('-') == std::string_view::npos
                                                        ? std::string_view::npos
                                                        : inner.find('-') - 1);
        if (!currency.empty()) AddLiteral(section.tokens, currency);
    } else if (first == '<' || first == '>' || first == '=') {
        std::size_t opLength = (inner.size() > 1 && (inner[1] == '=' || inner[1] == '>')) ? 2 : 1;
        section.hasCondition = true;
        section.conditionOp = std::string(inner.substr(0, opLength));
        section.conditionValue = std::strtod(std::string(inner.substr(opLength)).c_str(), nullptr);
    } else if ((first == 'h' || first == 'm' || first == 's') &&
               inner.find_first_not_of(inner[0]) == std::string_view::npos) {
        TokenType type = first == 'h'   ? TokenType::ElapsedHours
                         : first == 'm' ? TokenType::ElapsedMinutes
                                        : TokenType::ElapsedSeconds;
        section.tokens.push_back({type, {}, static_cast<int>(inner.size())});
    }
    return next;
}

// One date letter run (yyyy, mm, d, h, ss, aaaa) at i.
bool ParseDateLetters(std::string_view s, std::size_t& i, Section& section) {
    char c = Lower(s[i]);
    TokenType type;
    switch (c) {
        case 'y': case 'e': type = TokenType::Year; break;
        case 'm': type = TokenType::Month; break;
        case 'd': type = TokenType::Day; break;
        case 'h': type = TokenType::Hour; break;
        case 's': type = TokenType::Second; break;
        case 'a': type = TokenType::WeekdayCn; break;
        default: return false;
    }
    std::size_t j = i;
    while (j < s.size() && Lower(s[j]) == c) ++j;
    int count = static_cast<int>(j - i);
    if (type == TokenType::WeekdayCn && count < 3) return false;
    section.tokens.push_back({type, {}, count});
    i = j;
    return true;
}

bool ParseAmPm(std::string_view s, std::size_t& i, Section& section) {
    for (std::string_view form : {"AM/PM", "A/P", "上午/下午"}) {
        if (StartsWithNoCase(s, i, form)) {
            // The written form: "a/p" shows a lower-case letter.
            section.tokens.push_back({TokenType::AmPm, std::string(s.substr(i, form.size())), 1});
            section.hasAmPm = true;
            i += form.size();
            return true;
        }
    }
    return false;
}

void Tokenise(std::string_view s, Section& section) {
    std::size_t i = 0;
    while (i < s.size()) {
        char c = s[i];
        if (c == '"') {
            std::size_t close = s.find('"', i + 1);
            if (close == std::string_view::npos) close = s.size();
            AddLiteral(section.tokens, s.substr(i + 1, close - i - 1));
            i = close + 1;
        } else if (c == '\\' && i + 1 < s.size()) {
            std::size_t n = Utf8Length(s, i + 1);
            AddLiteral(section.tokens, s.substr(i + 1, n));
            i += 1 + n;
        } else if (c == '_' && i + 1 < s.size()) {
            AddLiteral(section.tokens, " ");
            i += 1 + Utf8Length(s, i + 1);
        } else if (c == '*' && i + 1 < s.size()) {
            i += 1 + Utf8Length(s, i + 1);  // fill character: no fixed width here
        } else if (c == '[') {
            i = ParseBracket(s, i, section);
        } else if (StartsWithNoCase(s, i, "General")) {
            section.tokens.push_back({TokenType::General, {}, 1});
            i += 7;
        } else if (ParseAmPm(s, i, section)) {
        } else if (c == '0' || c == '#' || c == '?') {
            TokenType type = c == '0' ? TokenType::Zero : c == '#' ? TokenType::Hash : TokenType::Question;
            section.tokens.push_back({type, {}, 1});
            ++i;
        } else if (c == '.') {
            section.tokens.push_back({TokenType::Point, {}, 1});
            ++i;
        } else if (c == ',') {
            section.tokens.push_back({TokenType::Comma, {}, 1});
            ++i;
        } else if (c == '%') {
            section.tokens.push_back({TokenType::Percent, {}, 1});
            ++i;
        } else if ((c == 'E' || c == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
            section.tokens.push_back({TokenType::Exponent, std::string(1, s[i + 1]), 1});
            i += 2;
        } else if (c == '/') {
            section.tokens.push_back({TokenType::Slash, {}, 1});
            ++i;
        } else if (c == '@') {
            section.tokens.push_back({TokenType::TextAt, {}, 1});
            ++i;
        } else if (ParseDateLetters(s, i, section)) {
        } else {
            std::size_t n = Utf8Length(s, i);
            AddLiteral(section.tokens, s.substr(i, n));
            i += n;
        }
    }
}

bool IsDateToken(TokenType t) {
    switch (t) {
        case TokenType::Year: case TokenType::Month: case TokenType::Day: case TokenType::Hour:
        case TokenType::Minute: case TokenType::Second: case TokenType::AmPm:
        case TokenType::ElapsedHours: case TokenType::ElapsedMinutes: case TokenType::ElapsedSeconds:
        case TokenType::WeekdayCn:
            return true;
        default:
            return false;
    }
}

bool IsDigitToken(TokenType t) {
    return t == TokenType::Zero || t == TokenType::Hash || t == TokenType::Question;
}

// In a date section: "m" after an hour or before a second is minutes;
// ".00" after seconds is a fraction of a second; '/', '.', ',' are text.
void ResolveDateSection(Section& section) {
    auto& tokens = section.tokens;
    auto neighbour = [&](std::size_t i, int step) -> TokenType {
        for (long k = static_cast<long>(i) + step; k >= 0 && k < static_cast<long>(tokens.size()); k += step)
            if (tokens[static_cast<std::size_t>(k)].type != TokenType::Literal)
                return tokens[static_cast<std::size_t>(k)].type;
        return TokenType::Literal;
    };
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].type == TokenType::Month && tokens[i].count <= 2) {
            TokenType before = neighbour(i, -1), after = neighbour(i, 1);
            if (before == TokenType::Hour || before == TokenType::ElapsedHours ||
                after == TokenType::Second || after == TokenType::ElapsedSeconds)
                tokens[i].type = TokenType::Minute;
        }
    }
    std::vector<Token> resolved;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        Token token = tokens[i];
        if (token.type == TokenType::Point && i + 1 < tokens.size() && tokens[i + 1].type == TokenType::Zero &&
            (neighbour(i, -1) == TokenType::Second || neighbour(i, -1) == TokenType::ElapsedSeconds)) {
            int digits = 0;
            while (i + 1 < tokens.size() && tokens[i + 1].type == TokenType::Zero) {
                ++digits;
                ++i;
            }
            resolved.push_back({TokenType::SubSecond, {}, digits});
            continue;
        }
        if (token.type == TokenType::Point || token.type == TokenType::Comma || token.type == TokenType::Slash ||
            IsDigitToken(token.type) || token.type == TokenType::Percent) {
            std::string text = token.type == TokenType::Point ? "."
                               : token.type == TokenType::Comma ? ","
                               : token.type == TokenType::Slash ? "/"
                               : token.type == TokenType::Percent ? "%"
                               : token.type == TokenType::Zero ? "0"
                               : token.type == TokenType::Hash ? "#" : "?";
            AddLiteral(resolved, text);
            continue;
        }
        if (token.type == TokenType::Literal) {
            AddLiteral(resolved, token.text);
            continue;
        }
        resolved.push_back(token);
    }
    tokens = std::move(resolved);
}

// Counts placeholders, thousands separators, scaling commas and percents.
void AnalyseNumberSection(Section& section) {
    enum class Part { Integer, Fraction, Exponent } part = Part::Integer;
    const auto& tokens = section.tokens;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        TokenType t = tokens[i].type;
        if (t == TokenType::Point && part == Part::Integer) {
            part = Part::Fraction;
        } else if (t == TokenType::Exponent) {
            section.exponent = true;
            part = Part::Exponent;
        } else if (t == TokenType::Slash) {
            section.fraction = true;
        } else if (t == TokenType::Percent) {
            ++section.percents;
        } else if (IsDigitToken(t)) {
            if (part == Part::Integer) ++section.integerDigits;
            else if (part == Part::Fraction) ++section.fractionDigits;
        } else if (t == TokenType::Comma && part == Part::Integer) {
            bool digitBefore = i > 0 && IsDigitToken(tokens[i - 1].type);
            std::size_t j = i;
            while (j < tokens.size() && tokens[j].type == TokenType::Comma) ++j;
            bool digitAfter = j < tokens.size() && IsDigitToken(tokens[j].type);
            if (digitAfter && section.integerDigits > 0) {
                section.thousands = true;
            } else if (digitBefore && !digitAfter) {
                section.scaleThousands += static_cast<int>(j - i);
                i = j - 1;
            }
        }
    }
}

Section ParseSection(std::string_view text) {
    Section section;
    Tokenise(text, section);
    bool date = false, textAt = false, general = false, digits = false;
    for (const auto& token : section.tokens) {
        date = date || IsDateToken(token.type);
        textAt = textAt || token.type == TokenType::TextAt;
        general = general || token.type == TokenType::General;
        digits = digits || IsDigitToken(token.type);
    }
    if (date) {
        section.kind = Section::Kind::Date;
        ResolveDateSection(section);
    } else if (textAt) {
        section.kind = Section::Kind::Text;
    } else if (general && !digits) {
        section.kind = Section::Kind::General;
    } else {
        section.kind = Section::Kind::Number;
        AnalyseNumberSection(section);
    }
    return section;
}

std::vector<std::string_view> SplitSections(std::string_view code) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    bool quoted = false, bracket = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        char c = code[i];
        if (quoted) {
            quoted = c != '"';
        } else if (bracket) {
            bracket = c != ']';
        } else if (c == '"') {
            quoted = true;
        } else if (c == '[') {
            bracket = true;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;
        } else if (c == ';') {
            parts.push_back(code.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(code.substr(start));
    return parts;
}

}  // namespace

bool Section::Matches(double value) const {
    if (conditionOp == "<") return value < conditionValue;
    if (conditionOp == "<=") return value <= conditionValue;
    if (conditionOp == ">") return value > conditionValue;
    if (conditionOp == ">=") return value >= conditionValue;
    if (conditionOp == "<>") return value != conditionValue;
    return value == conditionValue;
}

NumberFormat::NumberFormat() = default;
NumberFormat::~NumberFormat() = default;

struct FormatParser {
    static std::shared_ptr<NumberFormat> Build(std::string_view code) {
        auto format = std::make_shared<NumberFormat>();
        format->code_ = std::string(code);
        for (auto part : SplitSections(code)) format->sections_.push_back(ParseSection(part));
        return format;
    }
};

std::shared_ptr<const NumberFormat> NumberFormat::Parse(std::string_view code) {
    // Workbooks share a handful of codes: parse each once.
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const NumberFormat>, std::less<>> cache;
    std::lock_guard lock(mutex);
    if (auto it = cache.find(code); it != cache.end()) return it->second;
    std::shared_ptr<const NumberFormat> format = FormatParser::Build(code);
    if (cache.size() < 4096) cache.emplace(std::string(code), format);
    return format;
}

std::shared_ptr<const NumberFormat> NumberFormat::General() {
    static const std::shared_ptr<const NumberFormat> general = Parse("General");
    return general;
}

bool NumberFormat::IsDate() const {
    return !sections_.empty() && sections_[0].kind == Section::Kind::Date;
}

const Section* NumberFormat::SectionFor(double value, bool& negativeSign) const {
    negativeSign = value < 0;
    if (sections_.empty()) return nullptr;
    std::size_t numberSections = sections_.size() >= 4 ? 3 : sections_.size();
    bool conditional = sections_[0].hasCondition || (numberSections > 1 && sections_[1].hasCondition);
    if (conditional) {
        for (std::size_t i = 0; i < numberSections && i < 2; ++i)
            if (sections_[i].hasCondition && sections_[i].Matches(value)) return &sections_[i];
        std::size_t rest = sections_[1 < numberSections ? 1 : 0].hasCondition ? 2 : 1;
        if (rest >= numberSections) rest = numberSections - 1;
        return &sections_[rest];
    }
    if (value < 0 && numberSections >= 2) {
        negativeSign = false;  // the negative section shows its own sign
        return &sections_[1];
    }
    if (value == 0 && numberSections >= 3) return &sections_[2];
    return &sections_[0];
}

std::string NumberFormat::Format(double value) const {
    if (!std::isfinite(value)) return "#NUM!";
    bool negative = false;
    const Section* section = SectionFor(value, negative);
    if (!section) return FormatGeneral(value);
    std::string body;
    switch (section->kind) {
        case Section::Kind::General: {
            body = FormatGeneral(std::fabs(value));
            std::string out;
            for (const auto& token : section->tokens)
                out += token.type == TokenType::General ? body : token.text;
            body = out;
            break;
        }
        case Section::Kind::Date:
            // Excel shows no negative dates or times.
            if (value < 0) return "########";
            return FormatDateSection(*section, value);
        case Section::Kind::Text: {
            // A number under a text-only format is shown as General.
            body = FormatGeneral(std::fabs(value));
            break;
        }
        case Section::Kind::Number:
            body = FormatNumberSection(*section, std::fabs(value));
            break;
    }
    return negative ? "-" + body : body;
}

std::string NumberFormat::FormatText(const std::string& text) const {
    const Section* section = nullptr;
    if (sections_.size() >= 4) section = &sections_[3];
    else if (!sections_.empty() && sections_.back().kind == Section::Kind::Text) section = &sections_.back();
    if (!section) return text;
    std::string out;
    for (const auto& token : section->tokens) {
        if (token.type == TokenType::TextAt) out += text;
        else if (token.type == TokenType::Literal) out += token.text;
    }
    return out;
}

double NumberFormat::RoundAsDisplayed(double value) const {
    bool negative = false;
    const Section* section = SectionFor(value, negative);
    if (!section || !std::isfinite(value)) return value;
    switch (section->kind) {
        // General shows as many digits as the column allows, so precision
        // as displayed leaves its numbers as they are.
        case Section::Kind::General:
        case Section::Kind::Date:
        case Section::Kind::Text:
            return value;
        case Section::Kind::Number:
            break;
    }
    // Fractions ("# ?/?") keep the value: their precision is no decimal place.
    if (section->fraction) return value;
    if (section->integerDigits + section->fractionDigits == 0) return value;  // literal text only
    double sign = value < 0 ? -1.0 : 1.0;
    DecimalDigits digits = DecimalDigits::Of(value);
    if (section->exponent) {
        digits.RoundToSignificant(std::max(1, section->integerDigits + section->fractionDigits));
    } else {
        digits.RoundToDecimals(section->fractionDigits + 2 * section->percents - 3 * section->scaleThousands);
    }
    return sign * digits.ToDouble();
}

// General: fixed notation in at most 11 characters (digits and the point;
// the sign not counted), which is at most 10 significant digits for a
// number with decimals; scientific notation in 11 characters from 1E+11 up
// and below 1E-4.
std::string FormatGeneral(double value) {
    if (value == 0) return "0";
    if (!std::isfinite(value)) return "#NUM!";
    std::string sign = value < 0 ? "-" : "";
    DecimalDigits digits = DecimalDigits::Of(value);
    double magnitude = std::fabs(value);
    constexpr int kWidth = 11;
    if (magnitude >= 1e11 || magnitude < 1e-4) {
        // Rounding the mantissa may carry into the exponent: round first.
        for (int significant = kWidth; significant >= 1; --significant) {
            DecimalDigits m = digits;
            m.RoundToSignificant(significant);
            int exponent = m.Exponent();
            std::string exp = std::to_string(std::abs(exponent));
            if (exp.size() < 2) exp = "0" + exp;
            exp = std::string("E") + (exponent < 0 ? "-" : "+") + exp;
            std::string mantissa = m.digits.substr(0, 1);
            std::string rest = m.digits.size() > 1 ? m.digits.substr(1) : std::string();
            if (!rest.empty()) mantissa += "." + rest;
            if (static_cast<int>(mantissa.size() + exp.size()) <= kWidth || significant == 1)
                return sign + mantissa + exp;
        }
    }
    int integerLength = std::max(1, digits.point);
    int decimals = std::max(0, kWidth - integerLength - 1);
    digits.RoundToDecimals(decimals);
    std::string text = digits.IntegerPart();
    std::string fraction = digits.FullFraction();
    if (!fraction.empty()) text += "." + fraction;
    return sign + text;
}

std::string BuiltinFormatCode(int id) {
    // Ids 27-36 and 50-58 are the East Asian date formats; their codes are
    // those of a Chinese (PRC) installation.
    static const std::map<int, std::string> codes = {
        {0, "General"}, {1, "0"}, {2, "0.00"}, {3, "#,##0"}, {4, "#,##0.00"},
        {5, "\"$\"#,##0_);(\"$\"#,##0)"}, {6, "\"$\"#,##0_);[Red](\"$\"#,##0)"},
        {7, "\"$\"#,##0.00_);(\"$\"#,##0.00)"}, {8, "\"$\"#,##0.00_);[Red](\"$\"#,##0.00)"},
        {9, "0%"}, {10, "0.00%"}, {11, "0.00E+00"}, {12, "# ?/?"}, {13, "# ?\?/?\?"},
        {14, "yyyy/m/d"}, {15, "d-mmm-yy"}, {16, "d-mmm"}, {17, "mmm-yy"}, {18, "h:mm AM/PM"},
        {19, "h:mm:ss AM/PM"}, {20, "h:mm"}, {21, "h:mm:ss"}, {22, "yyyy/m/d h:mm"},
        {27, "yyyy\"年\"m\"月\""}, {28, "m\"月\"d\"日\""}, {29, "m\"月\"d\"日\""},
        {30, "m-d-yy"}, {31, "yyyy\"年\"m\"月\"d\"日\""}, {32, "h\"时\"mm\"分\""},
        {33, "h\"时\"mm\"分\"ss\"秒\""}, {34, "上午/下午h\"时\"mm\"分\""},
        {35, "上午/下午h\"时\"mm\"分\"ss\"秒\""}, {36, "yyyy\"年\"m\"月\""},
        {37, "#,##0_);(#,##0)"}, {38, "#,##0_);[Red](#,##0)"}, {39, "#,##0.00_);(#,##0.00)"},
        {40, "#,##0.00_);[Red](#,##0.00)"}, {41, "_(* #,##0_);_(* (#,##0);_(* \"-\"_);_(@_)"},
        {42, "_(\"$\"* #,##0_);_(\"$\"* (#,##0);_(\"$\"* \"-\"_);_(@_)"},
        {43, "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)"},
        {44, "_(\"$\"* #,##0.00_);_(\"$\"* (#,##0.00);_(\"$\"* \"-\"??_);_(@_)"},
        {45, "mm:ss"}, {46, "[h]:mm:ss"}, {47, "mm:ss.0"}, {48, "##0.0E+0"}, {49, "@"},
        {50, "yyyy\"年\"m\"月\""}, {51, "m\"月\"d\"日\""}, {52, "yyyy\"年\"m\"月\""},
        {53, "m\"月\"d\"日\""}, {54, "m\"月\"d\"日\""}, {55, "上午/下午h\"时\"mm\"分\""},
        {56, "上午/下午h\"时\"mm\"分\"ss\"秒\""}, {57, "yyyy\"年\"m\"月\""}, {58, "m\"月\"d\"日\""},
    };
    auto it = codes.find(id);
    return it == codes.end() ? std::string() : it->second;
}

}  // namespace dorvane::embedded::excel
