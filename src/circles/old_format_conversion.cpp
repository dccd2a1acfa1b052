#include "circles/old_format_conversion.h"

#include <algorithm>

#include "ledger/account_record.h"
#include "ledger/standard_booking_file.h"
#include "platform/codepage.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_conversion.h"

namespace tellmark::circles {

namespace {

using P = config::DocumentPaths;

constexpr std::size_t kLongRecord = ledger::kAccountRecordSize;
constexpr std::size_t kShortRecord = kOldShortBalanceRecordSize;
constexpr std::size_t kLineRecord = 64;  // journal and standard bookings
constexpr std::string_view kEmptyThirteenthMonth = "        0.00*\r\n";

bool blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

bool endsWith(std::string_view record, std::string_view end) {
    return record.size() >= end.size() && record.substr(record.size() - end.size()) == end;
}

// Whole records, each with its end marks.
bool wholeRecords(std::string_view bytes, std::size_t size, std::string_view end) {
    if (bytes.size() % size != 0) return false;
    for (std::size_t pos = 0; pos < bytes.size(); pos += size)
        if (!endsWith(bytes.substr(pos, size), end)) return false;
    return true;
}

int progressTotal(std::size_t length, std::size_t divisor) { return static_cast<int>(length / divisor) + 1; }

void showError(ui::Messages& messages, std::string_view text) {
    messages.show(text, text::kCaptionError, ui::kIconStop);
}

void showDamaged(ui::Messages& messages, const std::string& path) {
    showError(messages, format(text::kMsgConvertOldFileDamaged, path.c_str()));
}

// What one conversion run has read and will write.
struct OldFiles {
    bool balanceWanted = false, journalWanted = false, standardWanted = false;
    std::string balance, journal, standard;
    OldBalanceForm form = OldBalanceForm::Unknown;
};

bool readOld(const std::string& path, std::string& out, std::string_view unopenable, ui::Messages& messages) {
    if (platform::readWholeFile(path, out)) return true;
    showError(messages, unopenable);
    return false;
}

// Reads and checks every old file that is to be converted; nothing is written unless all are whole.
bool readOldFiles(const config::DocumentPaths& paths, OldFiles& old, ui::Messages& messages) {
    old.balanceWanted = !platform::fileExists(paths[P::kSlotBalance]);
    old.journalWanted = !platform::fileExists(paths[P::kSlotJournal]);
    old.standardWanted = !platform::fileExists(paths[P::kSlotStandardBookings]) &&
                         platform::fileExists(paths[P::kSlotOldStandardBookings]);
    if (old.balanceWanted) {
        if (!readOld(paths[P::kSlotOldBalance], old.balance, text::kMsgConvertOldBalanceUnopenable, messages))
            return false;
        old.form = detectOldBalanceForm(std::string_view(old.balance).substr(0, kLongRecord));
        const bool whole =
            old.form == OldBalanceForm::Short   ? wholeRecords(old.balance, kShortRecord, "*\r\n")
            : old.form == OldBalanceForm::Long ? wholeRecords(old.balance, kLongRecord, "*\r\n")
                                                : false;
        if (!whole) {
            showDamaged(messages, paths[P::kSlotOldBalance]);
            return false;
        }
    }
    if (old.journalWanted) {
        if (!readOld(paths[P::kSlotOldJournal], old.journal, text::kMsgConvertOldJournalUnopenable, messages))
            return false;
        if (!wholeRecords(old.journal, kLineRecord, "\r\n")) {
            showDamaged(messages, paths[P::kSlotOldJournal]);
            return false;
        }
    }
    if (old.standardWanted) {
        if (!readOld(paths[P::kSlotOldStandardBookings], old.standard, text::kMsgConvertOldStandardUnopenable,
                     messages))
            return false;
        if (!wholeRecords(old.standard, kLineRecord, "\r\n") ||
            old.standard.size() / kLineRecord > static_cast<std::size_t>(ledger::kMaxStandardBookings)) {
            showDamaged(messages, paths[P::kSlotOldStandardBookings]);
            return false;
        }
    }
    return true;
}

// Writes the new file beside its name and renames it into place.
bool writeNew(const std::string& path, const std::string& bytes, std::string_view failure, ui::Messages& messages) {
    if (platform::replaceWholeFile(path, bytes)) return true;
    showError(messages, failure);
    return false;
}

void removeOldIndexes(const config::DocumentPaths& paths, ui::Messages& messages) {
    for (std::size_t slot : {P::kSlotOldJournalIndex, P::kSlotOldBalanceIndex}) {
        const std::string& path = paths[slot];
        if (!platform::fileExists(path)) continue;
        if (!platform::removeFile(path) || !platform::syncDirectoryOf(path))
            messages.show(text::kMsgConvertOldIndexNotDeleted, text::kCaptionInformation, ui::kIconInformation);
    }
}

}  // namespace

OldBalanceForm detectOldBalanceForm(std::string_view firstBytes) {
    const std::string_view head = firstBytes.substr(0, kLongRecord);
    if (head.empty()) return OldBalanceForm::Unknown;
    for (std::size_t i = 0; i < std::min<std::size_t>(5, head.size()); ++i) {
        const char c = head[i];
        if (c != ' ' && (c < '0' || c > '9')) return OldBalanceForm::Unknown;
    }
    const std::size_t j = head.find_first_of(std::string_view("\r\0", 2));
    return j != std::string_view::npos && j >= 187 && j <= 199 ? OldBalanceForm::Short : OldBalanceForm::Long;
}

bool convertOldBalanceFile(std::string_view old, OldBalanceForm form, std::string& out, ui::Progress& progress) {
    out.clear();
    const std::size_t size = form == OldBalanceForm::Short ? kShortRecord : kLongRecord;
    if (form == OldBalanceForm::Unknown || !wholeRecords(old, size, "*\r\n")) return false;
    out.reserve(old.size() / size * kLongRecord);
    progress.start(text::kProgressConvertBalanceCaption, "", text::kProgressConvertBalanceText,
                   text::kProgressConvertLabel, progressTotal(old.size(), size), ui::kBarEndless);
    for (std::size_t pos = 0; pos < old.size(); pos += size) {
        const std::string record = platform::cp850ToCp1252(old.substr(pos, size));
        if (!blank(std::string_view(record).substr(0, ledger::kAccountNumberWidth))) {
            if (form == OldBalanceForm::Short)
                out.append(record, 0, record.rfind('*')).append(kEmptyThirteenthMonth);
            else
                out.append(record);
        }
        progress.step(1);
        progress.poll();
    }
    progress.end();
    return true;
}

bool convertOldJournal(std::string_view old, std::string& out, ui::Progress& progress) {
    out.clear();
    if (!wholeRecords(old, kLineRecord, "\r\n")) return false;
    out.reserve(old.size());
    progress.start(text::kProgressConvertJournalCaption, "", text::kProgressConvertJournalText,
                   text::kProgressConvertLabel, progressTotal(old.size(), 10 * kLineRecord), ui::kBarEndless);
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < old.size(); pos += kLineRecord) {
        const std::string record = platform::cp850ToCp1252(old.substr(pos, kLineRecord));
        if (!blank(std::string_view(record).substr(0, 5))) out.append(record);
        if (++count % 10 == 0) {
            progress.step(1);
            progress.poll();
        }
    }
    progress.end();
    return true;
}

