#include "Fixture.h"

#include <sstream>

#include <gtest/gtest.h>

#include "automation/embedded/wordtext/ParagraphText.h"
#include "automation/embedded/wordtext/WmlNames.h"

namespace dorvane::wordtext::testing {

namespace {

void Collect(pugi::xml_node parent, std::vector<pugi::xml_node>& out) {
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
        if (IsWord(c, "p")) {
            out.push_back(c);
        } else if (c.type() == pugi::node_element) {
            Collect(c, out);
        }
    }
}

}  // namespace

std::vector<pugi::xml_node> Fixture::Paragraphs() const {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node c = body.first_child(); c; c = c.next_sibling()) {
        if (IsWord(c, "p")) out.push_back(c);
    }
    return out;
}

std::vector<pugi::xml_node> Fixture::AllParagraphs() const {
    std::vector<pugi::xml_node> out;
    Collect(body, out);
    return out;
}

std::string Fixture::BodyXml() const {
    std::ostringstream s;
    for (pugi::xml_node c = body.first_child(); c; c = c.next_sibling()) c.print(s, "", pugi::format_raw);
    return s.str();
}

std::unique_ptr<Fixture> Parse(const std::string& bodyXml, const std::string& prefix) {
    const std::string p = prefix.empty() ? "" : prefix + ":";
    const std::string xmlns = prefix.empty() ? "xmlns" : "xmlns:" + prefix;
    const std::string xml = "<" + p + "document " + xmlns + "=\"" + std::string(kWordNamespace) +
                            "\" xmlns:mc=\"" + std::string(kMarkupCompatibilityNamespace) + "\"><" + p +
                            "body>" + bodyXml + "</" + p + "body></" + p + "document>";
    auto f = std::make_unique<Fixture>();
    const auto result = f->doc.load_string(xml.c_str(), pugi::parse_default | pugi::parse_ws_pcdata_single);
    EXPECT_TRUE(result) << result.description() << "\n" << xml;
    f->body = f->doc.first_child().first_child();
    return f;
}

std::string TextOf(pugi::xml_node paragraph) { return ParagraphText(paragraph).Text(); }

std::string BodyText(const Fixture& f) {
    std::string out;
    for (pugi::xml_node p : f.AllParagraphs()) out += TextOf(p);
    return out;
}

}  // namespace dorvane::wordtext::testing
