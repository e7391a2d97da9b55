#include "schemes/PrivateExcel.h"

#include "automation/AutomationError.h"
#include "automation/Instances.h"

namespace dorvane::schemes {

ExcelFactory DefaultExcelFactory() {
    return [] { return CreateExcelApplication(); };
}

PrivateExcel::PrivateExcel(const ExcelFactory& create) : app_(create ? create() : nullptr) {
    if (!app_) throw AutomationError("excel.application", "Excel cannot be started");
}

PrivateExcel::~PrivateExcel() {
    // Nothing may escape a destructor; the instance is gone either way.
    try {
        app_->Quit();
    } catch (...) {
    }
}

}  // namespace dorvane::schemes
