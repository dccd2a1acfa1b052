// standard: recurring booking lines kept per booking circle, edited, marked and posted on demand.

#include "cli/command_standard.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "cli/arguments.h"
#include "cli/open_circle.h"
#include "cli/report_run.h"
#include "config/dates.h"
#include "config/file_names.h"
#include "entry/standard_bookings.h"
#include "ledger/journal_record.h"
#include "platform/codepage.h"
#include "platform/file.h"
#include "posting/date_check.h"
#include "reports/standard_bookings_report.h"
#include "resources/format.h"

namespace tellmark::cli {

namespace {

const std::vector<OptionSpec> kStandardOptions = {
    {"-k", true},         {"--doc", true},        {"--debit", true},       {"--credit", true},
    {"--text", true},     {"--amount", true},     {"--rate", true},        {"--at", true},
    {"--unmarked", false}, {"--date", true},      {"--marked", false},     {"--skip-faulty", false},
    {"--print-date", true}, {"--out", true}};

// The options each action takes besides -k.
bool allowed(const std::string& action, const std::string& option) {
    static const std::vector<std::string> fields = {"--doc", "--debit", "--credit", "--text", "--amount", "--rate"};
    const bool field = std::find(fields.begin(), fields.end(), option) != fields.end();
    if (action == "add") return field || option == "--at" || option == "--unmarked";
    if (action == "change") return field;
    if (action == "post")
        return option == "--date" || option == "--marked" || option == "--skip-faulty" || option == "--doc" ||
               option == "--text" || option == "--amount" || option == "--rate";
    if (action == "print") return option == "--print-date" || option == "--out";
    return false;
}

void checkOptions(const Arguments& args, const std::string& action) {
    for (const OptionSpec& spec : kStandardOptions)
        if (spec.name != "-k" && args.has(spec.name) && !allowed(action, spec.name))
            throw UsageError("standard " + action + " does not take " + spec.name);
}

// The record's line as the editing dialog shows it: number and mark where the entry line has its date.
std::string listLine(int n, const ledger::StandardBookingRecord& r) {
    const ledger::StandardBookingValues values = ledger::valuesOf(r);
    return format("%03i %c ", n, r.marked ? 'X' : ' ') + r.document + ' ' + r.debit + ' ' + r.credit + ' ' + r.text +
           ' ' + r.amount + ' ' + r.rate + ' ' + values.vatText;
}

int recordNumberArgument(const Arguments& args, const entry::StandardBookings& file) {
    auto n = parseInt(args.positional(1, "standard booking number"));
    if (!n || *n < 1) throw UsageError("the standard booking number must be 1 or more");
    if (*n > file.count()) {
        std::fprintf(stderr, "tellmark-cli: there is no standard booking %i (the file holds %i)\n", *n, file.count());
        return -1;
    }
    return *n;
}

// A text option into its field; false (after the message) when it holds characters the file cannot.
bool takeText(const Arguments& args, const char* option, std::string& field, ui::Messages& messages) {
    auto v = args.value(option);
    if (!v) return true;
    std::optional<std::string> converted = fromTerminalChecked(*v, messages);
    if (!converted) return false;
    field = std::move(*converted);
    return true;
}

bool applyFields(const Arguments& args, entry::TypedStandardBooking& typed, ui::Messages& messages) {
    if (!takeText(args, "--doc", typed.document, messages) || !takeText(args, "--debit", typed.debit, messages) ||
        !takeText(args, "--credit", typed.credit, messages) || !takeText(args, "--text", typed.text, messages))
        return false;
    if (auto v = args.value("--amount")) typed.amount = *v;
    if (auto v = args.value("--rate")) typed.rate = *v;
    return true;
}

int exitOf(entry::StandardBookings::Edit edit) {
    switch (edit) {
    case entry::StandardBookings::Edit::Done: return 0;
    case entry::StandardBookings::Edit::Full:
        std::fprintf(stderr, "tellmark-cli: the circle holds %i standard bookings, no more can be added\n",
                     ledger::kMaxStandardBookings);
        return 1;
    case entry::StandardBookings::Edit::NoSuchRecord:
        std::fputs("tellmark-cli: there is no such place among the standard bookings\n", stderr);
        return 1;
    default: return 1;
    }
}

// Checks a typed record and reports why it is not taken.
std::optional<ledger::StandardBookingRecord> checked(circles::CVt36Doc& doc, const entry::TypedStandardBooking& typed) {
    entry::StandardCheck check = entry::checkStandardBooking(doc, typed);
    if (!check.record && !check.missingAccount.empty())
        std::fprintf(stderr, "tellmark-cli: no account found for '%s'\n",
                     platform::cp1252ToUtf8(check.missingAccount).c_str());
    return check.record;
}

void printBooking(circles::CVt36Doc& doc, long n) {
    const ledger::ParsedBooking* booking = doc.journal().readParsed(n);
    if (booking) printLine(format("%6i ", static_cast<int>(n)) + ledger::displayLine(*booking));
}

void listFaulty(const std::vector<entry::FaultyStandardLine>& faulty, const char* what) {
    for (const entry::FaultyStandardLine& line : faulty) {
        std::string fault = platform::cp1252ToUtf8(line.fault);
        for (char& c : fault)
            if (c == '\n') c = ' ';
        std::fprintf(stderr, "tellmark-cli: standard booking %03i %s: %s\n", line.number, what, fault.c_str());
    }
}

int reportPosting(circles::CVt36Doc& doc, const entry::StandardPostingResult& result) {
    using Outcome = entry::StandardPostingResult::Outcome;
    for (int i = 0; i < result.posted; ++i) printBooking(doc, result.firstBooking + i);
    if (result.outcome == Outcome::Unanswered) {
        listFaulty(result.faulty, "needs correcting");
        std::fputs("tellmark-cli: nothing posted; correct these standard bookings, give the missing fields or "
                   "pass --skip-faulty\n",
                   stderr);
        return 1;
    }
    listFaulty(result.faulty, "skipped");
    if (result.outcome == Outcome::NoStandardBookings) return 0;
    return result.outcome == Outcome::Done ? 0 : 1;
}

// The date of a posting run: refused at once when it is no date of the booking year, instead of every
// line being refused for it.
bool postingDateHolds(circles::CVt36Doc& doc, const std::string& date) {
    std::string text = date;
    std::replace(text.begin(), text.end(), ',', '.');
    return posting::checkDate(text, {}, doc.settings(), doc.programConfig().thirteenthMonth, doc.messages()).ok;
}

int post(Context& ctx, const Arguments& args, circles::CVt36Doc& doc) {
    const std::string date = args.required("--date");
    const entry::FaultyLines faulty = args.has("--skip-faulty") ? entry::FaultyLines::Skip : entry::FaultyLines::Ask;
    ui::NoDecisions nobody;
    if (args.has("--marked")) {
        if (args.positionals().size() > 1) throw UsageError("standard post takes --marked or one NUMBER, not both");
        for (const char* option : {"--doc", "--text", "--amount", "--rate"})
            if (args.has(option)) throw UsageError(std::string("standard post --marked does not take ") + option);
        if (!postingDateHolds(doc, date)) return 1;
        return reportPosting(doc, entry::postMarkedStandardBookings(doc, date, nobody, faulty));
    }
    if (args.positionals().size() != 2) throw UsageError("standard post needs --marked or a NUMBER");
    entry::StandardBookings file(doc);
    if (!file.load()) return 1;
    const int n = recordNumberArgument(args, file);
    if (n < 0) return 1;
    if (!postingDateHolds(doc, date)) return 1;
    // The record goes into a new line: options complete it as the person completes it in the form.
    ledger::BookingTexts line = entry::standardLine(file.records()[static_cast<std::size_t>(n - 1)], date);
    if (!takeText(args, "--doc", line.document, ctx.messages) || !takeText(args, "--text", line.text, ctx.messages))
        return 1;
    if (auto v = args.value("--amount")) line.amount = *v;
    if (auto v = args.value("--rate")) line.rate = *v;
    return reportPosting(doc, entry::postStandardLines(doc, {{n, line}}, nobody, faulty));
}

int print(Context& ctx, const Arguments& args, circles::CVt36Doc& doc) {
    reports::ReportRequest request;
    request.linesPerPage = doc.programConfig().linesPerPage;
    request.topMargin = doc.programConfig().topMargin;
    setPrintDate(request, args);
    reports::PrintFile printFile(doc.paths()[config::DocumentPaths::kSlotPrintFile], ctx.messages);
    if (generateStandardBookingsList(doc, printFile, request) != 1) return 1;
    if (auto out = args.value("--out")) return printFile.CopyPrintFileTo(fromTerminal(*out)) == 1 ? 0 : 1;
    std::string bytes;
    if (!platform::readWholeFile(printFile.path(), bytes)) return 1;
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text += bytes[i];
    }
    printRaw(platform::cp1252ToUtf8(text));
    return 0;
}

}  // namespace

