#pragma once

// Pictures of a corpus document's window in the embedded Word, before and
// after one table run with the main window's settings as they load.

#include <QDir>
#include <QString>

namespace dorvane::shell::screenshots {

// The corpus folder: `given` when not empty, else the environment's
// DORVANE_CORPUS, else the corpus beside the source tree. Empty when none
// of them is a folder.
QString FindCorpus(const QString& given);

// Renders "<name>-before.png" and "<name>-after.png" of `document` (a path
// inside `corpus`) into `folder`. The corpus file is not changed. False
// when the document cannot be opened, the run fails or a picture cannot be
// written; the reason is printed.
bool RenderTableRun(const QString& corpus, const QString& document, const QDir& folder, const QString& name);

}  // namespace dorvane::shell::screenshots
