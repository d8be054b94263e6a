#pragma once

// One recipient's letter: the options and the recipient become the wizard's snapshot and the letter
// record, and the builder lays the letter out on the built-in engine exactly as Finish does.

#include "builder/letterrecord.h"
#include "builder/wizardchoices.h"
#include "letters/options.h"
#include "letters/recipients.h"
#include "word/engine/model.h"

#include <QString>

namespace tavrin::letters {

// "{name}" becomes the recipient's full name, "{first}" their given name (the full name when none is
// known).
QString personalised(const QString& text, const Recipient& recipient);

// A real line break or the two characters "\n" start a new line; lines are joined the way the wizard's
// boxes hand them over (carriage return and line feed).
QString withLineBreaks(const QString& text);

// The style and alignment names become the wizard's option buttons, as a click on each would set them; a
// name that stands for none leaves every option of its page off.
void chooseStyleAndAlignment(WizardChoices& choices, const QString& style, const QString& align);

// What the wizard would hand over for this recipient. Texts the wizard has no box for (salutation,
// conclusion, closing) are not in it: see amendRecord.
WizardChoices choicesFor(const LetterOptions& options, const Recipient& recipient);

// Puts the salutation, conclusion and closing given on the command line into the filled record.
void amendRecord(LetterRecord& record, const LetterOptions& options, const Recipient& recipient);

// Lays the letter out through Form1 on a fresh engine of its own, the style pictures handed over from
// memory, and returns the document. Safe to call on several threads at once. Throws
// word::AutomationError when the layout leaves no document.
word::engine::DocumentModel layOutLetter(const LetterOptions& options, const Recipient& recipient);

} // namespace tavrin::letters
