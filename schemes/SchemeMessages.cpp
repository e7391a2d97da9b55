#include "schemes/SchemeMessages.h"

namespace dorvane::schemes {

std::string SchemeReadOnlyMessage(std::string_view windowsPath) {
    return "方案文件 " + std::string(windowsPath) +
           " 不能改写（文件只读，或是旧的 .xls 格式），方案没有保存，文件保持原样。"
           "请把该文件改名或移走后再保存方案。";
}

std::string BadSwitchValueMessage(std::string_view windowsPath, int row,
                                  std::string_view describedValue) {
    return "方案文件 " + std::string(windowsPath) + " 第 " + std::to_string(row) + " 行的值 " +
           std::string(describedValue) + " 不是开关可用的值（0、1 或 2），方案装入到此为止。";
}

}  // namespace dorvane::schemes
