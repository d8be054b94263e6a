#pragma once

// PDF files painted by the engine's page renderer: documents as they print, and envelopes, the writer
// in the corner and the recipient where the post looks for them. Both programs address their envelopes here.

#include "contacts/contacts.h"
#include "word/engine/model.h"

#include <QByteArray>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

namespace tavrin::envelopes {

// Every page of every document in order, each document from a new page at its own page size. Needs a
// QGuiApplication. Throws word::AutomationError (PrintingFailed) when the PDF cannot be painted.
QByteArray documentsPdf(const std::vector<const word::engine::DocumentModel*>& documents);

// An envelope size by its name (DL, C4, C5, C6, 10), landscape, in points.
QSizeF envelopeSize(const QString& name);

// The face each style writes the recipient in, which the envelope uses too.
QString envelopeFace(const QString& style);

// One envelope, always one page: the writer's lines small in the top-left corner, each cut to one line,
// the recipient's block in the right half of the lower half, in a smaller face when it runs over, and
// without the lines that still do not fit in the smallest; a name that even the smallest face cannot set
// on one line is cut to one. Pictures stay off envelopes. Needs a QGuiApplication (font metrics).
struct Envelope {
    word::engine::DocumentModel model;
    int droppedLines = 0;       // of the recipient's block
    bool nameShortened = false; // the recipient's name cut to one line
};
Envelope envelope(const QSizeF& size, const QString& face, const QStringList& writerLines,
                  const contacts::Contact& recipient);

// Where the envelope's recipient block starts, in points from the page's top-left corner.
QPointF recipientBlockOrigin(const QSizeF& size);

} // namespace tavrin::envelopes
