#include "builder/form1.h"

namespace tavrin {

void Form1::RomanticStyl() {}

} // namespace tavrin
