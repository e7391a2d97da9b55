#pragma once

namespace dorvane::shell {

// Applies the program's look: a CJK-capable font at 9 pt for every window.
void ApplyApplicationStyle();

}  // namespace dorvane::shell
