#include "posting/journal_sort.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "config/dates.h"
#include "ledger/journal_record.h"
#include "platform/file.h"
#include "posting/books_operation.h"
#include "resources/texts_common.h"
#include "resources/texts_ledger_journal.h"
#include "resources/texts_posting.h"
#include "resources/texts_safety.h"
#include "ui/progress.h"

namespace tellmark::posting {

namespace {

constexpr long kReadBlock = 1 << 14;
constexpr int kProgressSteps = 14;

// Position of a calendar month (1-13) in the business year: from the first month to December, the
// closing month, then January to the month before the first.
int monthPosition(int month, int firstMonth, bool span) {
    if (!span || firstMonth <= 1) return month;
    if (month == 13) return 13 - firstMonth + 1;
    if (month >= firstMonth) return month - firstMonth + 1;
    return 13 - firstMonth + 1 + month;
}

bool readAll(ledger::Journal& journal, std::string& records) {
    const long count = journal.count();
    records.resize(static_cast<std::size_t>(count) * ledger::kJournalRecordSize);
    for (long at = 0; at < count;) {
        const long want = std::min(kReadBlock, count - at);
        const long got =
            journal.readRecords(at, want, records.data() + static_cast<std::size_t>(at) * ledger::kJournalRecordSize);
        if (got != want) return false;
        at += got;
    }
    return true;
}

}  // namespace

std::string journalSortFileName(const std::string& journalPath, const char* extension) {
    if (journalPath.size() < 3) return journalPath + extension;
    return journalPath.substr(0, journalPath.size() - 3) + extension;
}

SortOutcome sortJournal(Books& books, SortOrder order) {
    ledger::Journal& journal = books.journal;
    if (!booksMayChange(books)) return SortOutcome::Failed;
    std::string records;
    if (!readAll(journal, records)) {
        books.messages.show(text::kSortReadFailed, text::kCaptionError, ui::kIconStop);
        return SortOutcome::Failed;
    }
    const long count = journal.count();
    if (count == 0) {
        books.messages.show(text::kJournalCacheEmpty, text::kCaptionInformation, ui::kIconInformation);
        return SortOutcome::Sorted;
    }

    books.progress.start(text::kSortProgressCaption, "", text::kSortProgressLine, text::kSortProgressLabel,
                         kProgressSteps, ui::kBarStayFull);
    // The sort key of every booking; one that has none stops the sort before anything is written.
    const bool span = books.settings.spanYear != 0;
    const int firstMonth = books.settings.firstMonth;
    std::vector<std::int32_t> keys(static_cast<std::size_t>(count));
    bool usable = true;
    for (long i = 0; i < count && usable; ++i) {
        int day = 0, month = 0;
        const char* record = records.data() + static_cast<std::size_t>(i) * ledger::kJournalRecordSize;
        if (config::parseStoredDayMonth(std::string_view(record + ledger::kDateOffset, ledger::kDateWidth), day,
                                        month) != 0 ||
            month < 1 || month > 13 || (order == SortOrder::DaysAndMonths && (day < 1 || day > 31))) {
            usable = false;
            break;
        }
        const int position = monthPosition(month, firstMonth, span);
        keys[static_cast<std::size_t>(i)] = order == SortOrder::Months ? position : position * 32 + day;
    }
    books.progress.step(1);
    if (!usable) {
        books.progress.end();
        books.messages.show(text::kSortRefused, text::kSortRefusedCaption, ui::kIconStop);
        return SortOutcome::UnusableDates;
    }
    std::vector<long> sequence(static_cast<std::size_t>(count));
    std::iota(sequence.begin(), sequence.end(), 0L);
    std::stable_sort(sequence.begin(), sequence.end(), [&keys](long a, long b) {
        return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
    });
    std::string sorted;
    sorted.reserve(records.size());
    for (long i : sequence)
        sorted.append(records, static_cast<std::size_t>(i) * ledger::kJournalRecordSize, ledger::kJournalRecordSize);
    books.progress.step(6);

    BooksOperation op(books, text::kOpJournalSort);
    if (!op.started()) {
        books.progress.end();
        return SortOutcome::Failed;
    }
    const std::string& path = journal.path();
    // The backup is whole and on the disk before the journal changes.
    if (!platform::replaceWholeFile(journalSortFileName(path, "bak"), records)) {
        books.progress.end();
        books.messages.show(text::kSortBackupFailed, text::kCaptionError, ui::kIconStop);
        op.finish();
        return SortOutcome::Failed;
    }
    books.progress.step(3);
    const bool replaced = journal.replaceContent(journalSortFileName(path, "neu"), sorted);
    books.progress.step(3);
    if (!replaced) {
        books.progress.end();
        books.messages.show(text::kSortNewJournalFailed, text::kCaptionError, ui::kIconStop);
        // The journal may already be the sorted one (a rename whose directory could not be synced): the
        // repair takes whichever it is.
        op.journalChanged();
        op.fail();
        return SortOutcome::Failed;
    }
    op.journalChanged();
    const bool indexed = books.journalIndex.rebuild() == 1;
    books.progress.step(1);
    books.progress.end();
    if (!indexed) {
        op.fail();
        return SortOutcome::Failed;
    }
    return op.finish() ? SortOutcome::Sorted : SortOutcome::Failed;
}

}  // namespace tellmark::posting
