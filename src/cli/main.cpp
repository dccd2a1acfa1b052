// tellmark-cli: every command of the program for scripts and terminals.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <unistd.h>

#include "cli/arguments.h"
#include "cli/command_import.h"
#include "cli/command_standard.h"
#include "cli/command_year.h"
#include "cli/commands.h"

namespace {

const char* const kUsage =
    "usage: tellmark-cli [-C DIR] COMMAND ...\n"
    "  init                                   create tellmark.ini (defaults, or from KWSETUP.INI/install.buc)\n"
    "  config get KEY | config set KEY VALUE  one key of [TELLMARK]\n"
    "  circle create N --name T --year Y [--first-month M] [--chart 03|04] [--vat J|N]\n"
    "                  [--cash-basis J|N] [--currency EUR] [--auto-doc NUMBER] [--chart-from M|skr03|skr04]\n"
    "  circle change -k N [--name T] [--year Y] [--first-month M] [--chart 03|04] [--vat J|N]\n"
    "                  [--cash-basis J|N] [--currency EUR] [--auto-doc NUMBER]\n"
    "                                         the settings of an existing circle nobody has open\n"
    "  circle list                            the existing booking circles\n"
    "  circle show -k N                       title and settings of a booking circle\n"
    "  account list -k N                      the accounts in number order\n"
    "  account create -k N NUMBER --name T [--vat-rate R] [--opening A]\n"
    "  account rename -k N NUMBER --name T [--vat-rate R]\n"
    "  account opening -k N NUMBER AMOUNT     account delete -k N NUMBER\n"
    "  post -k N --date DD.MM [--doc T] --debit ACC --credit ACC [--text T] --amount A [--rate R]\n"
    "       [--kind netto|reisekosten|eu|13b] | [--kind skonto --paid P --discount S --rate R]\n"
    "  change -k N BOOKING [options of post]  delete -k N BOOKING\n"
    "  journal -k N [--from B] [--to B]       the bookings with their numbers\n"
    "  report -k N KIND [options] [--print-date DD.MM.YYYY] [--out FILE] [--pdf FILE]\n"
    "        balance-list [--from-month M] [--to-month M] [--group PATTERN | --from-account A --to-account B]\n"
    "                     [--narrow] [--alphabetical] [--nonzero-only]\n"
    "        trial-balance --month M    balance-sheet --month M    result --from-month M --to-month M\n"
    "        chart    circles    standard-bookings    month-eval --month M [--vat]\n"
    "        vat-return --from-month M --to-month M [--rounded] [--transfer-dir DIR]\n"
    "        journal [--from DD.MM] [--to DD.MM]    cash-book --account A [--from DD.MM] [--to DD.MM]\n"
    "        account-sheets [--from DD.MM] [--to DD.MM] [--from-account A] [--to-account B]\n"
    "                       [--skip-empty] [--skip-unbooked]\n"
    "        collective --group PATTERN [--from DD.MM] [--to DD.MM]    account-bookings --account A\n"
    "  reindex -k N                           build both index files anew\n"
    "  reorg -k N --yes [--drop-bad]          rebuild the balances from the journal (reposting)\n"
    "  standard list -k N                     the standard bookings with number and mark\n"
    "  standard add -k N --debit ACC --credit ACC [--doc T] [--text T] [--amount A] [--rate R]\n"
    "               [--at NUMBER] [--unmarked]\n"
    "  standard change -k N NUMBER [--doc T] [--debit ACC] [--credit ACC] [--text T] [--amount A] [--rate R]\n"
    "  standard delete|mark|unmark -k N NUMBER\n"
    "  standard post -k N --date DD.MM --marked [--skip-faulty]\n"
    "  standard post -k N --date DD.MM NUMBER [--doc T] [--text T] [--amount A] [--rate R]\n"
    "  standard print -k N [--print-date DD.MM.YYYY] [--out FILE]\n"
    "  import -k N FILE [--delete-file] [--skip-faulty]\n"
    "                                         bookings from a file of 64-byte records or of semicolon lines\n"
    "                                         (date;document;debit;credit;text;amount;rate); a faulty line\n"
    "                                         stops the run before anything is posted, unless --skip-faulty\n"
    "  sort -k N [--by-day]                   the journal in date order (by month, or by day and month)\n"
    "  search -k N TEXT [--backward] [--from B] [--case]\n"
    "                                         the numbers of the bookings whose line holds TEXT\n"
    "  export gdpdu -k N --name T --place T [--cash ACC]...\n"
    "                                         the tables for the digital tax audit with index.xml\n"
    "  export companion -k N                  start the companion program Tellmark Online\n"
    "  export companion -k N --from-month M --to-month M [--start]\n"
    "                                         hand it the transfer file of that VAT pre-return\n"
    "  export datev -k N [--adviser NR] [--client NR] [--dfv KZ] [--password PW] [--carrier NR]\n"
    "               [--accounting NR] [--from DD.MM] [--to DD.MM] [--currency EUR] [--path DIR]\n"
    "               [--map ACCOUNT=DATEV]... [--opening-bookings yes|no] [--out DIR]\n"
    "                                         the bookings of a period for the tax adviser: record protocol\n"
    "                                         and DATEV-Format file (EXTF_Buchungsstapel_...csv)\n"
    "  year change -k N YEAR [--no-chart] [--no-balances] [--keep-private]\n"
    "                                         change to another booking year (a new one: with the chart and\n"
    "                                         the balances carried forward, unless told otherwise)\n"
    "  year transfer -k N [--yes | --account NUMBER ...]\n"
    "                                         the previous year's closing balances as opening balances again;\n"
    "                                         without an option the differing accounts are listed, nothing changes\n"
    "  year delete -k N YEAR [--balances] [--journal]\n"
    "                                         delete the balance file and/or the journal of another year\n"
    "  backup -k N [DIR]                      the files of the open year to DIR (default: \"Sicherung\")\n"
    "  restore -k N DIR                       a backup in DIR back into a circle nobody has open\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace tellmark::cli;
    Words words(argv + 1, argv + argc);
    std::size_t pos = 0;
    if (pos < words.size() && words[pos] == "-C") {
        if (pos + 1 >= words.size()) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        const std::string& dir = words[pos + 1];
        if (::chdir(dir.c_str()) != 0) {
            std::fprintf(stderr, "tellmark-cli: cannot change to %s: %s\n", dir.c_str(), std::strerror(errno));
            return 1;
        }
        pos += 2;
    }
    if (pos >= words.size() || words[pos] == "--help" || words[pos] == "-h") {
        std::fputs(kUsage, pos >= words.size() ? stderr : stdout);
        return pos >= words.size() ? 2 : 0;
    }
    std::string command = words[pos];
    Words rest(words.begin() + static_cast<long>(pos) + 1, words.end());
    Context ctx;
    try {
        if (command == "init") return runInit(ctx, rest);
        if (command == "config") return runConfig(ctx, rest);
        if (command == "circle") return runCircle(ctx, rest);
        if (command == "account") return runAccount(ctx, rest);
        if (command == "post") return runPost(ctx, rest);
        if (command == "change") return runChange(ctx, rest);
        if (command == "delete") return runDelete(ctx, rest);
        if (command == "journal") return runJournal(ctx, rest);
        if (command == "sort") return runSort(ctx, rest);
        if (command == "standard") return runStandard(ctx, rest);
        if (command == "import") return runImport(ctx, rest);
        if (command == "search") return runSearch(ctx, rest);
        if (command == "report") return runReport(ctx, rest);
        if (command == "reindex") return runReindex(ctx, rest);
        if (command == "reorg") return runReorg(ctx, rest);
        if (command == "export") return runExport(ctx, rest);
        if (command == "year") return runYear(ctx, rest);
        if (command == "backup") return runBackup(ctx, rest);
        if (command == "restore") return runRestore(ctx, rest);
        throw UsageError("unknown command " + command);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "tellmark-cli: %s\n%s", e.what(), kUsage);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tellmark-cli: %s\n", e.what());
        return 1;
    }
}
