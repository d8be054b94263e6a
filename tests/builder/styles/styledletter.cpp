#include "styledletter.h"

#include <QDir>

namespace tavrin::testing {

WizardChoices sampleChoices(Style style, Alignment alignment) {
    WizardChoices choices;
    choices.selectAlignment(alignment);

    choices.recNameText = QStringLiteral("Ada Lovelace");
    choices.recAddressText = QStringLiteral("12 Elm Street\r\nLondon");
    choices.salutationCombo = 4;
    choices.checkOther1 = 1;
    choices.option1[0] = false;
    choices.option1[1] = true;
    choices.text1 = QStringLiteral("Thank you for a lovely weekend.\r\nWe loved every minute.");
    choices.conclusionCombo = 1;
    choices.checkOther2 = 1;
    choices.closingCombo = 1;
    choices.checkOther3 = 1;
    choices.nameText = QStringLiteral("Charles Babbage");
    choices.addressText = QStringLiteral("1 Dorset Street\r\nMarylebone");
    choices.checkDate = 1;

    choices.selectStyle(style);
    return choices;
}

StyledLetter::StyledLetter(QString programDirectory)
    : programDirectory_(programDirectory.isEmpty() ? ownDirectory_.path() : programDirectory) {
    form = std::make_unique<Form1>(Form1::Services{engine, mBas, ui, programDirectory_});
}

void StyledLetter::attach() {
    form->Command1_Click();
}

void StyledLetter::assemble(const WizardChoices& choices) {
    mBas.alignment = 0;
    form->Sapolnenie(choices);
}

const word::engine::DocumentModel& StyledLetter::model() {
    return word::engine::modelOf(engine.Global()->ActiveDocument());
}

void StyledLetter::saveAs(const QString& path) {
    engine.Global()->ActiveDocument()->SaveAs(path);
}

QStringList StyledLetter::programDirectoryFiles() const {
    return QDir(programDirectory_)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace tavrin::testing
