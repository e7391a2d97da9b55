#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "automation/embedded/wordtext/ParagraphText.h"
#include "automation/embedded/wordtext/WmlNames.h"

namespace dorvane::wordtext {
namespace {

// The root binds "w" to the main namespace; a run inside redeclares "w" to
// another namespace, and a paragraph uses the default namespace.
constexpr const char* kMixed =
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
    "<w:p><w:r><w:t>a</w:t></w:r>"
    "<w:r xmlns:w=\"urn:other\"><w:t>not Word's</w:t></w:r></w:p>"
    "<p xmlns=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><r><t>b</t></r></p>"
    "</w:body></w:document>";

TEST(WmlNames, ARedeclaredPrefixInsideAParagraphWinsOverTheRemembered) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(kMixed));
    pugi::xml_node p = doc.first_child().first_child().first_child();
    pugi::xml_node wordRun = p.first_child();
    pugi::xml_node otherRun = wordRun.next_sibling();
    {
        const NamespaceScope scope(p);
        EXPECT_TRUE(IsWord(wordRun, "r"));
        EXPECT_TRUE(IsWord(wordRun.first_child(), "t"));
        EXPECT_FALSE(IsWord(otherRun, "r"));
        EXPECT_FALSE(IsWordElement(otherRun.first_child()));
        // The remembered answer at the anchor does not leak to other trees'
        // or other paragraphs' elements.
        pugi::xml_node defaultP = p.next_sibling();
        EXPECT_TRUE(IsWord(defaultP.first_child(), "r"));
    }
    EXPECT_FALSE(IsWord(otherRun, "r"));
    EXPECT_TRUE(IsWord(wordRun, "r"));
    // The text counts only Word's runs.
    EXPECT_EQ(ParagraphText(p).Text(), "a\r");  // with the paragraph mark
}

}  // namespace
}  // namespace dorvane::wordtext
