#include "reports/pdf_output.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "config/program_config.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_output.h"

namespace tellmark::reports {

namespace {

// A4 portrait in points; twips are twentieths of a point.
constexpr double kPageWidth = 595.28;
constexpr double kPageHeight = 841.89;
constexpr double kTwipsPerPoint = 20.0;
// Courier's ascender, in parts of the font size: where its baseline lies below the top of a line.
constexpr double kCourierAscent = 0.629;
// The file goes out in blocks, not in one string of the whole report.
constexpr std::size_t kWriteBlock = 1 << 20;

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// A PDF string of Windows-1252 bytes: the font's WinAnsiEncoding reads them as they are.
void appendPdfString(std::string& out, const std::string& bytes) {
    out += '(';
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u >= 0x7F) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", u);
            out += octal;
        } else {
            out += c;
        }
    }
    out += ')';
}

std::string withoutTrailingBlanks(const std::string& line) {
    const std::size_t end = line.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

// The drawing of one page: every non-blank line at its place, in its font.
std::string pageContent(const std::vector<std::string>& lines, PrintRule rule, const PrintedPageSetup& setup) {
    std::string out = "BT\n";
    int currentSize = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int index = static_cast<int>(i);
        const std::string text = withoutTrailingBlanks(PrintedLine(lines[i], index, rule));
        if (text.empty()) continue;
        const int size = PrintsInNormalFont(index, rule) ? setup.normalFontTwips : setup.narrowFontTwips;
        if (size != currentSize) {
            out += "/F1 " + number(size / kTwipsPerPoint) + " Tf\n";
            currentSize = size;
        }
        const double baseline = (LineTopTwips(setup.topMargin, index) + kCourierAscent * size) / kTwipsPerPoint;
        out += "1 0 0 1 " + number(kLeftEdgeTwips / kTwipsPerPoint) + " " + number(kPageHeight - baseline) + " Tm ";
        appendPdfString(out, text);
        out += " Tj\n";
    }
    out += "ET\n";
    return out;
}

// Objects numbered in the order they are written, their offsets kept for the cross-reference table.
class PdfStream {
public:
    explicit PdfStream(platform::File& file) : file_(file) { buffer_.reserve(kWriteBlock + 4096); }

    void beginObject() {
        offsets_.push_back(written_ + static_cast<std::int64_t>(buffer_.size()));
        buffer_ += std::to_string(offsets_.size()) + " 0 obj\n";
    }
    void endObject() { buffer_ += "endobj\n"; }
    void add(const std::string& text) { buffer_ += text; }
    bool flushIfFull() { return buffer_.size() < kWriteBlock || flush(); }
    bool flush() {
        if (!file_.writeAt(written_, buffer_.data(), buffer_.size())) return false;
        written_ += static_cast<std::int64_t>(buffer_.size());
        buffer_.clear();
        return true;
    }
    // Cross-reference table and trailer; object 1 is the catalog.
    void finish() {
        const std::int64_t xref = written_ + static_cast<std::int64_t>(buffer_.size());
        buffer_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
        for (const std::int64_t offset : offsets_) {
            char entry[24];
            std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", static_cast<long long>(offset));
            buffer_ += entry;
        }
        buffer_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
                   std::to_string(xref) + "\n%%EOF\n";
    }

private:
    platform::File& file_;
    std::string buffer_;
    std::int64_t written_ = 0;
    std::vector<std::int64_t> offsets_;
};

bool writePdf(PrintFile& printFile, PrintRule rule, const PrintedPageSetup& setup, platform::File& file) {
    const int pages = printFile.pageCount();
    PdfStream pdf(file);
    pdf.add("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    pdf.beginObject();  // 1
    pdf.add("<< /Type /Catalog /Pages 2 0 R >>\n");
    pdf.endObject();
    // Page p is object 2p + 2, its content 2p + 3.
    pdf.beginObject();  // 2
    std::string kids;
    for (int p = 1; p <= pages; ++p) kids += std::to_string(2 * p + 2) + " 0 R ";
    pdf.add("<< /Type /Pages /Count " + std::to_string(pages) + " /Kids [ " + kids + "] >>\n");
    pdf.endObject();
    pdf.beginObject();  // 3
    pdf.add("<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>\n");
    pdf.endObject();

    const std::string mediaBox = "[0 0 " + number(kPageWidth) + " " + number(kPageHeight) + "]";
    std::vector<std::string> lines;
    for (int p = 1; p <= pages; ++p) {
        if (!printFile.ReadPageLines(p, lines)) return false;
        pdf.beginObject();
        pdf.add("<< /Type /Page /Parent 2 0 R /MediaBox " + mediaBox +
                " /Resources << /Font << /F1 3 0 R >> >> /Contents " + std::to_string(2 * p + 3) + " 0 R >>\n");
        pdf.endObject();
        const std::string content = pageContent(lines, rule, setup);
        pdf.beginObject();
        pdf.add("<< /Length " + std::to_string(content.size()) + " >>\nstream\n");
        pdf.add(content);
        pdf.add("endstream\n");
        pdf.endObject();
        if (!pdf.flushIfFull()) return false;
    }
    pdf.finish();
    return pdf.flush() && file.flush();
}

}  // namespace

PrintedPageSetup PrintedPageSetupOf(const config::ProgramConfig& settings) {
    PrintedPageSetup setup;
    setup.topMargin = settings.topMargin;
    setup.normalFontTwips = PrintFontTwips(settings.fontPrintNormal, kDefaultNormalFontTwips);
    setup.narrowFontTwips = PrintFontTwips(settings.fontPrintNarrow, kDefaultNarrowFontTwips);
    return setup;
}

int WriteReportPdf(PrintFile& printFile, PrintRule rule, const PrintedPageSetup& setup, const std::string& path,
                   ui::Messages& messages) {
    if (printFile.pageCount() < 1) {
        messages.show(text::kPdfNoPages, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    const std::string temporary = platform::replacementName(path);
    platform::File file;
    bool written = file.create(temporary) && writePdf(printFile, rule, setup, file);
    file.close();
    written = written && platform::replaceFile(temporary, path);
    if (!written) {
        platform::removeFile(temporary);
        messages.show(text::kPdfFileWriteFailed, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    return 1;
}

}  // namespace tellmark::reports
