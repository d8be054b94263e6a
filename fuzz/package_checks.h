#pragma once

#include "word/engine/model.h"

#include <QByteArray>

namespace fuzzchecks {

// Aborts unless every part of the package is well-formed XML (or a picture) and the package holds the
// parts a word processor needs.
void requireWellFormedPackage(const QByteArray& package);
// Aborts unless the model keeps the rules every written model keeps: a body ending in a paragraph, no two
// tables in a row, square tables whose cells hold paragraphs.
void requireModelRules(const word::engine::DocumentModel& model);

} // namespace fuzzchecks
