#pragma once

#include "style.h"
#include "stylecatalog.h"

#include <QString>

#include <optional>

namespace tavrin {

// What the wizard hands over on Finish: a plain copy of every control the letter assembly and the layout
// routines read. Defaults are the wizard's own design-time defaults.
//
// Check boxes keep their value (0 unchecked, 1 checked, 2 greyed) because a box counts as checked only
// when its value is 1. Multi-line texts use a carriage return + line feed between lines. List positions
// are -1 when nothing is chosen.
struct WizardChoices {
    // Page 0: alignment
    bool optAlignCenter = true;
    bool optAlignLeft = false;
    bool optAlignRight = false;

    // Page 1: recipient
    QString recNameText;
    QString recAddressText;
    int checkOmit = 0;

    // Page 2: salutation
    int salutationCombo = -1;
    int checkOther1 = 0;

    // Page 3: content; option1[0] is "To write own note", option1[1] "To use sample content"
    bool option1[2] = {false, true};
    int contentCombo = -1;
    QString text1;

    // Page 4: conclusion
    int conclusionCombo = -1;
    int checkOther2 = 0;

    // Page 5: closing
    int closingCombo = -1;
    int checkOther3 = 0;

    // Page 6: writer and date line
    QString nameText;
    QString addressText;
    int checkOmit2 = 0;
    int checkDate = 1;

    // Page 7: style
    bool optSimple = true;
    bool optRomantic = false;
    bool optDark = false;
    bool optClassic = false;
    bool optElegant = false;
    bool optModern = false;

    bool operator==(const WizardChoices&) const = default;

    // What the option states mean; empty when no option of the page is on. A page's options are
    // exclusive in the wizard; of several on at once, left wins over right over centred, and the first
    // style in the wizard's order wins.
    std::optional<Alignment> alignment() const;
    std::optional<Style> style() const;

    // Turns the one option on and the others of its page off, as a click on it does; with none given,
    // every option of the page is off.
    void selectAlignment(std::optional<Alignment> alignment);
    void selectStyle(std::optional<Style> style);
};

inline std::optional<Alignment> WizardChoices::alignment() const {
    if (optAlignLeft)
        return Alignment::Left;
    if (optAlignRight)
        return Alignment::Right;
    if (optAlignCenter)
        return Alignment::Center;
    return std::nullopt;
}

inline std::optional<Style> WizardChoices::style() const {
    for (const StyleRow& row : styleCatalogue())
        if (this->*row.option)
            return row.style;
    return std::nullopt;
}

inline void WizardChoices::selectAlignment(std::optional<Alignment> alignment) {
    optAlignLeft = alignment == Alignment::Left;
    optAlignCenter = alignment == Alignment::Center;
    optAlignRight = alignment == Alignment::Right;
}

inline void WizardChoices::selectStyle(std::optional<Style> style) {
    for (const StyleRow& row : styleCatalogue())
        this->*row.option = row.style == style;
}

inline bool isChecked(int checkBoxValue) {
    return checkBoxValue == 1;
}

} // namespace tavrin
