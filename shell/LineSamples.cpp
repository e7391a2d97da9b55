#include "shell/LineSamples.h"

#include <QPainter>
#include <QRect>
#include <cmath>

#include "automation/word/WordTypes.h"

namespace dorvane::shell {
namespace {

// Fills a band `thickness` pixels high from row `top`, between x0 and x1:
// whole pixel rows in full ink, what is left of a pixel as one more row in
// a lighter tone. So ¼, ½ and ¾ pt, and 1 and 1½ pt, stay apart on a
// screen where they would round to the same number of pixels.
void FillRows(QPainter& painter, int x0, int x1, int top, double thickness) {
    if (x1 <= x0) return;
    const int whole = static_cast<int>(std::floor(thickness + 0.05));
    const double rest = thickness - whole;
    if (whole > 0) painter.fillRect(QRect(x0, top, x1 - x0, whole), Qt::black);
    if (rest > 0.05) {
        QColor light(Qt::black);
        light.setAlphaF(qMax(0.3, rest));
        painter.fillRect(QRect(x0, top + whole, x1 - x0, 1), light);
    }
}

// Rows a band of the given thickness covers.
int RowsOf(double thickness) {
    return qMax(1, static_cast<int>(std::ceil(thickness - 0.05)));
}

// One line of the band: solid, or dots as long as the line is thick with
// gaps half as long again.
void FillLine(QPainter& painter, const QRectF& band, int top, double thickness, bool dotted) {
    const int left = static_cast<int>(std::lround(band.left()));
    const int right = static_cast<int>(std::lround(band.right()));
    if (!dotted) {
        FillRows(painter, left, right, top, thickness);
        return;
    }
    const int dot = qMax(1, static_cast<int>(std::lround(thickness)));
    const int gap = qMax(1, static_cast<int>(std::lround(dot * 1.5)));
    for (int x = left; x < right; x += dot + gap)
        FillRows(painter, x, qMin(x + dot, right), top, thickness);
}

}  // namespace

void PaintLineStroke(QPainter& painter, const QRectF& band, int styleCode, double thickness) {
    if (styleCode == word::wdLineStyleNone) return;
    const int rows = RowsOf(thickness);
    const int centre = static_cast<int>(std::lround(band.center().y()));
    if (styleCode == word::wdLineStyleDouble) {
        // Two lines of the given width with a gap of the same width.
        const int gap = rows;
        const int top = centre - (2 * rows + gap) / 2;
        FillLine(painter, band, top, thickness, false);
        FillLine(painter, band, top + rows + gap, thickness, false);
        return;
    }
    FillLine(painter, band, centre - rows / 2, thickness,
             styleCode == word::wdLineStyleDot);
}

double LineThicknessInPixels(int widthCode, const QPaintDevice* device) {
    const double dpi = device ? device->logicalDpiY() : 96.0;
    return widthCode / 8.0 * dpi / 72.0;
}

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
    PaintLineStroke(painter, band, styleCode,
                    LineThicknessInPixels(widthCode, painter.device()));
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
