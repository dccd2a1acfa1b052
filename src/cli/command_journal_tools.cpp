// sort and search: the journal of the open year sorted by date, and the bookings whose display line holds
// a text.

#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/open_circle.h"
#include "cli/terminal.h"
#include "entry/journal_search.h"
#include "posting/journal_sort.h"
#include "resources/texts_common.h"
#include "resources/texts_entry.h"

namespace tellmark::cli {

int runSort(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}, {"--by-day", false}});
    args.expectPositionals(0, 0);
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    posting::Books books = circle.doc.books();
    const auto order = args.has("--by-day") ? posting::SortOrder::DaysAndMonths : posting::SortOrder::Months;
    return posting::sortJournal(books, order) == posting::SortOutcome::Sorted ? 0 : 1;
}

int runSearch(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}, {"--backward", false}, {"--from", true}, {"--case", false}});
    args.expectPositionals(1, 1);
    entry::SearchQuery query{fromTerminal(args.positional(0, "search text")), args.has("--case")};
    if (query.text.empty()) throw UsageError("the search text is empty");
    if (query.text.size() > entry::kSearchTextLength)
        throw UsageError("the search text takes at most 25 characters");
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    ledger::Journal& journal = circle.doc.journal();
    const bool backward = args.has("--backward");
    const auto from = args.intValue("--from");
    if (from && (*from < 0 || *from > journal.count() + 1)) throw UsageError("--from takes 0 to the booking count + 1");
    // The hits one after the other, as "Weiter" finds them from the booking the search starts at.
    long at = from ? *from : (backward ? journal.count() + 1 : 0);
    long hits = 0;
    for (;;) {
        at = backward ? entry::searchBackward(journal, query, at) : entry::searchForward(journal, query, at);
        if (at < 0) {
            std::fputs("tellmark-cli: the journal could not be read\n", stderr);
            return 1;
        }
        if (at == 0) break;
        std::printf("%li\n", at);
        ++hits;
    }
    if (hits == 0) ctx.messages.show(text::kSearchNoMoreHits, text::kCaptionInformation, ui::kIconInformation);
    return hits > 0 ? 0 : 1;
}

}  // namespace tellmark::cli
