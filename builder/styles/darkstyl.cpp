// Step by step on purpose: every statement stands alone, so a failing one skips itself and nothing more.

// The Dark letter: the date and the recipient beside the heading picture, a thin rule under the band, the
// closing block set to the right and the rule again, also to the right, at the foot of the letter.

#include "layoutrun.h"

namespace tavrin {

using artwork::StylePicture;
using namespace styles;
using enum FontMember;

namespace {
const Face DarkFace{typefaceOf(Style::Dark), 10, word::wdBlack};
constexpr int ParagraphEndsBeforeFinalRule = 24;

// The writer's name and address are written here only, at the end of the closing block, and only when
// the writer is not left out; nothing about the writer goes under the heading band.
QString closingBlock(const Form1& form) {
    const LetterRecord& record = form.record;
    const QString conclusionAndClosing = record.Conclusiontext.text() + LineBreak + record.ClosingText.text();
    if (isChecked(form.wizard().checkOmit2))
        return conclusionAndClosing + LineBreak;
    return conclusionAndClosing + LineBreak + record.NameText + LineBreak + record.AddressText;
}
} // namespace

void Form1::DarkStyl() {
    LayoutRun run(*this, Style::Dark);
    // Heading band: the date and the recipient on the left, the picture on the right.
    run.newDocumentWithTwoCellBand();
    run.setFont(DarkFace, {Name, Colour, Size});
    run.macrosAbsaz();
    run.typeDateAndRecipient(DateWithoutRecipient::Stays);
    run.endOf();
    run.selectCell(1, 2);
    run.insertPicture(StylePicture::PictureDark);
    run.moveRight();
    run.alignAsChosen();
    run.setFont(DarkFace, {Colour, Name, Size});
    run.macrosAbsaz();

    // The rule under the band, then the salutation and the body.
    run.endOf();
    run.moveDown();
    run.insertPicture(StylePicture::DarkLine);
    run.typeParagraph();
    run.alignAsChosen();
    run.setFont(DarkFace, {Name, Colour, Size});
    run.typeParagraph();
    run.macrosAbsaz();
    run.endOf();
    run.typeText(LineBreak + record.SalutationText.text() + LineBreak + record.ContentText.text() +
                 lineBreaks(3));
    run.alignAsChosen();
    run.setFont(DarkFace, {Colour, Name, Size});
    run.macrosAbsaz();
    run.endOf();

    // The closing block and everything after it stand to the right, whatever the chosen alignment.
    run.setFont(DarkFace, {Colour, Name, Size});
    run.macrosAbsaz();
    run.align(word::wdAlignParagraphRight);
    run.typeText(closingBlock(*this));
    for (int i = 0; i < ParagraphEndsBeforeFinalRule; ++i)
        run.typeParagraph();
    run.insertPicture(StylePicture::DarkLine);
    run.endOf();

    run.releaseSelection();
    run.makeApplicationVisible();
    run.removePictures();
}

} // namespace tavrin
