#include "reports/print_file.h"

#include <algorithm>
#include <utility>

#include "reports/page_header.h"
#include "reports/text_file_output.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_output.h"

namespace tellmark::reports {

namespace {

// Lines are collected and written in blocks: a journal of a million bookings must not cost a write
// call per line.
constexpr std::size_t kWriteBlock = 64 * 1024;

}  // namespace

PrintFile::PrintFile(std::string path, ui::Messages& messages) : path_(std::move(path)), messages_(messages) {}

PrintFile::~PrintFile() {
    // A report abandoned halfway still leaves what it wrote on disk.
    if (file_.isOpen()) flushBuffer();
}

bool PrintFile::BeginReport(const ReportRequest& request, int width, int reservedLines) {
    reader_.close();
    file_.close();
    buffer_.clear();
    header_ = nullptr;
    failed_ = false;
    width_ = width > 2 ? width : kNarrowLine;
    pageCount_ = 0;
    recordedPages_ = 0;

    state_ = PrintState{};
    state_.pageStart.assign(static_cast<std::size_t>(kMaxPages) + 2, 0);
    state_.byteOffset = 0;
    state_.currentPage = 1;
    state_.headedPage = 0;
    state_.linesLeft = 0;
    // Settings out of range must not leave a page without room for a single body line.
    state_.bodyLinesPerPage = std::max(1, request.linesPerPage - request.topMargin - reservedLines);

    if (!file_.create(path_)) {
        messages_.show(text::kPrintFileCreateFailed, text::kCaptionError, ui::kIconStop);
        failed_ = true;
        return false;
    }
    file_.close();
    if (!file_.open(path_, platform::Share::Shared)) {
        messages_.show(text::kPrintFileOpenFailed, text::kCaptionError, ui::kIconStop);
        failed_ = true;
        return false;
    }
    buffer_.reserve(kWriteBlock + static_cast<std::size_t>(kWideLine));
    return true;
}

void PrintFile::fail() {
    if (!failed_) messages_.show(text::kPrintFileWriteFailed, text::kCaptionError, ui::kIconStop);
    failed_ = true;
    buffer_.clear();
}

bool PrintFile::flushBuffer() {
    if (failed_) return false;
    if (buffer_.empty()) return true;
    const std::int64_t at = state_.byteOffset - static_cast<std::int64_t>(buffer_.size());
    if (!file_.writeAt(at, buffer_.data(), buffer_.size())) {
        fail();
        return false;
    }
    buffer_.clear();
    return true;
}

bool PrintFile::WriteLine(std::string_view text) {
    if (failed_ || !file_.isOpen()) {
        fail();
        return false;
    }
    if (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") text.remove_suffix(2);
    const std::size_t visible = static_cast<std::size_t>(width_ - 2);
    const std::size_t taken = std::min(text.size(), visible);
    buffer_.append(text.data(), taken);
    buffer_.append(visible - taken, ' ');
    buffer_.append("\r\n");
    state_.byteOffset += width_;
    if (buffer_.size() >= kWriteBlock) return flushBuffer();
    return true;
}

bool PrintFile::WriteBodyLine(std::string_view text) {
    if (state_.linesLeft < 1) {
        bool headed = header_ ? header_(true) : BeginPageHeader(true);
        if (!headed) return false;
    }
    if (!WriteLine(text)) return false;
    --state_.linesLeft;
    return true;
}

bool PrintFile::NeedLines(int n) {
    if (state_.linesLeft >= n) return true;
    return header_ ? header_(true) : BeginPageHeader(true);
}

bool PrintFile::BeginPageHeader(bool continued, int footerSheet, int blanksBeforeFooter) {
    if (continued) {
        if (!EndPage(blanksBeforeFooter >= 0 ? blanksBeforeFooter : state_.linesLeft + 2, footerSheet)) return false;
        ++state_.currentPage;
    }
    state_.headedPage = state_.currentPage;
    state_.linesLeft = state_.bodyLinesPerPage;
    return true;
}

bool PrintFile::BeginPageWithoutFooter() {
    if (failed_) return false;
    recordPageEnd(state_.currentPage);
    ++state_.currentPage;
    return BeginPageHeader(false);
}

void PrintFile::recordPageEnd(int page) {
    // Pages past the table's end are written but not addressable.
    if (page < 1 || page > kMaxPages) return;
    state_.pageStart[static_cast<std::size_t>(page)] = state_.byteOffset;
    recordedPages_ = page;
}

bool PrintFile::EndPage(int blankLines, int footerSheet) {
    for (int i = 0; i < blankLines; ++i) {
        if (!WriteLine({})) return false;
    }
    const int sheet = footerSheet >= 0 ? footerSheet : state_.currentPage;
    if (!WriteLine(FooterLine(sheet, width_))) return false;
    recordPageEnd(state_.currentPage);
    state_.linesLeft = state_.bodyLinesPerPage;
    return true;
}

bool PrintFile::EndReport(ReportRequest& request) {
    if (!file_.isOpen()) {
        if (!failed_) fail();
        request.pageCount = 0;
        return false;
    }
    bool ok = flushBuffer();
    file_.close();
    if (!ok) {
        request.pageCount = 0;
        return false;
    }
    const int pages = std::min(state_.currentPage, kMaxPages);
    if (state_.currentPage <= kMaxPages) recordPageEnd(state_.currentPage);
    state_.pageStart[static_cast<std::size_t>(pages) + 1] = -1;
    pageCount_ = pages;
    recordedPages_ = pages;
    request.pageCount = pages;
    return true;
}

std::optional<std::string> PrintFile::ReadPageLine(int page, int line, int width) {
    if (page < 1 || page > recordedPages_ || line < 0 || width < 2) return std::nullopt;
    const std::int64_t begin = state_.pageStart[static_cast<std::size_t>(page) - 1];
    const std::int64_t end = state_.pageStart[static_cast<std::size_t>(page)];
    const std::int64_t at = begin + static_cast<std::int64_t>(line) * width;
    if (at >= end) return std::nullopt;

    // Lines still waiting in the write buffer must reach the file first.
    if (file_.isOpen() && !flushBuffer()) return std::nullopt;
    if (!reader_.isOpen() && !reader_.openForReading(path_)) {
        messages_.show(text::kPrintFileOpenFailed, text::kCaptionError, ui::kIconStop);
        return std::nullopt;
    }
    if (at >= reader_.length()) {
        messages_.show(text::kPrintFileSeekFailed, text::kCaptionError, ui::kIconStop);
        return std::nullopt;
    }
    std::string out(static_cast<std::size_t>(width - 2), '\0');
    if (reader_.readAt(at, out.data(), out.size()) != static_cast<std::int64_t>(out.size())) {
        messages_.show(text::kPrintFileReadFailed, text::kCaptionError, ui::kIconStop);
        return std::nullopt;
    }
    return out;
}

bool PrintFile::ReadPageLines(int page, std::vector<std::string>& lines) {
    lines.clear();
    if (page < 1 || page > recordedPages_ || width_ < 2) return false;
    const std::int64_t begin = state_.pageStart[static_cast<std::size_t>(page) - 1];
    const std::int64_t end = state_.pageStart[static_cast<std::size_t>(page)];
    if (end < begin) return false;
    if (file_.isOpen() && !flushBuffer()) return false;
    if (!reader_.isOpen() && !reader_.openForReading(path_)) {
        messages_.show(text::kPrintFileOpenFailed, text::kCaptionError, ui::kIconStop);
        return false;
    }
    std::string bytes(static_cast<std::size_t>(end - begin), '\0');
    if (reader_.readAt(begin, bytes.data(), bytes.size()) != static_cast<std::int64_t>(bytes.size())) {
        messages_.show(text::kPrintFileReadFailed, text::kCaptionError, ui::kIconStop);
        return false;
    }
    const std::size_t width = static_cast<std::size_t>(width_);
    lines.reserve(bytes.size() / width);
    for (std::size_t at = 0; at + width <= bytes.size(); at += width) lines.emplace_back(bytes, at, width - 2);
    return true;
}

int PrintFile::CopyPrintFileTo(const std::string& path) {
    if (file_.isOpen() && !flushBuffer()) return 0;
    return CopyPrintFileToTextFile(path_, path, messages_);
}

}  // namespace tellmark::reports
