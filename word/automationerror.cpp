#include "automationerror.h"

namespace word {

AutomationError::AutomationError(int number, QString description)
    : number(number), description(std::move(description)), utf8_(this->description.toUtf8()) {}

const char* AutomationError::what() const noexcept {
    return utf8_.constData();
}

} // namespace word
