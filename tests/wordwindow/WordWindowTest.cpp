#include "tests/wordwindow/WordWindowTest.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

#include "automation/Instances.h"
#include "automation/embedded/package/Package.h"
#include "shell/Form4.h"
#include "shell/Form5.h"
#include "shell/Form620.h"
#include "tests/utilities/DocxFixture.h"

namespace dorvane::shell::wordwindow::testing {

void WordWindowTest::SetUp() {
    ShellOptions options;
    options.createWord = [] { return CreateWordApplication(); };
    options.exitProgram = [this] { ++endings; };
    options.showMessage = [this](const QString& text, const QString&) { messages.push_back(text); };
    options.chooseDocument = [this]() -> std::optional<std::string> {
        if (filesToOpen.empty()) return std::nullopt;
        auto next = filesToOpen.front();
        filesToOpen.pop_front();
        return next;
    };
    options.documentWindows.askToSave = [this](const QString& name) {
        saveQuestions.push_back(name);
        if (saveAnswers.empty()) return SaveAnswer::Cancel;
        SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    };
    options.documentWindows.chooseSaveAsFile = [this](const QString&) { return saveAsFile; };
    // The timers are ticked by hand.
    options.watchInterval = 1000000;
    options.visibilityInterval = 1000000;
    shell_ = std::make_unique<Shell>(std::move(options));
}

void WordWindowTest::TearDown() { shell_.reset(); }

DocumentWindow* WordWindowTest::OpenThroughWelcome(const std::filesystem::path& file) {
    shell_->Start();
    QTest::mouseClick(shell_->StartWindow().Command2, Qt::LeftButton);
    filesToOpen.push_back(file.string());
    QTest::mouseClick(shell_->WelcomeWindow().Command1, Qt::LeftButton);
    shell_->MainWindow().WatchWord();
    auto documents = word().Documents();
    if (documents->Count() < 1) return nullptr;
    return windows().WindowOf(*word().ActiveDocument());
}

void WordWindowTest::OpenFromMenu(DocumentWindow* window, const std::filesystem::path& file) {
    filesToOpen.push_back(file.string());
    window->OpenAction->trigger();
}

dorvane::word::Application& WordWindowTest::word() { return *shell_->MainWindow().WordApp; }

std::filesystem::path WordWindowTest::Copy(const std::filesystem::path& file, const std::string& name) {
    std::filesystem::copy_file(file, temp / name);
    return temp / name;
}

std::filesystem::path WordWindowTest::Write(const std::string& name, const std::string& body) {
    ::dorvane::testing::WriteDocx(temp / name, body);
    return temp / name;
}

std::string WordWindowTest::MainPart(const std::filesystem::path& file) {
    return embedded::Package::Open(file, "test")->RawPart("word/document.xml");
}

}  // namespace dorvane::shell::wordwindow::testing
