#pragma once

// Letters built the way Finish builds them: the wizard's choices handed to Form1, which runs the chosen
// style on the built-in engine.

#include "builder/wizardchoices.h"
#include "word/engine/model.h"

#include <QString>

#include <array>
#include <ostream>

namespace word::testing {

enum class LetterStyle { Simple, Romantic, Dark, Classic, Elegant, Modernistic };

inline constexpr std::array AllLetterStyles = {LetterStyle::Simple,  LetterStyle::Romantic,
                                               LetterStyle::Dark,    LetterStyle::Classic,
                                               LetterStyle::Elegant, LetterStyle::Modernistic};

QString styleName(LetterStyle style);
inline void PrintTo(LetterStyle style, std::ostream* out) {
    *out << styleName(style).toStdString();
}

// The wizard's design-time choices with the style picked: the style's default letter.
tavrin::WizardChoices defaultChoices(LetterStyle style);

// The letter as the engine holds it once the layout routine has run.
engine::DocumentModel letter(const tavrin::WizardChoices& choices);

inline engine::DocumentModel defaultLetter(LetterStyle style) {
    return letter(defaultChoices(style));
}

} // namespace word::testing
