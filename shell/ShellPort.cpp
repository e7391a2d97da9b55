#include "shell/ShellPort.h"

#include <QMessageBox>
#include <QWidget>

namespace dorvane::shell {

ShellPort::ShellPort(WindowLookup mainWindow, WindowLookup singleTableWindow)
    : mainWindow_(std::move(mainWindow)),
      singleTableWindow_(std::move(singleTableWindow)),
      display_(&ShellPort::ShowMessageBox) {}

void ShellPort::ShowMessage(const std::string& text, const std::string& title) {
    const QString resolved = title.empty() ? QString::fromUtf8(kDefaultTitle)
                                           : QString::fromStdString(title);
    display_(QString::fromStdString(text), resolved);
}

void ShellPort::HideMainWindow() {
    if (QWidget* window = mainWindow_()) window->hide();
}

void ShellPort::ShowMainWindow() {
    if (QWidget* window = mainWindow_()) window->show();
}

bool ShellPort::SingleTableWindowShowing() const {
    QWidget* window = singleTableWindow_();
    return window && window->isVisible();
}

void ShellPort::SetMessageDisplay(MessageDisplay display) {
    display_ = display ? std::move(display) : MessageDisplay(&ShellPort::ShowMessageBox);
}

void ShellPort::ShowMessageBox(const QString& text, const QString& title) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace dorvane::shell
