// Step by step on purpose: every statement stands alone, so a failing one skips itself and nothing more.

// The Modernistic letter: a typewriter face, the heading picture beside the writer's name and address, an
// ornament strip before the salutation, the closing set to the right and the strip again at the foot.

#include "layoutrun.h"

namespace tavrin {

using artwork::StylePicture;
using namespace styles;
using enum FontMember;

namespace {
const Face ModernFace{typefaceOf(Style::Modern), 10, word::wdBlack};
constexpr int LineBreaksAfterSignature = 7;
} // namespace

void Form1::ModernStyl() {
    LayoutRun run(*this, Style::Modern);
    run.writePictures();
    run.newDocument();
    run.align(word::wdAlignParagraphCenter);

    // Heading band: the picture on the left, the writer on the right.
    run.addTable(1, 2);
    run.whiteRules();
    run.selectCell(1, 1);
    run.insertPicture(StylePicture::PictureModern);
    run.endOf();
    run.moveRight();
    run.setFont(ModernFace, {Colour, Name, Size});
    run.macrosAbsaz();
    run.alignAsChosen();
    run.typeParagraph();
    // This layout writes the writer only when the box is 0; the others omit it only when it is 1 (ticked).
    if (wizard().checkOmit2 == 0) {
        run.typeText(record.NameText);
        run.typeParagraph();
        run.typeText(record.AddressText);
    }
    run.endOf();
    run.moveDown();

    // Under the band: the date line, the recipient, then the ornament.
    run.setFont(ModernFace, {Name, Colour, Size});
    run.typeParagraph();
    run.macrosAbsaz();
    run.alignAsChosen();
    if (isChecked(wizard().checkDate))
        run.typeText(dateLine());
    run.typeParagraph();
    if (wizard().checkOmit == 0) {
        run.typeText(record.RecNameText);
        run.typeParagraph();
        run.typeText(record.RecAddressText);
        run.typeParagraph();
    }
    run.alignAsChosen();
    run.setFont(ModernFace, {Name, Colour, Size});
    run.typeParagraph();
    run.macrosAbsaz();
    run.endOf();
    run.insertPicture(StylePicture::ModernLine);

    run.typeParagraph();
    run.setFont(ModernFace, {Colour, Name, Size});
    run.macrosAbsaz();
    run.alignAsChosen();
    run.typeText(LineBreak + record.SalutationText.text() + LineBreak + record.ContentText.text() +
                 lineBreaks(2));
    run.typeParagraph();
    run.endOf();

    // The closing stands to the right, the last ornament to the left, whatever the chosen alignment.
    run.setFont(ModernFace, {Colour, Name, Size});
    run.macrosAbsaz();
    run.align(word::wdAlignParagraphRight);
    run.typeText(record.Conclusiontext.text() + LineBreak + record.ClosingText.text() + LineBreak +
                 texts::signatureMark() + lineBreaks(LineBreaksAfterSignature));
    run.align(word::wdAlignParagraphLeft);
    run.insertPicture(StylePicture::ModernLine);
    run.endOf();

    run.makeApplicationVisible();
    run.releaseSelection();
    run.removePictures();
}

} // namespace tavrin
