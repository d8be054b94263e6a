// Tables.Add, cells, borders and the table collections.

#include "engine_support.h"

namespace {

using namespace word::engine;
using enginetest::bodyParagraph;
using enginetest::bodyTable;
using enginetest::cellParagraph;
using enginetest::EngineTest;
using enginetest::errorOf;
using Lines = std::vector<std::string>;

TEST_F(EngineTest, TableInAnEmptyParagraphReplacesItAndLeavesAnEmptyParagraphWithItsFormats) {
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    selection->Font()->setName("Courier");
    const Paragraph original = bodyParagraph(model(), 0);
    tableAtStart(1, 2);
    EXPECT_EQ(lines(), (Lines{"[ | ]", ""}));
    EXPECT_EQ(bodyParagraph(model(), 1), original);
    for (int column = 0; column < 2; ++column) {
        EXPECT_EQ(cellParagraph(model(), 0, 0, column).format, original.format);
        EXPECT_EQ(cellParagraph(model(), 0, 0, column).markFormat, original.markFormat);
    }
}

TEST_F(EngineTest, NewTableHasEqualColumnsAutomaticBordersAndTheInsertionPointInItsFirstCell) {
    const auto table = tableAtStart(2, 3);
    const Table& added = bodyTable(model(), 0);
    ASSERT_EQ(added.columnWidths.size(), 3u);
    for (float width : added.columnWidths)
        EXPECT_FLOAT_EQ(width, model().page.textWidth() / 3);
    EXPECT_EQ(added.rows.size(), 2u);
    EXPECT_EQ(added.insideColorIndex, word::wdAuto);
    EXPECT_EQ(added.outsideColorIndex, word::wdAuto);
    EXPECT_EQ(table->Borders()->InsideColorIndex(), word::wdAuto);
    EXPECT_EQ(where().position, (Position{0, 0, 0, 0, 0}));
    EXPECT_EQ(document->Tables()->Count(), 1);
    EXPECT_EQ(selection->Tables()->Count(), 1);
}

TEST_F(EngineTest, BorderColoursAreSetOneByOne) {
    const auto table = tableAtStart(1, 2);
    selection->Tables()->Item(1)->Borders()->setInsideColorIndex(word::wdWhite);
    EXPECT_EQ(bodyTable(model(), 0).insideColorIndex, word::wdWhite);
    EXPECT_EQ(bodyTable(model(), 0).outsideColorIndex, word::wdAuto);
    table->Borders()->setOutsideColorIndex(word::wdWhite);
    EXPECT_EQ(bodyTable(model(), 0).outsideColorIndex, word::wdWhite);
    EXPECT_EQ(table->Borders()->OutsideColorIndex(), word::wdWhite);
}

struct SplitCase {
    const char* name;
    int moves; // MoveRight calls from the start of "abc"
    std::vector<std::string> expected;
};

class TableInAParagraphWithText : public EngineTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(TableInAParagraphWithText, SplitsItAtTheRange) {
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphRight);
    startOfParagraphHolding("abc");
    for (int i = 0; i < GetParam().moves; ++i)
        selection->MoveRight();
    document->Tables()->Add(selection->Range(), 1, 1);
    selection->TypeText("^");
    EXPECT_EQ(lines(), GetParam().expected);
    for (const Block& block : model().body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            EXPECT_EQ(paragraph->format.alignment, word::wdAlignParagraphRight);
        }
    }
}

