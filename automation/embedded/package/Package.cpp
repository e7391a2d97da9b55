#include "automation/embedded/package/Package.h"

#include <cctype>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include <zip.h>
#include <zlib.h>

#include "automation/AutomationError.h"
#include "automation/embedded/package/XmlTreeMemory.h"
#include "automation/embedded/package/ZipWriter.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace dorvane::embedded {
namespace fs = std::filesystem;

namespace {

constexpr unsigned char kCompoundFileMagic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr unsigned kParseFlags =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;

std::string ZipErrorText(zip_error_t* error) { return zip_error_strerror(error); }

// The bytes before the root element (declaration, line break), kept so a
// re-serialised part starts exactly as it was read.
std::string Prolog(const std::string& bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t lt = bytes.find('<', i);
        if (lt == std::string::npos || lt + 1 >= bytes.size()) return {};
        char next = bytes[lt + 1];
        if (next == '?') {
            i = bytes.find("?>", lt);
            if (i == std::string::npos) return {};
            i += 2;
        } else if (bytes.compare(lt, 4, "<!--") == 0) {
            i = bytes.find("-->", lt);
            if (i == std::string::npos) return {};
            i += 3;
        } else if (next == '!') {
            i = bytes.find('>', lt);
            if (i == std::string::npos) return {};
            i += 1;
        } else {
            return bytes.substr(0, lt);
        }
    }
    return {};
}

// Whether a part's bytes are 8-bit text (UTF-8, the encoding parts are
// written in, as a rule): not when they start with a UTF-16 or UTF-32
// byte order mark or a NUL byte.
bool IsEightBitText(const std::string& bytes) {
    if (bytes.size() >= 2 && (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0))
        return false;
    return bytes.empty() || (bytes[0] != '\0' && (bytes.size() < 2 || bytes[1] != '\0'));
}

// A part read in another encoding is written as UTF-8 once changed: its
// prolog is not kept, and its declaration names the encoding written.
void DeclareUtf8(pugi::xml_document& doc) {
    for (pugi::xml_node node = doc.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_declaration) continue;
        if (pugi::xml_attribute encoding = node.attribute("encoding")) encoding.set_value("UTF-8");
    }
}

// Latin-1, the one 8-bit encoding the XML library reads into UTF-8 (it
// takes other 8-bit text as it stands, and writes it back so).
bool DeclaresLatin1(const pugi::xml_document& doc) {
    for (pugi::xml_node node = doc.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_declaration) continue;
        std::string encoding = node.attribute("encoding").value();
        for (char& c : encoding) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return encoding == "iso-8859-1" || encoding == "latin1";
    }
    return false;
}

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, size_t size) override {
        out.append(static_cast<const char*>(data), size);
    }
};

struct ZipEntryWriter : pugi::xml_writer {
    explicit ZipEntryWriter(ZipWriter& zip) : zip(zip) {}
    void write(const void* data, size_t size) override {
        zip.Write(std::string_view(static_cast<const char*>(data), size));
    }
    ZipWriter& zip;
};

bool IsScratch(pugi::xml_node node) {
    return node.type() == pugi::node_element && std::strcmp(node.name(), kScratchElement) == 0;
}

bool HasDeclaration(const pugi::xml_document& doc) {
    for (pugi::xml_node node = doc.first_child(); node; node = node.next_sibling())
        if (node.type() == pugi::node_declaration) return true;
    return false;
}

// The tree as text, after the bytes that stood before the root element in
// the part as read (or, for a part read without them, the declaration the
// XML library writes); scratch elements left out.
void WriteXml(const pugi::xml_document& doc, std::string prolog, pugi::xml_writer& writer) {
    const bool keepProlog = !prolog.empty();
    if (!keepProlog && !HasDeclaration(doc)) prolog = "<?xml version=\"1.0\"?>";
    writer.write(prolog.data(), prolog.size());
    for (pugi::xml_node node = doc.first_child(); node; node = node.next_sibling()) {
        if (keepProlog && (node.type() == pugi::node_declaration || node.type() == pugi::node_doctype)) continue;
        if (IsScratch(node)) continue;
        node.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    }
}

