#include "summary/SummationMessages.h"

namespace dorvane::summary {
namespace {

// Two carriage returns without line feeds separate the parts of a message.
constexpr const char* kBreak = "\r\r";
constexpr const char* kQuotedFolder = "\"自动汇总\"";

}  // namespace

std::string OtherWorkbooksOpenMessage() {
    return "请关闭除当前工作簿以外的excel文件,如果只有当前工作簿,请点击菜单-窗口-取消隐藏,"
           "然后关闭个人宏工作簿,再重新开始.";
}

std::string NoWorkbookMessage() {
    return "提示：没有找到打开的excel文件。要先完成前三步，并打开一个excel文件,"
           "选中要汇总的区域后再执行汇总操作。";
}

std::string FolderMissingMessage() {
    return std::string(39, ' ') + "未找到文件夹" + kQuotedFolder + "," + kBreak +
           "请首先在本文件所在的文件夹内新建一个名为" + kQuotedFolder +
           "的文件夹,然后把要汇总的文件放入该文件夹内,再重新运行宏.";
}

std::string TooFewWorksheetsMessage(int sheetPosition) {
    std::string k = std::to_string(sheetPosition);
    return "当前汇总文件位置是在第" + k + "个工作表，被汇总的文件中工作表少于" + k +
           "个，发生对应错误！";
}

std::string DataErrorMessage(int row, int column) {
    return "正在被汇总的文件的以下位置的数据格式可能不正确:  第" + std::to_string(row) + "行第" +
           std::to_string(column) + "列的数据." + kBreak + "按\"确定\"键打开该文件," +
           "并选中可能存在问题的区域,以便核对." + kBreak +
           "由于计算中断会造成结果不正确,请在核对后重新执行汇总.";
}

std::string SourceUnreadableMessage(const std::string& fileName) {
    return "无法打开或读取正在被汇总的文件\"" + fileName + "\"." + kBreak +
           "汇总区域已清除.由于计算中断会造成结果不正确,请在核对该文件后重新执行汇总.";
}

}  // namespace dorvane::summary
