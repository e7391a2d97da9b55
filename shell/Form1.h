#pragma once

// The single-table window: while it shows, a table run formats only the
// table that holds the selection. It stays above other programs' windows.

#include <QWidget>

class QPushButton;

namespace dorvane::shell {

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    QPushButton* Command1 = nullptr;  // "确 定"
    QPushButton* Command2 = nullptr;  // "返 回"

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace dorvane::shell
