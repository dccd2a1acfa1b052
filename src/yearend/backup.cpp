#include "yearend/backup.h"

#include <algorithm>
#include <new>
#include <vector>

#include "config/document_paths.h"
#include "config/file_names.h"
#include "config/program_config.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_backup.h"
#include "resources/texts_common.h"

namespace tellmark::yearend {

namespace {

using B = config::BackupPaths;
using P = config::DocumentPaths;

enum class Source { Journal, Balance, JournalIndex, AccountIndex, StandardBookings, Settings, ProgramConfig };

// One file of the backup, in the order of copying.
struct CopyJob {
    Source source;
    std::size_t target;  // slot of the backup names
    std::size_t row;     // row of the overview
    std::size_t block;
    std::string_view caption, text, label;
    std::string_view count;   // bar label after each block; empty: the label stays
    std::size_t recordSize;   // for the count
    std::string_view notCreated;
    std::string_view unreadable;  // empty: the source is held open by the document
};

constexpr CopyJob kJobs[] = {
    {Source::Journal, B::kJournal, 0, kBackupJournalBlock, text::kBackupJournalCaption, text::kBackupJournalText,
     text::kBackupJournalLabel, text::kBackupJournalCount, 64, text::kMsgBackupJournalNotCreated, {}},
    {Source::Balance, B::kBalance, 2, kBackupBalanceBlock, text::kBackupBalanceCaption, text::kBackupBalanceText,
     text::kBackupBalanceLabel, text::kBackupBalanceCount, 202, text::kMsgBackupBalanceNotCreated, {}},
    {Source::JournalIndex, B::kJournalIndex, 1, kBackupSmallBlock, text::kBackupJournalIndexCaption,
     text::kBackupIndexText, text::kBackupJournalIndexLabel, {}, 1, text::kMsgBackupJournalIndexNotCreated, {}},
    {Source::AccountIndex, B::kBalanceIndex, 3, kBackupSmallBlock, text::kBackupAccountIndexCaption,
     text::kBackupIndexText, text::kBackupAccountIndexLabel, {}, 1, text::kMsgBackupAccountIndexNotCreated, {}},
    {Source::StandardBookings, B::kStandardBookings, 4, kBackupSmallBlock, text::kBackupStandardCaption,
     text::kBackupStandardText, text::kBackupStandardLabel, {}, 1, text::kMsgBackupStandardNotCreated, {}},
    {Source::Settings, B::kSettings, 5, kBackupSmallBlock, text::kBackupSettingsCaption, text::kBackupSettingsText,
     text::kBackupSettingsLabel, {}, 1, text::kMsgBackupSettingsNotCreated, text::kMsgBackupSettingsUnreadable},
    {Source::ProgramConfig, B::kConfig, 6, kBackupSmallBlock, text::kBackupConfigCaption, text::kBackupConfigText,
     text::kBackupConfigLabel, {}, 1, text::kMsgBackupConfigNotCreated, text::kMsgBackupConfigUnreadable},
};

std::string sourcePath(circles::CVt36Doc& doc, Source source) {
    const P& paths = doc.paths();
    switch (source) {
    case Source::Journal: return paths[P::kSlotJournal];
    case Source::Balance: return paths[P::kSlotBalance];
    case Source::JournalIndex: return paths[P::kSlotJournalIndex];
    case Source::AccountIndex: return paths[P::kSlotBalanceIndex];
    case Source::StandardBookings: return paths[P::kSlotStandardBookings];
    case Source::Settings: return paths[P::kSlotSettings];
    case Source::ProgramConfig: return std::string(config::kProgramConfigFileName);
    }
    return {};
}

// The file the copy reads: the document's open one, or one opened here for reading.
platform::File* openSource(circles::CVt36Doc& doc, Source source, platform::File& own) {
    platform::File* held = nullptr;
    switch (source) {
    case Source::Journal: held = &doc.journal().file(); break;
    case Source::Balance: held = &doc.balanceFile(); break;
    case Source::JournalIndex: held = &doc.journalIndex().file(); break;
    case Source::AccountIndex: held = &doc.accountIndex().file(); break;
    case Source::StandardBookings: held = &doc.standardBookingsFile(); break;
    case Source::Settings:
    case Source::ProgramConfig: break;
    }
    if (held && held->isOpen()) return held;
    return own.openForReading(sourcePath(doc, source)) ? &own : nullptr;
}

// Both files hold `length` bytes and the same ones; the buffer's two halves take a part of each.
bool sameContent(platform::File& source, platform::File& copy, std::int64_t length, std::vector<char>& buffer) {
    if (source.length() != length || copy.length() != length) return false;
    const std::size_t half = buffer.size() / 2;
    char* a = buffer.data();
    char* b = buffer.data() + half;
    for (std::int64_t pos = 0; pos < length;) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(half), length - pos));
        if (!source.readExact(pos, a, n) || !copy.readExact(pos, b, n)) return false;
        if (!std::equal(a, a + n, b)) return false;
        pos += static_cast<std::int64_t>(n);
    }
    return true;
}

struct MadeCopy {
    std::string temporary;
    const CopyJob* job;
};

class BackupRun {
public:
    BackupRun(circles::CVt36Doc& doc, const B& names, BackupOverview& overview)
        : doc_(doc), names_(names), overview_(overview) {}

