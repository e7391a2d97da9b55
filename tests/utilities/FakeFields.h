#pragma once

// A Word whose active document holds only fields, some of which refuse to
// be unlinked: the failures that a real document rarely produces.

#include <memory>
#include <vector>

#include "automation/word/Word.h"

namespace dorvane::testing {

struct FakeField : word::Field {
    bool refuses = false;
    bool unlinked = false;
    std::string Code() const override { return " PAGE "; }
    std::string Result() const override { return "1"; }
    void Unlink() override {
        if (refuses) throw AutomationError("Field.Unlink", "the field is locked");
        unlinked = true;
    }
};

struct FakeFields : word::Fields {
    std::vector<std::shared_ptr<FakeField>> items;
    int Count() const override { return static_cast<int>(items.size()); }
    word::Ref<word::Field> Item(int index) override { return items.at(index - 1); }
};

[[noreturn]] inline void Refuse(const char* member) {
    throw AutomationError(member, "not part of this fake");
}

struct FakeFieldsDocument : word::Document {
    std::shared_ptr<FakeFields> fields = std::make_shared<FakeFields>();
    std::string Name() const override { return "fake.docx"; }
    std::string FullName() const override { return "fake.docx"; }
    bool Saved() const override { return true; }
    word::Ref<word::Tables> Tables() override { Refuse("Tables"); }
    word::Ref<word::Paragraphs> Paragraphs() override { Refuse("Paragraphs"); }
    word::Ref<word::Fields> Fields() override { return fields; }
    word::Ref<word::InlineShapes> InlineShapes() override { Refuse("InlineShapes"); }
    word::Ref<word::Range> Content() override { Refuse("Content"); }
    word::Ref<word::Range> Range(long, long) override { Refuse("Range"); }
    double DefaultTabStop() const override { return 36; }
    void SetDefaultTabStop(double) override { Refuse("DefaultTabStop"); }
    void UndoClear() override {}
    void Activate() override {}
    void Save() override { Refuse("Save"); }
    void SaveAs(const std::string&) override { Refuse("SaveAs"); }
    void Close() override {}
};

struct FakeFieldsWord : word::Application {
    std::shared_ptr<FakeFieldsDocument> document = std::make_shared<FakeFieldsDocument>();
    word::Ref<word::Documents> Documents() override { Refuse("Documents"); }
    word::Ref<word::Dialog> Dialogs(int) override { Refuse("Dialogs"); }
    word::Ref<word::Document> ActiveDocument() override { return document; }
    word::Ref<word::Selection> Selection() override { Refuse("Selection"); }
    int DisplayAlerts() const override { return 0; }
    void SetDisplayAlerts(int) override {}
    bool Visible() const override { return false; }
    void SetVisible(bool) override {}
    void Activate() override {}
    double CentimetersToPoints(double cm) const override { return cm * 72 / 2.54; }
    double LinesToPoints(double lines) const override { return lines * 12; }
    void Quit() override {}
};

}  // namespace dorvane::testing
