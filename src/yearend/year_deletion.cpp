#include "yearend/year_deletion.h"

#include "config/file_names.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_year_change.h"
#include "yearend/year_files.h"

namespace tellmark::yearend {

namespace {

// False after the message when the file is there and stays.
bool deleteOne(DeletedFile& file, ui::Messages& messages) {
    const int probe = platform::probeFile(file.path);
    if (probe == platform::kProbeMissing) return true;
    file.deleted = probe != platform::kProbeLocked && platform::removeFile(file.path) &&
                   platform::syncDirectoryOf(file.path);
    if (!file.deleted && platform::fileExists(file.path)) {
        messages.show(format(text::kMsgFileNotDeleted, file.path.c_str()), text::kCaptionError, ui::kIconStop);
        return false;
    }
    file.deleted = true;  // gone, though its directory could not be synced
    return true;
}

}  // namespace

YearDeletionEnd deleteBookingYear(circles::CVt36Doc& doc, int year, bool balances, bool journal,
                                  YearDeletionStatus& status) {
    ui::Messages& messages = doc.messages();
    const config::CircleSettings& s = doc.settings();
    const YearFiles files = yearFiles(doc.dataDirectory(), s.chart, year, doc.number());
    status = YearDeletionStatus{};
    status.files[YearDeletionStatus::kBalance].path = files.balance;
    status.files[YearDeletionStatus::kBalanceIndex].path = files.balanceIndex;
    status.files[YearDeletionStatus::kJournal].path = files.journal;
    status.files[YearDeletionStatus::kJournalIndex].path = files.journalIndex;
    if (year == s.year) {
        messages.show(text::kMsgOpenYearNotDeletable, text::kCaptionError, ui::kIconStop);
        return YearDeletionEnd::Refused;
    }
    if (!balances && !journal) return YearDeletionEnd::Refused;

    bool all = true;
    if (balances) {
        all = deleteOne(status.files[YearDeletionStatus::kBalanceIndex], messages) && all;
        all = deleteOne(status.files[YearDeletionStatus::kBalance], messages) && all;
    }
    if (journal) {
        all = deleteOne(status.files[YearDeletionStatus::kJournalIndex], messages) && all;
        all = deleteOne(status.files[YearDeletionStatus::kJournal], messages) && all;
        // A record of an unfinished change describes a journal that is gone: a year made anew must not
        // be repaired by it.
        const std::string record = config::operationRecordFileName(doc.dataDirectory(), s.chart, year, doc.number());
        if (status.files[YearDeletionStatus::kJournal].deleted && platform::fileExists(record))
            platform::removeFile(record);
    }
    return all ? YearDeletionEnd::Done : YearDeletionEnd::Incomplete;
}

}  // namespace tellmark::yearend
