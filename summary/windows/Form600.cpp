#include "summary/windows/Form600.h"

#include <QLabel>
#include <QPushButton>

#include "shell/Twips.h"

namespace dorvane::shell {
namespace {

struct Step {
    const char* text;
    const char* button;  // nullptr: the step has no button
    const char* caption;
};

const Step kSteps[] = {
    {"点击第一步：会新建一个excel空白文件作为汇总结果文件，如果已经有了这个文件，直接打开它，"
     "直接到第二步。",
     "Command1", "第一步"},
    {"点击第二步：会在汇总结果文件所在位置创建一个名称为自动汇总的文件夹，创建好后请手动把要"
     "汇总的文件复制到这个文件夹内，如已完成请到下一下。",
     "Command2", "第二步"},
    {"点击第三步：会从被汇总文件夹内任选一个文件把里边的所有工作表复制一份到新建的汇总结果文件"
     "中，目的是利用表格的格式和文字，文字不适用的部分由操作者自行修改，如已有有现成格式请到下"
     "一步。",
     "Command3", "第三步"},
    {"点击第四步：主要工作已经完成，此窗体关闭，会产生一个蓝色工具条在屏幕前端，", "Command4",
     "第四步"},
    {"第五步：选中汇总结果文件中的数据汇总区域，按蓝色工具条上的汇总按钮。 完成所有汇总工作。",
     nullptr, nullptr},
};

// Layout of the five step columns, in twips.
constexpr int kStepLeft = 360;
constexpr int kStepPitch = 3120;
constexpr int kStepWidth = 2880;
constexpr int kStepTextTop = 2640;
constexpr int kStepTextHeight = 1920;
constexpr int kStepButtonTop = 4680;

}  // namespace

QString Form600::StepsNotReadyMessage() {
    return QString::fromUtf8(
        "你好，目前前三步的工作尚未完成，请手动完成后直接使用第四步的汇总工具条。");
}

Form600::Form600(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form600"));
    setWindowTitle(QString::fromUtf8("Kelbrith  /  Dorvane"));
    FixClientSizeTwips(this, 16110, 5490);

    QLabel* heading = AddText("Label1", "Kelbrith", 360, 120, 4000, 600);
    QFont headingFont = heading->font();
    headingFont.setPointSize(22);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    QLabel* slogan = AddText("Label2", "三步！5秒！点两次鼠标，不动键盘，完成100个文件的汇总！", 360,
                             780, 10800, 360);
    QFont sloganFont = slogan->font();
    sloganFont.setBold(true);
    slogan->setFont(sloganFont);

    AddText("Label3",
            "过程：打开汇总结果文件或新建空白excel文件，在文件同一位置下建立名为“自动汇总”的文件夹，"
            "把被汇总的文件放入文件夹内（数量不限，所有文件的相同顺序的工作的的行列数据格式要一致），"
            "选中汇总结果文件的要汇总区域，点击本软件显示的工具条的汇总按钮。  ",
            360, 1200, 15390, 720);
    AddText("Label4", "按以下步骤提示即可完成所有步骤：", 360, 2040, 10800, 360);

    QPushButton** buttons[] = {&Command1, &Command2, &Command3, &Command4};
    for (int i = 0; i < 5; ++i) {
        const int left = kStepLeft + i * kStepPitch;
        const std::string name = "Label" + std::to_string(5 + i);
        AddText(name.c_str(), kSteps[i].text, left, kStepTextTop, kStepWidth, kStepTextHeight);
        if (kSteps[i].button)
            *buttons[i] = AddButton(kSteps[i].button, kSteps[i].caption, left, kStepButtonTop,
                                    kStepWidth, 495);
    }

    Command5 = AddButton("Command5", "直接显示汇总工具条", 11520, 180, 2535, 495);
    Command6 = AddButton("Command6", "有关说明", 14280, 180, 1470, 495);
}

QLabel* Form600::AddText(const char* name, const char* text, int left, int top, int width,
                         int height) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(label, left, top, width, height);
    return label;
}

QPushButton* Form600::AddButton(const char* name, const char* caption, int left, int top,
                                int width, int height) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    PlaceTwips(button, left, top, width, height);
    return button;
}

}  // namespace dorvane::shell
