// The drawn line samples of the chooser and the preview boxes: every
// library picture's stroke looks different from every other, thicker
// widths carry more ink, and the no-line picture is blank.

#include <QImage>
#include <QPainter>
#include <QString>
#include <string>
#include <vector>

#include "formatting/LinePreviewTable.h"
#include "shell/LineSamples.h"
#include <gtest/gtest.h>

namespace dorvane::shell::testing {
namespace {

int Code(std::string_view text) { return text.empty() ? 0 : std::stoi(std::string(text)); }

// The stroke of a library picture at 96 dpi, on white.
QImage Stroke(const formatting::LinePicture& picture) {
    QImage image(90, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintLineStroke(painter, QRectF(0, 0, 90, 24), Code(picture.styleCode),
                    Code(picture.widthCode) / 8.0 * 96.0 / 72.0);
    return image;
}

// How dark the stroke is altogether: the sum of what each pixel lacks of white.
long Ink(const QImage& image) {
    long ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += 255 - qGray(image.pixel(x, y));
    return ink;
}

TEST(LineSamplesTest, EveryLibraryPictureHasItsOwnStroke) {
    const auto table = formatting::LinePreviewTable();
    std::vector<QImage> strokes;
    for (const auto& picture : table) strokes.push_back(Stroke(picture));
    for (std::size_t a = 0; a < table.size(); ++a) {
        if (table[a].IsNoLine()) {
            EXPECT_EQ(Ink(strokes[a]), 0) << "the no-line picture is blank";
            continue;
        }
        EXPECT_GT(Ink(strokes[a]), 0) << std::string(table[a].name);
        for (std::size_t b = a + 1; b < table.size(); ++b)
            EXPECT_NE(strokes[a], strokes[b])
                << std::string(table[a].name) << " and " << std::string(table[b].name);
    }
}

TEST(LineSamplesTest, ThickerLinesOfOneStyleCarryMoreInk) {
    const auto table = formatting::LinePreviewTable();
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (table[i].IsNoLine() || table[i].styleCode != table[i - 1].styleCode) continue;
        EXPECT_GT(Ink(Stroke(table[i])), Ink(Stroke(table[i - 1])))
            << std::string(table[i].name) << " after " << std::string(table[i - 1].name);
    }
}

TEST(LineSamplesTest, WidthTextsInPoints) {
    const char* expected[] = {"¼磅", "½磅", "¾磅", "1磅", "1½磅", "2¼磅", "3磅"};
    const int codes[] = {2, 4, 6, 8, 12, 18, 24};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(LineWidthText(codes[i]), QString::fromUtf8(expected[i]));
}

}  // namespace
}  // namespace dorvane::shell::testing
