#include "shell/Twips.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace dorvane::shell {
namespace {

constexpr double kTwipsPerInch = 1440.0;

double LogicalDpiX() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double LogicalDpiY() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

int TwipsToPixelsX(int twips) {
    return static_cast<int>(std::lround(twips * LogicalDpiX() / kTwipsPerInch));
}

int TwipsToPixelsY(int twips) {
    return static_cast<int>(std::lround(twips * LogicalDpiY() / kTwipsPerInch));
}

QSize TwipsToPixels(int widthTwips, int heightTwips) {
    return {TwipsToPixelsX(widthTwips), TwipsToPixelsY(heightTwips)};
}

QRect TwipsToPixels(int left, int top, int width, int height) {
    return {TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
            TwipsToPixelsY(height)};
}

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsToPixels(left, top, width, height));
}

void FixClientSizeTwips(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(TwipsToPixels(widthTwips, heightTwips));
}

}  // namespace dorvane::shell
