#pragma once

// The Excel instance of one scheme operation: created for it, invisible,
// and quit when the operation ends, on every path. Quitting closes any
// workbook still open without saving it, so an operation that fails half
// way leaves neither a half-open workbook nor a half-written file.

#include <functional>
#include <memory>

#include "automation/excel/Application.h"

namespace dorvane::schemes {

// Creates the instance; CreateExcelApplication unless a caller (a test)
// supplies another.
using ExcelFactory = std::function<std::shared_ptr<excel::Application>()>;
ExcelFactory DefaultExcelFactory();

class PrivateExcel {
public:
    explicit PrivateExcel(const ExcelFactory& create);
    ~PrivateExcel();
    PrivateExcel(const PrivateExcel&) = delete;
    PrivateExcel& operator=(const PrivateExcel&) = delete;

    excel::Application& operator*() const { return *app_; }
    excel::Application* operator->() const { return app_.get(); }

private:
    std::shared_ptr<excel::Application> app_;
};

}  // namespace dorvane::schemes
