#pragma once

#include "builder/form1.h"

namespace tavrin {

// Form1's messages and mouse pointer on the desktop.
class QtUserInterface : public UserInterface {
public:
    // A message box with an OK button, titled with the application's name; returns when it is closed.
    void messageBox(const QString& text) override;
    // Back to the normal arrow, whatever busy pointers were set.
    void resetMousePointer() override;
};

} // namespace tavrin
