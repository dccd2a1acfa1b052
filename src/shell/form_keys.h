#pragma once
// Keys of the booking form: Qt key events as the form model's key presses, and the commands of the main
// frame that the form's requests start.

#include <QKeyEvent>
#include <vector>

#include "entry/entry_keys.h"
#include "entry/form_request.h"

namespace tellmark::shell {

// The presses a key event stands for (a typed text may hold several characters); empty for keys the
// form does not take.
std::vector<entry::KeyPress> formKeysOf(const QKeyEvent& event);

// The command id a request starts, 0 when the form's front end answers it itself (dialogs, beep).
int commandOfRequest(entry::Request request);

}  // namespace tellmark::shell
