// The Simple layout: the whole letter as plain text in Times New Roman 10 pt black, aligned as the user
// chose, with the letter's fixed paragraph format. Every statement ignores its own failure, so with no
// word processor reachable the routine runs to its end and produces nothing.

#include "builder/form1.h"
#include "builder/ignoreerror.h"
#include "layoutrun.h"

namespace tavrin {

namespace {

using styles::dateLine;
using styles::LineBreak;
using styles::lineBreaks;

void setBlack(const word::Ref<word::Selection>& selection) {
    ignoreError([&] { selection->Font()->setColorIndex(word::wdBlack); });
}
void setTimesNewRoman(const word::Ref<word::Selection>& selection) {
    ignoreError([&] { selection->Font()->setName(QStringLiteral("Times New Roman")); });
}
void setTenPoints(const word::Ref<word::Selection>& selection) {
    ignoreError([&] { selection->Font()->setSize(10.0f); });
}

void setAlignment(const word::Ref<word::Selection>& selection, const MBas& mBas) {
    ignoreError([&] { selection->ParagraphFormat()->setAlignment(mBas.alignment); });
}

// The date line (or an empty line), the recipient's name and address, then space before the salutation.
QString recipientBlock(const LetterRecord& record, const WizardChoices& wizard) {
    const QString firstLine = isChecked(wizard.checkDate) ? dateLine() : QString();
    return firstLine + LineBreak + record.RecNameText + LineBreak + record.RecAddressText + lineBreaks(4);
}

QString salutationAndBody(const LetterRecord& record) {
    return record.SalutationText.text() + LineBreak + record.ContentText.text() + lineBreaks(3);
}

QString closingBlock(const LetterRecord& record, const WizardChoices& wizard) {
    const QString conclusionAndClosing =
        LineBreak + record.Conclusiontext.text() + LineBreak + record.ClosingText.text() + LineBreak;
    if (isChecked(wizard.checkOmit2))
        return conclusionAndClosing;
    return conclusionAndClosing + record.NameText + LineBreak + record.AddressText + LineBreak;
}

} // namespace

void Form1::TemplateStyl() {
    const MBas& mBas = services_.mBas;
    word::Ref<word::Selection> selection;

    ignoreError([&] { documentRef = services_.word.CreateDocument(); });
    ignoreError([&] { documentRef->Activate(); });
    ignoreError([&] { selection = documentRef->ActiveWindow()->Selection(); });

    setAlignment(selection, mBas);
    setBlack(selection);
    setTimesNewRoman(selection);
    setTenPoints(selection);
    ignoreError([&] { MacrosAbsaz(); });

    // A left-out recipient block leaves out the date line too.
    if (!isChecked(wizard_.checkOmit))
        ignoreError([&] { selection->TypeText(recipientBlock(record, wizard_)); });

    ignoreError([&] { selection->EndOf(); });
    ignoreError([&] { selection->MoveDown(); });
    ignoreError([&] { selection->TypeParagraph(); });

    ignoreError([&] { selection->TypeText(salutationAndBody(record)); });

    setAlignment(selection, mBas);
    setTimesNewRoman(selection);
    setBlack(selection);
    setTenPoints(selection);
    ignoreError([&] { MacrosAbsaz(); });

    ignoreError([&] { selection->EndOf(); });

    ignoreError([&] { selection->TypeText(closingBlock(record, wizard_)); });

    setAlignment(selection, mBas);
    setBlack(selection);
    setTimesNewRoman(selection);
    setTenPoints(selection);
    ignoreError([&] { MacrosAbsaz(); });

    ignoreError([&] { selection->TypeParagraph(); });
    ignoreError([&] { selection->EndOf(); });
    selection.reset();

    // Empty when the application was already running before the attach step: its visibility stays.
    ignoreError([&] { applicationRef->setVisible(true); });
}

} // namespace tavrin
