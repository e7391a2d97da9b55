#pragma once

// Minimal .docx packages written from XML strings, opened in an embedded
// Word of their own, and the parts of saved files read back.

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "automation/Instances.h"
#include "automation/word/Word.h"

namespace dorvane::word_testing {

struct DocxParts {
    std::string body;      // the content of w:body
    std::string styles;    // the content of w:styles ("" = no styles part)
    std::string settings;  // the content of w:settings ("" = no settings part)
    // Further parts by name, and relationships of the main part to add:
    // id -> (type suffix, target).
    std::map<std::string, std::string> extraParts;
    std::map<std::string, std::pair<std::string, std::string>> relationships;
    bool contentTypes = true;  // false writes an empty [Content_Types].xml
};

// Writes the package and returns `file`.
std::filesystem::path WriteDocx(const std::filesystem::path& file, const DocxParts& parts);
std::filesystem::path WriteDocx(const std::filesystem::path& file, const std::string& body);

// A paragraph of one run (pPr: raw w:pPr content).
std::string P(const std::string& text, const std::string& pPr = {});
// A table from rows of cell texts: cells separated by '|', rows by ';'.
// A cell "<" continues the cell on its left (w:gridSpan on that cell), "^"
// continues the cell above (w:vMerge).
std::string Tbl(const std::string& grid, const std::string& tblPr = {});

// The bytes of a part of a package file.
std::string ReadPart(const std::filesystem::path& file, const std::string& part);

// An application with one open document.
struct Session {
    explicit Session(const std::filesystem::path& file)
        : word(CreateWordApplication()), doc(word->Documents()->Open(file.string())) {}
    std::shared_ptr<dorvane::word::Selection> Sel() { return word->Selection(); }
    std::shared_ptr<dorvane::word::Table> Table(int i) { return doc->Tables()->Item(i); }

    std::shared_ptr<dorvane::word::Application> word;
    std::shared_ptr<dorvane::word::Document> doc;
};

}  // namespace dorvane::word_testing
