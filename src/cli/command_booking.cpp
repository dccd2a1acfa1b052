// post, change, delete and journal: bookings of a booking circle.

#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/journal_listing.h"
#include "cli/open_circle.h"
#include "entry/booking_columns.h"
#include "entry/typed_booking.h"
#include "cli/line_input.h"
#include "posting/posting_batch.h"
#include "ledger/journal_record.h"
#include "posting/reindex.h"
#include "posting/posting_engine.h"
#include "resources/format.h"

namespace tellmark::cli {

namespace {

const std::vector<OptionSpec> kBookingOptions = {
    {"-k", true},     {"--date", true}, {"--doc", true},  {"--debit", true},    {"--credit", true},
    {"--text", true}, {"--amount", true}, {"--rate", true}, {"--kind", true}, {"--paid", true},
    {"--discount", true}, {"--stdin", false}};

posting::BookingKind kindOf(const std::string& name) {
    posting::BookingKind kind = posting::BookingKind::Normal;
    if (!entry::bookingKindOfName(name, kind)) throw UsageError("--kind takes netto, reisekosten, skonto, eu or 13b");
    return kind;
}

// A text option into its field, or false (after the message) when it holds characters the files cannot.
bool takeText(const Arguments& args, const char* option, std::string& field, ui::Messages& messages) {
    auto v = args.value(option);
    if (!v) return true;
    std::optional<std::string> converted = fromTerminalChecked(*v, messages);
    if (!converted) return false;
    field = std::move(*converted);
    return true;
}

// Options given replace the fields of the booking; the others keep what it holds. Numbers and dates are
// passed on as typed: their checks take nothing but digits, signs and separators.
bool applyOptions(const Arguments& args, entry::TypedBooking& typed, ui::Messages& messages) {
    if (auto v = args.value("--date")) typed.date = *v;
    if (!takeText(args, "--doc", typed.document, messages) || !takeText(args, "--debit", typed.debit, messages) ||
        !takeText(args, "--credit", typed.credit, messages) || !takeText(args, "--text", typed.text, messages))
        return false;
    if (auto v = args.value("--amount")) typed.amount = *v;
    if (auto v = args.value("--rate")) typed.rate = *v;
    if (auto v = args.value("--paid")) typed.paid = *v;
    if (auto v = args.value("--discount")) typed.discount = *v;
    typed.kind = kindOf(args.valueOr("--kind", ""));
    if (typed.kind == posting::BookingKind::Discount) {
        if (!args.has("--paid") || !args.has("--discount") || !args.has("--rate"))
            throw UsageError("--kind skonto needs --paid, --discount and --rate");
    }
    return true;
}

void printBooking(circles::CVt36Doc& doc, long n) {
    const ledger::ParsedBooking* booking = doc.journal().readParsed(n);
    if (booking) printLine(format("%6i ", static_cast<int>(n)) + ledger::displayLine(*booking));
}

void reportMissingAccount(const entry::TypedOutcome& outcome) {
    if (outcome.result == entry::TypedResult::AccountMissing)
        std::fprintf(stderr, "tellmark-cli: no account found for '%s'\n", outcome.missingAccount.c_str());
}

int reportOutcome(circles::CVt36Doc& doc, const entry::TypedOutcome& outcome, long firstNumber) {
    if (outcome.result != entry::TypedResult::Saved) {
        reportMissingAccount(outcome);
        return 1;
    }
    for (int i = 0; i < outcome.linesPosted; ++i) printBooking(doc, firstNumber + i);
    return 0;
}

// The texts of a line from the terminal's encoding into the files'; false after the message.
bool columnsFromTerminal(entry::TypedBooking& typed, ui::Messages& messages) {
    for (std::string* field : {&typed.date, &typed.document, &typed.debit, &typed.credit, &typed.text, &typed.amount,
                               &typed.rate, &typed.paid, &typed.discount}) {
        std::optional<std::string> converted = fromTerminalChecked(*field, messages);
        if (!converted) return false;
        *field = std::move(*converted);
    }
    return true;
}

// Bookings of a block are confirmed (printed) once the block is on the disk.
constexpr std::size_t kBlockBookings = 1000;

struct PostedBooking {
    long first;
    int lines;
};

// post --stdin: one booking per line, in blocks; stops at the first line that is not posted.
int postFromStdin(Context& ctx, circles::CVt36Doc& doc) {
    posting::PostingBatch batch(doc.books());
    std::vector<PostedBooking> block;
    auto commit = [&]() {
        if (!batch.open()) {
            block.clear();
            return true;
        }
        const posting::BatchCommit result = batch.commit();
        if (result != posting::BatchCommit::Undone)
            for (const PostedBooking& posted : block)
                for (int i = 0; i < posted.lines; ++i) printBooking(doc, posted.first + i);
        block.clear();
        return result == posting::BatchCommit::Done;
    };
    auto refuse = [&](long lineNumber, const std::string& why) {
        commit();  // the lines before it are posted; a failure has its own message
        std::fprintf(stderr, "tellmark-cli: line %li%s%s: not posted, nor any line after it\n", lineNumber,
                     why.empty() ? "" : ": ", why.c_str());
        return 1;
    };
    LineInput input(0);
    std::string line;
    std::vector<std::string> fields;
    long lineNumber = 0;
    while (input.next(line)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        if (!entry::splitColumns(line, fields)) return refuse(lineNumber, "a quoted field is not closed");
        if (lineNumber == 1 && entry::isHeaderLine(fields)) continue;
        entry::TypedBooking typed;
        const std::string problem = entry::bookingOfColumns(fields, typed);
        if (!problem.empty()) return refuse(lineNumber, problem);
        if (!columnsFromTerminal(typed, ctx.messages)) return refuse(lineNumber, "");
        if (!batch.begin()) return refuse(lineNumber, "");
        const long first = doc.journal().count() + 1;
        const entry::TypedOutcome outcome = entry::postTypedBooking(doc, batch.books(), typed);
        if (outcome.result != entry::TypedResult::Saved) {
            reportMissingAccount(outcome);
            return refuse(lineNumber, "");
        }
        block.push_back({first, outcome.linesPosted});
        if ((block.size() >= kBlockBookings || !input.moreReady()) && !commit()) return 1;
    }
    if (!commit()) return 1;
    if (input.failed()) {
        std::fprintf(stderr, "tellmark-cli: standard input could not be read after line %li\n", lineNumber);
        return 1;
    }
    return 0;
}

long bookingNumberArgument(const Arguments& args, circles::CVt36Doc& doc) {
    auto n = parseInt(args.positional(0, "booking number"));
    if (!n || *n < 1) throw UsageError("the booking number must be 1 or more");
    if (*n > doc.journal().count()) {
        std::fprintf(stderr, "tellmark-cli: there is no booking %i (the journal holds %li)\n", *n, doc.journal().count());
        return -1;
    }
    return *n;
}

}  // namespace

int runPost(Context& ctx, const Words& words) {
    Arguments args(words, kBookingOptions);
    args.expectPositionals(0, 0);
    if (args.has("--stdin")) {
        for (const char* option : {"--date", "--doc", "--debit", "--credit", "--text", "--amount", "--rate", "--kind",
                                   "--paid", "--discount"})
            if (args.has(option)) throw UsageError("post --stdin takes the bookings from standard input only");
        OpenCircle circle(ctx);
        if (!circle.open(ctx, args.required("-k"))) return 1;
        return postFromStdin(ctx, circle.doc);
    }
    entry::TypedBooking typed;
    const bool storable = applyOptions(args, typed, ctx.messages);
    if (!args.has("--date") || !args.has("--debit") || !args.has("--credit"))
        throw UsageError("post needs --date, --debit and --credit");
    if (typed.kind != posting::BookingKind::Discount && !args.has("--amount")) throw UsageError("post needs --amount");
    if (!storable) return 1;
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    long next = circle.doc.journal().count() + 1;
    return reportOutcome(circle.doc, entry::postTypedBooking(circle.doc, typed), next);
}

int runChange(Context& ctx, const Words& words) {
    Arguments args(words, kBookingOptions);
    args.expectPositionals(1, 1);
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    circles::CVt36Doc& doc = circle.doc;
    long n = bookingNumberArgument(args, doc);
    if (n < 0) return 1;
    if (!doc.programConfig().changesAllowed) {
        std::fputs("tellmark-cli: later changes of bookings are switched off (\"\xC3\x84nderung=N\")\n", stderr);
        return 1;
    }
    const ledger::ParsedBooking* old = doc.journal().readParsed(n);
    if (!old) return 1;
    ledger::BookingTexts texts = ledger::textsOf(*old);
    entry::TypedBooking typed{texts.date, texts.document, texts.debit, texts.credit, texts.text, texts.amount,
                              texts.rate, posting::BookingKind::Normal, "", ""};
    if (!applyOptions(args, typed, ctx.messages)) return 1;
    return reportOutcome(doc, entry::changeTypedBooking(doc, n, typed), n);
}

int runDelete(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}});
    args.expectPositionals(1, 1);
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    long n = bookingNumberArgument(args, circle.doc);
    if (n < 0) return 1;
    posting::Books books = circle.doc.books();
    return posting::deleteBooking(books, n) == 1 ? 0 : 1;
}

int runJournal(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}, {"--from", true}, {"--to", true}});
    args.expectPositionals(0, 0);
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    long count = circle.doc.journal().count();
    long from = args.intValue("--from").value_or(1);
    long to = args.intValue("--to").value_or(static_cast<int>(count));
    if (from < 1) from = 1;
    if (to > count) to = count;
    if (listJournal(circle.doc.journal(), from, to, stdout)) return 0;
    std::fputs("tellmark-cli: the journal could not be read or its listing not written\n", stderr);
    return 1;
}

}  // namespace tellmark::cli

namespace tellmark::cli {

// "Neuindizierung": both index files built anew from the balance file and the journal.
int runReindex(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}});
    args.expectPositionals(0, 0);
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    posting::Books books = circle.doc.books();
    return posting::reindexBooks(books) == 1 ? 0 : 1;
}

}  // namespace tellmark::cli
