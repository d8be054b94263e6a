// Stands in for the .docx writer and reader until they arrive.
#include "docx.h"

#include "word/automationerror.h"

namespace word::engine {

QByteArray docxBytes(const DocumentModel&) {
    throw AutomationError(errors::FileAccess, QStringLiteral("Saving is not available yet."));
}

void saveDocx(const DocumentModel&, const QString&) {
    throw AutomationError(errors::FileAccess, QStringLiteral("Saving is not available yet."));
}

DocumentModel openDocx(const QString&) {
    throw AutomationError(errors::BadDocument, QStringLiteral("Opening documents is not available yet."));
}

} // namespace word::engine
