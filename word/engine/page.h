#pragma once

// The page of a new document, the same on both word processors.

#include "model.h"

#include <QLocale>

namespace word::engine {

// A4 for metric measurement, US Letter for imperial.
PageSetup pageSetupFor(QLocale::MeasurementSystem system);

} // namespace word::engine
