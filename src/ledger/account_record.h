#pragma once
// AccountRecord: one account of the balance file (".sal") as its 202 bytes of CP1252 text, the same bytes
// an editor shows as one line:
//   0   5  account number, right-aligned (" 1570", " 0800", "10000")
//   5  25  account name, left-aligned, blank-padded
//  30   1  status: ' ' no posting yet, '1' posted, '9' opening balance received carry-forward postings
//  31 168  fourteen slots of "%12.2f": opening balance, twelve months of the business year, 13th month
// 199   1  end mark '*'
// 200   2  CR LF

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tellmark::ledger {

inline constexpr std::size_t kAccountRecordSize = 202;
inline constexpr int kAccountSlotCount = 14;
inline constexpr std::size_t kAccountNumberWidth = 5;
inline constexpr std::size_t kAccountNameWidth = 25;
inline constexpr std::size_t kAccountSlotWidth = 12;

inline constexpr char kStatusUnposted = ' ';
inline constexpr char kStatusPosted = '1';
inline constexpr char kStatusCarriedForward = '9';

class AccountRecord {
public:
    static constexpr std::size_t kNumberOffset = 0;
    static constexpr std::size_t kNameOffset = 5;
    static constexpr std::size_t kStatusOffset = 30;
    static constexpr std::size_t kSlotOffset = 31;
    static constexpr std::size_t kEndMarkOffset = 199;
    static constexpr std::size_t kLineEndOffset = 200;

    // All blanks with the end mark and the line end: the canvas every new account is written on.
    AccountRecord();

    // A new account: number and name, status blank, the opening balance in slot 0 and 0.00 in the others.
    // False when the opening balance does not fit its slot.
    static bool makeNew(std::string_view numberText, std::string_view name, double opening, AccountRecord& out);

    // The raw bytes, for reading from and writing to the file.
    char* data() { return bytes_.data(); }
    const char* data() const { return bytes_.data(); }
    std::string_view bytes() const { return {bytes_.data(), bytes_.size()}; }

    std::string_view numberText() const { return field(kNumberOffset, kAccountNumberWidth); }
    std::string_view name() const { return field(kNameOffset, kAccountNameWidth); }
    char status() const { return bytes_[kStatusOffset]; }
    std::string_view slotText(int slot) const;
    char endMark() const { return bytes_[kEndMarkOffset]; }
    bool hasLineEnd() const { return bytes_[kLineEndOffset] == '\r' && bytes_[kLineEndOffset + 1] == '\n'; }

    // A number text shorter than five characters is right-aligned; a longer one is cut to five.
    void setNumberText(std::string_view text);
    // Left-aligned and blank-padded; cut at 25 characters.
    void setName(std::string_view text);
    void setStatus(char status) { bytes_[kStatusOffset] = status; }
    // Writes "%12.2f" of the value. False, with the slot unchanged, when the value is not finite or needs
    // more than twelve characters: the neighbouring slots must never be overwritten.
    bool setSlot(int slot, double value);

    // Decimal value of the number text, 0 when it holds none.
    int numberValue() const;
    // Decimal value of the slot text; a blank slot reads as 0.
    double slotValue(int slot) const;
    bool slotBlank(int slot) const;

    // Sound: end mark '*', CR LF, and neither number nor name all blanks. Blank slots do not count.
    bool isSound() const;

private:
    std::string_view field(std::size_t offset, std::size_t width) const { return {bytes_.data() + offset, width}; }
    std::array<char, kAccountRecordSize> bytes_;
};

// "%12.2f" of the value, never "-0.00": a slot or balance that sums to nothing reads 0.00. Values of twelve
// characters and more come back wider; the caller decides whether that fits.
std::string amountText12(double value);

// Plain decimal text (blanks, sign, digits, one '.', digits) as the files hold it; what follows is ignored
// and a text without digits reads 0. No exponents, no "inf" or "nan", independent of the locale.
double parseDecimalText(std::string_view text);

// Leading integer of a text the way the program reads account numbers: white space, sign, digits; 0
// without digits; limited to the int range.
int parseLeadingInt(std::string_view text);

// True when the text holds blanks only (an empty text too).
bool isAllBlanks(std::string_view text);

}  // namespace tellmark::ledger
