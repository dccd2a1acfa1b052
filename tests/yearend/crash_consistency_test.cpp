// The books under faults at every write point: each operation that changes the books is run once to count
// its writes, then again for every write point n, with the n-th change to a file failing (EIO), torn in two,
// or the process killed right there. After each trial the circle is opened afresh, and then:
//   - it opens and may be written (an unfinished operation was repaired on opening),
//   - no booking is in the journal twice, and a booking reported saved is there,
//   - a two-line booking is there whole or not at all, and so is each block of a batch (the blocks
//     reported committed are there),
//   - the balance file is exactly what a reorganisation builds from the journal,
//   - both indexes cover the journal, and no document number was handed out twice.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "circles/circle_fields.h"
#include "circles/document.h"
#include "entry/standard_bookings.h"
#include "ledger/standard_booking_file.h"
#include "ledger/journal_record.h"
#include "platform/fault_points.h"
#include "posting/account_maintenance.h"
#include "posting/books_operation.h"
#include "posting/journal_sort.h"
#include "posting/posting_batch.h"
#include "posting/posting_engine.h"
#include "posting/reindex.h"
#include "posting/reorganisation.h"
#include "resources/format.h"
#include "resources/texts_safety.h"
#include "support/temp_dir.h"
#include "ui/decisions.h"
#include "ui/messages.h"
#include "ui/progress.h"
#include "yearend/booking_import.h"

