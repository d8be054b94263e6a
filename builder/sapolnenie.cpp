// Letter assembly: the wizard's choices become the letter record and the alignment value, then the
// chosen layout writes the letter. Nothing here traps an error: the first failure ends the assembly and
// reaches the caller.

#include "form1.h"
#include "lettertexts.h"
#include "stylecatalog.h"

namespace tavrin {

namespace {

// With no alignment option on, the value stays as it was.
void takeAlignment(const WizardChoices& choices, MBas& mBas) {
    if (const auto alignment = choices.alignment())
        mBas.alignment = static_cast<std::int32_t>(*alignment);
}

// An empty box leaves the placeholder in place.
void copyIfGiven(const QString& typed, QString& holder) {
    if (!typed.isEmpty())
        holder = typed;
}

void takeTypedTexts(const WizardChoices& choices, LetterRecord& record) {
    copyIfGiven(choices.recNameText, record.RecNameText);
    copyIfGiven(choices.recAddressText, record.RecAddressText);
    copyIfGiven(choices.nameText, record.NameText);
    copyIfGiven(choices.addressText, record.AddressText);
}

void takeListPositions(const WizardChoices& choices, LetterRecord& record) {
    record.SalutationText.choose(choices.salutationCombo);
    if (const int closing = closingItemForWizardPosition(choices.closingCombo); closing != -1)
        record.ClosingText.choose(closing);
    record.Conclusiontext.choose(choices.conclusionCombo);
}

void takeContent(const WizardChoices& choices, ListWithText& content) {
    content.setText(choices.text1.isEmpty() ? texts::contentPlaceholder() : choices.text1);
    content.setText(QString(content.text()).replace(texts::InformationMark, texts::informationPlaceholder()));
    const bool ownNote = choices.option1[0];
    if (ownNote)
        content.setText(texts::contentPlaceholder());
}

// Applied after the list positions, so an Other box wins over its list.
void applyOtherBoxes(const WizardChoices& choices, LetterRecord& record) {
    if (isChecked(choices.checkOther2))
        record.Conclusiontext.setText(texts::conclusionPlaceholder());
    if (isChecked(choices.checkOther3))
        record.ClosingText.setText(texts::closingPlaceholder());
    if (isChecked(choices.checkOther1))
        record.SalutationText.setText(texts::salutationPlaceholder());
}

} // namespace

void Form1::Sapolnenie(const WizardChoices& choices) {
    Sapolnenie(choices, [](LetterRecord&) {});
}

void Form1::Sapolnenie(const WizardChoices& choices, const std::function<void(LetterRecord&)>& amendRecord) {
    wizard_ = choices;

    takeAlignment(choices, services_.mBas);
    takeTypedTexts(choices, record);
    takeListPositions(choices, record);
    takeContent(choices, record.ContentText);
    applyOtherBoxes(choices, record);
    amendRecord(record);

    // With no style option on, no layout runs.
    if (const auto style = choices.style())
        (this->*styleRow(*style).layout)();

    Unload();
}

} // namespace tavrin
