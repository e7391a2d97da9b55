#include "shell/LineSamples.h"

#include <QPainter>
#include <QRect>

#include "automation/word/WordTypes.h"

namespace dorvane::shell {
namespace {

// Pixels per point at the screen's logical resolution: 96 / 72.
double PointsToPixels(double points, const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    const double dpi = device ? device->logicalDpiY() : 96.0;
    return points * dpi / 72.0;
}

void PaintStroke(QPainter& painter, const QRectF& band, int styleCode, double thickness) {
    const double y = band.center().y();
    // A line thinner than a pixel is drawn one pixel wide in a lighter
    // tone, so that ¼, ½ and ¾ pt stay apart.
    QColor ink(Qt::black);
    if (thickness < 1.0) ink.setAlphaF(qMax(0.3, thickness));
    QPen pen(ink);
    pen.setCapStyle(Qt::FlatCap);
    if (styleCode == word::wdLineStyleDouble) {
        // Two lines of the given width with a gap of the same width.
        const double line = qMax(1.0, thickness);
        pen.setWidthF(line);
        painter.setPen(pen);
        painter.drawLine(QPointF(band.left(), y - line), QPointF(band.right(), y - line));
        painter.drawLine(QPointF(band.left(), y + line), QPointF(band.right(), y + line));
        return;
    }
    pen.setWidthF(qMax(1.0, thickness));
    if (styleCode == word::wdLineStyleDot) pen.setDashPattern({1.0, 1.5});
    painter.setPen(pen);
    painter.drawLine(QPointF(band.left(), y), QPointF(band.right(), y));
}

}  // namespace

QString LineWidthText(int widthCode) {
    switch (widthCode) {
        case word::wdLineWidth025pt: return QString::fromUtf8("¼磅");
        case word::wdLineWidth050pt: return QString::fromUtf8("½磅");
        case word::wdLineWidth075pt: return QString::fromUtf8("¾磅");
        case word::wdLineWidth100pt: return QString::fromUtf8("1磅");
        case word::wdLineWidth150pt: return QString::fromUtf8("1½磅");
        case word::wdLineWidth225pt: return QString::fromUtf8("2¼磅");
        case word::wdLineWidth300pt: return QString::fromUtf8("3磅");
        default: return QString::number(widthCode / 8.0) + QString::fromUtf8("磅");
    }
}

void PaintLineSample(QPainter& painter, const QRect& area, int styleCode, int widthCode) {
    if (styleCode == word::wdLineStyleNone) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int textWidth = qMin(area.width() / 3, painter.fontMetrics().horizontalAdvance(
                                                      QString::fromUtf8("2¼磅")) + 6);
    const QRect textArea(area.left() + 2, area.top(), textWidth, area.height());
    painter.setPen(Qt::black);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, LineWidthText(widthCode));
    const QRectF band(textArea.right() + 4, area.top(), area.right() - textArea.right() - 8,
                      area.height());
    PaintStroke(painter, band, styleCode, PointsToPixels(widthCode / 8.0, painter));
    painter.restore();
}

QPixmap LineSamplePicture(int styleCode, int widthCode, int width, int height) {
    QPixmap picture(width, height);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    PaintLineSample(painter, picture.rect(), styleCode, widthCode);
    return picture;
}

}  // namespace dorvane::shell