namespace tellmark::posting {
namespace {

namespace fs = std::filesystem;
using tellmark::testing::readFile;

// --- The fault hook -----------------------------------------------------------------------------------

enum class Fault { Count, Kill, FailOnce, FailFromThenOn, Tear };

Fault g_fault = Fault::Count;
int g_target = 0;
int g_seen = 0;

int faultHook(platform::Change change, const std::string&) {
    ++g_seen;
    switch (g_fault) {
    case Fault::Count: return platform::kProceed;
    case Fault::Kill:
        if (g_seen == g_target) _exit(77);
        return platform::kProceed;
    case Fault::FailOnce: return g_seen == g_target ? EIO : platform::kProceed;
    case Fault::FailFromThenOn: return g_seen >= g_target ? ENOSPC : platform::kProceed;
    case Fault::Tear:
        if (g_seen != g_target) return platform::kProceed;
        return change == platform::Change::Write ? platform::kTearWrite : EIO;
    }
    return platform::kProceed;
}

void arm(Fault fault, int target) {
    g_fault = fault;
    g_target = target;
    g_seen = 0;
    platform::setFaultHook(faultHook);
}
void disarm() { platform::setFaultHook(nullptr); }

// --- The circle -----------------------------------------------------------------------------------------

constexpr int kCircle = 1;
const char* const kJournal = "BK000001/B2009001.jou";
const char* const kBalance = "BK000001/B2009001.sal";
const char* const kSettings = "BK000001/STAMM001.DAT";
const char* const kImportFile = "import.txt";

ledger::BookingTexts line(const std::string& date, const std::string& doc, int debit, int credit,
                          const std::string& text, double amount, double rate) {
    auto number = [](int n) { return n <= 9999 ? format(" %04i", n) : format("%05i", n); };
    return {date, doc, number(debit), number(credit), text, format("%11.2f", amount), format("%5.2f", rate)};
}

std::string nextDocument(circles::CVt36Doc& doc) {
    return format("%06i", static_cast<int>(doc.documentNumbering().next()));
}

struct Session {
    ui::RecordingMessages messages;
    ui::NoProgress progress;
    circles::CVt36Doc doc{messages, progress};
    int opened = 0;
    Session() {
        if (doc.readProgramConfig() == 1) opened = doc.openCircle(kCircle);
    }
};

int createAccount(circles::CVt36Doc& doc, int number, const std::string& name, ui::Messages& messages) {
    Books books = doc.books();
    AccountFiles files{doc.reportCursor(), doc.accountIndex(), doc.balanceFile(), doc.settings().chart, messages,
                       &books};
    NewAccount account;
    account.number = number;
    account.name = name;
    return createAccount(files, account) == MaintenanceResult::Done ? 1 : 0;
}

// Builds the books every trial starts from, in the current directory.
void buildBooks() {
    ui::RecordingMessages messages;
    circles::CircleCreateFields fields;
    fields.name = "Muster GmbH";
    fields.year = "2009";
    fields.automaticNumbering = true;
    fields.nextDocumentNumber = "1";
    ASSERT_EQ(circles::createCircleSettings("", kCircle, fields, messages), 1);
    ui::NoProgress progress;
    circles::CVt36Doc doc(messages, progress);
    ASSERT_EQ(doc.readProgramConfig(), 1);
    ASSERT_EQ(doc.openCircle(kCircle, circles::MissingLedger::CreateNew), 1);
    for (auto [number, name] : std::vector<std::pair<int, const char*>>{{1000, "KASSE"},       {1200, "BANK"},
                                                                         {3425, "INNERG. ERWERB"}, {4930, "BUEROBEDARF"},
                                                                         {4980, "SONSTIGES"},     {8400, "ERLOESE"},
                                                                         {10001, "MUELLER GMBH"}})
        ASSERT_EQ(createAccount(doc, number, name, messages), 1);
    Books books = doc.books();
    const int accounts[][2] = {{1200, 8400}, {4930, 1200}, {10001, 8400}, {1000, 1200}, {1200, 10001}};
    for (int i = 0; i < 20; ++i) {
        const auto& pair = accounts[i % 5];
        const double rate = pair[0] == 1000 || pair[1] == 10001 ? 0.0 : (i % 2 ? 7.0 : 19.0);
        ASSERT_EQ(saveBooking(books, line(format("%02i.%02i", 1 + i % 28, 1 + i % 12), nextDocument(doc), pair[0],
                                          pair[1], format("Buchung %02i", i + 1), 10.0 + 3.37 * i, rate)),
                  1);
    }
    // What the import and the posting of the marked standard bookings put in.
    std::string imported;
    for (int i = 1; i <= 3; ++i)
        imported += format("%-5s%-6s%5s%5s%-25s%11s%5s\r\n", "21.04", "", " 1200", " 8400",
                           format("Import %i", i).c_str(), format("%.2f", 20.0 + i).c_str(), "19.00");
    tellmark::testing::writeFile(kImportFile, imported);
    std::string standard;
    for (int i = 1; i <= 3; ++i)
        standard += ledger::formatStandardBooking(ledger::makeStandardBooking(
            i != 2, "", " 4930", " 1200", format("Standard %i", i), format("%11.2f", 5.0 * i), " 7.00"));
    tellmark::testing::writeFile(doc.paths()[config::DocumentPaths::kSlotStandardBookings], standard);
}

// --- The operations ------------------------------------------------------------------------------------

struct Operation {
    const char* name;
    // Runs the operation on the open circle; what it reported (1 for success; a batch: its blocks committed).
    std::function<int(circles::CVt36Doc&, ui::Messages&)> run;
    // The booking texts a success puts in the journal (each line), and those it takes out.
    std::vector<std::string> adds;
    std::vector<std::string> removes;
    // A batch: the texts of each block, and the result of a run that committed them all.
    std::vector<std::vector<std::string>> blocks = {};
    int fullResult = 1;
};

// Five bookings in blocks of two, two and one; the blocks committed.
int postBatch(circles::CVt36Doc& doc) {
    PostingBatch batch(doc.books());
    int committed = 0;
    int n = 0;
    for (int block = 0; block < 3; ++block) {
        if (!batch.begin()) return committed;
        for (int k = 0; k < (block < 2 ? 2 : 1); ++k) {
            ++n;
            Books& books = batch.books();
            const std::string d = format("%06i", static_cast<int>(books.numbering->next()));
            if (saveBooking(books, line("18.04", d, 1200, 8400, format("Stapel %i", n), 100.0 + n, 19.0)) != 1)
                return committed;
        }
        if (batch.commit() != BatchCommit::Done) return committed;
        ++committed;
    }
    return committed;
}

std::vector<Operation> operations() {
    return {
        {"post",
         [](circles::CVt36Doc& doc, ui::Messages&) {
             Books books = doc.books();
             return saveBooking(books, line("15.03", nextDocument(doc), 1200, 8400, "Neu", 119.0, 19.0));
         },
         {"Neu"},
         {}},
        {"discount",
         [](circles::CVt36Doc& doc, ui::Messages&) {
             Books books = doc.books();
             const std::string d = nextDocument(doc);
             return saveBooking(books, line("16.03", d, 1200, 10001, "Skonto", 97.0, 0.0),
                                line("16.03", d, 8730, 10001, "Skonto", 3.0, 19.0), SecondLine::DiscountGranted) == 2
                        ? 1
                        : 0;
         },
         {"Skonto", "Skonto"},
         {}},
        {"eu",
         [](circles::CVt36Doc& doc, ui::Messages&) {
             Books books = doc.books();
             const std::string d = nextDocument(doc);
             return saveBooking(books, line("17.03", d, 3425, 1200, "EU", 100.0, 0.0),
                                line("17.03", d, 1579, 1779, "EU", 19.0, 19.0), SecondLine::Eu) == 2
                        ? 1
                        : 0;
         },
         {"EU", "EU"},
         {}},
        {"change",
         [](circles::CVt36Doc& doc, ui::Messages&) {
             Books books = doc.books();
             return changeBooking(books, 5, line("20.05", "000005", 4930, 1200, "Geaendert", 55.5, 7.0));
         },
         {"Geaendert"},
         {"Buchung 05"}},
        {"delete",
         [](circles::CVt36Doc& doc, ui::Messages&) {
             Books books = doc.books();
             return deleteBooking(books, 3);
         },
         {},
         {"Buchung 03"}},
        {"account create",
         [](circles::CVt36Doc& doc, ui::Messages& messages) { return createAccount(doc, 4711, "NEUES KONTO", messages); },
         {},
         {}},
        {"account delete",
         [](circles::CVt36Doc& doc, ui::Messages& messages) {
             Books books = doc.books();
             AccountFiles files{doc.reportCursor(), doc.accountIndex(), doc.balanceFile(), 3, messages, &books};
             return deleteAccount(files, 4980) == MaintenanceResult::Done ? 1 : 0;
         },
         {},
         {}},
        {"reorganisation",
         [](circles::CVt36Doc& doc, ui::Messages&) {
             ui::NoDecisions nobody;
             ui::NoProgress progress;
             return reorganise(doc.books(), nobody, progress).outcome == ReorgOutcome::Done ? 1 : 0;
         },
         {},
         {}},
        {"reindex",
         [](circles::CVt36Doc& doc, ui::Messages&) {
             Books books = doc.books();
             return reindexBooks(books);
         },
         {},
         {}},
        {"journal sort",
         [](circles::CVt36Doc& doc, ui::Messages&) {
             Books books = doc.books();
             return sortJournal(books, SortOrder::DaysAndMonths) == SortOutcome::Sorted ? 1 : 0;
         },
         {},
         {}},
        {"batch",
         [](circles::CVt36Doc& doc, ui::Messages&) { return postBatch(doc); },
         {},
         {},
         {{"Stapel 1", "Stapel 2"}, {"Stapel 3", "Stapel 4"}, {"Stapel 5"}},
         3},
        // A whole import is one block: after a crash it can be run again without posting a line twice.
        {"import",
         [](circles::CVt36Doc& doc, ui::Messages&) {
             ui::NoDecisions nobody;
             const yearend::ImportResult result =
                 yearend::importBookings(doc, kImportFile, nobody, yearend::FaultHandling::Ask);
             return result.end == yearend::ImportEnd::Done && result.posted == 3 ? 1 : 0;
         },
         {},
         {},
         {{"Import 1", "Import 2", "Import 3"}},
         1},
        {"standard bookings",
         [](circles::CVt36Doc& doc, ui::Messages&) {
             ui::NoDecisions nobody;
             const entry::StandardPostingResult result =
                 entry::postMarkedStandardBookings(doc, "22.04", nobody, entry::FaultyLines::Ask);
             return result.outcome == entry::StandardPostingResult::Outcome::Done && result.posted == 2 ? 1 : 0;
         },
         {},
         {},
         {{"Standard 1", "Standard 3"}},
         1},
    };
}

// --- The checks ------------------------------------------------------------------------------------------

std::vector<std::string> journalRecords() {
    const std::string bytes = readFile(kJournal);
    std::vector<std::string> records;
    for (std::size_t at = 0; at + 64 <= bytes.size(); at += 64) records.push_back(bytes.substr(at, 64));
    return records;
}

std::string textOf(const std::string& record) {
    std::string text = record.substr(21, 25);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

int countText(const std::vector<std::string>& records, const std::string& text) {
    int n = 0;
    for (const std::string& r : records) n += textOf(r) == text ? 1 : 0;
    return n;
}

struct Trial {
    std::string label;
    const Operation* op;
    int reported = 0;  // what the operation reported
    bool succeeded() const { return reported == op->fullResult; }
};

void checkBooks(const Trial& trial) {
    SCOPED_TRACE(trial.label);
    Session session;
    ASSERT_EQ(session.opened, 1);
    ASSERT_TRUE(session.doc.health().writable());
    ASSERT_FALSE(tellmark::testing::fileExists("BK000001/B2009001.lauf"));

    const std::vector<std::string> records = journalRecords();
    ASSERT_EQ(readFile(kJournal).size() % 64, 0u);
    std::set<std::string> distinct(records.begin(), records.end());
    EXPECT_EQ(distinct.size(), records.size()) << "a booking is in the journal twice";

    // What the operation adds is there whole or not at all, and there when it was reported saved.
    if (!trial.op->adds.empty()) {
        const int present = countText(records, trial.op->adds.front());
        const int whole = static_cast<int>(trial.op->adds.size());
        EXPECT_TRUE(present == 0 || present == whole) << present << " of " << whole << " lines";
        if (trial.succeeded()) {
            EXPECT_EQ(present, whole);
        }
    }
    for (const std::string& gone : trial.op->removes) {
        const int present = countText(records, gone);
        EXPECT_LE(present, 1);
        if (trial.succeeded()) {
            EXPECT_EQ(present, 0);
        }
    }
    // A batch: each block whole or not at all, the committed ones there, none after a missing one.
    bool blockMissing = false;
    for (std::size_t b = 0; b < trial.op->blocks.size(); ++b) {
        int present = 0;
        for (const std::string& text : trial.op->blocks[b]) present += countText(records, text);
        const int whole = static_cast<int>(trial.op->blocks[b].size());
        EXPECT_TRUE(present == 0 || present == whole) << "block " << b << ": " << present << " of " << whole;
        if (static_cast<int>(b) < trial.reported) {
            EXPECT_EQ(present, whole) << "committed block " << b;
        }
        if (blockMissing) {
            EXPECT_EQ(present, 0) << "block " << b << " after a missing one";
        }
        blockMissing = blockMissing || present == 0;
    }
    // Bookings that are not the operation's own are all still there.
    for (int i = 1; i <= 20; ++i) {
        const std::string text = format("Buchung %02i", i);
        bool touched = false;
        for (const std::string& gone : trial.op->removes) touched = touched || gone == text;
        if (!touched) {
            EXPECT_EQ(countText(records, text), 1) << text;
        }
    }

    // Document numbers: one booking each (the lines of a two-line booking share theirs), and the counter
    // beyond every one handed out.
    std::map<long, std::set<std::string>> numbers;
    long highest = 0;
    for (const std::string& r : records) {
        const long number = std::strtol(r.substr(5, 6).c_str(), nullptr, 10);
        numbers[number].insert(textOf(r));
        highest = std::max(highest, number);
    }
    for (const auto& [number, texts] : numbers) EXPECT_EQ(texts.size(), 1u) << "document number " << number;
    EXPECT_GT(session.doc.documentNumbering().next(), highest);

    // Both indexes cover their files.
    ledger::CJIndex& index = session.doc.journalIndex();
    for (std::size_t k = 0; k < records.size(); ++k) {
        const int month = std::atoi(records[k].substr(3, 2).c_str());
        const ledger::BookingRange range = index.rangeOfMonths(month, month);
        EXPECT_LE(range.first, static_cast<long>(k + 1));
        EXPECT_GE(range.last, static_cast<long>(k + 1));
    }
    EXPECT_EQ(session.doc.accountIndex().count(), session.doc.debitCursor().count());

    // The balances are what reposting the journal gives, to the byte.
    const std::string balances = readFile(kBalance);
    ui::NoDecisions nobody;
    ui::NoProgress progress;
    ASSERT_EQ(reorganise(session.doc.books(), nobody, progress).outcome, ReorgOutcome::Done);
    EXPECT_EQ(readFile(kBalance), balances) << "balances disagree with the journal";
}

// --- The runs --------------------------------------------------------------------------------------------

class CrashConsistency : public ::testing::Test {
protected:
    CrashConsistency() {
        tellmark::testing::ChangeDir cd(original.path());
        buildBooks();
    }
    ~CrashConsistency() override { disarm(); }

    // A fresh copy of the books as the current directory.
    void freshCopy() {
        fs::remove_all(trial.path());
        fs::create_directories(trial.path());
        fs::copy(original.path(), trial.path(), fs::copy_options::recursive);
    }

    int countWrites(const Operation& op) {
        freshCopy();
        tellmark::testing::ChangeDir cd(trial.path());
        Session session;
        EXPECT_EQ(session.opened, 1);
        arm(Fault::Count, 0);
        EXPECT_EQ(op.run(session.doc, session.messages), op.fullResult) << op.name;
        disarm();
        return g_seen;
    }

    void killedAt(const Operation& op, int n, bool tear) {
        freshCopy();
        tellmark::testing::ChangeDir cd(trial.path());
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(pipeEnds[0]);
            Session session;
            if (session.opened != 1) _exit(3);
            // A torn write, then the process dies at the next change.
            arm(tear ? Fault::Tear : Fault::Kill, n);
            const int result = op.run(session.doc, session.messages);
            disarm();
            const char reported = static_cast<char>('0' + result);
            if (write(pipeEnds[1], &reported, 1) != 1) _exit(4);
            _exit(0);
        }
        close(pipeEnds[1]);
        char reported = '?';
        const bool told = read(pipeEnds[0], &reported, 1) == 1;
        close(pipeEnds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        const int code = WEXITSTATUS(status);
        ASSERT_TRUE(code == 0 || code == 77) << "child ended with " << code;
        ++trialsRun;
        checkBooks({format("%s, %s at write %i", op.name, tear ? "torn" : "killed", n), &op, told ? reported - '0' : 0});
    }

    void failedAt(const Operation& op, int n, Fault fault) {
        freshCopy();
        tellmark::testing::ChangeDir cd(trial.path());
        int result = 0;
        {
            Session session;
            ASSERT_EQ(session.opened, 1);
            arm(fault, n);
            result = op.run(session.doc, session.messages);
            disarm();
            // A failure is never silent.
            if (result != op.fullResult) {
                EXPECT_FALSE(session.messages.entries.empty()) << op.name << " at write " << n;
            }
        }
        ++trialsRun;
        checkBooks({format("%s, %s at write %i", op.name, fault == Fault::FailOnce ? "EIO" : "ENOSPC from", n), &op,
                    result});
    }

    tellmark::testing::TempDir original;
    tellmark::testing::TempDir trial;
    int trialsRun = 0;
};

TEST_F(CrashConsistency, EveryOperationSurvivesAFaultAtEveryWritePoint) {
    int points = 0;
    for (const Operation& op : operations()) {
        const int writes = countWrites(op);
        ASSERT_GT(writes, 2) << op.name;
        points += writes;
        for (int n = 1; n <= writes; ++n) {
            killedAt(op, n, false);
            killedAt(op, n, true);
            failedAt(op, n, Fault::FailOnce);
            failedAt(op, n, Fault::FailFromThenOn);
            if (HasFatalFailure()) return;
        }
    }
    RecordProperty("write_points", points);
    RecordProperty("trials", trialsRun);
    std::printf("crash consistency: %i write points, %i trials\n", points, trialsRun);
}

}  // namespace
}  // namespace tellmark::posting
