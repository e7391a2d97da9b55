#include "shell/Form5.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "shell/Twips.h"

namespace dorvane::shell {

QStringList Form5::UsageLines() {
    return {
        QString::fromUtf8("程序使用方法："),
        QString::fromUtf8("     1、点击本窗体下方的“打开要排版的word文件”按钮，然后在出现的打开文件对话框中找到你想对其"),
        QString::fromUtf8("进行排版设置的word文件，再点击对话框右下方的打开按钮，打开该文件，之后排版工具界面会自动显示。"),
        QString::fromUtf8("    2、必须用1中的方法使用本工具打开word文件，直接在文件夹中双击打开或用其他方法打开时，本程"),
        QString::fromUtf8("序无法对其设置。    "),
    };
}

Form5::Form5(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QString::fromUtf8("你好，欢迎使用本程序！"));
    FixClientSizeTwips(this, 10680, 4140);

    // Five lines, as the window has always shown them.
    QStringList lines = UsageLines();
    for (QString& line : lines) line = line.toHtmlEscaped();
    Label1 = new QLabel(QStringLiteral("<p style='white-space:pre; line-height:160%'>") +
                            lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::RichText);
    Label1->setWordWrap(false);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = Label1->font();
    font.setPixelSize(TwipsToPixelsY(195));
    Label1->setFont(font);
    PlaceTwips(Label1, 240, 360, 10320, 2520);

    Command1 = new QPushButton(QString::fromUtf8("打开要排版的word文件"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    PlaceTwips(Command1, 1560, 3240, 3375, 495);
    Command2 = new QPushButton(QString::fromUtf8("退出程序"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    PlaceTwips(Command2, 6000, 3240, 2415, 495);
}

void Form5::CentreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace dorvane::shell
