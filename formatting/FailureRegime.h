#pragma once

// The two failure regimes of a table run. Strict: a call that Word refuses
// stops the run (the AutomationError goes through). Tolerant: the refused
// call is skipped silently and the run goes on with the next call. The run
// switches between them at fixed points; the regime carries over from one
// table to the next.

#include <utility>

#include "automation/AutomationError.h"

namespace dorvane::formatting {

class FailureRegime {
public:
    bool Tolerant() const { return tolerant_; }
    void TurnStrict() { tolerant_ = false; }
    void TurnTolerant() { tolerant_ = true; }

    // Runs one call on the object model under the current regime. Returns
    // whether it succeeded; only a tolerant regime can return false. Other
    // exceptions than AutomationError always go through.
    template <class Operation>
    bool Run(Operation&& operation) {
        if (!tolerant_) {
            std::forward<Operation>(operation)();
            return true;
        }
        try {
            std::forward<Operation>(operation)();
            return true;
        } catch (const AutomationError&) {
            return false;
        }
    }

private:
    bool tolerant_ = false;  // a run starts strict
};

}  // namespace dorvane::formatting
