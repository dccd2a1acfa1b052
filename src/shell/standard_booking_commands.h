#pragma once
// The commands of the "Standardbuchungen" menu and the import: each runs its
// dialogs, calls the core and lets the entry form count the bookings again
// after the journal changed.

#include "circles/document.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class CVt36View;

class StandardBookingCommands {
public:
    StandardBookingCommands(ShellContext& context, circles::CVt36Doc& doc) : context_(context), doc_(doc) {}

    void edit();
    void mark();
    // "Markierung verbuchen"; view may be null.
    void postMarked(CVt36View* view);
    // "Auswahl verbuchen" and "Nummer verbuchen": the record into the entry
    // form's new line.
    void postChosen(CVt36View* view, bool byNumber);
    // "Import (aus externen Dateien)".
    void importBookings(CVt36View* view);

private:
    ShellContext& context_;
    circles::CVt36Doc& doc_;
};

}  // namespace tellmark::shell
