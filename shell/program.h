#pragma once

// One run of Tavrin: start-up, the wizard, and, once the last form has gone, the letters handed to the
// user.

#include "word/engine/handover.h"

namespace word::engine {
class Engine;
}

namespace tavrin {

class UserInterface;

// Runs the program in the QApplication that exists already and returns its exit code. Letters the
// built-in engine still holds when the program ends go to the desktop; a letter that cannot be saved is
// reported in a message box.
int runProgram(word::engine::Engine& wordProcessor, UserInterface& ui, const word::engine::Desktop& desktop);

} // namespace tavrin
