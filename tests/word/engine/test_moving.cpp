// EndOf, MoveRight and MoveDown, in the body, in tables and from a selected cell or shape.

#include "engine_support.h"

#include "word/engine/paragraph.h"

namespace {

using namespace word::engine;
using enginetest::EngineTest;
using Lines = std::vector<std::string>;

// --- Words ------------------------------------------------------------------------------------------

struct WordCase {
    const char* name;
    const char* text; // UTF-8
    int from, to;     // UTF-16 offsets
};

class EndOfWord : public ::testing::TestWithParam<WordCase> {};

TEST_P(EndOfWord, MovesToTheEndOfTheWordWithItsSpaces) {
    Paragraph paragraph;
    insertText(paragraph, 0, QString::fromUtf8(GetParam().text), CharFormat{});
    EXPECT_EQ(endOfWord(paragraph, GetParam().from), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Words, EndOfWord,
    ::testing::Values(WordCase{"FromTheStart", "abc def", 0, 4}, WordCase{"FromInside", "abc def", 1, 4},
                      WordCase{"FromTheSpace", "abc def", 3, 4}, WordCase{"LastWord", "abc def", 4, 7},
                      WordCase{"SeveralSpaces", "abc   def", 0, 6},
                      WordCase{"PunctuationEndsAWord", "abc, def", 0, 3},
                      WordCase{"PunctuationIsAWord", "abc, def", 3, 5}, WordCase{"TabIsAWord", "a\tb", 1, 2},
                      WordCase{"Accents", "h\xC3\xA9llo w\xC3\xB6rld", 0, 6},
                      WordCase{"Digits", "route 66.", 6, 8},
                      WordCase{"SymbolsOutsideTheBasicPlane", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80 x", 0, 5},
                      WordCase{"AtTheEnd", "abc", 3, 3}, WordCase{"EmptyParagraph", "", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, EndOfMovesToTheEndOfTheWord) {
    startOfParagraphHolding("abc def");
    selection->EndOf();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "abc ^def"}));
}

TEST_F(EngineTest, EndOfAtTheEndOfAParagraphStays) {
    selection->TypeText("one two\r\nthree");
    selection->EndOf();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"one two", "three^"}));
}

TEST_F(EngineTest, EndOfAtTheEndOfACellsTextStays) {
    tableAtStart(1, 2);
    selection->TypeText("abc");
    selection->EndOf();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[abc^ | ]", ""}));
}

TEST_F(EngineTest, EndOfWithACellSelectedGoesToTheEndOfItsText) {
    const auto table = tableAtStart(1, 2);
    selection->TypeText("ab\r\ncd");
    table->Cell(1, 1)->Select();
    selection->EndOf();
    EXPECT_EQ(where().kind, SelectionState::Kind::InsertionPoint);
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[ab/cd^ | ]", ""}));
}

// --- MoveRight --------------------------------------------------------------------------------------

TEST_F(EngineTest, MoveRightGoesOneCharacter) {
    startOfParagraphHolding("abc");
    selection->MoveRight();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "a^bc"}));
}

TEST_F(EngineTest, MoveRightStepsOverASurrogatePairAtOnce) {
    startOfParagraphHolding(QString::fromUtf8("\xF0\x9F\x98\x80x"));
    selection->MoveRight();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "\xF0\x9F\x98\x80^x"}));
}

TEST_F(EngineTest, MoveRightFromTheEndOfAParagraphGoesToTheNextOne) {
    startOfParagraphHolding("abc\r\ndef");
    selection->EndOf();
    selection->MoveRight();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "abc", "^def"}));
}

TEST_F(EngineTest, MoveRightFromTheEndOfAParagraphEntersATableAfterIt) {
    const auto start = selection->Range();
    selection->TypeText("abc");
    document->Tables()->Add(selection->Range(), 1, 2); // after "abc"
    document->Tables()->Add(start, 1, 1);              // before it
    selection->MoveRight();                            // out of the first table to the start of "abc"
    selection->EndOf();
    selection->MoveRight();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "abc", "[^ | ]", ""}));
}

TEST_F(EngineTest, MoveRightFromTheEndOfACellsTextEntersTheNextCell) {
    tableAtStart(1, 2);
    selection->TypeText("a");
    selection->MoveRight();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[a | ^]", ""}));
}

TEST_F(EngineTest, MoveRightFromARowsLastCellEntersTheNextRow) {
    tableAtStart(2, 2);
    selection->MoveRight();
    selection->MoveRight();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[ | ]", "[^ | ]", ""}));
}

TEST_F(EngineTest, MoveRightFromTheLastCellLeavesTheTable) {
    tableAtStart(1, 2);
    selection->MoveRight();
    selection->MoveRight();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[ | ]", "^"}));
}

TEST_F(EngineTest, MoveRightInsideACellGoesToItsNextParagraph) {
    const auto table = tableAtStart(2, 1);
    table->Cell(2, 1)->Select();
    selection->TypeText("ab\r\ncd");
    table->Cell(1, 1)->Select();
    selection->MoveDown(); // to the start of "ab"
    selection->EndOf();
    selection->MoveRight();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "[ab/^cd]", ""}));
}

