// The algorithms on the main text of real documents: word/document.xml is
// read straight out of the .docx with libzip.

#include <zip.h>

#include <algorithm>
#include <sstream>

#include <gtest/gtest.h>

#include "Fixture.h"
#include "automation/embedded/wordtext/FieldMarkup.h"
#include "automation/embedded/wordtext/FindReplace.h"
#include "automation/embedded/wordtext/ParagraphText.h"
#include "automation/embedded/wordtext/SectionBreaks.h"
#include "automation/embedded/wordtext/WmlNames.h"
#include "tests/common/TestSupport.h"

using namespace dorvane::wordtext;
using namespace dorvane::wordtext::testing;

namespace {

std::string ReadEntry(const std::filesystem::path& file, const char* name) {
    int error = 0;
    zip_t* archive = zip_open(file.string().c_str(), ZIP_RDONLY, &error);
    if (!archive) return {};
    std::string bytes;
    zip_stat_t st;
    if (zip_stat(archive, name, 0, &st) == 0) {
        if (zip_file_t* entry = zip_fopen(archive, name, 0)) {
            bytes.resize(st.size);
            const auto n = zip_fread(entry, bytes.data(), st.size);
            bytes.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
            zip_fclose(entry);
        }
    }
    zip_close(archive);
    return bytes;
}

struct Document {
    pugi::xml_document xml;
    pugi::xml_node body;
};

std::unique_ptr<Document> Load(const std::filesystem::path& file) {
    auto d = std::make_unique<Document>();
    const std::string bytes = ReadEntry(file, "word/document.xml");
    EXPECT_FALSE(bytes.empty()) << file;
    EXPECT_TRUE(d->xml.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata_single));
    d->body = WordChild(d->xml.document_element(), "body");
    EXPECT_TRUE(d->body);
    return d;
}

std::vector<pugi::xml_node> AllParagraphs(pugi::xml_node node) {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
        if (IsWord(c, "p")) {
            out.push_back(c);
        } else if (c.type() == pugi::node_element && !IsWord(c, "sectPr")) {
            auto inner = AllParagraphs(c);
            out.insert(out.end(), inner.begin(), inner.end());
        }
    }
    return out;
}

// Paragraphs of the main text (not those of text boxes inside drawings).
std::vector<pugi::xml_node> StoryParagraphs(pugi::xml_node body) {
    auto all = AllParagraphs(body);
    std::erase_if(all, [](pugi::xml_node p) {
        for (pugi::xml_node a = p.parent(); a; a = a.parent()) {
            if (IsWord(a, "txbxContent")) return true;
        }
        return false;
    });
    return all;
}

std::string Text(pugi::xml_node body) {
    std::string out;
    for (pugi::xml_node p : StoryParagraphs(body)) out += ParagraphText(p).Text();
    return out;
}

std::string Without(std::string s, const std::string& chars) {
    std::erase_if(s, [&](char c) { return chars.find(c) != std::string::npos; });
    return s;
}

std::vector<ParagraphSpan> Spans(pugi::xml_node body) {
    std::vector<ParagraphSpan> spans;
    for (pugi::xml_node p : StoryParagraphs(body)) spans.push_back({p});
    return spans;
}

// Serialises and parses again: the edited XML stays well-formed.
void ExpectReparses(const Document& d) {
    std::ostringstream s;
    d.xml.save(s, "", pugi::format_raw);
    pugi::xml_document again;
    EXPECT_TRUE(again.load_string(s.str().c_str()));
}

}  // namespace

TEST(Corpus, UnlinkingEveryFieldKeepsTheVisibleText) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/d4j_Docx4j_GettingStarted.docx");
    auto d = Load(file);
    const std::string before = Text(d->body);
    const auto fields = FindFields(d->body);
    ASSERT_GE(fields.size(), 70u);
    EXPECT_NE(FieldCode(fields[0]).find("TOC"), std::string::npos);
    int failed = 0;
    for (const FieldRef& field : fields) {
        try {
            UnlinkField(d->body, field);
        } catch (const std::runtime_error&) {
            ++failed;  // nested in a field unlinked before
        }
    }
    EXPECT_TRUE(FindFields(d->body).empty());
    EXPECT_EQ(failed, static_cast<int>(fields.size()) - static_cast<int>(std::count_if(
                           fields.begin(), fields.end(), [](const FieldRef& f) { return f.depth == 0; })));
    EXPECT_EQ(Text(d->body), before);
    ExpectReparses(*d);
}

TEST(Corpus, RemovingSectionBreaksOfAChineseDocument) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/oxsdk_columns1_cjk.docx");
    auto d = Load(file);
    const std::string before = Text(d->body);
    const auto paragraphs = StoryParagraphs(d->body).size();
    EXPECT_EQ(ReplaceAll(Spans(d->body), SearchPattern("^b", {}), ReplacementText("", false)), 7);
    EXPECT_TRUE(SectionBreakParagraphs(d->body).empty());
    EXPECT_TRUE(WordChild(d->body, "sectPr"));
    EXPECT_LT(StoryParagraphs(d->body).size(), paragraphs);
    EXPECT_EQ(Without(Text(d->body), "\r\f"), Without(before, "\r\f"));
    EXPECT_EQ(ReplaceAll(Spans(d->body), SearchPattern("^b", {}), ReplacementText("", false)), 0);
    ExpectReparses(*d);
}

TEST(Corpus, RemovingManySectionBreaksAroundLargeTables) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/poi_bug65649.docx");
    auto d = Load(file);
    const std::string before = Without(Text(d->body), "\r\f");
    EXPECT_EQ(RemoveAllSectionBreaks(d->body), 14);
    EXPECT_EQ(Without(Text(d->body), "\r\f"), before);
    EXPECT_TRUE(IsWord(d->body.last_child(), "sectPr"));
    ExpectReparses(*d);
}

TEST(Corpus, ThousandsSeparatorsOnAStatisticsReport) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/poi_bug59058.docx");
    auto d = Load(file);
    const std::string before = Text(d->body);
    SearchOptions o;
    o.matchWildcards = true;
    const SearchPattern pattern("([0-9])([0-9]{3})([.,])", o);
    const ReplacementText with("\\1,\\2\\3", true);
    int replaced = 0;
    for (int round = 0; round < 10 && FindFirst(Spans(d->body), pattern); ++round) {
        replaced += ReplaceAll(Spans(d->body), pattern, with);
    }
    EXPECT_GT(replaced, 0);
    EXPECT_FALSE(FindFirst(Spans(d->body), pattern));
    EXPECT_EQ(Without(Text(d->body), ","), Without(before, ","));
    ExpectReparses(*d);
}

TEST(Corpus, RemovingSpacesFromEveryParagraph) {
    DORVANE_CORPUS_FILE_OR_SKIP(file, "docx/oxsdk_table_2007.docx");
    auto d = Load(file);
    const std::string before = Text(d->body);
    const auto spaces = std::count(before.begin(), before.end(), ' ');
    EXPECT_EQ(ReplaceAll(Spans(d->body), SearchPattern(" ", {}), ReplacementText("", false)), spaces);
    EXPECT_EQ(Text(d->body), Without(before, " "));
    ExpectReparses(*d);
}
