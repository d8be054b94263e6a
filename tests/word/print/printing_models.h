#pragma once

// What the printing tests read from a document model: its words, and documents made by hand.

#include "word/engine/model.h"

#include <QImage>
#include <QStringList>

namespace word::testing {

// Every word of the document's text, body and table cells, in document order.
QStringList wordsOf(const engine::DocumentModel& model);
// Every whitespace-separated word of a text.
QStringList wordsOf(const QString& text);

engine::Paragraph paragraphOf(const QString& text, const QString& font = QStringLiteral("Arial"),
                              float size = 10, int lineSpacingRule = 1);
engine::Picture solidPicture(int pixelWidth, int pixelHeight, float width, float height,
                             QColor colour = Qt::black);
engine::Table tableOf(std::vector<std::vector<engine::TableCell>> rows, std::vector<float> columnWidths);

} // namespace word::testing
