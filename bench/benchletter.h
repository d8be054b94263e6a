#pragma once

// The letter the benchmarks build: every part given, the body two lines of some length, in one style.

#include "builder/wizardchoices.h"

namespace tavrin::bench {

inline WizardChoices benchmarkLetter(Style style) {
    WizardChoices choices;
    choices.recNameText = QStringLiteral("Ada Lovelace");
    choices.recAddressText = QStringLiteral("12 Elm Street\r\nLondon");
    choices.salutationCombo = 4;
    choices.text1 =
        QStringLiteral("Thank you for a lovely weekend. The garden was at its best and the company "
                       "even better.\r\nWe loved every minute and hope to see you again soon.");
    choices.conclusionCombo = 1;
    choices.closingCombo = 1;
    choices.nameText = QStringLiteral("Charles Babbage");
    choices.addressText = QStringLiteral("1 Dorset Street\r\nMarylebone");
    choices.selectStyle(style);
    return choices;
}

} // namespace tavrin::bench
