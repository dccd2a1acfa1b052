#pragma once
// The automatic document numbers of a booking circle, as the journal sees them when it writes a
// booking. The booking circle's settings provide it; the journal only asks and advances.

namespace tellmark::ledger {

class DocumentNumbering {
public:
    virtual ~DocumentNumbering() = default;
    // Whether the booking circle numbers its documents automatically.
    virtual bool automatic() const = 0;
    // The next document number to be given.
    virtual long next() const = 0;
    // Stores the next number plus one. False when it could not be stored.
    virtual bool advance() = 0;
    // Stores this number as the next one (the counter set anew from the journal). False when not stored.
    virtual bool setNext(long next) = 0;
};

}  // namespace tellmark::ledger
