#include "automation/embedded/excel/SpreadsheetXml.h"

#include <charconv>
#include <cstring>

namespace dorvane::embedded::excel {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// "_x000D_" -> carriage return: how SpreadsheetML escapes characters that
// XML cannot carry. "_x005F_" escapes the underscore itself.
std::string DecodeEscapes(const char* text) {
    std::string out;
    std::size_t length = std::strlen(text);
    if (std::memchr(text, '_', length) == nullptr) return std::string(text, length);
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == '_' && i + 6 < length && text[i + 1] == 'x' && text[i + 6] == '_') {
            int a = HexValue(text[i + 2]), b = HexValue(text[i + 3]), c = HexValue(text[i + 4]),
                d = HexValue(text[i + 5]);
            if (a >= 0 && b >= 0 && c >= 0 && d >= 0) {
                AppendUtf8(out, static_cast<unsigned>((a << 12) | (b << 8) | (c << 4) | d));
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

Names Names::OfPart(pugi::xml_node root) {
    auto prefix = PrefixFor(root, kMainNamespace, kStrictMainNamespace);
    if (prefix) return Names(*prefix);
    // No declaration of the namespace: take the root's own prefix.
    std::string_view name = root.name();
    auto colon = name.find(':');
    return Names(colon == std::string_view::npos ? std::string() : std::string(name.substr(0, colon + 1)));
}

bool Names::Is(pugi::xml_node node, std::string_view local) const {
    std::string_view name = node.name();
    return name.size() == prefix_.size() + local.size() && name.starts_with(prefix_) &&
           name.ends_with(local);
}

pugi::xml_node Names::Child(pugi::xml_node parent, std::string_view local) const {
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (Is(child, local)) return child;
    return {};
}

std::optional<std::string> PrefixFor(pugi::xml_node element, std::string_view uri,
                                     std::string_view alternativeUri) {
    for (pugi::xml_node node = element; node && node.type() == pugi::node_element; node = node.parent()) {
        for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
             attribute = attribute.next_attribute()) {
            std::string_view value = attribute.value();
            if (value != uri && (alternativeUri.empty() || value != alternativeUri)) continue;
            std::string_view name = attribute.name();
            if (name == "xmlns") return std::string();
            if (name.starts_with("xmlns:")) return std::string(name.substr(6)) + ":";
        }
    }
    return std::nullopt;
}

std::string_view LocalName(std::string_view qualified) {
    auto colon = qualified.find(':');
    return colon == std::string_view::npos ? qualified : qualified.substr(colon + 1);
}

std::string StringItemText(pugi::xml_node item, const Names& names) {
    std::string text;
    for (pugi::xml_node child = item.first_child(); child; child = child.next_sibling()) {
        if (names.Is(child, "t")) {
            text += DecodeEscapes(child.text().get());
        } else if (names.Is(child, "r")) {
            if (pugi::xml_node t = names.Child(child, "t")) text += DecodeEscapes(t.text().get());
        }
    }
    return text;
}

void SetStringItemText(pugi::xml_node item, const Names& names, const std::string& text) {
    while (item.first_child()) item.remove_child(item.first_child());
    pugi::xml_node t = item.append_child(names("t").c_str());
    if (!text.empty() && (IsBlank(text.front()) || IsBlank(text.back())))
        t.append_attribute("xml:space") = "preserve";
    t.text().set(text.c_str());
}

std::string NumberText(double value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<double> ParseNumberText(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

bool IsTrue(pugi::xml_attribute attribute) {
    std::string_view value = attribute.value();
    return value == "1" || value == "true";
}

}  // namespace dorvane::embedded::excel
