#pragma once

// What the document window tests share: the program's shell over the
// embedded Word, whose open dialog, save question, Save As dialog and
// message boxes are answered by the test and recorded.

#include <QString>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/word/Word.h"
#include "shell/Shell.h"
#include "shell/word/DocumentWindow.h"
#include "shell/word/WordWindows.h"
#include "tests/common/TestSupport.h"

namespace dorvane::shell::wordwindow::testing {

class WordWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the tool and opens `file` through the welcome window's button
    // (Word's open dialog); returns the document's window.
    DocumentWindow* OpenThroughWelcome(const std::filesystem::path& file);
    // Word's open dialog from a document window's menu.
    void OpenFromMenu(DocumentWindow* window, const std::filesystem::path& file);

    Shell& shell() { return *shell_; }
    WordWindows& windows() { return *shell_->DocumentWindows(); }
    dorvane::word::Application& word();
    // A copy of a corpus file (or any file) in the test's folder.
    std::filesystem::path Copy(const std::filesystem::path& file, const std::string& name);
    // A generated document in the test's folder.
    std::filesystem::path Write(const std::string& name, const std::string& body);
    // The main part of a .docx file.
    static std::string MainPart(const std::filesystem::path& file);

    ::dorvane::testing::TempDir temp;
    std::deque<std::optional<std::string>> filesToOpen;  // answers of the open dialog
    std::deque<SaveAnswer> saveAnswers;                   // answers of the save question
    std::vector<QString> saveQuestions;                   // documents asked about
    std::vector<QString> messages;
    QString saveAsFile;
    int endings = 0;

private:
    std::unique_ptr<Shell> shell_;
};

}  // namespace dorvane::shell::wordwindow::testing
