#include "tests/schemes/FakeExcel.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <stdexcept>

#include "platform/Paths.h"

namespace dorvane::testing {
using namespace excel;

namespace {

[[noreturn]] void Unsupported(const char* member) {
    throw std::logic_error(std::string("fake Excel: ") + member + " is not supported");
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c;
    }
    return out;
}

std::string Shown(const CellValue& value) {
    if (value.kind() == CellValue::Kind::Number) {
        std::ostringstream s;
        s << value.AsNumber();
        return s.str();
    }
    return value.kind() == CellValue::Kind::Text ? value.AsText() : "";
}

class FakeWorkbook;

class FakeRange : public Range {
public:
    FakeRange(FakeOffice& office, std::shared_ptr<FakeCells> cells, int row, int column)
        : office_(office), cells_(std::move(cells)), row_(row), column_(column) {}
    CellValue Value() const override {
        office_.Call(Name() + ".Value");
        auto it = cells_->find({row_, column_});
        return it == cells_->end() ? CellValue() : it->second;
    }
    void SetValue(const CellValue& value) override {
        office_.Call(Name() + "=" + Shown(value));
        (*cells_)[{row_, column_}] = value;
    }
    std::string Text() const override { return Shown(Value()); }
    int Row() const override { return row_; }
    int Column() const override { return column_; }
    int Count() const override { return 1; }
    std::string Address() const override { Unsupported("Range.Address"); }
    Ref<excel::Sheet> Worksheet() override { Unsupported("Range.Worksheet"); }
    std::vector<Ref<Range>> Cells() override { Unsupported("Range.Cells"); }
    void ClearContents() override { cells_->erase({row_, column_}); }
    void Copy() override { Unsupported("Range.Copy"); }
    void Select() override { Unsupported("Range.Select"); }
    Ref<Range> EntireColumn() override { Unsupported("Range.EntireColumn"); }
    void AutoFit() override { Unsupported("Range.AutoFit"); }

private:
    std::string Name() const {
        return "Cells(" + std::to_string(row_) + "," + std::to_string(column_) + ")";
    }
    FakeOffice& office_;
    std::shared_ptr<FakeCells> cells_;
    int row_, column_;
};

class FakeSheet : public Sheet {
public:
    FakeSheet(FakeOffice& office, std::shared_ptr<FakeCells> cells)
        : office_(office), cells_(std::move(cells)) {}
    std::string Name() const override { return "Sheet1"; }
    bool IsWorksheet() const override { return true; }
    bool Visible() const override { return true; }
    Ref<excel::Range> Cells(int row, int column) override {
        return std::make_shared<FakeRange>(office_, cells_, row, column);
    }
    Ref<excel::Range> Range(const std::string&) override { Unsupported("Sheet.Range"); }
    Ref<excel::Range> UsedRange() override { Unsupported("Sheet.UsedRange"); }
    Ref<excel::Range> Columns(const std::string&) override { Unsupported("Sheet.Columns"); }
    double ColumnWidth(int) const override { Unsupported("Sheet.ColumnWidth"); }
    void Activate() override {}

private:
    FakeOffice& office_;
    std::shared_ptr<FakeCells> cells_;
};

class FakeSheets : public Sheets {
public:
    explicit FakeSheets(Ref<Sheet> sheet) : sheet_(std::move(sheet)) {}
    int Count() const override { return 1; }
    Ref<Sheet> Item(int index) override {
        if (index != 1) throw std::out_of_range("fake Excel: one sheet only");
        return sheet_;
    }

private:
    Ref<Sheet> sheet_;
};

class FakeWorkbook : public Workbook {
public:
    FakeWorkbook(FakeOffice& office, std::string file, FakeCells cells, bool readOnly)
        : office_(office), file_(std::move(file)),
          cells_(std::make_shared<FakeCells>(std::move(cells))), readOnly_(readOnly) {}
    bool open = true;

