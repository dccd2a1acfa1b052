#include "yearend/restore.h"

#include <array>
#include <vector>

#include "config/document_paths.h"
#include "config/file_names.h"
#include "config/ini_numbers.h"
#include "ledger/ledger_check.h"
#include "ledger/standard_booking_file.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "platform/file_stamp.h"
#include "resources/format.h"
#include "resources/texts_backup.h"
#include "resources/texts_circles.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"

namespace tellmark::yearend {

namespace {

enum class Kind { Settings, Balance, AccountIndex, Journal, JournalIndex, StandardBookings };

struct YearAndChart {
    int year = 0;
    int chart = 0;
};

// A value of a settings text found as the settings-file class finds it: the section, then CR LF, the key
// and '='. The backup may lie on a medium that cannot be opened for writing, so it is read as text.
std::string settingsValue(std::string_view text, std::string_view section, std::string_view key) {
    const auto at = text.find(section);
    if (at == std::string_view::npos) return {};
    const std::string needle = "\r\n" + std::string(key) + "=";
    const auto line = text.find(needle, at);
    if (line == std::string_view::npos) return {};
    const auto begin = line + needle.size();
    const auto end = text.find_first_of("\r\n", begin);
    return std::string(text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
}

bool readYearAndChart(std::string_view settingsText, YearAndChart& out) {
    if (settingsText.find(text::kCircleSection) == std::string_view::npos) return false;
    out.year = config::parseIniInt(settingsValue(settingsText, text::kCircleSection, text::kKeyYear));
    out.chart = config::parseIniInt(settingsValue(settingsText, text::kCircleSection, text::kKeyChart));
    return true;
}

bool recordsWhole(std::string_view bytes, std::size_t size, std::string_view end) {
    if (bytes.size() % size != 0) return false;
    for (std::size_t pos = 0; pos < bytes.size(); pos += size)
        if (bytes.substr(pos + size - end.size(), end.size()) != end) return false;
    return true;
}

// The backup's bytes of one file have the form its kind needs.
bool backupWhole(Kind kind, std::string_view bytes) {
    switch (kind) {
    case Kind::Settings: return bytes.find(text::kCircleSection) != std::string_view::npos;
    case Kind::Balance: return recordsWhole(bytes, 202, "*\r\n");
    case Kind::Journal: return recordsWhole(bytes, 64, "\r\n");
    case Kind::StandardBookings:
        return recordsWhole(bytes, ledger::kStandardBookingRecordSize, "\r\n") &&
               bytes.size() / ledger::kStandardBookingRecordSize <= static_cast<std::size_t>(ledger::kMaxStandardBookings);
    case Kind::AccountIndex:
    case Kind::JournalIndex: return true;  // caches: one that does not fit is built anew on opening
    }
    return false;
}

// Data files are held with writing denied to others; the settings file is opened only for moments.
bool heldKind(Kind kind) { return kind != Kind::Settings; }

struct RestoreFile {
    Kind kind;
    std::string backup;
    std::string target;
    std::string bytes;
    bool existed = false;
    bool kept = false;
    bool replaced = false;
    platform::File held;      // the file being replaced
    platform::File restored;  // the restored file, held until the end
};

// Holds an existing file with writing denied to others: 1 (also when there is none), else its probe code.
int hold(const std::string& path, platform::File& file) {
    if (platform::probeFile(path) == platform::kProbeMissing) return 1;
    if (file.open(path, platform::Share::DenyWrite)) return 1;
    const int probe = platform::probeFile(path);
    return probe == platform::kProbePresent ? platform::kProbeOther : probe;
}

class Restore {
public:
    Restore(const std::string& dataDirectory, int number, ui::Messages& messages, ui::Progress& progress)
        : data_(dataDirectory), number_(number), messages_(messages), progress_(progress) {}

    int run(const std::string& backupDirectory) {
        base_ = config::backupBaseDirectory(backupDirectory);
        const std::string& base = base_;
        if (base.empty()) return refuse(text::kMsgBackupPathEmpty);
        std::string settingsText;
        const std::string backupSettings = config::settingsFileName(base, number_);
        if (!platform::readWholeFile(backupSettings, settingsText))
            return refuse(format(text::kMsgRestoreNoBackup, base.c_str(), backupSettings.c_str()));
        YearAndChart yc;
        if (!readYearAndChart(settingsText, yc))
            return refuse(format(text::kMsgRestoreBackupDamaged, backupSettings.c_str()));
        describe(base, yc);
        if (!readBackup()) return 0;
        if (!lock(yc)) return 0;
        if (platform::createDirectory(config::circleDirectoryName(data_, number_), messages_) != 1) return 0;

        progress_.start(text::kProgressRestoreCaption, "", text::kProgressRestoreText, text::kProgressRestoreLabel,
                        static_cast<int>(files_.size()) + 1, ui::kBarEndless);
        const bool done = keepAll() && replaceAll() && checkAll() && setAsideOperationRecord(yc);
        progress_.end();
        if (!done) return rollBack();
        messages_.show(format(text::kMsgRestoreDone, number_, yc.year), text::kCaptionInformation, ui::kIconInformation);
        return 1;
    }

private:
    int refuse(std::string_view message) {
        messages_.show(message, text::kCaptionError, ui::kIconStop);
        return 0;
    }

    void describe(const std::string& base, const YearAndChart& yc) {
        const int n = number_;
        const auto add = [&](Kind kind, std::string (*name)(const std::string&, int, int, int)) {
            RestoreFile& f = files_.emplace_back();
            f.kind = kind;
            f.backup = name(base, yc.chart, yc.year, n);
            f.target = name(data_, yc.chart, yc.year, n);
        };
        RestoreFile& settings = files_.emplace_back();
        settings.kind = Kind::Settings;
        settings.backup = config::settingsFileName(base, n);
        settings.target = config::settingsFileName(data_, n);
        add(Kind::Balance, &config::balanceFileName);
        add(Kind::AccountIndex, &config::balanceIndexFileName);
        add(Kind::Journal, &config::journalFileName);
        add(Kind::JournalIndex, &config::journalIndexFileName);
        RestoreFile& standard = files_.emplace_back();
        standard.kind = Kind::StandardBookings;
        standard.backup = config::standardBookingsFileName(base, yc.chart, n);
        standard.target = config::standardBookingsFileName(data_, yc.chart, n);
    }

    // Every file of the backup, whole, before anything is changed.
    bool readBackup() {
        for (RestoreFile& f : files_) {
            if (platform::sameFile(f.backup, f.target)) return refuse(format(text::kMsgRestoreFromItself, f.backup.c_str()));
            if (!platform::readWholeFile(f.backup, f.bytes))
                return refuse(format(text::kMsgRestoreNoBackup, base_.c_str(), f.backup.c_str()));
            if (!backupWhole(f.kind, f.bytes)) return refuse(format(text::kMsgRestoreBackupDamaged, f.backup.c_str()));
        }
        return true;
    }

    // The files of the backup's year and of the year the circle has open now.
    bool lock(const YearAndChart& backupYear) {
        for (RestoreFile& f : files_) {
            if (!heldKind(f.kind)) continue;
            if (hold(f.target, f.held) != 1) return refuse(text::kMsgCircleLocked);
        }
        std::string current;
        YearAndChart now;
        if (platform::readWholeFile(config::settingsFileName(data_, number_), current) && readYearAndChart(current, now) &&
            (now.year != backupYear.year || now.chart != backupYear.chart)) {
            for (const std::string& path : {config::balanceFileName(data_, now.chart, now.year, number_),
                                            config::journalFileName(data_, now.chart, now.year, number_)}) {
                if (hold(path, currentYear_.emplace_back()) != 1) return refuse(text::kMsgCircleLocked);
            }
        }
        return true;
    }

    bool failAt(const std::string& path) {
        failedAt_ = path;
        return false;
    }

    static std::string keptName(const std::string& target) { return target + std::string(kRestoreKeptSuffix); }

    // What each replaced file held, beside it.
    bool keepAll() {
        for (RestoreFile& f : files_) {
            f.existed = platform::fileExists(f.target);
            if (!f.existed) continue;
            std::string old;
            bool read = false;
            if (f.held.isOpen()) {
                const std::int64_t length = f.held.length();
                if (length >= 0) {
                    old.assign(static_cast<std::size_t>(length), '\0');
                    read = f.held.readExact(0, old.data(), old.size());
                }
            } else {
                read = platform::readWholeFile(f.target, old);
            }
            if (!read || !platform::replaceWholeFile(keptName(f.target), old)) return failAt(keptName(f.target));
            f.kept = true;
        }
        return true;
    }

    bool replaceAll() {
        for (RestoreFile& f : files_) {
            // From here on the kept file is what the target must hold if the restore goes back, whether or
            // not this replacement gets as far as the rename.
            f.replaced = true;
            if (heldKind(f.kind)) {
                platform::File& out = f.restored;
                const std::string temporary = platform::replacementName(f.target);
                if (!out.createLocked(temporary)) return failAt(f.target);
                if (!out.writeAt(0, f.bytes.data(), f.bytes.size()) || !out.flush() || !out.renameTo(f.target)) {
                    if (out.path() == temporary) {
                        out.close();
                        platform::removeFile(temporary);
                    }
                    return failAt(f.target);
                }
            } else if (!platform::replaceWholeFile(f.target, f.bytes)) {
                return failAt(f.target);
            }
            progress_.step(1);
            progress_.poll();
        }
        return true;
    }

    // Read back from the disk: the backup's bytes, whole records with their end marks.
    bool checkAll() {
        for (RestoreFile& f : files_) {
            std::string now;
            if (f.restored.isOpen()) {
                now.assign(f.bytes.size(), '\0');
                if (f.restored.length() != static_cast<std::int64_t>(f.bytes.size()) ||
                    !f.restored.readExact(0, now.data(), now.size()))
                    return failAt(f.target);
            } else if (!platform::readWholeFile(f.target, now)) {
                return failAt(f.target);
            }
            if (now != f.bytes) return failAt(f.target);
            bool sound = true;
            if (f.kind == Kind::Journal) sound = ledger::checkJournalFile(f.restored).sound();
            if (f.kind == Kind::Balance) sound = ledger::checkBalanceFile(f.restored).sound();
            if (f.kind == Kind::StandardBookings) {
                std::vector<ledger::StandardBookingRecord> records;
                ui::SilentMessages quiet;
                sound = ledger::readStandardBookings(f.restored, records, quiet);
            }
            if (!sound) return failAt(f.target);
        }
        return true;
    }

    // A record of an operation left unfinished on the replaced books describes those, not the restored ones:
    // repairing the restored books by it would cut them to the old lengths.
    bool setAsideOperationRecord(const YearAndChart& yc) {
        const std::string record = config::operationRecordFileName(data_, yc.chart, yc.year, number_);
        if (!platform::fileExists(record)) return true;
        if (!platform::replaceFile(record, keptName(record))) return failAt(record);
        recordSetAside_ = record;
        return true;
    }

    int rollBack() {
        bool whole = true;
        if (!recordSetAside_.empty()) whole = platform::replaceFile(keptName(recordSetAside_), recordSetAside_);
        for (RestoreFile& f : files_) {
            if (!f.replaced) continue;
            f.restored.close();
            const bool back = f.existed ? f.kept && platform::replaceFile(keptName(f.target), f.target)
                                        : !platform::fileExists(f.target) ||
                                              (platform::removeFile(f.target) && platform::syncDirectoryOf(f.target));
            whole = whole && back;
        }
        messages_.show(format(whole ? text::kMsgRestoreFailed : text::kMsgRestoreRollbackFailed, failedAt_.c_str()),
                       text::kCaptionError, ui::kIconStop);
        return 0;
    }

    std::string data_;
    std::string base_;
    int number_;
    ui::Messages& messages_;
    ui::Progress& progress_;
    std::vector<RestoreFile> files_;
    std::vector<platform::File> currentYear_;
    std::string failedAt_;
    std::string recordSetAside_;
};

}  // namespace

int restoreCircle(const std::string& dataDirectory, int number, const std::string& backupDirectory,
                  ui::Messages& messages, ui::Progress& progress) {
    Restore restore(dataDirectory, number, messages, progress);
    return restore.run(backupDirectory);
}

}  // namespace tellmark::yearend