std::string Serialise(const pugi::xml_document& doc, const std::string& prolog) {
    StringWriter writer;
    WriteXml(doc, prolog, writer);
    return std::move(writer.out);
}

// The inflated bytes of an entry as read (checked when it was first read).
std::string Inflate(const DeflatedEntry& entry) {
    std::string out(static_cast<std::size_t>(entry.size), '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw std::runtime_error("cannot start inflating a part");
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(entry.data.data()));
    stream.avail_in = static_cast<uInt>(entry.data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&stream, Z_FINISH);
    const bool complete = status == Z_STREAM_END && stream.avail_out == 0;
    inflateEnd(&stream);
    if (!complete) throw std::runtime_error("a part cannot be inflated again");
    return out;
}

// The entry's deflated data as it stands in the archive, for copying it
// unchanged on save; none for an entry stored another way.
std::unique_ptr<DeflatedEntry> ReadDeflated(zip_t* zip, zip_uint64_t index, const zip_stat_t& st) {
    const zip_uint64_t needed = ZIP_STAT_COMP_METHOD | ZIP_STAT_COMP_SIZE | ZIP_STAT_SIZE | ZIP_STAT_CRC;
    if ((st.valid & needed) != needed || st.comp_method != ZIP_CM_DEFLATE) return nullptr;
    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) return nullptr;
    if (st.comp_size > kMaxPartBytes || st.size >= 0xFFFFFFFFull) return nullptr;
    zip_file_t* raw = zip_fopen_index(zip, index, ZIP_FL_COMPRESSED);
    if (!raw) return nullptr;
    auto entry = std::make_unique<DeflatedEntry>();
    entry->data.resize(static_cast<std::size_t>(st.comp_size));
    const zip_int64_t n = zip_fread(raw, entry->data.data(), entry->data.size());
    zip_fclose(raw);
    if (n != static_cast<zip_int64_t>(entry->data.size())) return nullptr;
    entry->crc = st.crc;
    entry->size = st.size;
    return entry;
}

std::string ReadEntry(zip_t* zip, zip_uint64_t index, const std::string& name, std::size_t budget,
                      const std::string& file, const std::string& member, zip_stat_t& st) {
    zip_stat_init(&st);
    if (zip_stat_index(zip, index, 0, &st) != 0)
        throw AutomationError(member, file + ": part " + name + " cannot be read");
    std::size_t limit = std::min(kMaxPartBytes, budget);
    if ((st.valid & ZIP_STAT_SIZE) && st.size > limit)
        throw AutomationError(member, file + ": part " + name +
                                          " inflates past the size limit (possible zip bomb)");
    zip_file_t* entry = zip_fopen_index(zip, index, 0);
    if (!entry)
        throw AutomationError(member, file + ": part " + name + " cannot be opened (" +
                                          zip_strerror(zip) + ")");
    // Inflated straight into the part's string: room for the size the
    // directory states, grown only when the entry holds more than it says.
    std::string bytes;
    std::size_t filled = 0;
    bytes.resize((st.valid & ZIP_STAT_SIZE) ? static_cast<std::size_t>(st.size) + 1 : std::size_t{65536});
    for (;;) {
        if (filled == bytes.size()) bytes.resize(std::min(bytes.size() * 2, limit + 1));
        zip_int64_t n = zip_fread(entry, bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            std::string reason = zip_error_strerror(zip_file_get_error(entry));
            zip_fclose(entry);
            throw AutomationError(member, file + ": part " + name + " is damaged (" + reason + ")");
        }
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
        if (filled > limit) {
            zip_fclose(entry);
            throw AutomationError(member, file + ": part " + name +
                                              " inflates past the size limit (possible zip bomb)");
        }
    }
    zip_fclose(entry);
    bytes.resize(filled);
    return bytes;
}

}  // namespace

