#pragma once

#include <QString>

namespace tavrin {

// A multi-line text as the builder expects it: lines separated by carriage return + line feed, however
// the text box stored them (line feed, carriage return, Unicode line or paragraph separator).
QString withCrLf(const QString& text);

} // namespace tavrin
