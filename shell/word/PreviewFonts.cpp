#include "shell/word/PreviewFonts.h"

#include <QFontDatabase>

namespace dorvane::shell::wordwindow {

namespace {

bool NameHasAny(const QString& family, std::initializer_list<const char*> parts) {
    for (const char* part : parts)
        if (family.contains(QString::fromUtf8(part), Qt::CaseInsensitive)) return true;
    return false;
}

// The installed font with Chinese glyphs that best stands in for a font
// of the given kind: of that kind if there is one, simplified forms
// first, never a fixed-pitch one. Empty when none has Chinese glyphs.
QString ChineseStandIn(bool serif) {
    QString best;
    int bestScore = -1;
    for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese)) {
        if (NameHasAny(family, {"Mono"})) continue;
        int score = 0;
        if (IsSerifFont(family) == serif) score += 2;
        if (NameHasAny(family, {" SC", "GB", " CN", "Hans"})) score += 1;
        if (score > bestScore) {
            best = family;
            bestScore = score;
        }
    }
    return best;
}

const QString& StandIn(bool serif) {
    static const QString serifFamily = ChineseStandIn(true);
    static const QString sansFamily = ChineseStandIn(false);
    return serif ? serifFamily : sansFamily;
}

}  // namespace

bool IsSerifFont(const QString& family) {
    if (NameHasAny(family, {"Sans", "黑", "Hei", "Gothic"})) return false;
    return NameHasAny(family, {"宋", "楷", "明", "Song", "Kai", "Ming", "Mincho", "Times", "Serif", "Roman",
                               "Cambria", "Georgia"});
}

QStringList PreviewFamilies(const std::string& latinFont, const std::string& eastAsianFont) {
    QStringList families;
    if (!latinFont.empty()) families << QString::fromStdString(latinFont);
    const QString eastAsian = QString::fromStdString(eastAsianFont);
    if (!eastAsian.isEmpty() && !families.contains(eastAsian)) families << eastAsian;
    const QString& standIn = StandIn(IsSerifFont(eastAsian.isEmpty() ? families.value(0) : eastAsian));
    if (!standIn.isEmpty() && !families.contains(standIn)) families << standIn;
    return families;
}

}  // namespace dorvane::shell::wordwindow
