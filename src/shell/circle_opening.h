#pragma once
// The dialogue around opening a booking circle: program password, selection, what to do when the
// ledger files of the year are missing, and the open itself. It runs at the start of a document, on
// switching the circle (F9) and after the booking circle administration.

#include <chrono>

#include "circles/document.h"
#include "config/file_names.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class CircleOpening {
public:
    CircleOpening(circles::CVt36Doc& doc, ShellContext& context, int maxNumber = config::kMaxCircles)
        : doc_(doc), context_(context), maxNumber_(maxNumber) {}

    // A new document: configuration (created when missing), the program password when one is set, the
    // selection and the open. False when the user cancelled; no circle is open then.
    bool startDocument();

    enum class Switch { Kept, Opened, NoneOpen };
    // F9: Kept when the first selection was cancelled (the current circle stays open); after a failed
    // open the selection comes again, and cancelling that leaves no circle open.
    Switch switchCircle();

    // Closes the files, runs the selection in administration mode until it is cancelled, then opens the
    // document's circle again. True when a circle is open afterwards.
    bool administration();

    // The unit of the password wait (tests make it zero).
    void setPasswordStepUnit(std::chrono::microseconds unit) { passwordStepUnit_ = unit; }

private:
    void readConfig();
    // The chosen number, 0 when the selection was cancelled.
    int select(bool administration);
    // 1 when open. A missing balance file and journal are asked about first.
    int openNumber(int number);
    // New ledger files filled from the chart template that comes with the program.
    int openWithTemplate(int number);
    // Selection and open until a circle is open (true) or the selection is cancelled (false).
    bool selectAndOpen();

    circles::CVt36Doc& doc_;
    ShellContext& context_;
    int maxNumber_;
    std::chrono::microseconds passwordStepUnit_{1000};
};

}  // namespace tellmark::shell
