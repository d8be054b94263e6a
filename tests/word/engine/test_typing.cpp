// Typing, paragraph ends and formatting at the selection.

#include "engine_support.h"

#include "word/engine/paragraph.h"

namespace {

using namespace word::engine;
using enginetest::bodyParagraph;
using enginetest::cellParagraph;
using enginetest::EngineTest;
using Lines = std::vector<std::string>;

const TextRun& run(const Paragraph& paragraph, std::size_t index) {
    return std::get<TextRun>(paragraph.content.at(index));
}

TEST_F(EngineTest, TypeTextInsertsAtTheInsertionPoint) {
    startOfParagraphHolding("abc def");
    selection->EndOf();
    selection->TypeText("X");
    selection->TypeText("Y");
    EXPECT_EQ(lines(), (Lines{"[]", "abc XYdef"}));
}

TEST_F(EngineTest, TypeTextReplacesASelectedCell) {
    const auto table = tableAtStart(1, 2);
    selection->TypeText("one\r\ntwo");
    table->Cell(1, 1)->Select();
    selection->TypeText("new");
    selection->TypeText("!");
    EXPECT_EQ(lines(), (Lines{"[new! | ]", ""}));
}

TEST_F(EngineTest, ReplacingACellKeepsItsLastParagraphFormatAndItsFirstCharacterFormat) {
    const auto table = tableAtStart(1, 1);
    selection->Font()->setBold(true);
    selection->TypeText("first\r\n");
    selection->Font()->setBold(false);
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphRight);
    selection->TypeText("second");
    table->Cell(1, 1)->Select();
    selection->TypeText("new");
    const Paragraph& cell = cellParagraph(model(), 0, 0, 0);
    EXPECT_EQ(cell.format.alignment, word::wdAlignParagraphRight);
    EXPECT_TRUE(run(cell, 0).format.bold);
}

TEST_F(EngineTest, TypeParagraphSplitsAtTheInsertionPoint) {
    startOfParagraphHolding("abc def");
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    selection->EndOf();
    selection->TypeParagraph();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "abc ", "^def"}));
    EXPECT_EQ(bodyParagraph(model(), 1).format.alignment, word::wdAlignParagraphCenter);
    EXPECT_EQ(bodyParagraph(model(), 2).format.alignment, word::wdAlignParagraphCenter);
}

TEST_F(EngineTest, NewParagraphTakesTheInsertionFormatting) {
    selection->TypeText("abc");
    selection->Font()->setSize(20);
    selection->TypeParagraph();
    EXPECT_EQ(bodyParagraph(model(), 0).content.size(), 1u);
    EXPECT_EQ(run(bodyParagraph(model(), 0), 0).format.size, 10.0f);
    EXPECT_EQ(bodyParagraph(model(), 1).markFormat.size, 20.0f);
    selection->TypeText("def");
    EXPECT_EQ(run(bodyParagraph(model(), 1), 0).format.size, 20.0f);
}

TEST_F(EngineTest, SplittingBeforeTextKeepsTheOldMarkWithTheText) {
    selection->Font()->setColorIndex(word::wdRed);
    const auto start = selection->Range();
    selection->TypeText("abc");
    document->Tables()->Add(start, 1, 1);
    selection->Font()->setColorIndex(word::wdBlue); // the empty cell's mark
    selection->MoveRight();                         // to the start of "abc"
    selection->Font()->setBold(true);
    selection->TypeParagraph();
    EXPECT_EQ(lines(), (Lines{"[]", "", "abc"}));
    EXPECT_TRUE(bodyParagraph(model(), 1).markFormat.bold);
    EXPECT_EQ(bodyParagraph(model(), 2).markFormat.colorIndex, word::wdRed);
    EXPECT_FALSE(bodyParagraph(model(), 2).markFormat.bold);
}

TEST_F(EngineTest, FontAtACollapsedSelectionFormatsTheTextTypedNext) {
    selection->TypeText("plain ");
    selection->Font()->setBold(true);
    selection->Font()->setName("Arial");
    selection->TypeText("bold");
    const Paragraph& paragraph = bodyParagraph(model(), 0);
    ASSERT_EQ(paragraph.content.size(), 2u);
    EXPECT_FALSE(run(paragraph, 0).format.bold);
    EXPECT_TRUE(run(paragraph, 1).format.bold);
    EXPECT_EQ(run(paragraph, 1).format.fontName, "Arial");
    EXPECT_EQ(paragraph.markFormat, CharFormat{}) << "a paragraph with text keeps its mark";
    EXPECT_TRUE(selection->Font()->Bold());
    EXPECT_EQ(selection->Font()->Name(), "Arial");
}