// A table right after the first one keeps an empty paragraph between them, or the two would merge.
INSTANTIATE_TEST_SUITE_P(Places, TableInAParagraphWithText,
                         ::testing::Values(SplitCase{"AtTheStart", 0, {"[]", "", "[^]", "abc"}},
                                           SplitCase{"InTheMiddle", 1, {"[]", "a", "[^]", "bc"}},
                                           SplitCase{"AtTheEnd", 3, {"[]", "abc", "[^]", ""}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, TableAtTheStartOfAParagraphWithTextGoesBeforeIt) {
    const auto start = selection->Range();
    selection->TypeText("abc");
    document->Tables()->Add(start, 1, 1);
    EXPECT_EQ(lines(), (Lines{"[]", "abc"}));
}

TEST_F(EngineTest, TableInACellFailsAndChangesNothing) {
    tableAtStart(1, 1);
    const DocumentModel before = model();
    EXPECT_EQ(errorOf([&] { selection->Tables()->Add(selection->Range(), 1, 1); }),
              word::errors::CommandFailed);
    EXPECT_EQ(model(), before);
}

class TableOfSize : public EngineTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(TableOfSize, OutsideTheLimitsFailsAndChangesNothing) {
    const DocumentModel before = model();
    EXPECT_EQ(errorOf([&] { tableAtStart(GetParam().first, GetParam().second); }),
              word::errors::InvalidArgument);
    EXPECT_EQ(model(), before);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TableOfSize,
                         ::testing::Values(std::pair{0, 1}, std::pair{1, 0}, std::pair{-1, 2},
                                           std::pair{32768, 1}, std::pair{1, 64}, std::pair{200, 60}));

TEST_F(EngineTest, TableAtAnEmptyOrForeignRangeFails) {
    EXPECT_EQ(errorOf([&] { selection->Tables()->Add(word::Ref<word::Range>(), 1, 1); }),
              word::errors::ObjectNotSet);
    const auto other = engine.CreateDocument();
    const auto foreign = other->ActiveWindow()->Selection()->Range();
    EXPECT_EQ(errorOf([&] { document->Tables()->Add(foreign, 1, 1); }), word::errors::InvalidArgument);
    EXPECT_EQ(lines(), Lines{""});
}

TEST_F(EngineTest, RangeThatNoLongerFitsTheDocumentFails) {
    const auto table = tableAtStart(1, 1);
    selection->TypeText("abcdef");
    const auto range = selection->Range();
    EXPECT_EQ(range->Text(), "");
    table->Cell(1, 1)->Select();
    selection->TypeText("x");
    EXPECT_EQ(errorOf([&] { (void)range->Text(); }), word::errors::CommandFailed);
}

TEST_F(EngineTest, RangeOfASelectedCellHoldsItsText) {
    const auto table = tableAtStart(1, 1);
    selection->TypeText("ab\r\ncd");
    table->Cell(1, 1)->Select();
    EXPECT_EQ(selection->Range()->Text(), "ab\rcd");
}

class CellOutsideTheTable : public EngineTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(CellOutsideTheTable, FailsWithOutOfRange) {
    const auto table = tableAtStart(1, 2);
    EXPECT_EQ(errorOf([&] { table->Cell(GetParam().first, GetParam().second); }), word::errors::OutOfRange);
}

INSTANTIATE_TEST_SUITE_P(Cells, CellOutsideTheTable,
                         ::testing::Values(std::pair{0, 1}, std::pair{1, 0}, std::pair{2, 1}, std::pair{1, 3},
                                           std::pair{-1, -1}));

TEST_F(EngineTest, TableItemsCountFromOne) {
    EXPECT_EQ(errorOf([&] { document->Tables()->Item(1); }), word::errors::OutOfRange);
    EXPECT_EQ(errorOf([&] { selection->Tables()->Item(1); }), word::errors::OutOfRange)
        << "the selection is in no table";
    tableAtStart(1, 1);
    EXPECT_EQ(errorOf([&] { document->Tables()->Item(0); }), word::errors::OutOfRange);
    EXPECT_EQ(errorOf([&] { document->Tables()->Item(2); }), word::errors::OutOfRange);
    selection->MoveRight();
    EXPECT_EQ(selection->Tables()->Count(), 0);
}

TEST_F(EngineTest, TableHandleFollowsItsTableWhenAnotherIsAddedBefore) {
    const auto start = selection->Range();
    selection->TypeText("abc");
    const auto second = document->Tables()->Add(selection->Range(), 1, 1);
    document->Tables()->Add(start, 1, 2);
    ASSERT_EQ(document->Tables()->Count(), 2);
    second->Borders()->setInsideColorIndex(word::wdRed);
    EXPECT_EQ(bodyTable(model(), 2).insideColorIndex, word::wdRed);
    EXPECT_EQ(bodyTable(model(), 0).insideColorIndex, word::wdAuto);
    second->Cell(1, 1)->Select();
    EXPECT_EQ(where().position.block, 2);
}

TEST_F(EngineTest, CellSelectSelectsTheWholeCell) {
    const auto table = tableAtStart(2, 2);
    table->Cell(2, 2)->Select();
    EXPECT_EQ(where().kind, SelectionState::Kind::Cell);
    EXPECT_EQ(where().position, (Position{0, 1, 1, 0, 0}));
    EXPECT_EQ(selection->Tables()->Count(), 1);
}

} // namespace
