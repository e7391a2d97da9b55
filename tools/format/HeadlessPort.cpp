#include "tools/format/HeadlessPort.h"

namespace dorvane::tools {

void HeadlessPort::ShowMessage(const std::string& text, const std::string& title) {
    if (text == "完成") return;
    out_ << document_ << ": " << (title.empty() ? "" : title + ": ") << text << '\n';
}

}  // namespace dorvane::tools
