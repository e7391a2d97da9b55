// Times the embedded Word on a generated report of 500 tables (20 rows by
// 8 columns of Chinese text and figures, some cells merged): opening it,
// giving every table the six borders, fonts and paragraph format through
// the object model, and saving it; then the peak memory.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <string>

#include "automation/Instances.h"
#include "automation/embedded/package/Package.h"
#include "automation/embedded/package/XmlTreeMemory.h"
#include "automation/word/Word.h"

namespace {

namespace w = dorvane::word;
using Clock = std::chrono::steady_clock;

int tableCount = 500;  // a first argument sets another count (for profiling)
constexpr int kRows = 20;
constexpr int kColumns = 8;

std::string Cell(const std::string& text, const std::string& tcPr = {}) {
    return "<w:tc><w:tcPr><w:tcW w:w=\"1100\" w:type=\"dxa\"/>" + tcPr +
           "</w:tcPr><w:p><w:pPr><w:spacing w:before=\"60\" w:line=\"360\" w:lineRule=\"auto\"/><w:ind "
           "w:firstLineChars=\"200\"/></w:pPr><w:r><w:rPr><w:rFonts w:hint=\"eastAsia\"/></w:rPr><w:t>" +
           text + "</w:t></w:r></w:p></w:tc>";
}

std::string Table(int index) {
    std::string xml = "<w:tbl><w:tblPr><w:tblStyle w:val=\"TableGrid\"/><w:tblW w:w=\"0\" w:type=\"auto\"/></w:tblPr>"
                      "<w:tblGrid>";
    for (int c = 0; c < kColumns; ++c) xml += "<w:gridCol w:w=\"1100\"/>";
    xml += "</w:tblGrid>";
    for (int r = 0; r < kRows; ++r) {
        xml += "<w:tr>";
        for (int c = 0; c < kColumns; ++c) {
            if (r == 0 && c == 1) {
                xml += Cell("二〇二四年度收入", "<w:gridSpan w:val=\"2\"/>");  // a heading over two columns
                ++c;
            } else if (c == 0 && (r == 5 || r == 6)) {
                xml += Cell(r == 5 ? "分类合计" : "", r == 5 ? "<w:vMerge w:val=\"restart\"/>" : "<w:vMerge/>");
            } else if (c == 0) {
                xml += Cell("项目" + std::to_string(r));
            } else {
                xml += Cell(std::to_string(index * 1000 + r * 37 + c * 1234) + "." + std::to_string(c));
            }
        }
        xml += "</w:tr>";
    }
    return xml + "</w:tbl>";
}

std::filesystem::path WriteReport(const std::filesystem::path& file, std::size_t& xmlBytes) {
    std::string body;
    for (int t = 0; t < tableCount; ++t)
        body += "<w:p><w:r><w:t>表" + std::to_string(t + 1) + "：各地区收入情况（单位：万元）</w:t></w:r></w:p>" + Table(t);
    std::string document =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<w:document "
        "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" +
        body + "<w:p/><w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr></w:body></w:document>";
    std::string styles =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<w:styles "
        "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:style w:type=\"table\" "
        "w:styleId=\"TableGrid\"><w:name w:val=\"Table Grid\"/><w:tblPr><w:tblBorders><w:top w:val=\"single\" "
        "w:sz=\"4\"/><w:left w:val=\"single\" w:sz=\"4\"/><w:bottom w:val=\"single\" w:sz=\"4\"/><w:right "
        "w:val=\"single\" w:sz=\"4\"/><w:insideH w:val=\"single\" w:sz=\"4\"/><w:insideV w:val=\"single\" "
        "w:sz=\"4\"/></w:tblBorders></w:tblPr></w:style></w:styles>";
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    auto package = dorvane::embedded::Package::Create();
    package->SetRawPart("[Content_Types].xml",
                        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                        "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
                        "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>");
    package->SetRawPart("_rels/.rels", "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                       "relationships\"><Relationship Id=\"rId1\" Type=\"" + rel +
                                       "officeDocument\" Target=\"word/document.xml\"/></Relationships>");
    package->SetRawPart("word/document.xml", document);
    package->SetRawPart("word/styles.xml", styles);
    package->SetRawPart("word/_rels/document.xml.rels",
                        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                        "<Relationship Id=\"rId1\" Type=\"" + rel + "styles\" Target=\"styles.xml\"/></Relationships>");
    package->SaveAs(file);
    xmlBytes = document.size() + styles.size();
    return file;
}

void FormatTable(w::Application& word, w::Document& doc, int index) {
    doc.Tables()->Item(index)->Select();
    auto sel = word.Selection();
    for (int b = w::wdBorderTop; b >= w::wdBorderVertical; --b) {
        auto border = sel->Borders()->Item(b);
        border->SetLineStyle(std::string_view("1"));
        border->SetLineWidth(std::string_view("8"));
    }
    auto font = sel->Font();
    font->SetName("宋体");
    font->SetName("Times New Roman");
    font->SetSize(10.5);
    auto format = sel->ParagraphFormat();
    format->SetLeftIndent(0);
    format->SetCharacterUnitLeftIndent(0);
    format->SetRightIndent(0);
    format->SetCharacterUnitRightIndent(0);
    format->SetSpaceBeforeAuto(false);
    format->SetSpaceAfterAuto(false);
    format->SetSpaceBefore(0);
    format->SetSpaceAfter(0);
    format->SetLineSpacingRule(w::wdLineSpaceSingle);
    format->SetLineUnitBefore(0);
    format->SetLineUnitAfter(0);
    format->TabStops()->ClearAll();
    format->SetFirstLineIndent(0);
    format->SetCharacterUnitFirstLineIndent(0);
    format->SetLineSpacing(word.LinesToPoints(1.5));
    format->SetWordWrap(true);
    format->SetAlignment(w::wdAlignParagraphCenter);
    sel->Cells()->SetVerticalAlignment(w::wdCellAlignVerticalCenter);
}

double Seconds(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }

// Processor time of this process: on a machine shared with other work the
// wall-clock figures swell, this one much less.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) tableCount = std::max(1, std::atoi(argv[1]));
    auto folder = std::filesystem::temp_directory_path() / "dorvane-bench-word";
    std::filesystem::create_directories(folder);
    // The report is written by a child process, so that the peak memory
    // measured here is that of opening, formatting and saving alone.
    auto file = folder / "report.docx";
    std::size_t xmlBytes = 0;
    int channel[2];
    if (::pipe(channel) != 0) return 1;
    const pid_t writer = ::fork();
    if (writer == 0) {
        WriteReport(file, xmlBytes);
        const bool sent = ::write(channel[1], &xmlBytes, sizeof xmlBytes) == sizeof xmlBytes;
        ::_exit(sent ? 0 : 1);
    }
    int status = 1;
    if (writer < 0 || ::read(channel[0], &xmlBytes, sizeof xmlBytes) != sizeof xmlBytes ||
        ::waitpid(writer, &status, 0) != writer || status != 0) {
        std::fprintf(stderr, "bench-word: the report could not be written\n");
        return 1;
    }

