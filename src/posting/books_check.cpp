#include "posting/books_check.h"

#include "ledger/ledger_check.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_safety.h"

namespace tellmark::posting {

bool checkLedgerFiles(Books& books) {
    books.health.damagedFile.clear();
    const struct {
        ledger::FileCheck check;
        std::string path;
    } files[] = {{ledger::checkJournalFile(books.journal.file()), books.journal.path()},
                 {ledger::checkBalanceFile(books.balanceFile), books.balanceFile.path()}};
    for (const auto& file : files) {
        if (file.check.sound()) continue;
        books.health.damagedFile = file.path;
        switch (file.check.soundness) {
        case ledger::FileSoundness::PartialRecord:
            books.messages.show(format(text::kFileDamagedPartial, file.path.c_str()), text::kCaptionError,
                                ui::kIconStop);
            break;
        case ledger::FileSoundness::BadEndMark:
            books.messages.show(format(text::kFileDamagedEndMark, file.path.c_str(),
                                       static_cast<long long>(file.check.badRecord + 1)),
                                text::kCaptionError, ui::kIconStop);
            break;
        default:
            books.messages.show(format(text::kFileUnreadable, file.path.c_str()), text::kCaptionError,
                                ui::kIconStop);
            break;
        }
        return false;
    }
    return true;
}

}  // namespace tellmark::posting
