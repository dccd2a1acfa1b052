#include "realistic_books.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <unistd.h>

#include "circles/circle_fields.h"
#include "circles/document.h"
#include "ledger/account_record.h"
#include "platform/file.h"
#include "posting/reorganisation.h"
#include "realistic_journal.h"
#include "resources/format.h"
#include "ui/decisions.h"

namespace tellmark::bench {

namespace {

void require(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error("realistic books: " + what);
}

}  // namespace

RealisticBooks& RealisticBooks::use(long bookings) {
    static std::map<long, std::unique_ptr<RealisticBooks>> built;
    auto& books = built[bookings];
    if (!books) books.reset(new RealisticBooks(bookings));
    std::filesystem::current_path(books->dir_);
    return *books;
}

RealisticBooks::RealisticBooks(long bookings) : bookings_(bookings) {
    std::string templ = (std::filesystem::temp_directory_path() / "tellmark-realistic-XXXXXX").string();
    require(::mkdtemp(templ.data()) != nullptr, "no temporary directory");
    dir_ = templ;
    std::filesystem::current_path(dir_);

    const RealisticJournal journal = realisticJournal(bookings);
    circles::CircleCreateFields fields;
    fields.name = "Realistische Bücher GmbH";
    fields.year = "2009";
    fields.chart = "03";
    fields.vat = true;
    fields.cashBasis = false;
    fields.automaticNumbering = true;
    fields.nextDocumentNumber = format("%06li", journal.nextDocumentNumber);
    require(circles::createCircleSettings("", 1, fields, messages) == 1, "circle not created");
    {
        // The program creates the empty ledger files with the two standard VAT accounts.
        circles::CVt36Doc doc(messages, progress);
        doc.readProgramConfig();
        require(doc.openCircle(1, circles::MissingLedger::CreateNew) == 1, "ledger files not created");
    }

    std::string balances;
    require(platform::readWholeFile(balancePath(), balances), "balance file not read");
    for (const RealisticAccount& account : realisticChart()) {
        ledger::AccountRecord record;
        require(ledger::AccountRecord::makeNew(format("%5i", account.number), account.name, 0.0, record),
                "account record");
        balances.append(record.data(), ledger::kAccountRecordSize);
    }
    accounts_ = static_cast<long>(balances.size() / ledger::kAccountRecordSize);
    require(platform::writeWholeFile(balancePath(), balances), "balance file not written");
    require(platform::writeWholeFile(journalPath(), journal.records), "journal not written");
    std::filesystem::remove(journalIndexPath());
    std::filesystem::remove(accountIndexPath());

    // One reorganisation posts every booking: the balances are then what the journal gives.
    circles::CVt36Doc doc(messages, progress);
    doc.readProgramConfig();
    require(doc.openCircle(1) == 1, "circle not opened");
    ui::NoDecisions nobody;
    const posting::ReorganisationResult result = posting::reorganise(doc.books(), nobody, progress);
    require(result.outcome == posting::ReorgOutcome::Done && result.pending.empty() && result.bookingsDropped == 0 &&
                result.bookingCount == bookings,
            "reorganisation did not post every booking");
}

RealisticBooks::~RealisticBooks() {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(dir_, ignored);
}

}  // namespace tellmark::bench
