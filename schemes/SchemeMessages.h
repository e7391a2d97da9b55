#pragma once

// What the scheme operations say to the user.

#include <string>
#include <string_view>

namespace dorvane::schemes {

// The scheme file as messages spell it.
inline constexpr std::string_view kSchemeDisplayPath = "D:\\paibanfangan.xls";

// Shown once, when the first save has created the workbook.
inline constexpr std::string_view kSchemeCreatedMessage =
    "排版方案已经保存在 D:\\paibanfangan.xls文件中";
// The workbook is still missing after it was created.
inline constexpr std::string_view kSchemeFileNotCreatedMessage = "未能建立方案保存文件";
// Loading finds no workbook.
inline constexpr std::string_view kNoSchemeSavedMessage = "未保存过方案";

// The workbook exists but cannot be written in place (a read-only file, or
// an old .xls workbook, which is read but never rewritten): nothing saved.
std::string SchemeReadOnlyMessage(std::string_view windowsPath);

// A switch row whose value is no number a check box accepts.
std::string BadSwitchValueMessage(std::string_view windowsPath, int row,
                                  std::string_view describedValue);

}  // namespace dorvane::schemes
