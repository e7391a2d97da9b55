#pragma once

// Drive D: of a scheme test: a fresh temporary folder named by
// DORVANE_DRIVE_D while the object lives.

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/common/TestSupport.h"

namespace dorvane::testing {

class TemporaryDriveD {
public:
    TemporaryDriveD() { ::setenv("DORVANE_DRIVE_D", folder_.path().c_str(), 1); }
    ~TemporaryDriveD() { ::unsetenv("DORVANE_DRIVE_D"); }
    const std::filesystem::path& Folder() const { return folder_.path(); }
    // Where d:\paibanfangan.xls lives on this machine.
    std::filesystem::path SchemeFile() const { return folder_.path() / "paibanfangan.xls"; }

private:
    TempDir folder_;
};

}  // namespace dorvane::testing
