#include "shell/Form1.h"

#include <QCloseEvent>
#include <QPushButton>

#include "shell/Twips.h"

namespace dorvane::shell {

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8("选中一个表设置"));
    FixClientSizeTwips(this, 3270, 585);

    Command1 = new QPushButton(QString::fromUtf8("确 定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QString::fromUtf8("先选中一个表格"));
    PlaceTwips(Command1, 240, 90, 1215, 405);
    Command2 = new QPushButton(QString::fromUtf8("返 回"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    PlaceTwips(Command2, 1800, 90, 1215, 405);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested();
}

}  // namespace dorvane::shell
