// Renders every window of the program to a PNG file, so that anyone can
// look at them without starting the program. The tool's windows are built
// directly, without Word or Excel; the main window is shown with its
// options initialised, narrow and wide. A corpus document's window of the
// embedded Word is shown before and after a table run; without the corpus
// those two pictures are left out with a note.
//
// Usage: dorvane-screenshots [folder [corpus folder]]

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QWidget>
#include <cstdio>

#include "formatting/LinePreviewTable.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/Form4.h"
#include "shell/Form5.h"
#include "shell/Form620.h"
#include "shell/Style.h"
#include "shell/screenshots/DocumentPictures.h"
#include "summary/windows/Form6.h"
#include "summary/windows/Form600.h"
#include "summary/windows/Form610.h"

namespace {

using namespace dorvane::shell;

// A Chinese annex with several tables, merged cells in both directions and
// Chinese fonts.
constexpr const char* kTableRunDocument = "docx/oxsdk_table_2007.docx";

bool Save(QWidget& window, const QDir& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = window.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", file.toLocal8Bit().constData());
    window.hide();
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyApplicationStyle();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(folder.path());
    bool ok = true;

    Form620 start;
    ok &= Save(start, folder, QStringLiteral("Form620"));
    Form6 toolbar;
    ok &= Save(toolbar, folder, QStringLiteral("Form6"));
    Form600 steps;
    ok &= Save(steps, folder, QStringLiteral("Form600"));
    Form610 notes;
    ok &= Save(notes, folder, QStringLiteral("Form610"));
    Form5 welcome;
    ok &= Save(welcome, folder, QStringLiteral("Form5"));
    Form1 single;
    ok &= Save(single, folder, QStringLiteral("Form1"));

    Form4 main;
    main.InitialiseSettings();
    main.ApplyVisibilityRule();
    ok &= Save(main, folder, QStringLiteral("Form4-narrow"));
    main.ToggleWidth();
    main.Combo("Combo7")->setCurrentIndex(2);
    main.ApplyVisibilityRule();
    main.ApplyLinePick(*dorvane::formatting::FindLinePick("Option14"));
    main.ApplyLinePick(*dorvane::formatting::FindLinePick("Option20"));
    main.ApplyLinePick(*dorvane::formatting::FindLinePick("Option40"));
    ok &= Save(main, folder, QStringLiteral("Form4-wide"));

    Form3 chooser;
    ok &= Save(chooser, folder, QStringLiteral("Form3"));

    namespace pictures = dorvane::shell::screenshots;
    const QString corpus = pictures::FindCorpus(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    if (corpus.isEmpty())
        std::printf("note: no corpus folder, the document window before and after a table run is left out\n");
    else
        ok &= pictures::RenderTableRun(corpus, QString::fromLatin1(kTableRunDocument), folder,
                                       QStringLiteral("DocumentWindow"));
    return ok ? 0 : 1;
}
