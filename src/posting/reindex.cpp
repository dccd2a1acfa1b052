#include "posting/reindex.h"

#include "posting/books_operation.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"
#include "resources/texts_safety.h"

namespace tellmark::posting {

int reindexBooks(Books& books) {
    BooksOperation op(books, text::kOpReindex);
    if (!op.started()) return 0;
    const bool accounts = books.accountIndex.rebuild() == 1;
    if (!accounts) books.messages.show(text::kMsgAccountIndexProblem, text::kCaptionError, ui::kIconStop);
    const bool journal = books.journalIndex.rebuild() == 1;
    if (!journal) books.messages.show(text::kMsgJournalIndexProblem, text::kCaptionError, ui::kIconStop);
    if (!accounts || !journal) {
        op.fail();
        return 0;
    }
    return op.finish() ? 1 : 0;
}

}  // namespace tellmark::posting
