#include "schemes/SchemeFields.h"

#include <array>
#include <stdexcept>

namespace dorvane::schemes {
using formatting::FormatSettings;

namespace {

using S = FormatSettings;

constexpr std::array<std::string S::*, 20> kCombos = {
    &S::Combo1,  &S::Combo2,  &S::Combo3,  &S::Combo4,  &S::Combo5,  &S::Combo6,  &S::Combo7,
    &S::Combo8,  &S::Combo9,  &S::Combo10, &S::Combo11, &S::Combo12, &S::Combo13, &S::Combo14,
    &S::Combo15, &S::Combo16, &S::Combo17, &S::Combo18, &S::Combo19, &S::Combo20,
};

constexpr std::array<int S::*, 5> kChecks = {&S::Check2, &S::Check3, &S::Check4, &S::Check5,
                                             &S::Check6};

std::string S::*ComboMember(int number) {
    if (number < 1 || number > 20)
        throw std::out_of_range("Combo" + std::to_string(number) + " does not exist");
    return kCombos[number - 1];
}

int S::*CheckMember(int number) {
    if (number < 2 || number > 6)
        throw std::out_of_range("Check" + std::to_string(number) + " does not exist");
    return kChecks[number - 2];
}

}  // namespace

std::string& ComboField(FormatSettings& settings, int number) {
    return settings.*ComboMember(number);
}

const std::string& ComboField(const FormatSettings& settings, int number) {
    return settings.*ComboMember(number);
}

int& CheckField(FormatSettings& settings, int number) { return settings.*CheckMember(number); }

int CheckField(const FormatSettings& settings, int number) {
    return settings.*CheckMember(number);
}

}  // namespace dorvane::schemes
