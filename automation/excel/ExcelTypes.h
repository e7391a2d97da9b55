#pragma once

#include <memory>

namespace dorvane::excel {

template <class T>
using Ref = std::shared_ptr<T>;

class Application;
class Workbooks;
class Workbook;
class Sheets;
class Sheet;
class Range;

}  // namespace dorvane::excel
