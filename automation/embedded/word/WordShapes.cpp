// Fields, inline shapes and embedded OLE objects of the main text.

#include <atomic>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

#include "automation/AutomationError.h"
#include "automation/Instances.h"
#include "automation/embedded/excel/EmbeddedExcel.h"
#include "automation/embedded/word/Blocks.h"
#include "automation/embedded/word/Handles.h"
#include "automation/embedded/word/Relationships.h"
#include "automation/embedded/wordtext/FieldMarkup.h"
#include "automation/excel/Excel.h"
#include "platform/Paths.h"

namespace dorvane::embedded::word {

namespace {

// ---- Fields ---------------------------------------------------------------

class FieldImpl : public w::Field {
public:
    FieldImpl(DocPtr doc, wordtext::FieldRef field) : doc_(std::move(doc)), field_(std::move(field)) {}

    std::string Code() const override {
        Check("Field.Code");
        return wordtext::FieldCode(field_);
    }
    std::string Result() const override {
        Check("Field.Result");
        return wordtext::FieldResult(field_);
    }
    void Unlink() override {
        doc_->CheckOpen("Field.Unlink");
        try {
            doc_->fields.Unlink(*doc_, field_);
        } catch (const std::runtime_error& e) {
            throw AutomationError("Field.Unlink", e.what());
        }
    }

private:
    void Check(const char* member) const {
        doc_->CheckOpen(member);
        if (!doc_->fields.Contains(*doc_, field_))
            throw AutomationError(member, "the field is no longer in the document");
    }

    DocPtr doc_;
    wordtext::FieldRef field_;
};

class FieldsImpl : public w::Fields {
public:
    explicit FieldsImpl(DocPtr doc) : doc_(std::move(doc)), fields_(doc_->fields.Current(*doc_)) {}

    int Count() const override {
        doc_->CheckOpen("Fields.Count");
        return static_cast<int>(fields_.size());
    }
    w::Ref<w::Field> Item(int index) override {
        doc_->CheckOpen("Fields.Item");
        if (index < 1 || index > static_cast<int>(fields_.size()))
            throw AutomationError("Fields.Item", "the requested member of the collection does not exist");
        return std::make_shared<FieldImpl>(doc_, fields_[static_cast<std::size_t>(index - 1)]);
    }

private:
    DocPtr doc_;
    std::vector<wordtext::FieldRef> fields_;
};

// ---- Inline shapes -------------------------------------------------------

struct ShapeInfo {
    pugi::xml_node run;
    pugi::xml_node content;  // w:drawing, w:object or w:pict
    int type = w::wdInlineShapePicture;
};

struct ShapeNames {
    std::string inlineName, graphic, graphicData, oleObject, objectEmbed, objectLink, vShape, choice, fallback,
        alternate, rId;

