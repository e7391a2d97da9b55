#include "shell/excel/WorkbookWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "automation/embedded/excel/EmbeddedExcel.h"
#include "shell/excel/ExcelWindows.h"
#include "shell/excel/SheetGrid.h"

namespace dorvane::shell {

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QString WithXlsxSuffix(const QString& file) {
    if (file.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) return file;
    if (file.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive)) return file + QLatin1Char('x');
    return file + QLatin1String(".xlsx");
}

WorkbookWindow::WorkbookWindow(ExcelWindows& owner, excel::Ref<excel::Workbook> workbook)
    : owner_(owner), workbook_(std::move(workbook)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Grid = new SheetGrid(central);
    SheetTabs = new QTabBar(central);
    SheetTabs->setShape(QTabBar::RoundedSouth);
    SheetTabs->setExpanding(false);
    SheetTabs->setDrawBase(false);
    layout->addWidget(Grid, 1);
    layout->addWidget(SheetTabs, 0, Qt::AlignLeft);
    setCentralWidget(central);
    SelectionLabel = new QLabel(this);
    statusBar()->addWidget(SelectionLabel);
    BuildMenu();
    connect(SheetTabs, &QTabBar::currentChanged, this, &WorkbookWindow::ActivateTab);
    connect(Grid, &SheetGrid::selectionShown, SelectionLabel, &QLabel::setText);
    connect(Grid, &SheetGrid::changeRefused, this,
            [this](const QString& reason) { ShowRefusal(QString::fromUtf8("更改"), reason); });
    resize(960, 640);
    Refresh();
}

void WorkbookWindow::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QString::fromUtf8("文件(&F)"));
    OpenAction = file->addAction(QString::fromUtf8("打开(&O)..."));
    OpenAction->setShortcut(QKeySequence::Open);
    SaveAction = file->addAction(QString::fromUtf8("保存(&S)"));
    SaveAction->setShortcut(QKeySequence::Save);
    SaveAsAction = file->addAction(QString::fromUtf8("另存为(&A)..."));
    file->addSeparator();
    CloseAction = file->addAction(QString::fromUtf8("关闭(&C)"));
    CloseAction->setShortcut(QKeySequence::Close);
    QuitAction = file->addAction(QString::fromUtf8("退出(&X)"));
    connect(OpenAction, &QAction::triggered, this, [this] { owner_.ChooseAndOpen(this); });
    connect(SaveAction, &QAction::triggered, this, [this] { Save(); });
    connect(SaveAsAction, &QAction::triggered, this, [this] { SaveAs(); });
    connect(CloseAction, &QAction::triggered, this, &QWidget::close);
    connect(QuitAction, &QAction::triggered, this, [this] { owner_.Quit(); });
}

void WorkbookWindow::Refresh() {
    if (workbookGone_) return;
    refreshing_ = true;
    try {
        setWindowTitle(QString::fromUtf8("%1[*] - Dorvane 工作簿").arg(Utf8(workbook_->Name())));
        setWindowModified(!workbook_->Saved());
        RebuildTabs();
        ShowActiveSheet();
        Grid->Refresh();
    } catch (const std::exception&) {
        // The workbook has just been closed; the windows set closes this one.
    }
    refreshing_ = false;
}

void WorkbookWindow::RebuildTabs() {
    auto sheets = workbook_->Sheets();
    std::vector<std::string> names;
    std::vector<int> positions;
    for (int i = 1; i <= sheets->Count(); ++i) {
        auto sheet = sheets->Item(i);
        if (!sheet->Visible()) continue;  // hidden sheets have no tab
        names.push_back(sheet->Name());
        positions.push_back(i);
    }
    if (names == tabNames_ && positions == tabSheets_) return;
    while (SheetTabs->count() > 0) SheetTabs->removeTab(0);
    for (const auto& name : names) SheetTabs->addTab(Utf8(name));
    tabNames_ = std::move(names);
    tabSheets_ = std::move(positions);
}

