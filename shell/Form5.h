#pragma once

// The welcome window of the Word table tool: how to open the document to
// format, and the buttons to open it or to leave the program.

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;

namespace dorvane::shell {

class Form5 : public QWidget {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    // The usage text, line by line as the window shows it.
    static QStringList UsageLines();

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;  // "打开要排版的word文件"
    QPushButton* Command2 = nullptr;  // "退出程序"

    // Places the window in the middle of the screen.
    void CentreOnScreen();
};

}  // namespace dorvane::shell
