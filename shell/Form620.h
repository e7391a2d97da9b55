#pragma once

// The start window: the usage notes of the workbook summary tool, the
// button that shows the summary toolbar, and the ways into the Word table
// tool, the step window and a workbook in the embedded Excel.

#include <QWidget>

class QLabel;
class QPushButton;

namespace dorvane::shell {

class Form620 : public QWidget {
    Q_OBJECT
public:
    explicit Form620(QWidget* parent = nullptr);

    QPushButton* Command1 = nullptr;  // "显示汇总工具条"
    QPushButton* Command2 = nullptr;  // opens the Word table tool
    QPushButton* Command3 = nullptr;  // opens the step window
    QPushButton* Command4 = nullptr;  // opens a workbook in the embedded Excel
    QLabel* Notes = nullptr;

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace dorvane::shell
