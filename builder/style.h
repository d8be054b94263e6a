#pragma once

// The letter's style and alignment as the builder sees them. The wizard hands over the states of its
// option buttons; these are what those states mean.

#include "word/constants.h"

#include <QString>

#include <array>

namespace tavrin {

// One per layout routine, in the order the wizard offers them; each has its row in the style catalogue
// (stylecatalog.h).
enum class Style { Simple, Romantic, Dark, Classic, Elegant, Modern };

inline constexpr std::array AllStyles = {Style::Simple,  Style::Romantic, Style::Dark,
                                         Style::Classic, Style::Elegant,  Style::Modern};

// The name the wizard's option shows, untranslated: "Modernistic" for the Modern layout (stylecatalog.h).
QString styleName(Style style);

// The values are the word processor's paragraph alignments, the ones the letter's alignment value holds.
enum class Alignment {
    Left = word::wdAlignParagraphLeft,
    Center = word::wdAlignParagraphCenter,
    Right = word::wdAlignParagraphRight,
};

} // namespace tavrin
