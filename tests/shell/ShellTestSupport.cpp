#include "tests/shell/ShellTestSupport.h"

#include <QPushButton>
#include <QTest>

#include "shell/Form620.h"

namespace dorvane::shell::testing {
namespace {

class DocumentsDouble : public word::Documents {
public:
    explicit DocumentsDouble(WordDouble& word) : word_(word) {}
    int Count() const override {
        if (word_.quit) throw AutomationError("Documents.Count", "the application has quit");
        return word_.documents;
    }
    word::Ref<word::Document> Item(int) override {
        throw AutomationError("Documents.Item", "not offered by this test double");
    }
    word::Ref<word::Document> Open(const std::string&) override {
        throw AutomationError("Documents.Open", "not offered by this test double");
    }

private:
    WordDouble& word_;
};

class DialogDouble : public word::Dialog {
public:
    explicit DialogDouble(WordDouble& word) : word_(word) {}
    int Show() override {
        ++word_.dialogShows;
        return 0;
    }

private:
    WordDouble& word_;
};

}  // namespace

word::Ref<word::Documents> WordDouble::Documents() {
    return std::make_shared<DocumentsDouble>(*this);
}

word::Ref<word::Dialog> WordDouble::Dialogs(int which) {
    dialogNumber = which;
    return std::make_shared<DialogDouble>(*this);
}

void WordDouble::Activate() {
    if (activateFails) throw AutomationError("Activate", "the application has quit");
    ++activations;
}

void ShellTest::SetUp() {
    options.createWord = [this] {
        ++wordCreations;
        return word;
    };
    options.exitProgram = [this] { ++endings; };
    options.showMessage = [this](const QString& text, const QString& title) {
        messages.push_back({text, title});
    };
    // The timers are ticked by hand unless a test asks for them.
    options.watchInterval = 1000000;
    options.visibilityInterval = 1000000;
}

void ShellTest::TearDown() { shell_.reset(); }

void ShellTest::MakeShell() { shell_ = std::make_unique<Shell>(options); }

Form4& ShellTest::OpenTableTool() {
    if (!shell_) MakeShell();
    shell_->Start();
    Click(shell_->StartWindow().Command2);
    return *shell_->LoadedMainWindow();
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

}  // namespace dorvane::shell::testing
