#include "styledletter.h"

#include <QDir>

namespace tavrin::testing {

QString styleName(Style style) {
    switch (style) {
    case Style::Romantic:
        return QStringLiteral("Romantic");
    case Style::Dark:
        return QStringLiteral("Dark");
    case Style::Classic:
        return QStringLiteral("Classic");
    case Style::Elegant:
        return QStringLiteral("Elegant");
    case Style::Modern:
        return QStringLiteral("Modernistic");
    }
    return {};
}

WizardChoices sampleChoices(Style style, int alignment) {
    WizardChoices choices;
    choices.optAlignLeft = alignment == 0;
    choices.optAlignCenter = alignment == 1;
    choices.optAlignRight = alignment == 2;

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

    choices.optSimple = false;
    choices.optRomantic = style == Style::Romantic;
    choices.optDark = style == Style::Dark;
    choices.optClassic = style == Style::Classic;
    choices.optElegant = style == Style::Elegant;
    choices.optModern = style == Style::Modern;
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
