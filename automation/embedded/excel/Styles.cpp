#include "automation/embedded/excel/Styles.h"

#include "automation/embedded/package/Package.h"

namespace dorvane::embedded::excel {

Styles::Styles(Package& package, std::string part) : package_(&package), part_(std::move(part)) {
    pugi::xml_node root = package.Xml(part_).document_element();
    names_ = Names::OfPart(root);
    if (pugi::xml_node numFmts = names_.Child(root, "numFmts")) {
        for (pugi::xml_node f = numFmts.first_child(); f; f = f.next_sibling())
            if (names_.Is(f, "numFmt"))
                customCodes_[f.attribute("numFmtId").as_int(-1)] = f.attribute("formatCode").value();
    }
    if (pugi::xml_node xfs = names_.Child(root, "cellXfs")) {
        for (pugi::xml_node xf = xfs.first_child(); xf; xf = xf.next_sibling()) {
            if (!names_.Is(xf, "xf")) continue;
            int id = xf.attribute("numFmtId").as_int(0);
            std::string code = CodeOf(id);
            auto format = code.empty() ? NumberFormat::General() : NumberFormat::Parse(code);
            numFmtIds_.push_back(id);
            isDate_.push_back(format->IsDate() ? 1 : 0);
            formats_.push_back(std::move(format));
        }
    }
}

std::string Styles::CodeOf(int numFmtId) const {
    if (auto it = customCodes_.find(numFmtId); it != customCodes_.end()) return it->second;
    return BuiltinFormatCode(numFmtId);
}

const NumberFormat& Styles::FormatOf(int xf) const {
    if (xf >= 0 && xf < static_cast<int>(formats_.size())) return *formats_[static_cast<std::size_t>(xf)];
    return *NumberFormat::General();
}

pugi::xml_node Styles::CellFormats(pugi::xml_node root) {
    if (pugi::xml_node xfs = names_.Child(root, "cellXfs")) return xfs;
    // cellXfs follows numFmts, fonts, fills, borders and cellStyleXfs.
    pugi::xml_node after;
    for (const char* before : {"cellStyleXfs", "borders", "fills", "fonts", "numFmts"})
        if ((after = names_.Child(root, before))) break;
    return after ? root.insert_child_after(names_("cellXfs").c_str(), after)
                 : root.prepend_child(names_("cellXfs").c_str());
}

// Gives `added`, the new last cell format of `xfs`, its number format and
// records it; returns its index.
int Styles::AppendFormat(pugi::xml_node xfs, pugi::xml_node added, int numFmtId, bool isDate) {
    int index = 0;
    for (pugi::xml_node node = xfs.first_child(); node; node = node.next_sibling())
        index += names_.Is(node, "xf") ? 1 : 0;
    index -= 1;
    if (!added.attribute("numFmtId")) added.prepend_attribute("numFmtId");
    added.attribute("numFmtId") = numFmtId;
    if (!added.attribute("applyNumberFormat")) added.append_attribute("applyNumberFormat");
    added.attribute("applyNumberFormat") = 1;
    if (pugi::xml_attribute count = xfs.attribute("count")) count = index + 1;
    package_->MarkChanged(part_);

    numFmtIds_.resize(static_cast<std::size_t>(index), 0);
    isDate_.resize(static_cast<std::size_t>(index), 0);
    formats_.resize(static_cast<std::size_t>(index), NumberFormat::General());
    numFmtIds_.push_back(numFmtId);
    isDate_.push_back(isDate ? 1 : 0);
    formats_.push_back(NumberFormat::Parse(CodeOf(numFmtId)));
    return index;
}

int Styles::DateFormatLike(int xf, int numFmtId) {
    if (IsDate(xf)) return xf;
    if (auto it = dateLike_.find({xf, numFmtId}); it != dateLike_.end()) return it->second;
    pugi::xml_node xfs = CellFormats(package_->Xml(part_).document_element());
    // Reuse a plain short-date format when there is one.
    int index = 0;
    pugi::xml_node base;
    for (pugi::xml_node node = xfs.first_child(); node; node = node.next_sibling()) {
        if (!names_.Is(node, "xf")) continue;
        if (index == xf) base = node;
        ++index;
    }
    pugi::xml_node added = base ? xfs.append_copy(base) : xfs.append_child(names_("xf").c_str());
    if (!base) {
        for (const char* name : {"fontId", "fillId", "borderId", "xfId"}) added.append_attribute(name) = 0;
    }
    index = AppendFormat(xfs, added, numFmtId, true);
    dateLike_[{xf, numFmtId}] = index;
    return index;
}

int Styles::XfForFormatCode(const std::string& code) {
    if (code.empty() || code == "General") return 0;
    if (auto it = xfByCode_.find(code); it != xfByCode_.end()) return it->second;
    pugi::xml_node root = package_->Xml(part_).document_element();
    int numFmtId = 164;
    while (customCodes_.count(numFmtId)) ++numFmtId;
    pugi::xml_node numFmts = names_.Child(root, "numFmts");
    if (!numFmts) numFmts = root.prepend_child(names_("numFmts").c_str());
    pugi::xml_node numFmt = numFmts.append_child(names_("numFmt").c_str());
    numFmt.append_attribute("numFmtId") = numFmtId;
    numFmt.append_attribute("formatCode") = code.c_str();
    int formats = 0;
    for (pugi::xml_node f = numFmts.first_child(); f; f = f.next_sibling()) formats += names_.Is(f, "numFmt") ? 1 : 0;
    if (pugi::xml_attribute count = numFmts.attribute("count")) count = formats;
    customCodes_[numFmtId] = code;

    pugi::xml_node xfs = CellFormats(root);
    pugi::xml_node added = xfs.append_child(names_("xf").c_str());
    for (const char* name : {"fontId", "fillId", "borderId", "xfId"}) added.append_attribute(name) = 0;
    int index = AppendFormat(xfs, added, numFmtId, NumberFormat::Parse(code)->IsDate());
    xfByCode_[code] = index;
    return index;
}

int Styles::XfForBuiltinFormat(int numFmtId) {
    if (numFmtId == 0 || BuiltinFormatCode(numFmtId).empty()) return 0;
    if (auto it = xfByBuiltin_.find(numFmtId); it != xfByBuiltin_.end()) return it->second;
    pugi::xml_node xfs = CellFormats(package_->Xml(part_).document_element());
    pugi::xml_node added = xfs.append_child(names_("xf").c_str());
    for (const char* name : {"fontId", "fillId", "borderId", "xfId"}) added.append_attribute(name) = 0;
    int index = AppendFormat(xfs, added, numFmtId, NumberFormat::Parse(CodeOf(numFmtId))->IsDate());
    xfByBuiltin_[numFmtId] = index;
    return index;
}

const char* Styles::MinimalPartXml() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
           "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           "<fonts count=\"1\"><font><sz val=\"11\"/><color theme=\"1\"/><name val=\"Calibri\"/>"
           "<family val=\"2\"/><scheme val=\"minor\"/></font></fonts>"
           "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
           "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
           "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
           "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
           "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
           "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
           "<dxfs count=\"0\"/><tableStyles count=\"0\"/>"
           "</styleSheet>";
}

}  // namespace dorvane::embedded::excel
