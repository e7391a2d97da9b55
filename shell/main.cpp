// The program starts at the start window; every later step is a reaction
// to a click or a timer.

#include <QApplication>

#include "shell/Shell.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    dorvane::shell::ApplyApplicationStyle();
    dorvane::shell::Shell shell;
    shell.Start();
    return app.exec();
}
