#pragma once

// Small WordprocessingML documents written inline in the tests.

#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace dorvane::wordtext::testing {

struct Fixture {
    pugi::xml_document doc;
    pugi::xml_node body;

    // The body's w:p children (not those in tables).
    std::vector<pugi::xml_node> Paragraphs() const;
    // Every w:p of the body in document order, tables included.
    std::vector<pugi::xml_node> AllParagraphs() const;
    // The body serialised without the document wrapper.
    std::string BodyXml() const;
};

// `bodyXml` inside <prefix:document><prefix:body> with the Word namespace
// bound to `prefix` ("" for the default namespace). Fails the test on a
// parse error.
std::unique_ptr<Fixture> Parse(const std::string& bodyXml, const std::string& prefix = "w");

// The text of a paragraph (ParagraphText) with the mark.
std::string TextOf(pugi::xml_node paragraph);
// The texts of all paragraphs of the body joined (marks included).
std::string BodyText(const Fixture& f);

}  // namespace dorvane::wordtext::testing
