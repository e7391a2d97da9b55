#pragma once

// The notes window of the summary tool: four notes on where the files
// stand, repeated use, which sheet is added up and what the result holds.

#include <QWidget>

class QLabel;

namespace dorvane::shell {

class Form610 : public QWidget {
    Q_OBJECT
public:
    explicit Form610(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;  // the notes, as text
};

}  // namespace dorvane::shell
