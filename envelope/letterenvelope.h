#pragma once

// The envelope of the wizard's letter: its size from the user's paper, the writer and the recipient as
// the wizard's boxes hold them, in the face of the letter's style, painted into a PDF.

#include "builder/wizardchoices.h"
#include "contacts/contacts.h"
#include "word/engine/model.h"
#include "word/files/expected.h"

#include <QByteArray>
#include <QDate>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace tavrin::envelopes {

// The envelope a letter on this paper fits into folded in three: US No. 10 for Letter and the other
// North American papers, DL for A4 and everything else. Named as envelopeSize() takes it.
QString envelopeForPaper(const QPageSize& paper);

// The paper of the user's locale: the size LC_PAPER gives (glibc), as the desktop's print dialogs take
// it; elsewhere Letter where the locale measures in US units and A4 everywhere else.
QPageSize localePaper();

// What goes on the envelope.
struct LetterEnvelope {
    QSizeF size; // in points, landscape
    QString face;
    QStringList writerLines; // none when the writer is left out of the letter
    contacts::Contact recipient;
};

// The envelope of the letter the wizard's choices make, for a letter on the given paper.
LetterEnvelope letterEnvelope(const WizardChoices& choices, const QPageSize& paper);

struct PaintedEnvelope {
    word::engine::DocumentModel model;
    QByteArray pdf;
    int droppedLines = 0; // of the recipient's block, which had no room for them
};

// Laid out and painted as a PDF of one page; the reason when it cannot be. May run on any thread while a
// QGuiApplication exists.
tavrin::Expected<PaintedEnvelope, QString> paintEnvelope(const LetterEnvelope& envelope);

// "Envelope 2026-12-08.pdf", then "Envelope 2026-12-08 (2).pdf" and so on.
QString envelopeFileName(QDate day, int number);

} // namespace tavrin::envelopes
