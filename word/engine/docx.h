#pragma once

#include "model.h"

#include <QByteArray>
#include <QString>

namespace word::engine {

QByteArray docxBytes(const DocumentModel& model);
void saveDocx(const DocumentModel& model, const QString& path);
DocumentModel openDocx(const QString& path);

} // namespace word::engine
