// Step by step on purpose: every statement stands alone, so a failing one skips itself and nothing more.

// The Elegant letter, laid out like a letterhead: the heading picture centred over the writer's name,
// address and date, an ornament strip after the recipient and a closing flourish centred at the end.

#include "layoutrun.h"

namespace tavrin {

using artwork::StylePicture;
using namespace styles;
using enum FontMember;

namespace {
const Face ElegantFace{typefaceOf(Style::Elegant), 12, word::wdBlack};
constexpr int BlankLinesAfterSignature = 8;

// The letterhead lines under the picture: the writer and the date, each wanted or left out.
QString writerAndDate(const Form1& form) {
    const bool withDate = isChecked(form.wizard().checkDate);
    const bool withWriter = !isChecked(form.wizard().checkOmit2);
    const QString writer = form.record.NameText + LineBreak + form.record.AddressText + LineBreak;
    if (withDate && withWriter)
        return writer + dateLine();
    if (withDate)
        return dateLine();
    if (withWriter)
        return writer;
    return {};
}
} // namespace

void Form1::ElegantStyl() {
    LayoutRun run(*this, Style::Elegant);
    run.writePictures();
    run.newDocument();
    run.align(word::wdAlignParagraphCenter);
    run.endOf();

    // Letterhead: the picture centred in a one-cell band, the writer and the date centred under it.
    run.addTable(1, 1);
    run.align(word::wdAlignParagraphCenter);
    run.whiteRules();
    run.selectCell(1, 1);
    run.align(word::wdAlignParagraphCenter);
    run.insertPicture(StylePicture::PictureElegant);
    run.moveDown();
    run.setFont(ElegantFace, {Colour, Name, Size});
    run.macrosAbsaz();
    run.align(word::wdAlignParagraphCenter);
    run.typeParagraph();
    if (const QString lines = writerAndDate(*this); !lines.isEmpty())
        run.typeText(lines);
    run.endOf();
    run.moveDown();

    // The recipient and the letter at the chosen alignment.
    run.setFont(ElegantFace, {Name, Colour, Size});
    run.typeParagraph();
    run.macrosAbsaz();
    run.alignAsChosen();
    run.typeParagraph();
    if (!isChecked(wizard().checkOmit))
        run.typeText(record.RecNameText + LineBreak + record.RecAddressText + LineBreak);
    run.endOf();
    run.insertPicture(StylePicture::ElegantLine);
    run.typeParagraph();
    run.typeText(signedLetterBody(record, BlankLinesAfterSignature));
    run.alignAsChosen();
    run.setFont(ElegantFace, {Colour, Name, Size});
    run.macrosAbsaz();
    run.typeParagraph();
    run.endOf();

    run.align(word::wdAlignParagraphCenter);
    run.insertPicture(StylePicture::ElegantDown);

    run.releaseSelection();
    run.makeApplicationVisible();
    run.removePictures();
}

} // namespace tavrin
