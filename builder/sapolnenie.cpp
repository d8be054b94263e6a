// Letter assembly: the wizard's choices become the letter record and the alignment value, then the
// chosen layout writes the letter. Nothing here traps an error: the first failure ends the assembly and
// reaches the caller.

#include "form1.h"
#include "lettertexts.h"

namespace tavrin {

namespace {

void takeAlignment(const WizardChoices& choices, MBas& mBas) {
    if (choices.optAlignCenter)
        mBas.alignment = word::wdAlignParagraphCenter;
    if (choices.optAlignRight)
        mBas.alignment = word::wdAlignParagraphRight;
    if (choices.optAlignLeft)
        mBas.alignment = word::wdAlignParagraphLeft;
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
    content.setText(choices.text1.isEmpty() ? texts::ContentPlaceholder : choices.text1);
    content.setText(QString(content.text()).replace(texts::InformationMark, texts::InformationPlaceholder));
    const bool ownNote = choices.option1[0];
    if (ownNote)
        content.setText(texts::ContentPlaceholder);
}

// Applied after the list positions, so an Other box wins over its list.
void applyOtherBoxes(const WizardChoices& choices, LetterRecord& record) {
    if (isChecked(choices.checkOther2))
        record.Conclusiontext.setText(texts::ConclusionPlaceholder);
    if (isChecked(choices.checkOther3))
        record.ClosingText.setText(texts::ClosingPlaceholder);
    if (isChecked(choices.checkOther1))
        record.SalutationText.setText(texts::SalutationPlaceholder);
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

    // The wizard's style options are exclusive; each selected one runs its layout, in this order.
    const std::pair<bool, void (Form1::*)()> layouts[] = {
        {choices.optSimple, &Form1::TemplateStyl}, {choices.optRomantic, &Form1::RomanticStyl},
        {choices.optDark, &Form1::DarkStyl},       {choices.optClassic, &Form1::ClassicStyl},
        {choices.optElegant, &Form1::ElegantStyl}, {choices.optModern, &Form1::ModernStyl},
    };
    for (const auto& [selected, layout] : layouts)
        if (selected)
            (this->*layout)();

    Unload();
}

} // namespace tavrin
