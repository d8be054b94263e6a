// Step by step on purpose: every statement stands alone, so a failing one skips itself and nothing more.

// The Classic letter: the date and the recipient beside the heading picture, Arial throughout, and two
// rules drawn across the page, the first just under the recipient's address.

#include "layoutrun.h"

namespace tavrin {

using artwork::StylePicture;
using namespace styles;
using enum FontMember;

namespace {
const Face ClassicFace{typefaceOf(Style::Classic), 10, word::wdBlack};
const Face Corsiva{QStringLiteral("Monotype Corsiva"), 12, word::wdBlack};

// The rules run across the text column, in points from the page's top-left corner.
constexpr float RuleLeft = 50.2f;
constexpr float RuleRight = 540.0f;
constexpr float FirstRuleTop = 270.0f;
constexpr float AddressLineHeight = 18.0f;
constexpr float SecondRuleHeight = 700.0f;

QString closingBlock(const Form1& form) {
    const LetterRecord& record = form.record;
    const QString conclusionAndClosing =
        lineBreaks(2) + record.Conclusiontext.text() + LineBreak + record.ClosingText.text() + LineBreak;
    // This layout writes the writer only when the box is 0; the others omit it only when it is 1 (ticked).
    if (form.wizard().checkOmit2 == 0)
        return conclusionAndClosing + record.NameText + LineBreak + record.AddressText;
    return conclusionAndClosing;
}

// The first rule follows the recipient's address down the page, one address line at a time. The address
// is counted as it stands in the record, also when the recipient block was left out.
float firstRuleHeight(const LetterRecord& record) {
    const auto lineBreakCount = record.RecAddressText.count(LineBreak);
    return FirstRuleTop + AddressLineHeight * float(lineBreakCount);
}
} // namespace

void Form1::ClassicStyl() {
    LayoutRun run(*this, Style::Classic);
    // Heading band: the date and the recipient on the left, the picture on the right.
    run.newDocumentWithTwoCellBand();
    run.setFont(ClassicFace, {Name, Colour, Size});
    run.macrosAbsaz();
    // Left out with the recipient, the date goes too.
    run.typeDateAndRecipient(DateWithoutRecipient::GoesToo);
    run.endOf();
    run.selectCell(1, 1);
    run.moveRight();
    run.insertPicture(StylePicture::PictureClassic);
    run.endOf();
    run.moveDown();

    run.typeParagraph();
    run.typeParagraph();
    run.alignAsChosen();
    run.setFont(ClassicFace, {Name, Colour, Size});
    run.typeParagraph();
    run.typeParagraph();
    run.macrosAbsaz();
    run.typeText(record.SalutationText.text() + LineBreak + record.ContentText.text());
    run.typeParagraph();
    run.typeParagraph();
    run.endOf();
    run.endOf();
    run.typeParagraph();
    run.typeText(closingBlock(*this));

    // The script face reaches only the last paragraph: the closing block is already typed.
    run.alignAsChosen();
    run.setFont(Corsiva, {Colour, Name, Size});
    run.macrosAbsaz();
    run.typeParagraph();
    run.endOf();

    const float firstRule = firstRuleHeight(record);
    run.addSelectedLine(RuleLeft, firstRule, RuleRight, firstRule);
    run.addSelectedLine(RuleLeft, SecondRuleHeight, RuleRight, SecondRuleHeight);

    run.releaseSelection();
    run.removePictures();
}

} // namespace tavrin
