#pragma once

// Controls of the main window that Qt has no exact match for: labels that
// react to a click or a double-click, and the line preview boxes.

#include <QFrame>
#include <QLabel>

namespace dorvane::formatting { struct LinePicture; }

namespace dorvane::shell {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A preview box of a line group: shows a library picture of the line
// chooser, or, until one is assigned, its own picture of a 1 pt single line.
class LinePreviewBox : public QFrame {
    Q_OBJECT
public:
    explicit LinePreviewBox(QWidget* parent = nullptr);

    // nullptr: the box's own picture.
    void SetPicture(const formatting::LinePicture* picture);
    const formatting::LinePicture* Picture() const { return picture_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const formatting::LinePicture* picture_ = nullptr;
};

}  // namespace dorvane::shell
