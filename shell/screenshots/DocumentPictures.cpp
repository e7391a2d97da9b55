#include "shell/screenshots/DocumentPictures.h"

#include <QApplication>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextTable>
#include <cstdio>
#include <algorithm>
#include <exception>

#include "automation/Instances.h"
#include "automation/word/Word.h"
#include "formatting/FormatTables.h"
#include "platform/UserPort.h"
#include "shell/word/DocumentPreview.h"
#include "shell/word/DocumentWindow.h"

namespace dorvane::shell::screenshots {

namespace {

using wordwindow::DocumentWindow;

// The run's messages go to the console; there is no main window to hide.
class PrintingPort : public UserPort {
public:
    void ShowMessage(const std::string& text, const std::string&) override {
        std::printf("message: %s\n", text.c_str());
    }
    void HideMainWindow() override {}
    void ShowMainWindow() override {}
    bool SingleTableWindowShowing() const override { return false; }
};

// Scrolls the preview so that its first table stands near the top: the
// pictures are about the tables.
void ScrollToFirstTable(DocumentWindow& window) {
    QList<QTextTable*> tables = window.Preview()->Tables();
    if (tables.isEmpty()) return;
    QTextCursor cursor = tables.front()->firstCursorPosition();
    const int y = window.Preview()->cursorRect(cursor).top() + window.Preview()->verticalScrollBar()->value();
    window.Preview()->verticalScrollBar()->setValue(std::max(0, y - 80));
}

bool SavePicture(DocumentWindow& window, const QDir& folder, const QString& name) {
    window.FitPageWidth();  // the run may have widened the page
    QApplication::processEvents();
    ScrollToFirstTable(window);
    QApplication::processEvents();
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = window.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", file.toLocal8Bit().constData());
    return saved;
}

}  // namespace

QString FindCorpus(const QString& given) {
    QString folder = given;
    if (folder.isEmpty()) folder = qEnvironmentVariable("DORVANE_CORPUS");
#ifdef DORVANE_CORPUS_DIR
    if (folder.isEmpty()) folder = QStringLiteral(DORVANE_CORPUS_DIR);
#endif
    return QFileInfo(folder).isDir() ? QFileInfo(folder).canonicalFilePath() : QString();
}

bool RenderTableRun(const QString& corpus, const QString& document, const QDir& folder, const QString& name) {
    const QString file = QDir(corpus).filePath(document);
    if (!QFileInfo(file).isFile()) {
        std::printf("FAILED %s: not in the corpus\n", document.toLocal8Bit().constData());
        return false;
    }
    std::shared_ptr<word::Application> word = CreateWordApplication();
    wordwindow::WordWindowOptions options;
    options.showMessage = [](const QString& text) { std::printf("message: %s\n", text.toLocal8Bit().constData()); };
    bool ok = true;
    try {
        auto opened = word->Documents()->Open(file.toStdString());
        DocumentWindow window(word, opened, options);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.resize(window.width(), 1100);
        window.Refresh();
        window.show();
        ok &= SavePicture(window, folder, name + QStringLiteral("-before"));

        PrintingPort port;
        formatting::FormatRunState state;
        const auto report = formatting::FormatTables(*word, formatting::FormatSettings(), state, port);
        std::printf("table run: %d tables visited, %d formatted, %d left alone\n", report.visited,
                    report.formatted, report.skipped);
        window.Refresh();
        ok &= SavePicture(window, folder, name + QStringLiteral("-after"));
        window.Discard();  // the corpus file stays as it is: nothing is saved
    } catch (const std::exception& error) {
        std::printf("FAILED %s: %s\n", document.toLocal8Bit().constData(), error.what());
        ok = false;
    }
    try {
        word->Quit();
    } catch (const std::exception&) {
    }
    return ok;
}

}  // namespace dorvane::shell::screenshots
