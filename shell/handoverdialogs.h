#pragma once

// The hand-over's windows: the save dialog for a letter the documents folder cannot take, the question
// before such a letter is discarded, and the print preview for a letter no application can open.

#include "word/engine/handover.h"

#include <QString>

namespace tavrin {

// The save dialog, starting at suggestedPath with its name filled in, so that Return saves it there; why
// is its title. Cancel asks once more whether to discard the letter: it is kept unless the user says so.
word::engine::SavePlace askWhereToSave(const QString& suggestedPath, const QString& why);

// Asked when the save dialog is cancelled. Keeping the letter is the default: Return and Escape keep it.
bool userDiscardsTheLetter();

// The desktop with the windows above to ask and to show with.
word::engine::Desktop withDialogs(word::engine::Desktop desktop);

} // namespace tavrin
