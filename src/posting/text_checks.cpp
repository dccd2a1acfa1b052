#include "posting/text_checks.h"

#include "ledger/journal_record.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_input.h"

namespace tellmark::posting {

namespace {

bool isControl(unsigned char b) {
    switch (b) {
    case 0x7F: case 0x81: case 0x8D: case 0x8F: case 0x90: case 0x9D: return true;
    default: return b < 0x20;
    }
}

std::size_t lengthWithoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? 0 : last + 1;
}

bool checkField(std::string_view text, std::size_t width, std::string_view controlMessage,
                std::string_view tooLongMessage, ui::Messages& messages) {
    const int control = firstControlCharacter(text);
    if (control >= 0) {
        messages.show(format(controlMessage, control), text::kCaptionError, ui::kIconStop);
        return false;
    }
    if (lengthWithoutTrailingBlanks(text) > width) {
        messages.show(tooLongMessage, text::kCaptionError, ui::kIconStop);
        return false;
    }
    return true;
}

}  // namespace

int firstControlCharacter(std::string_view text) {
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (isControl(b)) return b;
    }
    return -1;
}

bool checkBookingText(std::string_view text, ui::Messages& messages) {
    return checkField(text, ledger::kTextWidth, text::kBookingTextControlCharacter, text::kBookingTextTooLong,
                      messages);
}

bool checkDocumentNumber(std::string_view text, ui::Messages& messages) {
    return checkField(text, ledger::kDocumentWidth, text::kDocumentControlCharacter, text::kDocumentTooLong,
                      messages);
}

}  // namespace tellmark::posting
