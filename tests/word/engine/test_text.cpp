// Typed text: paragraph ends in every spelling, tabs, and what a document cannot hold.

#include "engine_support.h"

#include "word/engine/text.h"

namespace {

using enginetest::EngineTest;

struct TypedCase {
    const char* name;
    QString typed;
    std::vector<std::string> paragraphs; // UTF-8
};

QString withUnit(const char* before, char16_t unit, const char* after) {
    return QString::fromUtf8(before) + QChar(unit) + QString::fromUtf8(after);
}

const std::string ReplacementCharacter = "\xEF\xBF\xBD";

class TypeTextCleaning : public EngineTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypeTextCleaning, GivesTheseParagraphs) {
    selection->TypeText(GetParam().typed);
    EXPECT_EQ(lines(), GetParam().paragraphs);
    for (const auto& block : model().body)
        for (const auto& item : std::get<word::engine::Paragraph>(block).content)
            EXPECT_TRUE(word::engine::isStorableText(std::get<word::engine::TextRun>(item).text));
}

INSTANTIATE_TEST_SUITE_P(
    Text, TypeTextCleaning,
    ::testing::Values(
        TypedCase{"CarriageReturnLineFeed", "one\r\ntwo", {"one", "two"}},
        TypedCase{"LoneCarriageReturn", "one\rtwo", {"one", "two"}},
        TypedCase{"LoneLineFeed", "one\ntwo", {"one", "two"}},
        TypedCase{"TwoPairsMakeAnEmptyParagraph", "one\r\n\r\ntwo", {"one", "", "two"}},
        TypedCase{"LineFeedThenCarriageReturnAreTwoEnds", "one\n\rtwo", {"one", "", "two"}},
        TypedCase{"TrailingBreak", "one\r\n", {"one", ""}}, TypedCase{"OnlyABreak", "\r\n", {"", ""}},
        TypedCase{"Empty", "", {""}}, TypedCase{"TabStays", "a\tb\t", {"a\tb\t"}},
        TypedCase{"SpacesStay", "  two  spaces  ", {"  two  spaces  "}},
        TypedCase{"ControlCharactersDropped", withUnit("a\x01\x07\x0B\x0C\x1B\x1F", 0x7F, "b"), {"ab"}},
        TypedCase{"C1ControlsDropped", withUnit("a", 0x85, "b") + QChar(0x9F), {"ab"}},
        TypedCase{"NulDropped", QString::fromUtf8("a") + QChar(0) + QString::fromUtf8("b"), {"ab"}},
        TypedCase{
            "LoneHighSurrogateReplaced", withUnit("a", 0xD800, "b"), {"a" + ReplacementCharacter + "b"}},
        TypedCase{"LoneLowSurrogateReplaced", withUnit("a", 0xDC00, "b"), {"a" + ReplacementCharacter + "b"}},
        TypedCase{"HighSurrogateAtTheEnd", withUnit("a", 0xDBFF, ""), {"a" + ReplacementCharacter}},
        TypedCase{"SwappedPairReplacedTwice",
                  withUnit("", 0xDC00, "") + QChar(0xD800),
                  {ReplacementCharacter + ReplacementCharacter}},
        TypedCase{"NonCharactersReplaced",
                  withUnit("", 0xFFFE, "") + QChar(0xFFFF),
                  {ReplacementCharacter + ReplacementCharacter}},
        TypedCase{"SurrogatePairKept", QString::fromUtf8("x\xF0\x9F\x98\x80y"), {"x\xF0\x9F\x98\x80y"}},
        TypedCase{"MarkupCharactersAreText", "<w:t>&amp;\"'</w:t>", {"<w:t>&amp;\"'</w:t>"}},
        TypedCase{"BreakBetweenDroppedCharacters",
                  withUnit("\x01", 0xFFFE, "\r\n\x02z"),
                  {ReplacementCharacter, "z"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, TypedTextLeavesTheInsertionPointAfterIt) {
    selection->TypeText("one\r\ntwo");
    selection->TypeText("!");
    EXPECT_EQ(lines(), (std::vector<std::string>{"one", "two!"}));
}

TEST_F(EngineTest, HugeTextWithManyBreaksIsTypedInOneGo) {
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    selection->TypeText(text);
    ASSERT_EQ(model().body.size(), 20001u);
    EXPECT_EQ(lines()[19999], "line 19999");
    EXPECT_EQ(lines().back(), "");
}

TEST_F(EngineTest, TextBeyondTheLimitFailsAndAddsNothing) {
    selection->TypeText("kept");
    const QString tooLong(17 * 1024 * 1024, u'x');
    EXPECT_EQ(enginetest::errorOf([&] { selection->TypeText(tooLong); }), word::errors::CommandFailed);
    EXPECT_EQ(lines(), std::vector<std::string>{"kept"});
}

} // namespace
