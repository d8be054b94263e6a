#pragma once

// The envelope of the wizard's letter, from Finish to the user. It is painted on a thread of its own while
// the letter is written, and handed over after the letter, by the letter's rules:
//
// - It goes beside the letter: in the folder of the letter last saved, or, when the letter stays open in
//   the word processor unsaved (LibreOffice), in the documents folder where the engine's letters go.
// - Its name is "Envelope <date>.pdf", then "Envelope <date> (2).pdf" and so on: an existing file or link
//   is never replaced or followed (word/files writes it).
// - Where that folder cannot take it, it goes to the home folder, failing that to a private folder under
//   the temporary folder; one message says where it is and why.
// - Its path is printed on standard output, and it opens in the desktop's application for PDF files; where
//   there is none, the desktop's stand-in shows it (the program's print preview).
// - An envelope that cannot be made or saved is one message; the letter is handed over all the same.

#include "letterenvelope.h"
#include "word/engine/handover.h"

#include <QDate>
#include <QStringList>

#include <future>

namespace tavrin::envelopes {

// An envelope being painted.
class EnvelopeJob {
public:
    // Starts painting on a thread of its own; on this one when no thread can be had.
    explicit EnvelopeJob(const LetterEnvelope& envelope);

    // Waits for the painting, once.
    tavrin::Expected<PaintedEnvelope, QString> take();

private:
    std::future<tavrin::Expected<PaintedEnvelope, QString>> painting_;
};

// The user's desktop for envelopes: the letters' documents folder and fallbacks, and the desktop's
// application for PDF files as the opener.
word::engine::Desktop pdfDesktop();

// Saves the painted envelope beside the letter saved last of lettersSaved (the documents folder when there
// is none) and shows it. Returns the messages for the user: why it could not be made or saved, where it
// went instead, that it could not be opened, that part of the address had no room.
QStringList handOverEnvelope(const tavrin::Expected<PaintedEnvelope, QString>& painted,
                             const QStringList& lettersSaved, const word::engine::Desktop& desktop,
                             QDate today = QDate::currentDate());

} // namespace tavrin::envelopes
