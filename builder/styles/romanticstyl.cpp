// Step by step on purpose: every statement stands alone, so a failing one skips itself and nothing more.

// The Romantic letter: a script face throughout, the heading picture beside the writer's name and address,
// an ornament strip before the salutation and again as the last line.

#include "layoutrun.h"

namespace tavrin {

using artwork::StylePicture;
using namespace styles;
using enum FontMember;

namespace {
const Face RomanticFace{typefaceOf(Style::Romantic), 12, word::wdBlack};
constexpr int BlankLinesAfterSignature = 8;
} // namespace

void Form1::RomanticStyl() {
    LayoutRun run(*this, Style::Romantic);
    // Heading band: the picture on the left, the writer on the right.
    run.newDocumentWithTwoCellBand();
    run.selectCell(1, 1);
    run.insertPicture(StylePicture::PictureRomantic);
    run.moveRight();
    run.typeParagraph();
    run.alignAsChosen();
    run.setFont(RomanticFace, {Colour, Name, Size});
    run.macrosAbsaz();
    if (!isChecked(wizard().checkOmit2))
        run.typeText(record.NameText + LineBreak + record.AddressText);
    run.endOf();
    run.moveDown();

    // Below the band: the date and the recipient, then the ornament.
    run.typeParagraph();
    run.alignAsChosen();
    run.setFont(RomanticFace, {Name, Colour, Size});
    run.macrosAbsaz();
    run.typeDateAndRecipient(DateWithoutRecipient::Stays);
    run.typeParagraph();
    run.macrosAbsaz();
    run.endOf();
    run.insertPicture(StylePicture::RomanticLine);
    run.typeParagraph();

    run.typeText(signedLetterBody(record, BlankLinesAfterSignature));
    run.alignAsChosen();
    run.setFont(RomanticFace, {Colour, Name, Size});
    run.macrosAbsaz();
    run.typeParagraph();
    run.endOf();
    run.insertPicture(StylePicture::RomanticLine);
    run.endOf();

    run.releaseSelection();
    run.makeApplicationVisible();
    run.removePictures();
}

} // namespace tavrin
