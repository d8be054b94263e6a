#include "builder/form1.h"

namespace tavrin {

void Form1::ModernStyl() {}

} // namespace tavrin