std::unique_ptr<Package> Package::Open(const fs::path& file, const std::string& member) {
    const std::string name = file.string();
    std::string bytes;
    try {
        bytes = platform::ReadFile(file);
    } catch (const std::exception& e) {
        throw AutomationError(member, e.what());
    }
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), kCompoundFileMagic, 8) == 0)
        throw AutomationError(member, name +
                                          ": is a password-protected document or a binary "
                                          "(97-2003) file, not an Office Open XML package");

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source) throw AutomationError(member, name + ": cannot be read (" + ZipErrorText(&error) + ")");
    zip_t* zip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!zip) {
        std::string reason = ZipErrorText(&error);
        zip_source_free(source);
        zip_error_fini(&error);
        throw AutomationError(member, name + ": is not a valid zip package (" + reason + ")");
    }

    auto package = std::unique_ptr<Package>(new Package());
    package->file_ = file;
    package->member_ = member;
    std::size_t total = 0;
    try {
        zip_int64_t count = zip_get_num_entries(zip, 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            const char* entryName = zip_get_name(zip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
            if (!entryName) continue;
            std::string part = entryName;
            if (part.empty() || part.back() == '/') continue;
            zip_stat_t st;
            std::string content = ReadEntry(zip, static_cast<zip_uint64_t>(i), part,
                                            kMaxPackageBytes - total, name, member, st);
            total += content.size();
            if (package->parts_.count(part)) continue;  // duplicate entry: keep the first
            package->order_.push_back(part);
            Part& stored = package->parts_[part];
            stored.bytes = std::move(content);
            stored.stored = ReadDeflated(zip, static_cast<zip_uint64_t>(i), st);
            if (stored.stored && stored.stored->size != stored.bytes.size()) stored.stored.reset();
        }
    } catch (...) {
        zip_discard(zip);
        throw;
    }
    zip_discard(zip);
    zip_error_fini(&error);
    return package;
}

std::unique_ptr<Package> Package::Create() {
    auto package = std::unique_ptr<Package>(new Package());
    package->member_ = "Package";
    return package;
}

bool Package::HasPart(const std::string& name) const { return parts_.count(name) != 0; }

std::vector<std::string> Package::PartNames() const { return order_; }

Package::Part& Package::Find(const std::string& name) {
    auto it = parts_.find(name);
    if (it == parts_.end())
        throw AutomationError(member_, file_.string() + ": part " + name + " is missing");
    return it->second;
}

const Package::Part& Package::Find(const std::string& name) const {
    return const_cast<Package*>(this)->Find(name);
}

const std::string& Package::RawPart(const std::string& name) const {
    auto& part = const_cast<Part&>(Find(name));
    if (!part.xml) return part.bytes;
    if (part.changed) {
        // Bring the text up to date with the changed tree.
        part.text = Serialise(*part.xml, part.prolog);
        part.textValid = true;
        part.changed = false;
        part.serialisedOnce = true;
    } else if (!part.textValid) {
        if (!part.parsedInPlace) return part.bytes;
        try {
            part.text = Inflate(*part.stored);
        } catch (const std::runtime_error& e) {
            throw AutomationError(member_, file_.string() + ": part " + name + ": " + e.what());
        }
        part.textValid = true;
    }
    return part.text;
}

void Package::SetRawPart(const std::string& name, std::string bytes) {
    auto [it, inserted] = parts_.try_emplace(name);
    if (inserted) order_.push_back(name);
    Part& part = it->second;
    part.xml.reset();  // before its storage goes
    part.bytes = std::move(bytes);
    part.parsedInPlace = false;
    part.prolog.clear();
    part.stored.reset();
    part.text.clear();
    part.textValid = false;
    part.changed = false;
    part.serialisedOnce = true;
}

void Package::RemovePart(const std::string& name) {
    if (parts_.erase(name) == 0) return;
    order_.erase(std::remove(order_.begin(), order_.end(), name), order_.end());
}

