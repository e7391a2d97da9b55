#include "shell/Style.h"

#include <QApplication>
#include <QFont>

namespace dorvane::shell {

void ApplyApplicationStyle() {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    QApplication::setFont(font);
}

}  // namespace dorvane::shell
