#pragma once

// The letter styles, one row each: all that the wizard, the letter assembly and tavrin-letters know of a
// style. Every list of styles is a loop over these rows or a lookup in them; the README says how to add one.

#include "artwork/artwork.h"
#include "style.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace tavrin {

class Form1;
struct WizardChoices;

struct StyleRow {
    Style style;
    // The name the wizard's option stands for, untranslated: "Modernistic" for the Modern layout.
    QStringView wizardName;
    // The name tavrin-letters' --style takes.
    QStringView commandLineName;
    // The face the layout writes the letter's text in, the recipient among it; the envelopes take it too.
    QStringView typeface;
    // The pictures the layout writes beside the program and embeds, in the order it writes them.
    std::span<const artwork::StylePicture> pictures;
    // What the wizard's style page shows above the option; none for a style without pictures.
    std::optional<artwork::StylePreview> preview;
    // The layout routine that writes the letter.
    void (Form1::*layout)();
    // The wizard's option for the style.
    bool WizardChoices::*option;
};

// Every style, in the order of `Style`: the wizard's order, in which the first option on wins.
std::span<const StyleRow> styleCatalogue();

const StyleRow& styleRow(Style style);

// The row whose command-line name is exactly the given one; null when none is.
const StyleRow* styleRowForCommandLineName(QStringView name);

// The face the style's row names: the layout writes its text in it and the envelopes take it, so the two
// never differ.
inline QString typefaceOf(Style style) {
    return styleRow(style).typeface.toString();
}

} // namespace tavrin