pugi::xml_document& Package::Xml(const std::string& name) {
    Part& part = Find(name);
    if (part.xml) return *part.xml;
    InstallXmlTreeMemory();
    auto doc = std::make_unique<pugi::xml_document>();
    std::string prolog = Prolog(part.bytes);
    const bool eightBit = IsEightBitText(part.bytes);
    // A part as read from the file is parsed in its own bytes (the tree's
    // names and texts point into them): its text can always be inflated
    // again from the entry. Other parts keep their bytes as their text.
    const bool inPlace = part.stored != nullptr && !part.serialisedOnce;
    pugi::xml_parse_result result =
        inPlace ? doc->load_buffer_inplace(part.bytes.data(), part.bytes.size(), kParseFlags, pugi::encoding_auto)
                : doc->load_buffer(part.bytes.data(), part.bytes.size(), kParseFlags, pugi::encoding_auto);
    if (!result) {
        if (inPlace) {
            doc.reset();
            part.bytes = Inflate(*part.stored);  // the parser wrote into them
        }
        throw AutomationError(member_, file_.string() + ": part " + name + " is not well-formed XML (" +
                                           result.description() + " at offset " + std::to_string(result.offset) +
                                           ")");
    }
    if (!eightBit || DeclaresLatin1(*doc)) {
        prolog.clear();
        DeclareUtf8(*doc);
    }
    part.prolog = std::move(prolog);
    part.parsedInPlace = inPlace;
    part.xml = std::move(doc);
    return *part.xml;
}

void Package::MarkChanged(const std::string& name) {
    Part& part = Find(name);
    if (!part.xml) return;
    part.changed = true;
    part.stored.reset();
    part.text.clear();
    part.text.shrink_to_fit();
    part.textValid = false;
}

bool Package::IsChanged(const std::string& name) const {
    const Part& part = Find(name);
    return part.changed || part.serialisedOnce;
}

void Package::WriteZip(ZipWriter& zip) const {
    for (const auto& name : order_) {
        const Part& part = Find(name);
        if (part.stored) {
            zip.CopyEntry(name, *part.stored);  // unchanged since read
            continue;
        }
        zip.BeginEntry(name);
        if (part.xml && part.changed) {
            // Straight from the tree into the compressor: the serialised
            // part is never held whole.
            ZipEntryWriter writer(zip);
            WriteXml(*part.xml, part.prolog, writer);
        } else {
            zip.Write(part.xml && part.textValid ? part.text : part.bytes);
        }
        zip.EndEntry();
    }
    zip.Finish();
}

std::string Package::ToBytes() const {
    std::string bytes;
    ZipWriter zip([&bytes](std::string_view piece) { bytes.append(piece); });
    try {
        WriteZip(zip);
    } catch (const AutomationError&) {
        throw;
    } catch (const std::runtime_error& e) {
        throw AutomationError(member_, std::string("cannot build the zip: ") + e.what());
    }
    return bytes;
}

void Package::SaveAs(const fs::path& file) {
    try {
        platform::AtomicFile out(file);
        ZipWriter zip([&out](std::string_view piece) { out.Write(piece); });
        WriteZip(zip);
        out.Commit();
    } catch (const AutomationError&) {
        throw;
    } catch (const std::runtime_error& e) {
        throw AutomationError(member_, e.what());
    }
    file_ = file;
}

std::string Package::ResolveTarget(const std::string& sourcePart, const std::string& target) {
    std::string joined;
    if (!target.empty() && target.front() == '/') {
        joined = target.substr(1);
    } else {
        auto slash = sourcePart.rfind('/');
        joined = (slash == std::string::npos ? std::string() : sourcePart.substr(0, slash + 1)) + target;
    }
    std::vector<std::string> segments;
    std::stringstream stream(joined);
    for (std::string segment; std::getline(stream, segment, '/');) {
        if (segment.empty() || segment == ".") continue;
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
            continue;
        }
        segments.push_back(segment);
    }
    std::string result;
    for (const auto& segment : segments) result += (result.empty() ? "" : "/") + segment;
    return result;
}

std::string Package::RelsPartName(const std::string& part) {
    auto slash = part.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? part : part.substr(slash + 1);
    return folder + "_rels/" + name + ".rels";
}

}  // namespace dorvane::embedded
