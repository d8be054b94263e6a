#include "lettertexts.h"

namespace tavrin::texts {

QStringList salutationEntries() { return QStringList(9); }
QStringList contentCategories() { return QStringList(8); }
QStringList sampleParagraphs() { return QStringList(8); }
QStringList conclusionEntries() { return QStringList(7); }
QStringList closingEntries() { return QStringList(17); }

} // namespace tavrin::texts