    std::string Name() const override { return file_.empty() ? "Book1" : file_; }
    std::string Path() const override { return ""; }
    std::string FullName() const override { return Name(); }
    Ref<excel::Sheets> Sheets() override {
        office_.Call("Sheets(1)");
        return std::make_shared<FakeSheets>(std::make_shared<FakeSheet>(office_, cells_));
    }
    Ref<excel::Sheets> Worksheets() override { return Sheets(); }
    bool PrecisionAsDisplayed() const override { return false; }
    void SetPrecisionAsDisplayed(bool) override { Unsupported("PrecisionAsDisplayed"); }
    bool Saved() const override { return false; }
    bool ReadOnly() const override { return readOnly_; }
    void Activate() override {}
    void Save() override {
        if (readOnly_) throw AutomationError("Workbook.Save", "read-only");
        Write();
    }
    void SaveAs(const std::string& fileName) override {
        office_.Call("SaveAs " + fileName);
        file_ = fileName;
        readOnly_ = false;
        Write();
    }
    void Close(bool saveChanges) override {
        office_.Call(saveChanges ? "Close(true)" : "Close(false)");
        if (saveChanges) Save();
        open = false;
    }

private:
    void Write() {
        if (!office_.savesWriteNothing) WriteFakeFile(file_, *cells_);
    }
    FakeOffice& office_;
    std::string file_;
    std::shared_ptr<FakeCells> cells_;
    bool readOnly_;
};

class FakeApplication : public Application,
                        public Workbooks,
                        public std::enable_shared_from_this<FakeApplication> {
public:
    explicit FakeApplication(FakeOffice& office) : office_(office) {}

    // Workbooks
    int Count() const override { return static_cast<int>(books_.size()); }
    Ref<Workbook> Item(int index) override { return books_.at(index - 1); }
    Ref<Workbook> Add() override {
        office_.Call("Workbooks.Add");
        return Push(std::make_shared<FakeWorkbook>(office_, "", FakeCells(), false));
    }
    Ref<Workbook> Open(const std::string& fileName) override {
        office_.Call("Workbooks.Open " + fileName);
        bool readOnly = std::count(office_.readOnlyFiles.begin(), office_.readOnlyFiles.end(),
                                   fileName) > 0;
        return Push(std::make_shared<FakeWorkbook>(office_, fileName, ReadFakeFile(fileName),
                                                   readOnly));
    }

    // Application
    Ref<excel::Workbooks> Workbooks() override {
        return std::shared_ptr<excel::Workbooks>(shared_from_this(), this);
    }
    Ref<Workbook> ActiveWorkbook() override {
        office_.Call("ActiveWorkbook");
        if (books_.empty()) throw AutomationError("ActiveWorkbook", "no workbook is open");
        return books_.back();
    }
    Ref<Sheet> ActiveSheet() override { Unsupported("ActiveSheet"); }
    Ref<excel::Sheets> Sheets() override { Unsupported("Sheets"); }
    Ref<Range> Selection() override { Unsupported("Selection"); }
    bool ScreenUpdating() const override { return true; }
    void SetScreenUpdating(bool on) override { office_.Call("ScreenUpdating=" + std::to_string(on)); }
    bool DisplayAlerts() const override { return true; }
    void SetDisplayAlerts(bool on) override { office_.Call("DisplayAlerts=" + std::to_string(on)); }
    bool ShowWindowsInTaskbar() const override { return false; }
    void SetShowWindowsInTaskbar(bool) override {}
    bool DisplayStatusBar() const override { return false; }
    void SetDisplayStatusBar(bool) override {}
    double MaxChange() const override { return 0.001; }
    void SetMaxChange(double) override {}
    bool Visible() const override { return false; }
    void SetVisible(bool) override { Unsupported("Visible"); }
    void Quit() override {
        ++office_.quits;
        office_.log.push_back("Quit");
        books_.clear();
    }

private:
    Ref<Workbook> Push(std::shared_ptr<FakeWorkbook> book) {
        books_.erase(std::remove_if(books_.begin(), books_.end(),
                                    [](const auto& b) { return !b->open; }),
                     books_.end());
        books_.push_back(book);
        return book;
    }
    FakeOffice& office_;
    std::vector<std::shared_ptr<FakeWorkbook>> books_;
};

}  // namespace

void FakeOffice::Call(const std::string& text) {
    log.push_back(text);
    if (!failOn.empty() && text.rfind(failOn, 0) == 0 && Count(failOn) == failOnCount)
        throw AutomationError(text, "failure made by the test");
}

std::shared_ptr<Application> FakeOffice::NewApplication() {
    return std::make_shared<FakeApplication>(*this);
}

int FakeOffice::Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& entry) {
        return entry.rfind(prefix, 0) == 0;
    }));
}

int FakeOffice::Find(const std::string& prefix, int from) const {
    for (int i = from; i < static_cast<int>(log.size()); ++i)
        if (log[i].rfind(prefix, 0) == 0) return i;
    return -1;
}

FakeCells ReadFakeFile(const std::string& path) {
    FakeCells cells;
    std::istringstream in(platform::ReadFile(path));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int row = 0, column = 0;
        std::string kind, payload;
        fields >> row >> column >> kind;
        std::getline(fields, payload);
        if (!payload.empty()) payload.erase(0, 1);  // the tab before it
        cells[{row, column}] = kind == "N" ? CellValue::Number(std::stod(payload))
                                           : CellValue::Text(Unescape(payload));
    }
    return cells;
}

void WriteFakeFile(const std::string& path, const FakeCells& cells) {
    std::ostringstream out;
    out.precision(17);
    for (const auto& [at, value] : cells) {
        if (value.IsEmpty()) continue;
        out << at.first << '\t' << at.second << '\t';
        if (value.kind() == CellValue::Kind::Number)
            out << "N\t" << value.AsNumber() << '\n';
        else
            out << "T\t" << Escape(value.AsText()) << '\n';
    }
    platform::WriteFileAtomically(path, out.str());
}

}  // namespace dorvane::testing
