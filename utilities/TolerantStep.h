#pragma once

// The skip-and-continue rule of the document clean-ups: inside a tolerant
// stretch, a call that Word or Excel refuses abandons the step it belongs
// to, and the operation goes on with the next step. Every clean-up uses
// these two helpers instead of catching failures on its own.

#include <optional>
#include <type_traits>
#include <utility>

#include "automation/AutomationError.h"

namespace dorvane::utilities {

// Runs one step; returns whether it ran to its end (false when a call in
// it was refused and the step was abandoned).
template <class Step>
bool TryStep(Step&& step) {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const AutomationError&) {
        return false;
    }
}

// Runs one step that yields a value; nothing when the step was abandoned.
template <class Step>
auto TryValue(Step&& step) -> std::optional<std::invoke_result_t<Step>> {
    try {
        return std::forward<Step>(step)();
    } catch (const AutomationError&) {
        return std::nullopt;
    }
}

}  // namespace dorvane::utilities
