#pragma once

// The floating summary toolbar: a frameless, top-most blue bar with
// rounded corners, a summary button and a close mark. The bar's own
// surface is its drag handle.

#include <QPoint>
#include <QRegion>
#include <QWidget>

namespace dorvane::shell {

// The blue button labelled 汇总 (Picture1) and the white close mark
// (Image1): clickable pictures that keep every mouse event to themselves,
// so that pressing on them never starts a drag of the toolbar.
class ToolbarPicture : public QWidget {
    Q_OBJECT
public:
    enum class Kind { SummaryButton, CloseMark };
    ToolbarPicture(Kind kind, QWidget* parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Kind kind_;
    bool pressed_ = false;
};

// The window's region: its rectangle with rounded corners whose ellipses
// are `cornerDiameter` pixels wide and high.
QRegion RoundedRegion(QSize size, int cornerDiameter);

class Form6 : public QWidget {
    Q_OBJECT
public:
    explicit Form6(QWidget* parent = nullptr);

    ToolbarPicture* Picture1 = nullptr;  // the summary button
    ToolbarPicture* Image1 = nullptr;    // the close mark

    // The position of the last press on the bar's own surface.
    QPoint DragOrigin() const { return dragOrigin_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyRoundedRegion();

    QPoint dragOrigin_;
};

}  // namespace dorvane::shell
