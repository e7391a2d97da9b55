#pragma once

// The zip container of an OOXML file (.docx, .xlsx): its parts as raw
// bytes, XML parts parsed on demand, written back unchanged unless a
// caller marked them changed. Internal to the embedded office.

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "automation/embedded/package/ZipWriter.h"

namespace dorvane::embedded {

// A top-level element of this name in a parsed part is scratch space of the
// object model (prototypes of new elements); it is never written.
inline constexpr const char* kScratchElement = "dorvane.scratch";

// Limits that protect against zip bombs.
constexpr std::size_t kMaxPartBytes = 256u << 20;   // one part, inflated
constexpr std::size_t kMaxPackageBytes = 1u << 30;  // all parts, inflated

class Package {
public:
    // Reads the whole package. Throws AutomationError(member, reason)
    // whose reason names the file: not a zip, an encrypted or binary
    // (CFB) file, a part too large when inflated, an unreadable part.
    static std::unique_ptr<Package> Open(const std::filesystem::path& file,
                                         const std::string& member);
    // An empty package (for new files).
    static std::unique_ptr<Package> Create();

    const std::filesystem::path& File() const { return file_; }

    bool HasPart(const std::string& name) const;
    // Part names in the order of the zip's directory.
    std::vector<std::string> PartNames() const;

    // The bytes of a part as they will be written. Throws when missing.
    // Copy them to keep them past the next call on the part: parsing a
    // part read from the file turns its bytes into the tree's storage.
    const std::string& RawPart(const std::string& name) const;
    // Replaces (or adds, at the end) a part's bytes; drops a parsed DOM.
    void SetRawPart(const std::string& name, std::string bytes);
    void RemovePart(const std::string& name);

    // The parsed XML of a part (parsed once, whitespace kept). Throws
    // AutomationError naming the file and the part when it is malformed.
    pugi::xml_document& Xml(const std::string& name);
    // Marks a parsed part changed: it is serialised on save. A part never
    // marked is written back byte for byte as read.
    void MarkChanged(const std::string& name);
    bool IsChanged(const std::string& name) const;

    // The whole package as zip bytes; deterministic for the same content.
    std::string ToBytes() const;
    // Writes atomically (temporary file beside the target, then rename).
    void SaveAs(const std::filesystem::path& file);

    // Resolves a relationship target relative to a part ("word/document.xml"
    // + "media/image1.png" -> "word/media/image1.png").
    static std::string ResolveTarget(const std::string& sourcePart, const std::string& target);
    // "word/_rels/document.xml.rels" for "word/document.xml".
    static std::string RelsPartName(const std::string& part);

private:
    struct Part {
        // The part's bytes; once the part is parsed from the file as read,
        // the tree's own storage (parsed in place), no longer its text.
        std::string bytes;
        std::unique_ptr<pugi::xml_document> xml;
        bool parsedInPlace = false;
        std::string prolog;  // what stood before the root element
        // The entry as read from the file, while the part is unchanged:
        // written back as it is, and inflated again for its text.
        std::unique_ptr<DeflatedEntry> stored;
        // The text of a parsed part, when asked for (see RawPart).
        std::string text;
        bool textValid = false;
        bool changed = false;         // DOM differs from the part's text
        bool serialisedOnce = false;  // the text differs from what was read
    };
    void WriteZip(ZipWriter& zip) const;
    Part& Find(const std::string& name);
    const Part& Find(const std::string& name) const;

    std::filesystem::path file_;
    std::vector<std::string> order_;
    std::map<std::string, Part> parts_;
    std::string member_;
};

}  // namespace dorvane::embedded
