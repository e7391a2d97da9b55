#pragma once

// Creating the office applications by identifier, and finding the running
// one. The embedded office answers these by default.

#include <memory>

namespace dorvane {

namespace word { class Application; }
namespace excel { class Application; }

// "Word.application": a new Word instance (invisible until told).
std::shared_ptr<word::Application> CreateWordApplication();
// "excel.application": a new, invisible Excel instance.
std::shared_ptr<excel::Application> CreateExcelApplication();
// The running instance of class "Excel.Application": the most recently
// registered one. Throws AutomationError when none runs.
std::shared_ptr<excel::Application> GetRunningExcelApplication();

}  // namespace dorvane
