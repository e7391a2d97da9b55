#include "formatting/FieldDescriptions.h"

namespace dorvane::formatting {
namespace {

constexpr std::string_view kTableFrame = "表格设置";
constexpr std::string_view kTextFrame = "表内文字";
constexpr std::string_view kAlignFrame = "对齐方式";
constexpr std::string_view kOutsideFrame = "表外文字排版";

FieldDescription List(std::string_view name, std::string_view frame, std::string_view label,
                      std::vector<std::string_view> entries, std::string_view opening = kUnchanged) {
    return {name, FieldKind::List, frame, label, {}, {}, {}, std::move(entries), opening};
}

FieldDescription Switch(std::string_view name, std::string_view frame, std::string_view caption,
                        std::string_view opening) {
    return {name, FieldKind::Switch, frame, {}, {}, caption, {}, {}, opening};
}

std::vector<FieldDescription> MakeDescriptions() {
    const std::vector<std::string_view> lineSpacing = {"不变", "1.0", "1.5"};
    const std::vector<std::string_view> sizes = {"不变", "四号", "小四", "五号", "小五"};
    const std::vector<std::string_view> textFonts = {"不变", "宋体", "仿宋_GB2312"};
    const std::vector<std::string_view> numberFonts = {"不变", "Times New Roman", "Arial Narrow"};

    std::vector<FieldDescription> d;
    // 表格设置
    d.push_back(List("Combo8", kTableFrame, "行    高",
                     {"不变", "0.50", "0.55", "0.60", "0.65", "0.70", "0.75", "0.80", "0.85",
                      "0.90", "0.95", "1.00", "1.05", "1.10"}));
    d.back().labelToolTip = "厘米";
    d.back().toolTip = "厘米  可以选择或直接输入";
    d.push_back(List("Combo7", kTableFrame, "表格宽度", {"不变", "调整到页面宽度", "指定宽度"},
                     "调整到页面宽度"));
    d.push_back(List("Combo13", kTableFrame, {}, {"8", "10", "12", "14", "16"}, "指定宽度"));
    d.back().toolTip = "厘米 可以选择或直接输入数字 A4纸总宽21cm";
    d.push_back(List("Combo6", kTableFrame, {}, {"0", "0.2", "0.4", "0.6", "0.8", "1.0"},
                     "左缩进"));
    d.back().toolTip = "厘米 可以选择或直接输入数字";
    d.push_back(Switch("Check3", kTableFrame, "  包含特殊表格（预览中看不到线条的表格）", "0"));
    d.back().toolTip =
        "指边框颜色为无色的表格,常用于固定文字位置，默认对这类表格不进行格式设置。";

    // 表内文字
    d.push_back(List("Combo1", kTextFrame, "行    距", lineSpacing));
    d.push_back(List("Combo3", kTextFrame, "字    号", sizes));
    d.push_back(List("Combo2", kTextFrame, "文字字体", textFonts));
    d.push_back(List("Combo4", kTextFrame, "首行缩进", {"不变", "0.5", "1.0"}));
    d.push_back(List("Combo12", kTextFrame, "数字字体", numberFonts));
    d.push_back(List("Combo5", kTextFrame, "单元格右边距(厘米)",
                     {"不变", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8"}));
    d.back().labelToolTip =
        "想让表内数字右对齐但又要离开右框一定距离时可以在此设置。"
        "必须在下方的对齐方式中的其他区域中选定居右后设置才生效。"
        "只对标题行标题列这外的区域有效。";
    d.push_back(Switch("Check5", kTextFrame, "  同时删除表格中的空格", "0"));
    d.back().toolTip =
        "复制的数据有时会含有大量空格可以选中本选项进行\r\n"
        "处理，仅对表格中标题行和标题列之外的区域有效。\r\n";
    d.push_back(Switch("Check4", kTextFrame, {}, "0"));
    d.back().label = "数字加千分位符号";
    d.back().labelToolTip =
        "对表内表外数字都有效，所有带小数点的4位以上数字（不带小数点的数字无效）";

    // 对齐方式
    d.push_back(List("Combo9", kAlignFrame, "标 题 行", {"不变", "居中", "居中 黑体"}));
    d.back().labelToolTip = "有时标题行可能会是两行，程序自己判断。";
    d.push_back(List("Combo10", kAlignFrame, "标 题 列", {"不变", "居左"}));
    d.back().labelToolTip = "最左边的一列或两列，由程序判断。";
    d.push_back(List("Combo11", kAlignFrame, "其他区域",
                     {"不变", "居中", "居右", "数字居右,其他居中"}));
    d.back().labelToolTip = "标题行标题列之外的区域";
    d.push_back(Switch("Check2", kAlignFrame, " 跨页显示标题行", "1"));
    d.push_back(Switch("Check6", kAlignFrame, " 首列末行为合计时居中", "0"));

    // 表外文字排版
    d.push_back(List("Combo15", kOutsideFrame, "段    前", {"不变", "0", "0.5"}));
    d.push_back(List("Combo20", kOutsideFrame, "段    后", {"不变", "0", "0.5"}));
    d.push_back(List("Combo19", kOutsideFrame, "行    距", lineSpacing));
    d.push_back(List("Combo17", kOutsideFrame, "字    号", sizes));
    d.push_back(List("Combo18", kOutsideFrame, "文字字体", textFonts));
    d.push_back(List("Combo16", kOutsideFrame, "首行缩进", {"不变", "1.0", "2.0"}));
    d.push_back(List("Combo14", kOutsideFrame, "数字字体", numberFonts));
    return d;
}

}  // namespace

const std::vector<FieldDescription>& FieldDescriptions() {
    static const std::vector<FieldDescription> descriptions = MakeDescriptions();
    return descriptions;
}

const std::vector<FrameDescription>& Frames() {
    static const std::vector<FrameDescription> frames = [] {
        std::vector<FrameDescription> result;
        for (const auto& field : FieldDescriptions()) {
            if (result.empty() || result.back().caption != field.frame)
                result.push_back({field.frame, {}});
            result.back().fields.push_back(field.name);
        }
        return result;
    }();
    return frames;
}

const FieldDescription* FindFieldDescription(std::string_view name) {
    for (const auto& field : FieldDescriptions())
        if (field.name == name) return &field;
    return nullptr;
}

const std::vector<std::string_view>& InitialisationOrder() {
    static const std::vector<std::string_view> order = {
        "LineStyle1", "LineWidth1", "LineStyle2", "LineWidth2", "LineStyle3", "LineWidth3",
        "Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6", "Combo7",
        "Combo8", "Combo9", "Combo10", "Combo11", "Combo12", "Combo13",
        "Check2", "Check3", "Check5",
        "Combo19", "Combo18", "Combo17", "Combo16", "Combo14", "Combo15", "Combo20",
    };
    return order;
}

}  // namespace dorvane::formatting
