#pragma once

// The step window of the summary tool: five steps that lead to the
// toolbar, a button that shows the toolbar directly and one for the notes.

#include <QWidget>

class QLabel;
class QPushButton;

namespace dorvane::shell {

class Form600 : public QWidget {
    Q_OBJECT
public:
    explicit Form600(QWidget* parent = nullptr);

    // The message of the first three steps.
    static QString StepsNotReadyMessage();

    QPushButton* Command1 = nullptr;  // "第一步"
    QPushButton* Command2 = nullptr;  // "第二步"
    QPushButton* Command3 = nullptr;  // "第三步"
    QPushButton* Command4 = nullptr;  // "第四步"
    QPushButton* Command5 = nullptr;  // "直接显示汇总工具条"
    QPushButton* Command6 = nullptr;  // "有关说明"

private:
    QLabel* AddText(const char* name, const char* text, int left, int top, int width, int height);
    QPushButton* AddButton(const char* name, const char* caption, int left, int top, int width,
                           int height);
};

}  // namespace dorvane::shell
