#pragma once

// Letters built the way Finish builds them: the wizard's choices handed to Form1, which runs the chosen
// style on the built-in engine.

#include "builder/wizardchoices.h"
#include "word/engine/model.h"

#include <QString>

#include <array>
#include <ostream>

namespace tavrin {
inline void PrintTo(Style style, std::ostream* out) {
    *out << styleName(style).toStdString();
}
} // namespace tavrin

namespace word::testing {

using tavrin::AllStyles;
using tavrin::Style;
using tavrin::styleName;

// The wizard's design-time choices with the style picked: the style's default letter.
tavrin::WizardChoices defaultChoices(Style style);

// The letter as the engine holds it once the layout routine has run.
engine::DocumentModel letter(const tavrin::WizardChoices& choices);

inline engine::DocumentModel defaultLetter(Style style) {
    return letter(defaultChoices(style));
}

} // namespace word::testing
