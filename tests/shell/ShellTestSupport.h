#pragma once

// What the window tests share: a Word application double that answers only
// what the window flow asks of Word (document count, visibility, the
// file-open dialog), and a shell whose messages and ending are recorded
// instead of shown or carried out.

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

#include "automation/AutomationError.h"
#include "automation/word/Application.h"
#include "shell/Shell.h"

namespace dorvane::shell::testing {

class WordDouble : public word::Application {
public:
    int documents = 0;          // what Documents.Count answers
    bool quit = false;          // Documents.Count throws once quit
    bool visible = false;
    int activations = 0;
    bool activateFails = false;
    int dialogShows = 0;        // Dialogs(80).Show calls
    int dialogNumber = 0;       // the last dialog asked for

    word::Ref<word::Documents> Documents() override;
    word::Ref<word::Dialog> Dialogs(int which) override;
    word::Ref<word::Document> ActiveDocument() override { throw Refused("ActiveDocument"); }
    word::Ref<word::Selection> Selection() override { throw Refused("Selection"); }
    int DisplayAlerts() const override { return 0; }
    void SetDisplayAlerts(int) override {}
    bool Visible() const override { return visible; }
    void SetVisible(bool on) override { visible = on; }
    void Activate() override;
    double CentimetersToPoints(double cm) const override { return cm * 72 / 2.54; }
    double LinesToPoints(double lines) const override { return lines * 12; }
    void Quit() override { quit = true; }

private:
    static AutomationError Refused(const char* member) {
        return AutomationError(member, "not offered by this test double");
    }
};

struct Message {
    QString text;
    QString title;
};

// A shell with a Word double, recorded messages and a recorded ending.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Options before the shell is made; MakeShell() uses them.
    ShellOptions options;
    void MakeShell();

    Shell& shell() { return *shell_; }
    // Loads the main window through the start window's button.
    Form4& OpenTableTool();

    std::shared_ptr<WordDouble> word = std::make_shared<WordDouble>();
    std::vector<Message> messages;
    int endings = 0;
    int wordCreations = 0;

private:
    std::unique_ptr<Shell> shell_;
};

// Clicks a button or a widget with the left button in its middle.
void Click(QWidget* widget);

}  // namespace dorvane::shell::testing