int generateStandardBookingsList(circles::CVt36Doc& doc, reports::PrintFile& printFile,
                                 reports::ReportRequest& request) {
    entry::StandardBookings file(doc);
    if (!file.load()) return 0;
    return reports::GenerateStandardBookingsList(printFile, request, file.records(), doc.settings());
}

int runStandard(Context& ctx, const Words& words) {
    Arguments args(words, kStandardOptions);
    const std::string& action = args.positional(0, "standard action");
    if (action != "list" && action != "add" && action != "change" && action != "delete" && action != "mark" &&
        action != "unmark" && action != "post" && action != "print")
        throw UsageError("standard action must be list, add, change, delete, mark, unmark, post or print");
    checkOptions(args, action);
    if (action == "list" || action == "add" || action == "print") args.expectPositionals(1, 1);
    else if (action != "post") args.expectPositionals(2, 2);
    if (action == "post" && !args.has("--date")) throw UsageError("standard post needs --date");
    if (action == "add" && (!args.has("--debit") || !args.has("--credit")))
        throw UsageError("standard add needs --debit and --credit");
    const std::optional<int> at = args.intValue("--at");
    if (at && *at < 1) throw UsageError("--at takes a standard booking number, 1 or more");

    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    circles::CVt36Doc& doc = circle.doc;
    if (action == "post") return post(ctx, args, doc);
    if (action == "print") return print(ctx, args, doc);

    entry::StandardBookings file(doc);
    if (!file.load()) return 1;
    if (action == "list") {
        for (int n = 1; n <= file.count(); ++n) printLine(listLine(n, file.records()[static_cast<std::size_t>(n - 1)]));
        return 0;
    }
    if (action == "add") {
        entry::TypedStandardBooking typed;
        typed.marked = !args.has("--unmarked");
        if (!applyFields(args, typed, ctx.messages)) return 1;
        if (file.count() >= ledger::kMaxStandardBookings) return exitOf(entry::StandardBookings::Edit::Full);
        const std::optional<ledger::StandardBookingRecord> record = checked(doc, typed);
        if (!record) return 1;
        const int place = at ? *at : file.count() + 1;
        const int result = exitOf(file.insert(*record, place));
        if (result == 0) printLine(listLine(place, *record));
        return result;
    }
    const int n = recordNumberArgument(args, file);
    if (n < 0) return 1;
    const ledger::StandardBookingRecord& old = file.records()[static_cast<std::size_t>(n - 1)];
    if (action == "change") {
        entry::TypedStandardBooking typed{old.marked, old.document, old.debit, old.credit, old.text, old.amount, old.rate};
        if (!applyFields(args, typed, ctx.messages)) return 1;
        const std::optional<ledger::StandardBookingRecord> record = checked(doc, typed);
        if (!record) return 1;
        const int result = exitOf(file.replace(n, *record));
        if (result == 0) printLine(listLine(n, *record));
        return result;
    }
    if (action == "delete") return exitOf(file.remove(n));
    return exitOf(file.setMarked(n, action == "mark"));
}

}  // namespace tellmark::cli
