// The operations the windows start, each run inside the shell's failure
// handler by the button that starts it.

#include <QCoreApplication>
#include <QFileDialog>
#include <QPushButton>

#include "automation/Instances.h"
#include "automation/excel/Application.h"
#include "automation/excel/Workbook.h"
#include "automation/word/Application.h"
#include "platform/RunningObjectTable.h"
#include "shell/Form1.h"
#include "shell/Form4.h"
#include "shell/Shell.h"
#include "summary/Summation.h"
#include "summary/windows/Form6.h"

namespace dorvane::shell {
namespace {

// Word's built-in file-open dialog.
constexpr int wdDialogFileOpen = 80;

const char* const kCompanionWorkbook = "2Ostrilo2012dll.xls";
const char* const kExcelClassName = "Excel.Application";

std::filesystem::path ProgramFolder(const std::filesystem::path& configured) {
    if (!configured.empty()) return configured;
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

QString ChooseWorkbookWithDialog() {
    return QFileDialog::getOpenFileName(nullptr, QString::fromUtf8("打开工作簿"), QString(),
                                        QString::fromUtf8("Excel 工作簿 (*.xlsx *.xls)"));
}

}  // namespace

void Shell::ShowFileOpenDialog() {
    MainWindow().WordApp->Dialogs(wdDialogFileOpen)->Show();
}

void Shell::OpenCompanionWorkbook() {
    const std::filesystem::path file = ProgramFolder(options_.programFolder) / kCompanionWorkbook;
    std::shared_ptr<excel::Application> excel = CreateExcelApplication();
    if (!excel) throw std::runtime_error("excel.application: no Excel instance was created");
    excel->Workbooks()->Open(file.string());
}

void Shell::OpenWorkbookInExcel() {
    const QString chosen =
        options_.chooseWorkbook ? options_.chooseWorkbook() : ChooseWorkbookWithDialog();
    if (chosen.isEmpty()) return;
    if (!excel_) {
        excel_ = CreateExcelApplication();
        if (!excel_) throw std::runtime_error("excel.application: no Excel instance was created");
        platform::RunningObjectTable::Register(kExcelClassName, excel_);
    }
    excel_->SetVisible(true);
    excel_->Workbooks()->Open(chosen.toStdString());
}

void Shell::RunSummation() {
    Toolbar().hide();
    summary::SumWorkbooks(port_);
    Toolbar().show();
}

void Shell::WireMainWindowOperations(Form4& form) {}

void Shell::WireSingleTableOperations(Form1& form) {}

}  // namespace dorvane::shell
