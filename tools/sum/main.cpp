// dorvane-sum: the workbook summation, headless. Opens the result workbook
// in an embedded Excel of its own, registered as the running one, selects
// the range on the given sheet, runs the summation and saves the result.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "automation/embedded/excel/EmbeddedExcel.h"
#include "automation/excel/Excel.h"
#include "platform/UserPort.h"
#include "summary/Summation.h"
#include "tools/sum/SumArguments.h"

namespace {

using namespace dorvane;
using excel::Ref;

constexpr int kSuccess = 0;
constexpr int kStopped = 1;
constexpr int kBadArguments = 2;

// Messages of the summation, printed to standard error; the carriage
// returns that separate their parts become line breaks.
class StderrPort : public UserPort {
public:
    void ShowMessage(const std::string& text, const std::string& title) override {
        std::string shown = text;
        std::replace(shown.begin(), shown.end(), '\r', '\n');
        std::cerr << (title.empty() ? "" : title + ": ") << shown << "\n";
    }
    void HideMainWindow() override {}
    void ShowMainWindow() override {}
    bool SingleTableWindowShowing() const override { return false; }
};

// A sheet by name; else, when `key` is a whole number, by position.
Ref<excel::Sheet> FindSheet(excel::Workbook& book, const std::string& key) {
    auto sheets = book.Sheets();
    for (int i = 1; i <= sheets->Count(); ++i)
        if (sheets->Item(i)->Name() == key) return sheets->Item(i);
    if (key.size() <= 5 && std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int position = std::atoi(key.c_str());
        if (position >= 1 && position <= sheets->Count()) return sheets->Item(position);
    }
    return nullptr;
}

std::string Absolute(const std::string& file) {
    return std::filesystem::absolute(std::filesystem::path(file)).lexically_normal().string();
}

int Fail(int status, const std::string& message) {
    std::cerr << "dorvane-sum: " << message << "\n";
    return status;
}

// Opens RESULT and selects the range: everything a user does by hand before
// pressing the summary button. Returns 0 or the status to end with.
int PrepareResult(excel::Application& app, const tools::SumArguments& args) {
    Ref<excel::Workbook> book;
    try {
        book = app.Workbooks()->Open(Absolute(args.result));
    } catch (const std::exception& e) {
        return Fail(kBadArguments, "cannot open " + args.result + ": " + e.what());
    }
    auto sheet = FindSheet(*book, args.sheet);
    if (!sheet) return Fail(kBadArguments, "no sheet " + args.sheet + " in " + args.result);
    try {
        sheet->Activate();
        sheet->Range(args.range)->Select();
    } catch (const std::exception& e) {
        return Fail(kBadArguments, "cannot select " + args.range + " on sheet " + sheet->Name() +
                                       ": " + e.what());
    }
    return kSuccess;
}

int Save(excel::Application& app, const tools::SumArguments& args) {
    try {
        auto book = app.Workbooks()->Item(1);
        if (args.output.empty())
            book->Save();
        else
            book->SaveAs(Absolute(args.output));
    } catch (const std::exception& e) {
        return Fail(kStopped, std::string("cannot save the result: ") + e.what() +
                                  (args.output.empty() ? " (give -o OUTPUT.xlsx)" : ""));
    }
    return kSuccess;
}

int Report(const summary::SumResult& result, const tools::SumArguments& args) {
    using summary::SumOutcome;
    switch (result.outcome) {
    case SumOutcome::Done:
        return kSuccess;
    case SumOutcome::DataError:
        return Fail(kStopped, "data error in " + result.file + ": " + result.failure +
                                  "; nothing saved");
    default:
        return Fail(kStopped, "summation stopped" +
                                  (result.file.empty() ? std::string() : " at " + result.file) +
                                  ": " + result.failure + "; nothing saved");
    }
}

int Run(const tools::SumArguments& args) {
    auto app = embedded::CreateEmbeddedExcelApplication();
    app->RegisterAsRunning();
    // Quitting closes every workbook without saving and revokes the
    // registration, on every way out.
    struct Release {
        std::shared_ptr<embedded::ExcelApplication>& app;
        ~Release() {
            try {
                app->Quit();
            } catch (const std::exception&) {
            }
        }
    } release{app};

    if (int status = PrepareResult(*app, args)) return status;
    StderrPort port;
    summary::SumResult result = summary::SumWorkbooks(port);
    if (int status = Report(result, args)) return status;
    if (int status = Save(*app, args)) return status;
    std::cerr << "dorvane-sum: added " << result.sourcesAdded << " workbook(s) into "
              << args.range << "; saved " << (args.output.empty() ? args.result : args.output)
              << "\n";
    return kSuccess;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> argList(argv + 1, argv + argc);
    std::string error;
    auto args = tools::ParseSumArguments(argList, error);
    if (!args) {
        std::cerr << "dorvane-sum: " << error << "\n\n" << tools::kSumUsage;
        return kBadArguments;
    }
    if (args->help) {
        std::cout << tools::kSumUsage;
        return kSuccess;
    }
    try {
        return Run(*args);
    } catch (const std::exception& e) {
        return Fail(kStopped, e.what());
    }
}
