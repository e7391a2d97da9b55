#pragma once

// The fonts of the preview: a document's fonts where this machine has
// them, else an installed Chinese font of the same kind (serif for Song,
// FangSong, Kai and the like; sans-serif for Hei and the like), so that
// Chinese text keeps its look and its simplified forms.

#include <QStringList>
#include <string>

namespace dorvane::shell::wordwindow {

// Whether a font's strokes have serifs (Song, FangSong, Kai, Ming, Mincho,
// Times...).
bool IsSerifFont(const QString& family);

// The font families of a run in the order the preview tries them: its
// Latin font, its East Asian font, then the installed Chinese stand-in of
// the East Asian font's kind (when there is one).
QStringList PreviewFamilies(const std::string& latinFont, const std::string& eastAsianFont);

}  // namespace dorvane::shell::wordwindow