struct SelectedCellCase {
    const char* name;
    int rows, columns, row, column;
    std::vector<std::string> expected;
};

class MoveRightFromASelectedCell : public EngineTest,
                                   public ::testing::WithParamInterface<SelectedCellCase> {};

TEST_P(MoveRightFromASelectedCell, CollapsesToTheStartOfWhatFollows) {
    const auto& c = GetParam();
    const auto table = tableAtStart(c.rows, c.columns);
    selection->TypeText("text");
    table->Cell(c.row, c.column)->Select();
    selection->MoveRight();
    EXPECT_EQ(where().kind, SelectionState::Kind::InsertionPoint);
    selection->TypeText("^");
    EXPECT_EQ(lines(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, MoveRightFromASelectedCell,
    ::testing::Values(SelectedCellCase{"WithTextToTheNextCell", 1, 2, 1, 1, {"[text | ^]", ""}},
                      SelectedCellCase{"EmptyToTheNextCell", 2, 2, 1, 2, {"[text | ]", "[^ | ]", ""}},
                      SelectedCellCase{"LastCellToAfterTheTable", 1, 2, 1, 2, {"[text | ]", "^"}},
                      SelectedCellCase{"OnlyCellToAfterTheTable", 1, 1, 1, 1, {"[text]", "^"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, MoveRightAtTheEndOfTheDocumentStays) {
    selection->TypeText("abc");
    selection->MoveRight();
    selection->TypeText("^");
    EXPECT_EQ(lines(), Lines{"abc^"});
}

// --- MoveDown ---------------------------------------------------------------------------------------

TEST_F(EngineTest, MoveDownGoesToTheNextParagraphKeepingTheOffset) {
    startOfParagraphHolding("abcdef\r\nxyz123");
    selection->MoveRight();
    selection->MoveRight();
    selection->MoveDown();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "abcdef", "xy^z123"}));
}

TEST_F(EngineTest, MoveDownToAShorterParagraphGoesToItsEnd) {
    startOfParagraphHolding("abcdef\r\nxy");
    selection->EndOf();
    selection->MoveDown();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "abcdef", "xy^"}));
}

TEST_F(EngineTest, MoveDownNeverLandsInsideASurrogatePair) {
    startOfParagraphHolding(QString::fromUtf8("abc\r\n\xF0\x9F\x98\x80z"));
    selection->MoveRight();
    selection->MoveDown(); // offset 1 would split the pair
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "abc", "^\xF0\x9F\x98\x80z"}));
}

TEST_F(EngineTest, MoveDownFromTheLastParagraphStays) {
    selection->TypeText("abc");
    selection->MoveDown();
    selection->TypeText("^");
    EXPECT_EQ(lines(), Lines{"abc^"});
}

TEST_F(EngineTest, MoveDownGoesToTheCellBelow) {
    tableAtStart(2, 2);
    selection->MoveRight(); // cell (1, 2)
    selection->TypeText("a");
    selection->MoveDown();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[ | a]", "[ | ^]", ""}));
}

TEST_F(EngineTest, MoveDownFromTheLastRowLeavesTheTable) {
    tableAtStart(1, 2);
    selection->MoveRight();
    selection->TypeText("writer");
    selection->EndOf();
    selection->MoveDown();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[ | writer]", "^"}));
}

TEST_F(EngineTest, MoveDownFromASelectedCellGoesToTheCellBelowThenThroughItsParagraphs) {
    const auto table = tableAtStart(2, 1);
    table->Cell(2, 1)->Select();
    selection->TypeText("ab\r\ncd");
    table->Cell(1, 1)->Select();
    selection->MoveDown();
    selection->MoveDown();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "[ab/^cd]", ""}));
}

TEST_F(EngineTest, MoveDownFromABodyParagraphEntersTheTableBelow) {
    const auto start = selection->Range();
    selection->TypeText("abc");
    document->Tables()->Add(selection->Range(), 1, 2); // after "abc"
    document->Tables()->Add(start, 1, 1);              // before it
    selection->MoveRight();                            // to the start of "abc"
    selection->MoveDown();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "abc", "[^ | ]", ""}));
}

// --- A selected shape -------------------------------------------------------------------------------

class MoveFromASelectedShape : public EngineTest, public ::testing::WithParamInterface<int> {};

TEST_P(MoveFromASelectedShape, ReturnsToTheInsertionPoint) {
    startOfParagraphHolding("abc");
    selection->MoveRight();
    document->Shapes()->AddLine(50, 100, 540, 100)->Select();
    EXPECT_EQ(where().kind, SelectionState::Kind::Shape);
    EXPECT_EQ(where().shape, 0);
    switch (GetParam()) {
    case 0:
        selection->MoveRight();
        break;
    case 1:
        selection->MoveDown();
        break;
    default:
        selection->EndOf();
    }
    EXPECT_EQ(where().kind, SelectionState::Kind::InsertionPoint);
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "a^bc"}));
}

INSTANTIATE_TEST_SUITE_P(Moves, MoveFromASelectedShape, ::testing::Values(0, 1, 2));

} // namespace
