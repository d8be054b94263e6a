#include "form1.h"

namespace tavrin {

Form1::Form1(Services services) : services_(std::move(services)) {}

// Releasing a reference never closes the application or a document: they stay open for the user.
void Form1::Unload() {
    applicationRef.reset();
    documentRef.reset();
    rangeRef.reset();
    loaded_ = false;
}

} // namespace tavrin
