#pragma once

// One run of Tavrin: start-up, the wizard, and, once the last form has gone, the letters handed to the
// user, and the envelope beside them when Finish ordered one.

#include "word/engine/handover.h"

#include <functional>

namespace word {
class Provider;
}

namespace tavrin {

class UserInterface;

// Saves the letters still held in this process and shows them to the user.
using HandOverLetters = std::function<word::engine::HandOverResult()>;

// Runs the program in the QApplication that exists already and returns its exit code. When the last form
// has gone, the letters are handed over; a letter that cannot be saved, or is saved outside the documents
// folder, is reported in a message box (a letter shown in the print preview has its message there). The
// envelope Finish ordered then goes beside the letter on envelopeDesktop (envelope/envelopehandover.h),
// reported the same way.
int runProgram(word::Provider& wordProcessor, UserInterface& ui, const HandOverLetters& handOverLetters,
               const word::engine::Desktop& envelopeDesktop);

} // namespace tavrin
