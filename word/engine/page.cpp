#include "page.h"

namespace word::engine {

PageSetup pageSetupFor(QLocale::MeasurementSystem system) {
    PageSetup page; // A4, 1 inch top and bottom, 1.25 inch left and right
    if (system == QLocale::ImperialUSSystem || system == QLocale::ImperialUKSystem) {
        page.width = 612;
        page.height = 792;
    }
    return page;
}

} // namespace word::engine