    int run() {
        try {
            buffer_.assign(kBackupBufferSize, '\0');
        } catch (const std::bad_alloc&) {
            doc_.messages().show(text::kMsgBackupNoMemory, text::kCaptionInformation, ui::kIconInformation);
            return kBackupStopped;
        }
        for (const CopyJob& job : kJobs)
            if (!copy(job)) return stop();
        return putInPlace();
    }

private:
    void error(std::string_view message) { doc_.messages().show(message, text::kCaptionError, ui::kIconStop); }

    // False when the backup must stop; a copy that cannot be made is reported and left out.
    bool copy(const CopyJob& job) {
        platform::File own;
        platform::File* source = openSource(doc_, job.source, own);
        if (!source) {
            if (job.unreadable.empty())
                error(format(text::kMsgBackupSourceUnreadable, sourcePath(doc_, job.source).c_str()));
            else
                error(job.unreadable);
            return true;
        }
        const std::string temporary = platform::replacementName(names_[job.target]);
        platform::File out;
        if (!out.create(temporary)) {
            error(job.notCreated);
            return true;
        }
        current_ = temporary;
        ui::Progress& progress = doc_.progress();
        const std::int64_t length = source->length();
        progress.start(job.caption, "", job.text, job.label,
                       static_cast<int>(std::max<std::int64_t>(length, 0) / static_cast<std::int64_t>(job.block)) + 1,
                       ui::kBarEndless);
        std::int64_t pos = 0;
        for (;;) {
            const std::int64_t n = source->readAt(pos, buffer_.data(), job.block);
            if (n < 0) return fail(format(text::kMsgBackupSourceUnreadable, source->path().c_str()));
            if (n > 0 && !out.writeAt(pos, buffer_.data(), static_cast<std::size_t>(n))) return fail(text::kMsgBackupDiskFull);
            pos += n;
            progress.step(1);
            if (!job.count.empty())
                progress.setBarLabel(format(job.count, static_cast<double>(pos / static_cast<std::int64_t>(job.recordSize))));
            progress.poll();
            if (static_cast<std::size_t>(n) < job.block) break;
        }
        if (!out.flush()) return fail(text::kMsgBackupDiskFull);
        if (!sameContent(*source, out, pos, buffer_)) return fail(format(text::kMsgBackupCopyDiffers, names_[job.target].c_str()));
        progress.end();
        out.close();
        current_.clear();
        made_.push_back({temporary, &job});
        return true;
    }

    bool fail(std::string_view message) {
        doc_.progress().end();
        error(message);
        return false;
    }

    // Nothing half-made stays behind: the previous backup is as it was.
    int stop() {
        if (!current_.empty()) platform::removeFile(current_);
        for (const MadeCopy& m : made_) platform::removeFile(m.temporary);
        return kBackupStopped;
    }

    int putInPlace() {
        bool complete = made_.size() == std::size(kJobs);
        for (const MadeCopy& m : made_) {
            const std::string& target = names_[m.job->target];
            BackupRow& row = overview_[m.job->row];
            if (!platform::replaceFile(m.temporary, target) || !platform::fileStamp(target, row.stamp)) {
                platform::removeFile(m.temporary);
                error(m.job->notCreated);
                complete = false;
                continue;
            }
            row.made = true;
            row.target = target;
        }
        return complete ? kBackupComplete : kBackupIncomplete;
    }

    circles::CVt36Doc& doc_;
    const B& names_;
    BackupOverview& overview_;
    std::vector<char> buffer_;
    std::vector<MadeCopy> made_;
    std::string current_;
};

}  // namespace

std::string backupRowName(const BackupRow& row) { return format(text::kBackupOverviewRowName, row.target.c_str()); }

std::string backupRowSize(const BackupRow& row) {
    return format(text::kBackupOverviewRowSize, static_cast<double>(row.stamp.size));
}

std::string backupRowTime(const BackupRow& row) {
    const platform::FileStamp& s = row.stamp;
    return format(text::kBackupOverviewRowTime, s.day, s.month, s.year, s.hour, s.minute);
}

int backupCircle(circles::CVt36Doc& doc, const std::string& directory, BackupOverview& overview) {
    overview = BackupOverview{};
    ui::Messages& messages = doc.messages();
    // The answer is kept for the next backup, whatever becomes of this one.
    config::CIniSB& ini = doc.programConfigFile();
    ini.config().backupDirectory = directory;
    ini.writeAllSettings();

    const std::string base = config::backupBaseDirectory(directory);
    if (base.empty()) {
        messages.show(text::kMsgBackupPathEmpty, text::kCaptionError, ui::kIconStop);
        return kBackupStopped;
    }
    if (platform::createDirectory(base, messages) != 1 ||
        platform::createDirectory(config::circleDirectoryName(base, doc.number()), messages) != 1) {
        messages.show(text::kMsgBackupWriteProtected, text::kCaptionError, ui::kIconStop);
        return kBackupStopped;
    }
    B names;
    if (config::buildBackupPaths(names, directory, doc.dataDirectory(), doc.number(), messages) != 1) {
        messages.show(text::kMsgBackupPathEmpty, text::kCaptionError, ui::kIconStop);
        return kBackupStopped;
    }
    for (const CopyJob& job : kJobs) {
        if (platform::sameFile(names[job.target], sourcePath(doc, job.source))) {
            messages.show(format(text::kMsgBackupIntoSource, names[job.target].c_str()), text::kCaptionError,
                          ui::kIconStop);
            return kBackupStopped;
        }
    }
    BackupRun run(doc, names, overview);
    return run.run();
}

}  // namespace tellmark::yearend