    explicit ShapeNames(const Names& n)
        : inlineName(n.Other(kWpNs, "inline")),
          graphic(n.Other(kDrawingMainNs, "graphic")),
          graphicData(n.Other(kDrawingMainNs, "graphicData")),
          oleObject(n.Other(kOfficeNs, "OLEObject")),
          objectEmbed(n.W("objectEmbed")),
          objectLink(n.W("objectLink")),
          vShape(n.Other(kVmlNs, "shape")),
          choice(n.Other(kMarkupCompatibilityNs, "Choice")),
          fallback(n.Other(kMarkupCompatibilityNs, "Fallback")),
          alternate(n.Other(kMarkupCompatibilityNs, "AlternateContent")),
          rId(n.Other(kRelationshipsNs, "id")) {}
};

bool Named(pugi::xml_node node, const std::string& name) { return !name.empty() && name == node.name(); }

std::optional<ShapeInfo> ShapeOf(const Names& n, const ShapeNames& s, pugi::xml_node run, pugi::xml_node child);

std::optional<ShapeInfo> DrawingShape(const ShapeNames& s, pugi::xml_node run, pugi::xml_node drawing) {
    pugi::xml_node inlined = s.inlineName.empty() ? pugi::xml_node() : drawing.child(s.inlineName.c_str());
    if (!inlined) return std::nullopt;  // an anchored (floating) drawing is no inline shape
    ShapeInfo info{run, drawing, w::wdInlineShapePicture};
    pugi::xml_node data = s.graphic.empty() ? pugi::xml_node()
                                            : inlined.child(s.graphic.c_str()).child(s.graphicData.c_str());
    std::string_view uri = data.attribute("uri").value();
    if (uri.find("/chart") != std::string_view::npos) info.type = 12;          // wdInlineShapeChart
    else if (uri.find("/diagram") != std::string_view::npos) info.type = 15;   // wdInlineShapeSmartArt
    return info;
}

std::optional<ShapeInfo> ObjectShape(const Names& n, const ShapeNames& s, pugi::xml_node run, pugi::xml_node object) {
    ShapeInfo info{run, object, w::wdInlineShapeEmbeddedOLEObject};
    if (pugi::xml_node ole = s.oleObject.empty() ? pugi::xml_node() : object.child(s.oleObject.c_str())) {
        if (std::strcmp(ole.attribute("Type").value(), "Link") == 0) info.type = w::wdInlineShapeLinkedOLEObject;
    } else if (object.child(s.objectLink.c_str())) {
        info.type = w::wdInlineShapeLinkedOLEObject;
    }
    return info;
}

std::optional<ShapeInfo> ShapeOf(const Names& n, const ShapeNames& s, pugi::xml_node run, pugi::xml_node child) {
    if (n.Is(child, "drawing")) return DrawingShape(s, run, child);
    if (n.Is(child, "object")) return ObjectShape(n, s, run, child);
    if (n.Is(child, "pict")) {
        pugi::xml_node shape = s.vShape.empty() ? pugi::xml_node() : child.child(s.vShape.c_str());
        std::string_view style = shape.attribute("style").value();
        if (style.find("position:absolute") != std::string_view::npos) return std::nullopt;
        if (!s.oleObject.empty() && child.child(s.oleObject.c_str())) return ObjectShape(n, s, run, child);
        return ShapeInfo{run, child, w::wdInlineShapePicture};
    }
    if (Named(child, s.alternate)) {
        // The first choice a reader understands; else the fallback.
        for (const std::string* branch : {&s.choice, &s.fallback})
            for (pugi::xml_node inner : child.child(branch->c_str()).children())
                if (auto info = ShapeOf(n, s, run, inner)) return info;
    }
    return std::nullopt;
}

std::vector<ShapeInfo> ShapesOf(DocumentData& doc, std::size_t limit) {
    const Names& n = doc.N();
    ShapeNames s(n);
    std::vector<ShapeInfo> shapes;
    std::vector<pugi::xml_node> runs;
    for (pugi::xml_node p : doc.Story().AllParagraphs()) {
        runs.clear();
        CollectRuns(n, p, runs);
        for (pugi::xml_node run : runs) {
            for (pugi::xml_node child = run.first_child(); child; child = child.next_sibling()) {
                if (auto info = ShapeOf(n, s, run, child)) shapes.push_back(*info);
                if (shapes.size() >= limit) return shapes;
            }
        }
    }
    return shapes;
}

// ---- OLE objects ---------------------------------------------------------

std::filesystem::path ObjectFolder() {
    auto folder = std::filesystem::temp_directory_path() / ("dorvane-embedded-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path FreshFile(const std::string& name) {
    static std::atomic<unsigned> counter{0};
    auto folder = ObjectFolder() / std::to_string(counter++);
    std::filesystem::create_directories(folder);
    return folder / name;
}

std::shared_ptr<dorvane::excel::Application> RunningExcel() {
    try {
        return GetRunningExcelApplication();
    } catch (const AutomationError&) {
        auto excel = CreateEmbeddedExcelApplication();
        excel->RegisterAsRunning();
        return excel;
    }
}

class OLEFormatImpl : public w::OLEFormat {
public:
    OLEFormatImpl(DocPtr doc, ShapeInfo shape) : doc_(std::move(doc)), shape_(shape), since_(doc_->Generation()) {}

    std::string ProgID() const override {
        Live("OLEFormat.ProgID");
        const Names& n = doc_->N();
        ShapeNames s(n);
        pugi::xml_node ole = s.oleObject.empty() ? pugi::xml_node() : shape_.content.child(s.oleObject.c_str());
        if (ole) return ole.attribute("ProgID").value();
        pugi::xml_node embed = shape_.content.child(s.objectEmbed.c_str());
        if (!embed) embed = shape_.content.child(s.objectLink.c_str());
        return n.Attr(embed, "progId").value();
    }

    void Edit() override {
        Live("OLEFormat.Edit");
        std::filesystem::path file = WriteObject();
        RunningExcel()->Workbooks()->Open(file.string());
        Target selected = Target::Of(Target::Kind::Object, shape_.run);
        selected.generation = since_;
        doc_->selection = selected;
    }

private:
    void Live(const char* member) const { doc_->RequireAlive(shape_.run, since_, NodeKind::Run, member); }

    // Writes the embedded package to a file of its own for the server.
    std::filesystem::path WriteObject() {
        const Names& n = doc_->N();
        ShapeNames s(n);
        pugi::xml_node ole = s.oleObject.empty() ? pugi::xml_node() : shape_.content.child(s.oleObject.c_str());
        if (!ole) ole = shape_.content.child(s.objectEmbed.c_str());
        std::string id = ole.attribute(s.rId.c_str()).value();
        if (id.empty()) id = n.Attr(ole, "id").value();
        auto rel = FindRelationshipById(ReadRelationships(doc_->Pkg(), doc_->MainPart()), id);
        if (!rel || rel->part.empty() || !doc_->Pkg().HasPart(rel->part))
            throw AutomationError("OLEFormat.Edit", "the embedded object's data is missing from the document");
        std::string name = rel->part.substr(rel->part.rfind('/') + 1);
        std::string extension = name.substr(name.rfind('.') + 1);
        if (extension != "xlsx" && extension != "xls" && extension != "xlsm")
            throw AutomationError("OLEFormat.Edit", "the embedded object (" + name + ") is no workbook Excel can open");
        std::filesystem::path file = FreshFile(name);
        try {
            platform::WriteFileAtomically(file, doc_->Pkg().RawPart(rel->part));
        } catch (const std::exception& e) {
            throw AutomationError("OLEFormat.Edit", e.what());
        }
        return file;
    }

    DocPtr doc_;
    ShapeInfo shape_;
    unsigned long since_;
};

class InlineShapeImpl : public w::InlineShape {
public:
    InlineShapeImpl(DocPtr doc, ShapeInfo shape) : doc_(std::move(doc)), shape_(shape), since_(doc_->Generation()) {}

    int Type() const override {
        Live("InlineShape.Type");
        return shape_.type;
    }
    w::Ref<w::Range> Range() override {
        Live("InlineShape.Range");
        Target t = Target::Of(Target::Kind::Object, shape_.run);
        t.generation = since_;
        return MakeRange(doc_, t);
    }
    w::Ref<w::OLEFormat> OLEFormat() override {
        Live("InlineShape.OLEFormat");
        if (shape_.type != w::wdInlineShapeEmbeddedOLEObject && shape_.type != w::wdInlineShapeLinkedOLEObject)
            throw AutomationError("InlineShape.OLEFormat", "the shape is not an OLE object");
        return std::make_shared<OLEFormatImpl>(doc_, shape_);
    }

private:
    void Live(const char* member) const { doc_->RequireAlive(shape_.run, since_, NodeKind::Run, member); }

    DocPtr doc_;
    ShapeInfo shape_;
    unsigned long since_;
};

class InlineShapesImpl : public w::InlineShapes {
public:
    explicit InlineShapesImpl(DocPtr doc) : doc_(std::move(doc)) {}

    int Count() const override {
        doc_->CheckOpen("InlineShapes.Count");
        return static_cast<int>(ShapesOf(*doc_, static_cast<std::size_t>(-1)).size());
    }
    w::Ref<w::InlineShape> Item(int index) override {
        doc_->CheckOpen("InlineShapes.Item");
        auto shapes = index >= 1 ? ShapesOf(*doc_, static_cast<std::size_t>(index)) : std::vector<ShapeInfo>{};
        if (index < 1 || index > static_cast<int>(shapes.size()))
            throw AutomationError("InlineShapes.Item", "the requested member of the collection does not exist");
        return std::make_shared<InlineShapeImpl>(doc_, shapes[static_cast<std::size_t>(index - 1)]);
    }

private:
    DocPtr doc_;
};

}  // namespace

w::Ref<w::Fields> MakeFields(DocPtr doc) { return std::make_shared<FieldsImpl>(std::move(doc)); }
w::Ref<w::InlineShapes> MakeInlineShapes(DocPtr doc) { return std::make_shared<InlineShapesImpl>(std::move(doc)); }

}  // namespace dorvane::embedded::word
