#pragma once

// The switch and list fields of FormatSettings by their control numbers,
// as the scheme rows name them.

#include <string>

#include "formatting/FormatSettings.h"

namespace dorvane::schemes {

// Combo1..Combo20; throws std::out_of_range for another number.
std::string& ComboField(formatting::FormatSettings& settings, int number);
const std::string& ComboField(const formatting::FormatSettings& settings, int number);
// Check2..Check6; throws std::out_of_range for another number.
int& CheckField(formatting::FormatSettings& settings, int number);
int CheckField(const formatting::FormatSettings& settings, int number);

}  // namespace dorvane::schemes
