#include "summary/windows/Form6.h"

#include <cmath>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "shell/Twips.h"

namespace dorvane::shell {
namespace {

// Corner ellipses of the window's region, in pixels.
constexpr int kCornerDiameter = 3;

const QColor kBarTop(0x3a, 0x7b, 0xd5);
const QColor kBarBottom(0x16, 0x4f, 0xa8);
const QColor kButtonTop(0x5b, 0x9b, 0xf0);
const QColor kButtonBottom(0x1d, 0x5f, 0xc4);

void PaintSummaryButton(QPainter& painter, const QRect& area, bool pressed) {
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, pressed ? kButtonBottom : kButtonTop);
    fill.setColorAt(1, pressed ? kButtonTop : kButtonBottom);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(10, area.height() * 3 / 5));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter, QString::fromUtf8("汇总"));
}

void PaintCloseMark(QPainter& painter, const QRect& area) {
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(area.width(), area.height()) * 2 / 5;
    const QPointF centre = QRectF(area).center();
    const QRectF cross(centre.x() - side / 2.0, centre.y() - side / 2.0, side, side);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

}  // namespace

ToolbarPicture::ToolbarPicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setCursor(Qt::PointingHandCursor);
}

void ToolbarPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (kind_ == Kind::SummaryButton)
        PaintSummaryButton(painter, rect(), pressed_);
    else
        PaintCloseMark(painter, rect());
}

void ToolbarPicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        update();
    }
}

void ToolbarPicture::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void ToolbarPicture::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

Form6::Form6(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form6"));
    FixClientSizeTwips(this, 4335, 675);

    Picture1 = new ToolbarPicture(ToolbarPicture::Kind::SummaryButton, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    PlaceTwips(Picture1, 240, 120, 2255, 430);
    Image1 = new ToolbarPicture(ToolbarPicture::Kind::CloseMark, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    PlaceTwips(Image1, 3933, 0, 450, 390);
    ApplyRoundedRegion();
}

QRegion RoundedRegion(QSize size, int cornerDiameter) {
    // Row by row: the rows within a corner's radius are inset by what the
    // corner ellipse leaves out of them.
    const double radius = cornerDiameter / 2.0;
    const int w = size.width(), h = size.height();
    QRegion region(0, 0, w, h);
    for (int y = 0; y < h; ++y) {
        const double fromCentre = y < radius ? radius - y - 0.5
                                  : y >= h - radius ? y + 0.5 - (h - radius)
                                                    : -1;
        if (fromCentre <= 0) continue;
        const int inset = static_cast<int>(
            std::ceil(radius - std::sqrt(radius * radius - fromCentre * fromCentre)));
        if (inset <= 0) continue;
        region -= QRegion(0, y, inset, 1);
        region -= QRegion(w - inset, y, inset, 1);
    }
    return region;
}

void Form6::ApplyRoundedRegion() { setMask(RoundedRegion(size(), kCornerDiameter)); }

void Form6::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyRoundedRegion();
}

void Form6::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, kBarTop);
    fill.setColorAt(1, kBarBottom);
    painter.fillRect(rect(), fill);
}

void Form6::mousePressEvent(QMouseEvent* event) {
    dragOrigin_ = event->position().toPoint();
    event->accept();
}

void Form6::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (event->buttons() != Qt::LeftButton) return;
    move(pos() + event->position().toPoint() - dragOrigin_);
}

}  // namespace dorvane::shell