    auto t0 = Clock::now();
    double c0 = CpuSeconds();
    auto word = dorvane::CreateWordApplication();
    auto doc = word->Documents()->Open(file.string());
    int tables = doc->Tables()->Count();
    auto t1 = Clock::now();
    double c1 = CpuSeconds();
    for (int i = 1; i <= tables; ++i) FormatTable(*word, *doc, i);
    doc->SetDefaultTabStop(word->CentimetersToPoints(0.74));
    auto t2 = Clock::now();
    double c2 = CpuSeconds();
    doc->SaveAs((folder / "report-formatted.docx").string());
    auto t3 = Clock::now();
    double c3 = CpuSeconds();

    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    double peakMiB = usage.ru_maxrss / 1024.0;
    double xmlMiB = static_cast<double>(xmlBytes) / (1024.0 * 1024.0);
    std::printf("tables                 %d (%d rows x %d columns)\n", tables, kRows, kColumns);
    std::printf("unpacked XML           %.1f MiB\n", xmlMiB);
    std::printf("open                   %.3f s (CPU %.3f s)\n", Seconds(t0, t1), c1 - c0);
    std::printf("format every table     %.3f s (CPU %.3f s)\n", Seconds(t1, t2), c2 - c1);
    std::printf("save                   %.3f s (CPU %.3f s)\n", Seconds(t2, t3), c3 - c2);
    std::printf("open + format + save   %.3f s (CPU %.3f s) (goal < 1 s)\n", Seconds(t0, t3), c3 - c0);
    std::printf("peak memory            %.1f MiB = %.1f x the unpacked XML (goal < 10 x)\n", peakMiB,
                peakMiB / xmlMiB);
    std::printf("of which XML trees     %.1f MiB\n", dorvane::embedded::XmlTreeMemoryReserved() / (1024.0 * 1024.0));
    std::size_t formattedBytes = 0;
    auto formatted = dorvane::embedded::Package::Open(folder / "report-formatted.docx", "bench");
    for (const auto& name : formatted->PartNames())
        if (name.ends_with(".xml")) formattedBytes += formatted->RawPart(name).size();
    std::printf("formatted XML          %.1f MiB (peak = %.1f x)\n", formattedBytes / (1024.0 * 1024.0),
                peakMiB / (formattedBytes / (1024.0 * 1024.0)));
    if (!std::getenv("DORVANE_BENCH_KEEP")) std::filesystem::remove_all(folder);
    return 0;
}
