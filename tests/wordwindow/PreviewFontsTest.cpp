// The preview's fonts: the kind of a document's font (serif or not)
// decides the installed Chinese font that stands in for it.

#include <QFontDatabase>
#include <gtest/gtest.h>

#include "shell/word/PreviewFonts.h"

namespace dorvane::shell::wordwindow::testing {
namespace {

TEST(PreviewFontsTest, SongFangSongKaiAndTimesAreSerifHeiAndArialAreNot) {
    for (const char* serif : {"宋体", "仿宋_GB2312", "楷体_GB2312", "华文中宋", "新宋体", "Times New Roman", "MS Mincho",
                              "Noto Serif CJK SC"})
        EXPECT_TRUE(IsSerifFont(QString::fromUtf8(serif))) << serif;
    for (const char* sans : {"黑体", "微软雅黑", "Arial", "Calibri", "MS Gothic", "Noto Sans CJK SC", ""})
        EXPECT_FALSE(IsSerifFont(QString::fromUtf8(sans))) << sans;
}

TEST(PreviewFontsTest, DocumentFontsComeFirstThenAStandInOfTheEastAsianFontsKind) {
    QStringList families = PreviewFamilies("Times New Roman", "黑体");
    ASSERT_GE(families.size(), 2);
    EXPECT_EQ(families[0], QStringLiteral("Times New Roman"));
    EXPECT_EQ(families[1], QString::fromUtf8("黑体"));
    EXPECT_EQ(PreviewFamilies("宋体", "宋体").count(QString::fromUtf8("宋体")), 1) << "named once";

    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    if (chinese.isEmpty()) GTEST_SKIP() << "no font with Chinese glyphs installed";
    // The stand-in has Chinese glyphs, and is of the Hei font's kind when
    // such a font is installed.
    ASSERT_EQ(families.size(), 3);
    EXPECT_TRUE(chinese.contains(families[2])) << families[2].toStdString();
    bool sansInstalled = false;
    for (const QString& family : chinese) sansInstalled |= !IsSerifFont(family) && !family.contains("Mono");
    if (sansInstalled) {
        EXPECT_FALSE(IsSerifFont(families[2])) << families[2].toStdString();
    }
    EXPECT_FALSE(families[2].contains(QStringLiteral("Mono"))) << "a proportional font";
}

}  // namespace
}  // namespace dorvane::shell::wordwindow::testing
