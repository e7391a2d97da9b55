#pragma once

// The line chooser: one frame per line group (top and bottom borders, left
// and right borders, inside lines), each with sample pictures of the lines
// and an option button per line. A pick takes effect at once; the frame
// decides the group.

#include <QWidget>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QRadioButton;

#include "formatting/LinePreviewTable.h"

namespace dorvane::shell {

// A sample picture of several lines of one style, one per row.
class LineSampleColumn : public QWidget {
    Q_OBJECT
public:
    LineSampleColumn(int styleCode, std::vector<int> widthCodes, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int styleCode_;
    std::vector<int> widthCodes_;
};

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

    QGroupBox* Frame(int group) const;
    // The option button of a pick by its name ("Option38"), or nullptr.
    QRadioButton* Option(const QString& name) const;
    // Whether any option of any frame is selected.
    bool AnySelected() const;

signals:
    void picked(const dorvane::formatting::LinePick* pick);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildFrame(int group, int top);
    void ClearSelection();

    QGroupBox* frames_[3] = {};
    QButtonGroup* groups_[3] = {};
};

}  // namespace dorvane::shell