int WorkbookWindow::SheetPositionOfTab(int tab) const {
    if (tab < 0 || tab >= static_cast<int>(tabSheets_.size())) return 0;
    return tabSheets_[static_cast<std::size_t>(tab)];
}

void WorkbookWindow::ShowActiveSheet() {
    auto active = embedded::grid::ActiveSheet(*workbook_);
    if (active != Grid->Sheet()) Grid->SetSheet(active);
    auto sheets = workbook_->Sheets();
    for (int tab = 0; tab < SheetTabs->count(); ++tab)
        if (sheets->Item(SheetPositionOfTab(tab)) == active) SheetTabs->setCurrentIndex(tab);
}

// A click on a tab makes its sheet the active one.
void WorkbookWindow::ActivateTab(int tab) {
    if (refreshing_ || tab < 0) return;
    try {
        workbook_->Sheets()->Item(SheetPositionOfTab(tab))->Activate();
        refreshing_ = true;
        ShowActiveSheet();
        refreshing_ = false;
    } catch (const std::exception& error) {
        refreshing_ = false;
        ShowRefusal(QString::fromUtf8("切换工作表"), QString::fromUtf8(error.what()));
    }
}

bool WorkbookWindow::Save() {
    if (workbook_->ReadOnly() || workbook_->Path().empty()) return SaveAs();
    try {
        workbook_->Save();
    } catch (const std::exception& error) {
        ShowRefusal(QString::fromUtf8("保存"), QString::fromUtf8(error.what()));
        return false;
    }
    Refresh();
    return true;
}

bool WorkbookWindow::SaveAs() {
    const QString name = Utf8(workbook_->Name());
    const QString title = workbook_->ReadOnly()
                              ? QString::fromUtf8("“%1”不能在原处保存，请另存为 .xlsx 工作簿").arg(name)
                              : QString::fromUtf8("另存为 .xlsx 工作簿");
    const QString chosen = owner_.Dialogs().chooseFileToSave(this, title, SuggestedXlsxName());
    if (chosen.isEmpty()) return false;
    try {
        workbook_->SaveAs(WithXlsxSuffix(chosen).toStdString());
    } catch (const std::exception& error) {
        ShowRefusal(QString::fromUtf8("保存"), QString::fromUtf8(error.what()));
        return false;
    }
    Refresh();
    return true;
}

QString WorkbookWindow::SuggestedXlsxName() const {
    const QString stem = QFileInfo(Utf8(workbook_->Name())).completeBaseName();
    const QString folder = Utf8(workbook_->Path());
    const QString name = (stem.isEmpty() ? Utf8(workbook_->Name()) : stem) + QLatin1String(".xlsx");
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

bool WorkbookWindow::CloseWorkbook() {
    if (!workbook_->Saved()) {
        switch (owner_.Dialogs().askToSave(this, Utf8(workbook_->Name()))) {
            case SaveAnswer::Cancel: return false;
            case SaveAnswer::Save:
                if (!Save()) return false;
                break;
            case SaveAnswer::Discard: break;
        }
    }
    workbookGone_ = true;
    try {
        workbook_->Close(false);
    } catch (const std::exception&) {
        // Already closed through the object model.
    }
    return true;
}

void WorkbookWindow::CloseWithoutAsking() {
    workbookGone_ = true;
    close();
}

void WorkbookWindow::closeEvent(QCloseEvent* event) {
    if (!workbookGone_ && !CloseWorkbook()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed(this);
}

// The window the user works in holds the active workbook.
void WorkbookWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || workbookGone_) return;
    try {
        workbook_->Activate();
    } catch (const std::exception&) {
    }
}

void WorkbookWindow::ShowRefusal(const QString& what, const QString& reason) {
    owner_.Dialogs().showMessage(
        this, QString::fromUtf8("无法%1“%2”：\n%3").arg(what, Utf8(workbook_ ? workbook_->Name() : std::string()), reason),
        QString::fromUtf8("Dorvane"));
}

}  // namespace dorvane::shell
