#include "builder/form1.h"

namespace tavrin {

void Form1::ClassicStyl() {}

} // namespace tavrin
