// Step by step on purpose: every statement stands alone, so a failing one skips itself and nothing more.

// The Simple layout: the whole letter as plain text in Times New Roman 10 pt black, aligned as the user
// chose, with the letter's fixed paragraph format. Every statement ignores its own failure, so with no
// word processor reachable the routine runs to its end and produces nothing.

#include "layoutrun.h"

namespace tavrin {

using namespace styles;
using enum FontMember;

namespace {
const Face SimpleFace{typefaceOf(Style::Simple), 10, word::wdBlack};

// The date line (or an empty line), the recipient's name and address, then space before the salutation.
QString recipientBlock(const Form1& form) {
    const LetterRecord& record = form.record;
    const QString firstLine = isChecked(form.wizard().checkDate) ? dateLine() : QString();
    return firstLine + LineBreak + record.RecNameText + LineBreak + record.RecAddressText + lineBreaks(4);
}

QString salutationAndBody(const LetterRecord& record) {
    return record.SalutationText.text() + LineBreak + record.ContentText.text() + lineBreaks(3);
}

QString closingBlock(const Form1& form) {
    const LetterRecord& record = form.record;
    const QString conclusionAndClosing =
        LineBreak + record.Conclusiontext.text() + LineBreak + record.ClosingText.text() + LineBreak;
    if (isChecked(form.wizard().checkOmit2))
        return conclusionAndClosing;
    return conclusionAndClosing + record.NameText + LineBreak + record.AddressText + LineBreak;
}
} // namespace

void Form1::TemplateStyl() {
    LayoutRun run(*this, Style::Simple);
    run.newDocument();
    run.alignAsChosen();
    run.setFont(SimpleFace, {Colour, Name, Size});
    run.macrosAbsaz();

    // A left-out recipient block leaves out the date line too.
    if (!isChecked(wizard_.checkOmit))
        run.typeText(recipientBlock(*this));

    run.endOf();
    run.moveDown();
    run.typeParagraph();

    run.typeText(salutationAndBody(record));

    run.alignAsChosen();
    run.setFont(SimpleFace, {Name, Colour, Size});
    run.macrosAbsaz();

    run.endOf();

    run.typeText(closingBlock(*this));

    run.alignAsChosen();
    run.setFont(SimpleFace, {Colour, Name, Size});
    run.macrosAbsaz();

    run.typeParagraph();
    run.endOf();
    run.releaseSelection();

    // Fails, and is skipped, when the application was already running before the attach step: its
    // visibility stays.
    run.makeApplicationVisible();
}

} // namespace tavrin