TEST_F(EngineTest, FontInAnEmptyParagraphFormatsItsMark) {
    selection->Font()->setName("Garamond");
    selection->Font()->setSize(12);
    selection->Font()->setColorIndex(word::wdBlack);
    const CharFormat mark = bodyParagraph(model(), 0).markFormat;
    EXPECT_EQ(mark, (CharFormat{"Garamond", 12, word::wdBlack, false}));
}

TEST_F(EngineTest, FontWithACellSelectedFormatsAllOfItsTextAndMarks) {
    const auto table = tableAtStart(1, 2);
    selection->TypeText("a\r\nb");
    table->Cell(1, 1)->Select();
    selection->Font()->setColorIndex(word::wdRed);
    for (int p = 0; p < 2; ++p) {
        const Paragraph& paragraph = cellParagraph(model(), 0, 0, 0, p);
        EXPECT_EQ(run(paragraph, 0).format.colorIndex, word::wdRed);
        EXPECT_EQ(paragraph.markFormat.colorIndex, word::wdRed);
    }
    EXPECT_EQ(cellParagraph(model(), 0, 0, 1).markFormat.colorIndex, word::wdAuto);
}

TEST_F(EngineTest, MovingAwayDropsAFormattingNotYetTyped) {
    startOfParagraphHolding("abc");
    selection->MoveRight();
    selection->Font()->setBold(true);
    selection->MoveRight();
    selection->TypeText("X");
    EXPECT_EQ(lines(), (Lines{"[]", "abXc"}));
    EXPECT_EQ(bodyParagraph(model(), 1).content.size(), 1u) << "X takes the formatting of b";
}

TEST_F(EngineTest, ParagraphFormatAppliesToTheParagraphOfTheInsertionPointAndItsSplits) {
    selection->TypeText("before\r\n");
    selection->ParagraphFormat()->setLineSpacingRule(word::wdLineSpace1pt5);
    selection->ParagraphFormat()->setSpaceAfter(6);
    selection->TypeText("a\r\nb\r\n");
    const auto& body = model().body;
    EXPECT_EQ(std::get<Paragraph>(body[0]).format, ParaFormat{});
    for (std::size_t i = 1; i < body.size(); ++i) {
        EXPECT_EQ(std::get<Paragraph>(body[i]).format.lineSpacingRule, word::wdLineSpace1pt5);
        EXPECT_EQ(std::get<Paragraph>(body[i]).format.spaceAfter, 6.0f);
    }
    EXPECT_EQ(selection->ParagraphFormat()->SpaceAfter(), 6.0f);
}

TEST_F(EngineTest, ParagraphFormatWithACellSelectedAppliesToEveryParagraphOfTheCell) {
    const auto table = tableAtStart(1, 2);
    selection->TypeText("a\r\nb\r\nc");
    table->Cell(1, 1)->Select();
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(cellParagraph(model(), 0, 0, 0, p).format.alignment, word::wdAlignParagraphCenter);
    EXPECT_EQ(cellParagraph(model(), 0, 0, 1).format.alignment, word::wdAlignParagraphLeft);
}

TEST_F(EngineTest, EveryParagraphFormatMemberIsStored) {
    const auto format = selection->ParagraphFormat();
    format->setAlignment(word::wdAlignParagraphJustify);
    format->setLeftIndent(1);
    format->setRightIndent(2);
    format->setFirstLineIndent(-3);
    format->setSpaceBefore(4);
    format->setSpaceAfter(5);
    format->setLineSpacingRule(word::wdLineSpaceDouble);
    format->setWidowControl(false);
    format->setKeepWithNext(true);
    format->setKeepTogether(true);
    format->setPageBreakBefore(true);
    format->setNoLineNumber(true);
    format->setHyphenation(false);
    format->setOutlineLevel(word::wdOutlineLevel1);
    const ParaFormat expected{3, 1, 2, -3, 4, 5, 2, false, true, true, true, true, false, 1};
    EXPECT_EQ(bodyParagraph(model(), 0).format, expected);
    EXPECT_EQ(format->FirstLineIndent(), -3.0f);
    EXPECT_TRUE(format->PageBreakBefore());
    EXPECT_EQ(format->OutlineLevel(), 1);
}

TEST_F(EngineTest, FontSizeIsRoundedToHalfPoints) {
    selection->Font()->setSize(10.3f);
    EXPECT_EQ(selection->Font()->Size(), 10.5f);
    selection->Font()->setSize(1.1f);
    EXPECT_EQ(selection->Font()->Size(), 1.0f);
}

TEST_F(EngineTest, TypingMarksTheDocumentChanged) {
    const auto before = engine.documents();
    ASSERT_EQ(before.size(), 1u);
    EXPECT_FALSE(before[0].changed);
    selection->MoveRight();
    selection->EndOf();
    EXPECT_FALSE(engine.documents()[0].changed) << "moving changes nothing";
    selection->TypeText("x");
    EXPECT_TRUE(engine.documents()[0].changed);
}

} // namespace
