// The right half of the main window, revealed by "更多功能 >>": embedded
// workbooks, the other clean-ups, the text outside tables and the scheme
// buttons; and the controls that lie outside the visible area.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "shell/Form4.h"
#include "shell/Twips.h"

namespace dorvane::shell {
namespace {

constexpr int kRow1 = 300;
constexpr int kRow2 = 720;
constexpr int kRow3 = 1140;
constexpr int kRow4 = 1560;

constexpr int kFrameLeft = 6600;
constexpr int kFrameWidth = 5220;

}  // namespace

void Form4::BuildRightHalf() {
    QGroupBox* embedded = AddFrame("文档内嵌excel表格", kFrameLeft, 120, kFrameWidth, 840);
    Option1 = new QRadioButton(QString::fromUtf8(" 处理成word表格，删除原表"), embedded);
    Option1->setObjectName(QStringLiteral("Option1"));
    PlaceTwips(Option1, 120, kRow1, 3240, 300);
    Command3 = AddButton(embedded, "Command3", "开   始", 3600, kRow1 - 30, 1335, 390);
    Command3->setToolTip(QString::fromUtf8("此功能和前页的排版功能是独立的。"));

    QGroupBox* other = AddFrame("其他", kFrameLeft, 1080, kFrameWidth, 1560);
    QLabel* rows = AddLabel(other, "删除所有表格中的空行", 120, kRow1 + 30, 3360);
    rows->setObjectName(QStringLiteral("Label6"));
    rows->setToolTip(QString::fromUtf8("表格前三行不删，有合并时不删。"));
    Command9 = AddButton(other, "Command9", "确  定", 3720, kRow1 - 15, 1095, 330);
    QLabel* links = AddLabel(other, "删除文档中的所有外部链接", 120, kRow2 + 30, 3360);
    links->setObjectName(QStringLiteral("Label7"));
    links->setToolTip(
        QString::fromUtf8("相当于[编辑]菜单中的[链接]操作功能,数据锁定为当前数据。"));
    Command11 = AddButton(other, "Command11", "确  定", 3720, kRow2 - 15, 1095, 330);
    AddLabel(other, "删除文档中的所有分节符", 120, kRow3 + 30, 3360)
        ->setObjectName(QStringLiteral("Label8"));
    Command14 = AddButton(other, "Command14", "确定", 3720, kRow3 - 15, 1095, 330);

    QGroupBox* outside = AddFrame("表外文字排版", kFrameLeft, 2760, kFrameWidth, 2400);
    AddField(outside, "Combo15", {120, kRow1, 840, 1000, 1095});
    AddField(outside, "Combo20", {120, kRow2, 840, 1000, 1095});
    AddField(outside, "Combo19", {120, kRow3, 840, 1000, 1095});
    AddField(outside, "Combo16", {120, kRow4, 840, 1000, 1095});
    AddField(outside, "Combo17", {2280, kRow1, 840, 3160, 1935});
    AddField(outside, "Combo18", {2280, kRow2, 840, 3160, 1935});
    AddField(outside, "Combo14", {2280, kRow3, 840, 3160, 1935});
    Command10 = AddButton(outside, "Command10", "开  始", 3160, kRow4 - 45, 1335, 390);

    QStyle* style = QApplication::style();
    Command12 = AddButton(this, "Command12", "", 6720, 5280, 495, 495);
    Command12->setToolTip(QString::fromUtf8("保存左页设置"));
    Command12->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    Command13 = AddButton(this, "Command13", "", 7320, 5280, 495, 495);
    Command13->setToolTip(QString::fromUtf8("使用已存设置"));
    Command13->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
}

void Form4::BuildHiddenControls() {
    // Beyond the right edge of both widths: the pointer cannot reach it,
    // the keyboard can (it stays in the tab order).
    Command5 = AddButton(this, "Command5", "1", 14640, 5280, 495, 495);
    Command5->setToolTip(
        QString::fromUtf8("点击进入按以上设置对一个表进行操作界面"));
    Command8 = AddButton(this, "Command8", "Command8", 14520, 4680, 1215, 495);
    Command8->setVisible(false);
}

}  // namespace dorvane::shell
