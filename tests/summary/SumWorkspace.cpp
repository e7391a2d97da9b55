#include "tests/summary/SumWorkspace.h"

#include <gtest/gtest.h>

namespace dorvane::testing {

SumWorkspace::SumWorkspace() { std::filesystem::create_directory(Folder()); }

SumWorkspace::~SumWorkspace() {
    if (app) app->Quit();
}

excel::Application& SumWorkspace::Open(const std::string& sheet, const std::string& range) {
    app = embedded::CreateEmbeddedExcelApplication();
    app->RegisterAsRunning();
    auto book = app->Workbooks()->Open(ResultFile().string());
    auto target = book->Sheets()->Item(1);
    for (int i = 1; i <= book->Sheets()->Count(); ++i)
        if (book->Sheets()->Item(i)->Name() == sheet) target = book->Sheets()->Item(i);
    target->Activate();
    target->Range(range)->Select();
    return *app;
}

excel::CellValue SumWorkspace::Value(const std::string& sheet, const std::string& address) {
    auto sheets = ResultBook().Sheets();
    for (int i = 1; i <= sheets->Count(); ++i)
        if (sheets->Item(i)->Name() == sheet) return sheets->Item(i)->Range(address)->Value();
    ADD_FAILURE() << "no sheet " << sheet;
    return {};
}

double SumWorkspace::Number(const std::string& sheet, const std::string& address) {
    auto value = Value(sheet, address);
    if (value.kind() != excel::CellValue::Kind::Number) {
        ADD_FAILURE() << sheet << "!" << address << " holds no number";
        return -12345.678;
    }
    return value.AsNumber();
}

void SumWorkspace::ExpectDisplayOn() {
    EXPECT_TRUE(app->ScreenUpdating());
    EXPECT_TRUE(app->ShowWindowsInTaskbar());
    EXPECT_TRUE(app->DisplayStatusBar());
}

}  // namespace dorvane::testing
