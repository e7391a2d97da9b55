#include "shell/Form4Controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <string>

#include "automation/word/WordTypes.h"
#include "formatting/LinePreviewTable.h"
#include "shell/LineSamples.h"

namespace dorvane::shell {
namespace {

int Code(std::string_view text, int fallback) {
    if (text.empty()) return fallback;
    return std::stoi(std::string(text));
}

}  // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

LinePreviewBox::LinePreviewBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setCursor(Qt::PointingHandCursor);
}

void LinePreviewBox::SetPicture(const formatting::LinePicture* picture) {
    picture_ = picture;
    update();
}

void LinePreviewBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), Qt::white);
    int style = word::wdLineStyleSingle;
    int width = word::wdLineWidth100pt;
    if (picture_) {
        style = Code(picture_->styleCode, word::wdLineStyleNone);
        width = Code(picture_->widthCode, 0);
    }
    PaintLineSample(painter, contentsRect(), style, width);
    painter.end();
    QFrame::paintEvent(event);
}

void LinePreviewBox::mouseReleaseEvent(QMouseEvent* event) {
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace dorvane::shell
