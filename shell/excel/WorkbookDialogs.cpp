#include "shell/excel/WorkbookDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace dorvane::shell {

namespace {

void ShowMessageBox(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox::warning(parent, title, text);
}

SaveAnswer AskWithMessageBox(QWidget* parent, const QString& workbookName) {
    const auto answer = QMessageBox::question(parent, QString::fromUtf8("保存"), SaveQuestion(workbookName),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveAnswer::Save;
    if (answer == QMessageBox::Discard) return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

QString ChooseWithOpenDialog(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QString::fromUtf8("打开工作簿"), QString(),
                                        QString::fromUtf8("Excel 工作簿 (*.xlsx *.xls)"));
}

QString ChooseWithSaveDialog(QWidget* parent, const QString& title, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, title, suggested, QString::fromUtf8("Excel 工作簿 (*.xlsx)"));
}

}  // namespace

QString SaveQuestion(const QString& workbookName) {
    return QString::fromUtf8("是否保存对“%1”的更改？").arg(workbookName);
}

void WorkbookDialogs::FillDefaults() {
    if (!showMessage) showMessage = &ShowMessageBox;
    if (!askToSave) askToSave = &AskWithMessageBox;
    if (!chooseFileToOpen) chooseFileToOpen = &ChooseWithOpenDialog;
    if (!chooseFileToSave) chooseFileToSave = &ChooseWithSaveDialog;
}

}  // namespace dorvane::shell
