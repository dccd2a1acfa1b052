#include "config/program_config_dialogs.h"

#include "config/ini_numbers.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_config.h"
#include "resources/texts_input.h"

namespace tellmark::config {

namespace {

constexpr std::size_t kDefaultSizeIndex = 1;  // "8 x 25"
constexpr std::size_t kSmallSizeIndex = 0;    // "7 x 20"
constexpr std::size_t kMaxPasswordTyped = 16;
constexpr std::string_view kPasswordCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-.";

std::size_t validIndex(std::size_t index) { return index < kScreenFontSizes.size() ? index : kDefaultSizeIndex; }

std::string cut(std::string_view text, std::size_t width) { return std::string(text.substr(0, width)); }

}  // namespace

std::string screenFontSizeLabel(std::size_t sizeIndex) {
    const ScreenFontSize& size = kScreenFontSizes[validIndex(sizeIndex)];
    return format("%i x %i", size.width, size.height);
}

bool boldForced(std::size_t sizeIndex) { return kScreenFontSizes[validIndex(sizeIndex)].width > 13; }

ScreenFontChoice defaultScreenFontChoice(int desktopWidth, int desktopHeight) {
    bool large = desktopWidth >= 800 && desktopHeight >= 600;
    return {large ? kDefaultSizeIndex : kSmallSizeIndex, false};
}

ScreenFontChoice screenFontChoiceOf(const FontDescription& font) {
    std::size_t index = kScreenFontSizes.size();
    for (std::size_t i = 0; i < kScreenFontSizes.size() && index == kScreenFontSizes.size(); ++i)
        if (kScreenFontSizes[i].width == font.width && kScreenFontSizes[i].height == font.height) index = i;
    for (std::size_t i = 0; i < kScreenFontSizes.size() && index == kScreenFontSizes.size(); ++i)
        if (kScreenFontSizes[i].width == font.width) index = i;
    return {validIndex(index), font.weight >= kBoldWeight};
}

FontDescription screenFontOf(const ScreenFontChoice& choice) {
    const ScreenFontSize& size = kScreenFontSizes[validIndex(choice.sizeIndex)];
    bool bold = choice.bold || boldForced(choice.sizeIndex);
    return {size.height, size.width, bold ? kBoldWeight : kNormalWeight, std::string(kDefaultFontFace)};
}

int acceptScreenFonts(CIniSB& settings, const ScreenFontChoice& booking, const ScreenFontChoice& screen,
                      ui::Messages& messages) {
    ProgramConfig& config = settings.config();
    config.fontBooking = screenFontOf(booking);
    config.fontScreen = screenFontOf(screen);
    config.fontDialog = {16, 6, kBoldWeight, "Arial"};
    config.fontUsage = config.fontDialog;
    settings.deriveScreenCell();
    int written = settings.writeAllSettings();
    if (written == 1) messages.show(text::kScreenFontsNextStart, text::kCaptionWarning, ui::kIconStop);
    return written;
}

const PageSettingLimits* pageSettingLimits(std::string_view key) {
    if (key == kLinesPerPageLimits.key) return &kLinesPerPageLimits;
    if (key == kTopMarginLimits.key) return &kTopMarginLimits;
    return nullptr;
}

bool pageSettingHolds(const PageSettingLimits& limits, long long value, ui::Messages& messages) {
    if (value >= limits.lowest && value <= limits.highest) return true;
    const std::string key(limits.key);
    messages.show(format(text::kPageSettingOutOfRange, key.c_str(), limits.lowest, limits.highest),
                  text::kCaptionError, ui::kIconStop);
    return false;
}

bool pageSettingTextHolds(const PageSettingLimits& limits, std::string_view value, ui::Messages& messages) {
    const std::size_t first = value.find_first_not_of(' ');
    const std::size_t last = value.find_last_not_of(' ');
    const std::string_view digits =
        first == std::string_view::npos ? std::string_view() : value.substr(first, last - first + 1);
    // Nine digits cannot overflow; more are beyond every limit anyway.
    long long number = digits.empty() || digits.size() > 9 ? -1 : 0;
    for (char c : digits) {
        if (number < 0) break;
        number = c >= '0' && c <= '9' ? number * 10 + (c - '0') : -1;
    }
    return pageSettingHolds(limits, number, messages);
}

bool storePageSettings(ProgramConfig& config, int linesPerPage, int topMargin, ui::Messages& messages) {
    if (!pageSettingHolds(kLinesPerPageLimits, linesPerPage, messages) ||
        !pageSettingHolds(kTopMarginLimits, topMargin, messages))
        return false;
    config.linesPerPage = parseIniInt(format("%2i", linesPerPage));
    config.topMargin = parseIniInt(format("%1i", topMargin));
    return true;
}

bool storePageSettings(ProgramConfig& config, int linesPerPage, int topMargin) {
    ui::SilentMessages silent;
    return storePageSettings(config, linesPerPage, topMargin, silent);
}

std::string vatPresetText(double rate) { return cut(formatIniFixed(rate, 2, 5), kVatPresetChars); }

std::string vatPresetDisplay(std::string_view stored) { return formatIniFixed(parseIniDecimal(stored), 2); }

bool storeVatPresets(ProgramConfig& config, double rateF7, double rateF8) {
    auto valid = [](double rate) { return rate >= 0.0 && rate <= 99.99; };
    if (!valid(rateF7) || !valid(rateF8)) return false;
    config.vatPresetF7 = vatPresetText(rateF7);
    config.vatPresetF8 = vatPresetText(rateF8);
    return true;
}

void storeStandardTexts(ProgramConfig& config, const std::array<std::string, 8>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) config.keyTexts[i] = cut(texts[i], kKeyTextChars);
}

std::string filterPasswordTyping(std::string_view typed) {
    std::string out;
    for (char c : typed)
        if (kPasswordCharacters.find(c) != std::string_view::npos && out.size() < kMaxPasswordTyped) out += c;
    return out;
}

void storeBookingTechnique(ProgramConfig& config, bool usePassword, std::string_view password,
                           bool thirteenMonths) {
    // Filtering leaves no blanks, so the password is trimmed on both sides as well.
    config.password = usePassword ? filterPasswordTyping(password) : std::string();
    config.thirteenthMonth = thirteenMonths;
}

void storeProgramManagement(ProgramConfig& config, bool separateDataDirectory, std::string_view dataDirectory,
                            std::string_view companionProgram, std::string_view companionImport) {
    config.dataDirectory = separateDataDirectory ? cut(dataDirectory, kPathChars) : std::string();
    config.companionProgram = cut(companionProgram, kPathChars);
    config.companionImport = cut(companionImport, kPathChars);
}

}  // namespace tellmark::config
