#include "shell/Form620.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "shell/Twips.h"

namespace dorvane::shell {
namespace {

const char* const kNotes =
    "<p style='font-size:16pt; font-weight:bold'>汇总工具使用说明</p>"
    "<p style='line-height:140%'>1、本工具用于汇总多个格式相同的工作簿。格式相同是指各工作簿中相同位置的工作表，"
    "每一行、每一列的表格结构都相同。</p>"
    "<p style='line-height:140%'>2、把要汇总的工作簿放在一个名为“自动汇总”的文件夹内，汇总结果工作簿与该文件夹"
    "放在同一个目录下。</p>"
    "<p style='line-height:140%'>3、打开汇总结果工作簿，选中要汇总的区域，点击蓝色工具条上的汇总按钮即可。"
    "不同的区域可以多次汇总。</p>"
    "<p style='line-height:140%'>4、使用工具条之前，要先打开汇总结果工作簿，并关闭其他所有工作簿。</p>";

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left,
                        int top, int width, int height) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    PlaceTwips(button, left, top, width, height);
    return button;
}

}  // namespace

Form620::Form620(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form620"));
    setWindowTitle(QString::fromUtf8("Kelbrith /  Dorvane"));
    FixClientSizeTwips(this, 12570, 5430);

    Notes = new QLabel(QString::fromUtf8(kNotes), this);
    Notes->setObjectName(QStringLiteral("Notes"));
    Notes->setTextFormat(Qt::RichText);
    Notes->setWordWrap(true);
    QFont font = Notes->font();
    font.setPointSize(11);
    Notes->setFont(font);
    Notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(Notes, 480, 240, 11610, 4080);

    Command2 = MakeButton(this, "Command2", "打开word表格排版工具", 480, 4440, 2655, 388);
    Command3 = MakeButton(this, "Command3", "汇总工具使用步骤", 3360, 4440, 2415, 388);
    Command4 = MakeButton(this, "Command4", "用内置excel打开工作簿", 6000, 4440, 2895, 388);
    Command1 = MakeButton(this, "Command1", "显示汇总工具条", 9120, 4440, 2415, 388);
}

void Form620::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested();
}

}  // namespace dorvane::shell
