#pragma once

// The user port of the batch tool: no windows. Messages are printed with
// the document's name, except the run's closing "完成", which the tool's
// own summary line replaces.

#include <ostream>
#include <string>

#include "platform/UserPort.h"

namespace dorvane::tools {

class HeadlessPort : public UserPort {
public:
    explicit HeadlessPort(std::ostream& out) : out_(out) {}

    void SetDocumentName(std::string name) { document_ = std::move(name); }
    // While set, operations see the single-table window as showing.
    void SetSingleTableMode(bool on) { singleTable_ = on; }

    void ShowMessage(const std::string& text, const std::string& title = {}) override;
    void HideMainWindow() override {}
    void ShowMainWindow() override {}
    bool SingleTableWindowShowing() const override { return singleTable_; }

private:
    std::ostream& out_;
    std::string document_;
    bool singleTable_ = false;
};

}  // namespace dorvane::tools
