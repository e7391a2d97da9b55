#pragma once

// The drawn line samples: a width written in points with "磅" and a stroke
// of the line, single, dotted or double, at that width. They stand for the
// pictures of the line chooser and the preview boxes of the main window.

#include <QPixmap>
#include <QString>

class QPaintDevice;
class QPainter;
class QRect;
class QRectF;

namespace dorvane::shell {

// "¼磅", "½磅", "¾磅", "1磅", "1½磅", "2¼磅", "3磅" for the width codes 2,
// 4, 6, 8, 12, 18, 24 (eighths of a point); other codes in points.
QString LineWidthText(int widthCode);

// Paints one sample into `area`: the width text at the left, then the
// stroke. Style 0 (no line) paints nothing.
void PaintLineSample(QPainter& painter, const QRect& area, int styleCode, int widthCode);

// The stroke alone, centred in `band`: a line `thickness` pixels thick,
// single, dotted or double. Style 0 (no line) paints nothing.
void PaintLineStroke(QPainter& painter, const QRectF& band, int styleCode, double thickness);

// The thickness in pixels of a line-width code (eighths of a point) on the
// device, at its logical resolution (96 dpi without a device).
double LineThicknessInPixels(int widthCode, const QPaintDevice* device);

// The sample as a picture of the given size in pixels (white background).
QPixmap LineSamplePicture(int styleCode, int widthCode, int width, int height);

}  // namespace dorvane::shell