bool convertOldStandardBookings(std::string_view old, std::string& out, ui::Progress& progress) {
    out.clear();
    if (!wholeRecords(old, kLineRecord, "\r\n")) return false;
    out.reserve(old.size());
    progress.start(text::kProgressConvertStandardCaption, "", text::kProgressConvertStandardText,
                   text::kProgressConvertLabel, progressTotal(old.size(), 10 * kLineRecord), ui::kBarEndless);
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < old.size(); pos += kLineRecord) {
        std::string record = platform::cp850ToCp1252(old.substr(pos, kLineRecord));
        record[0] = record[0] == ' ' ? 'X' : ' ';
        out.append(record);
        if (++count % 10 == 0) {
            progress.step(1);
            progress.poll();
        }
    }
    progress.end();
    return true;
}

bool oldDataToConvert(const config::DocumentPaths& paths) {
    const bool newMissing = platform::probeFile(paths[P::kSlotBalance]) == platform::kProbeMissing ||
                            platform::probeFile(paths[P::kSlotJournal]) == platform::kProbeMissing;
    return newMissing && !paths[P::kSlotOldBalance].empty() &&
           platform::probeFile(paths[P::kSlotOldBalance]) == platform::kProbePresent &&
           platform::probeFile(paths[P::kSlotOldJournal]) == platform::kProbePresent;
}

int convertOldData(const config::DocumentPaths& paths, ui::Messages& messages, ui::Progress& progress) {
    OldFiles old;
    if (!readOldFiles(paths, old, messages)) return 0;

    std::string converted;
    if (old.balanceWanted) {
        convertOldBalanceFile(old.balance, old.form, converted, progress);
        if (!writeNew(paths[P::kSlotBalance], converted, text::kMsgConvertNoNewBalance, messages)) return 0;
    }
    if (old.journalWanted) {
        convertOldJournal(old.journal, converted, progress);
        if (!writeNew(paths[P::kSlotJournal], converted, text::kMsgConvertNoNewJournal, messages)) return 0;
    }
    removeOldIndexes(paths, messages);
    if (old.standardWanted) {
        convertOldStandardBookings(old.standard, converted, progress);
        if (!writeNew(paths[P::kSlotStandardBookings], converted, text::kMsgConvertNoNewStandard, messages)) return 0;
    }
    return 1;
}

}  // namespace tellmark::circles
