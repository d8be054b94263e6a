// The five styled letters as the built-in engine holds them after Finish: every paragraph in order with its
// alignment, the fonts, the heading band and its white rules, the pictures and where they stand, the
// Classic rules, and the picture files gone afterwards.

#include "letterview.h"
#include "styledletter.h"

#include "artwork/artwork.h"
#include "builder/lettertexts.h"
#include "builder/styles/layoutrun.h"
#include "word/engine/docx.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <algorithm>
#include <string>
#include <vector>

namespace tavrin::testing {
namespace {

using word::engine::CharFormat;
using word::engine::DocumentModel;
using word::engine::LineShape;
using Lines = std::vector<std::string>;

// Expected lines are written "<alignment>|<cell> <text>": alignment "*" for the one the user chose, or
// L, C, R where the style fixes it; the cell only for a paragraph inside the heading band. "{date}" stands
// for the date line.
Lines operator+(Lines first, const Lines& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}
Lines blank(int count, const std::string& alignment = "*") {
    return Lines(size_t(count), alignment + "|");
}

const std::string Salutation = texts::salutationPlaceholder().toStdString();
const std::string Conclusion = texts::conclusionPlaceholder().toStdString();
const std::string Closing = texts::closingPlaceholder().toStdString();
const std::string Signature = texts::signatureMark().toStdString();

char alignmentLetter(int alignment) {
    return "LCR"[alignment];
}

std::string expand(std::string line, int alignment) {
    if (line.front() == '*')
        line.front() = alignmentLetter(alignment);
    const std::string date = "{date}";
    if (auto at = line.find(date); at != std::string::npos)
        line.replace(at, date.size(), styles::dateLine().toStdString());
    return line;
}

Lines shownWithAlignment(const std::vector<LetterLine>& lines) {
    Lines shown;
    for (const LetterLine& line : lines)
        shown.push_back(std::string(1, alignmentLetter(line.alignment())) + "|" + line.shown());
    return shown;
}

struct LetterCase {
    std::string name;
    Style style;
    int checkDate = 1;
    int checkOmit = 0;
    int checkOmit2 = 0;
    Lines expected;
};

void PrintTo(const LetterCase& letterCase, std::ostream* out) {
    *out << letterCase.name;
}

// The ornament, then the whole letter down to the signature mark, aligned as chosen.
Lines signedLetterUnder(const std::string& ornament) {
    return {"*|<" + ornament + ">",
            "*|",
            "*|" + Salutation,
            "*|Thank you for a lovely weekend.",
            "*|We loved every minute.",
            "*|",
            "*|" + Conclusion,
            "*|" + Closing,
            "*|" + Signature};
}

// ---------------------------------------------------------------------------------------------------------
// Romantic: picture | writer, then the date and the recipient, the ornament, the letter, the ornament.

const Lines RomanticBand = {"*|(1,1) <romantic.bmp>", "*|(1,2) ", "*|(1,2) Charles Babbage",
                            "*|(1,2) 1 Dorset Street", "*|(1,2) Marylebone"};
const Lines RomanticLetter = signedLetterUnder("romanticLine.bmp");
const Lines RomanticFoot = blank(8) + Lines{"*|<romanticLine.bmp>"};

// ---------------------------------------------------------------------------------------------------------
// Dark: date and recipient | picture, the rule, the letter, the closing block and the rule to the right.

const Lines DarkLetter = {
    "*|<darkLine.bmp>",         "*|", "*|", "*|" + Salutation, "*|Thank you for a lovely weekend.",
    "*|We loved every minute.", "*|", "*|", "R|" + Conclusion, "R|" + Closing};

// ---------------------------------------------------------------------------------------------------------
// Classic: date and recipient | picture, the letter, the closing block, a last paragraph.

const Lines ClassicLetter =
    blank(4) + Lines{"*|" + Salutation, "*|Thank you for a lovely weekend.", "*|We loved every minute."} +
    blank(4) + Lines{"*|" + Conclusion, "*|" + Closing};

// ---------------------------------------------------------------------------------------------------------
// Elegant: the picture centred, the writer and the date centred, the recipient, the ornament, the letter,
// the flourish centred.

const Lines ElegantLetter = signedLetterUnder("elegantLine.bmp");
const Lines ElegantFoot = blank(8) + Lines{"C|<elegantDown.bmp>"};

// ---------------------------------------------------------------------------------------------------------
// Modernistic: picture | writer, the date and the recipient, the ornament, the letter, the closing to the
// right and the ornament to the left.

const Lines ModernBand = {"C|(1,1) <modern.bmp>", "*|(1,2) ", "*|(1,2) Charles Babbage",
                          "*|(1,2) 1 Dorset Street", "*|(1,2) Marylebone"};
const Lines ModernLetter = {"*|<modernLine.bmp>",
                            "*|",
                            "*|" + Salutation,
                            "*|Thank you for a lovely weekend.",
                            "*|We loved every minute.",
                            "*|",
                            "*|",
                            "R|" + Conclusion,
                            "R|" + Closing,
                            "R|" + Signature};
const Lines ModernFoot = blank(6, "R") + Lines{"L|<modernLine.bmp>"};

const Lines Recipient = {"*|Ada Lovelace", "*|12 Elm Street", "*|London"};
const Lines Writer = {"*|Charles Babbage", "*|1 Dorset Street", "*|Marylebone"};

const std::vector<LetterCase> LetterCases = {
    {"RomanticComplete", Style::Romantic, 1, 0, 0,
     RomanticBand + blank(2) + Lines{"*|{date}"} + Recipient + blank(1) + RomanticLetter + RomanticFoot},
    {"RomanticWriterOmittedLeavesTwoEmptyParagraphsInTheCell", Style::Romantic, 1, 0, 1,
     Lines{"*|(1,1) <romantic.bmp>", "*|(1,2) ", "*|(1,2) "} + blank(2) + Lines{"*|{date}"} + Recipient +
         blank(1) + RomanticLetter + RomanticFoot},
    {"RomanticRecipientOmittedKeepsTheDate", Style::Romantic, 1, 1, 0,
     RomanticBand + blank(2) + Lines{"*|{date}"} + blank(1) + RomanticLetter + RomanticFoot},
    {"RomanticRecipientOmittedWithoutDateTypesNothing", Style::Romantic, 0, 1, 0,
     RomanticBand + blank(2) + RomanticLetter + RomanticFoot},
    {"RomanticWithoutDate", Style::Romantic, 0, 0, 0,
     RomanticBand + blank(2) + Recipient + blank(1) + RomanticLetter + RomanticFoot},

    {"DarkComplete", Style::Dark, 1, 0, 0,
     Lines{"*|(1,1) ", "*|(1,1) {date}", "*|(1,1) Ada Lovelace", "*|(1,1) 12 Elm Street", "*|(1,1) London",
           "*|(1,1) ", "*|(1,2) <dark.bmp>"} +
         DarkLetter + Lines{"R|Charles Babbage", "R|1 Dorset Street", "R|Marylebone"} + blank(23, "R") +
         Lines{"R|<darkLine.bmp>"}},
    {"DarkWriterOmittedAppearsNowhere", Style::Dark, 1, 0, 1,
     Lines{"*|(1,1) ", "*|(1,1) {date}", "*|(1,1) Ada Lovelace", "*|(1,1) 12 Elm Street", "*|(1,1) London",
           "*|(1,1) ", "*|(1,2) <dark.bmp>"} +
         DarkLetter + blank(24, "R") + Lines{"R|<darkLine.bmp>"}},
    {"DarkRecipientOmittedKeepsTheDateInTheCell", Style::Dark, 1, 1, 0,
     Lines{"*|(1,1) ", "*|(1,1) {date}", "*|(1,1) ", "*|(1,2) <dark.bmp>"} + DarkLetter +
         Lines{"R|Charles Babbage", "R|1 Dorset Street", "R|Marylebone"} + blank(23, "R") +
         Lines{"R|<darkLine.bmp>"}},
    {"DarkRecipientOmittedWithoutDateLeavesTheCellEmpty", Style::Dark, 0, 1, 0,
     Lines{"*|(1,1) ", "*|(1,2) <dark.bmp>"} + DarkLetter +
         Lines{"R|Charles Babbage", "R|1 Dorset Street", "R|Marylebone"} + blank(23, "R") +
         Lines{"R|<darkLine.bmp>"}},

    {"ClassicComplete", Style::Classic, 1, 0, 0,
     Lines{"*|(1,1) ", "*|(1,1) {date}", "*|(1,1) Ada Lovelace", "*|(1,1) 12 Elm Street", "*|(1,1) London",
           "*|(1,1) ", "*|(1,2) <classic.bmp>"} +
         ClassicLetter + Writer + blank(1)},
    {"ClassicWithoutDate", Style::Classic, 0, 0, 0,
     Lines{"*|(1,1) ", "*|(1,1) Ada Lovelace", "*|(1,1) 12 Elm Street", "*|(1,1) London", "*|(1,1) ",
           "*|(1,2) <classic.bmp>"} +
         ClassicLetter + Writer + blank(1)},
    {"ClassicRecipientOmittedTakesTheDateToo", Style::Classic, 1, 1, 0,
     Lines{"*|(1,1) ", "*|(1,2) <classic.bmp>"} + ClassicLetter + Writer + blank(1)},
    {"ClassicWriterOmittedEndsWithTwoEmptyParagraphs", Style::Classic, 1, 0, 1,
     Lines{"*|(1,1) ", "*|(1,1) {date}", "*|(1,1) Ada Lovelace", "*|(1,1) 12 Elm Street", "*|(1,1) London",
           "*|(1,1) ", "*|(1,2) <classic.bmp>"} +
         ClassicLetter + blank(2)},

    {"ElegantComplete", Style::Elegant, 1, 0, 0,
     Lines{"C|(1,1) <elegant.bmp>", "C|", "C|Charles Babbage", "C|1 Dorset Street", "C|Marylebone",
           "C|{date}"} +
         blank(1) + Recipient + ElegantLetter + ElegantFoot},
    {"ElegantDateAloneUnderThePicture", Style::Elegant, 1, 0, 1,
     Lines{"C|(1,1) <elegant.bmp>", "C|", "C|{date}"} + blank(1) + Recipient + ElegantLetter + ElegantFoot},
    {"ElegantWriterWithoutDate", Style::Elegant, 0, 0, 0,
     Lines{"C|(1,1) <elegant.bmp>", "C|", "C|Charles Babbage", "C|1 Dorset Street", "C|Marylebone", "C|"} +
         blank(1) + Recipient + ElegantLetter + ElegantFoot},
    {"ElegantNeitherWriterNorDateKeepsTheEmptyParagraphs", Style::Elegant, 0, 0, 1,
     Lines{"C|(1,1) <elegant.bmp>", "C|", "C|"} + blank(1) + Recipient + ElegantLetter + ElegantFoot},
    {"ElegantRecipientOmittedOrnamentFollowsTheEmptyParagraph", Style::Elegant, 1, 1, 0,
     Lines{"C|(1,1) <elegant.bmp>", "C|", "C|Charles Babbage", "C|1 Dorset Street", "C|Marylebone",
           "C|{date}"} +
         blank(1) + ElegantLetter + ElegantFoot},

    {"ModernComplete", Style::Modern, 1, 0, 0,
     ModernBand + Lines{"C|", "*|{date}"} + Recipient + blank(1) + ModernLetter + ModernFoot},
    {"ModernWriterOmittedLeavesTheCellEmpty", Style::Modern, 1, 0, 1,
     Lines{"C|(1,1) <modern.bmp>", "*|(1,2) ", "*|(1,2) "} + Lines{"C|", "*|{date}"} + Recipient + blank(1) +
         ModernLetter + ModernFoot},
    {"ModernRecipientOmittedLeavesOneEmptyParagraph", Style::Modern, 1, 1, 0,
     ModernBand + Lines{"C|", "*|{date}"} + blank(1) + ModernLetter + ModernFoot},
    {"ModernWithoutDateLeavesTheDateParagraphEmpty", Style::Modern, 0, 0, 0,
     ModernBand + Lines{"C|", "*|"} + Recipient + blank(1) + ModernLetter + ModernFoot},
};

class LetterLines : public ::testing::TestWithParam<std::tuple<LetterCase, int>> {};

TEST_P(LetterLines, ParagraphsInOrderWithTheirAlignment) {
    const auto& [letterCase, alignment] = GetParam();
    WizardChoices choices = sampleChoices(letterCase.style, Alignment(alignment));
    choices.checkDate = letterCase.checkDate;
    choices.checkOmit = letterCase.checkOmit;
    choices.checkOmit2 = letterCase.checkOmit2;

    StyledLetter letter;
    letter.build(choices);

    Lines expected;
    for (const std::string& line : letterCase.expected)
        expected.push_back(expand(line, alignment));
    EXPECT_EQ(shownWithAlignment(linesOf(letter.model())), expected);
}

INSTANTIATE_TEST_SUITE_P(Styles, LetterLines,
                         ::testing::Combine(::testing::ValuesIn(LetterCases), ::testing::Values(0, 1, 2)),
                         [](const auto& info) {
                             return std::get<0>(info.param).name + "_Alignment" +
                                    std::to_string(std::get<1>(info.param));
                         });

// ---------------------------------------------------------------------------------------------------------
// What every style shares: its face on every text run, the heading band, the pictures, the files, the
// visibility of the application.

struct StyleFacts {
    Style style;
    CharFormat face;
    int bandColumns;
    int picturesInLetter;
    bool makesApplicationVisible;
};

void PrintTo(const StyleFacts& facts, std::ostream* out) {
    *out << styleName(facts.style).toStdString();
}

CharFormat face(const char* name, float size) {
    return CharFormat{QString::fromLatin1(name), size, word::wdBlack, false};
}

const std::vector<StyleFacts> AllStyles = {
    {Style::Romantic, face("Monotype Corsiva", 12), 2, 3, true},
    {Style::Dark, face("Franklin Gothic Medium", 10), 2, 3, true},
    {Style::Classic, face("Arial", 10), 2, 1, false},
    {Style::Elegant, face("Garamond", 12), 1, 3, true},
    {Style::Modern, face("Courier", 10), 2, 3, true},
};

class EveryStyle : public ::testing::TestWithParam<StyleFacts> {};

// The pictures of the letter, each as its file name ("<romantic.bmp>").
QStringList picturesOf(const DocumentModel& model) {
    QStringList pictures;
    for (const LetterLine& line : linesOf(model)) {
        for (const auto& piece : line.paragraph->content) {
            if (const auto* picture = std::get_if<word::engine::Picture>(&piece))
                pictures.append(pictureMark(*picture));
        }
    }
    return pictures;
}

// A word processor that cannot be reached at all.
class UnreachableWordProcessor : public word::Provider {
public:
    word::Ref<word::Application> GetObject() override { fail(); }
    word::Ref<word::Application> CreateApplication() override { fail(); }
    word::Ref<word::Document> CreateDocument() override { fail(); }
    word::Ref<word::Global> Global() override { fail(); }

private:
    [[noreturn]] static void fail() {
        throw word::AutomationError(word::errors::CannotCreateObject, QStringLiteral("Not available."));
    }
};

TEST_P(EveryStyle, EveryTextRunIsInTheStylesFace) {
    StyledLetter letter;
    letter.build(sampleChoices(GetParam().style));

    int runs = 0;
    for (const LetterLine& line : linesOf(letter.model())) {
        for (const CharFormat& format : line.runFormats()) {
            EXPECT_EQ(format, GetParam().face) << "in \"" << line.shown() << '"';
            ++runs;
        }
    }
    EXPECT_GT(runs, 10);
}

TEST_P(EveryStyle, HeadingBandIsOneRowWithWhiteRules) {
    StyledLetter letter;
    letter.build(sampleChoices(GetParam().style));

    const auto tables = tablesOf(letter.model());
    ASSERT_EQ(tables.size(), 1u);
    ASSERT_EQ(tables[0]->rows.size(), 1u);
    EXPECT_EQ(int(tables[0]->rows[0].size()), GetParam().bandColumns);
    EXPECT_EQ(tables[0]->insideColorIndex, word::wdWhite);
    EXPECT_EQ(tables[0]->outsideColorIndex, word::wdWhite);
}

TEST_P(EveryStyle, NoPictureFileRemainsWhileTheLetterKeepsItsPictures) {
    StyledLetter letter;
    letter.build(sampleChoices(GetParam().style));

    EXPECT_EQ(picturesOf(letter.model()).size(), GetParam().picturesInLetter);
    EXPECT_EQ(letter.programDirectoryFiles(), QStringList());
}

TEST_P(EveryStyle, UnwritableProgramDirectoryStillGivesEveryPicture) {
    StyledLetter letter(QStringLiteral("/nonexistent/tavrin/program/directory"));
    letter.build(sampleChoices(GetParam().style));

    EXPECT_EQ(picturesOf(letter.model()).size(), GetParam().picturesInLetter);
}

TEST_P(EveryStyle, ApplicationVisibilityAsTheStyleLeavesIt) {
    StyledLetter letter;
    letter.attach();
    letter.form->applicationRef->setVisible(false);
    const auto application = letter.form->applicationRef;
    letter.assemble(sampleChoices(GetParam().style));

    EXPECT_EQ(application->Visible(), GetParam().makesApplicationVisible);
}

TEST_P(EveryStyle, UnreachableWordProcessorLeavesNoFileAndNoMessage) {
    QTemporaryDir programDirectory;
    UnreachableWordProcessor wordProcessor;
    MBas mBas;
    QuietUserInterface ui;
    Form1 form({wordProcessor, mBas, ui, programDirectory.path()});
    form.Sapolnenie(sampleChoices(GetParam().style));

    EXPECT_EQ(QDir(programDirectory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_TRUE(ui.messages.isEmpty());
}

// Markup, control characters, a lone surrogate, right-to-left marks and an address of thousands of lines:
// the letter is still written, saved and read back whole.
TEST_P(EveryStyle, HostileTextsStillGiveALetterThatReadsBack) {
    const QString markup = QStringLiteral("<w:p>&amp; \"quoted\" 'single' </w:t>]]>");
    WizardChoices choices = sampleChoices(GetParam().style);
    choices.recNameText =
        markup + QChar(0x0001) + QChar(0xD800) + QChar(0x202E) + QStringLiteral("\t\U0001F642");
    choices.recAddressText = QStringLiteral("line\r\n").repeated(5000);
    choices.nameText = QString(QChar(0x000B)) + QStringLiteral("\r\r\n\n") + QChar(0xFFFF);
    choices.text1 = QStringLiteral("A long letter. ").repeated(20000);
    StyledLetter letter;
    letter.build(choices);
    QTemporaryDir saved;
    const QString path = QDir(saved.path()).filePath(QStringLiteral("letter.docx"));
    letter.saveAs(path);

    const auto readBack = linesOf(word::engine::openDocx(path));
    const bool markupArrived = std::any_of(readBack.begin(), readBack.end(), [&](const LetterLine& line) {
        return line.text.startsWith(markup);
    });
    EXPECT_TRUE(markupArrived);
    EXPECT_GT(readBack.size(), 5000u);
    EXPECT_EQ(letter.programDirectoryFiles(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Styles, EveryStyle, ::testing::ValuesIn(AllStyles),
                         [](const auto& info) { return styleName(info.param.style).toStdString(); });

// ---------------------------------------------------------------------------------------------------------
// Style by style, what the paragraph list does not show.

TEST(ClassicStyle, OnlyTheLastParagraphCarriesTheScriptFace) {
    StyledLetter letter;
    letter.build(sampleChoices(Style::Classic));

    const auto lines = linesOf(letter.model());
    EXPECT_EQ(lines.back().paragraph->markFormat, face("Monotype Corsiva", 12));
    const auto& address = lines[lines.size() - 2];
    ASSERT_EQ(address.text, QStringLiteral("Marylebone"));
    EXPECT_EQ(address.runFormats(), std::vector<CharFormat>{face("Arial", 10)});
}

struct RuleCase {
    std::string name;
    QString recipientAddress;
    int checkOmit;
    float firstRuleHeight;
};

class ClassicRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ClassicRules, FirstRuleFollowsTheAddressLinesSecondStaysAt700) {
    WizardChoices choices = sampleChoices(Style::Classic);
    choices.recAddressText = GetParam().recipientAddress;
    choices.checkOmit = GetParam().checkOmit;
    StyledLetter letter;
    letter.build(choices);

    // A rule the word processor cannot place (a height of 0 here) is skipped; the next one is still drawn.
    const float y = GetParam().firstRuleHeight;
    std::vector<LineShape> rules;
    if (y > 0)
        rules.push_back({50.2f, y, 540.0f, y});
    rules.push_back({50.2f, 700.0f, 540.0f, 700.0f});
    EXPECT_EQ(letter.model().shapes, rules);
}

INSTANTIATE_TEST_SUITE_P(
    Classic, ClassicRules,
    ::testing::Values(RuleCase{"EmptyAddressKeepsItsPlaceholder", QString(), 0, 270.0f},
                      RuleCase{"OneLine", QStringLiteral("12 Elm Street"), 0, 270.0f},
                      RuleCase{"TwoLines", QStringLiteral("12 Elm Street\r\nLondon"), 0, 288.0f},
                      RuleCase{"ThreeLineBreaks",
                               QStringLiteral("Flat 2\r\n12 Elm Street\r\nLondon\r\nNW1 4RY"), 0, 324.0f},
                      RuleCase{"ThreeLineBreaksRecipientOmitted",
                               QStringLiteral("Flat 2\r\n12 Elm Street\r\nLondon\r\nNW1 4RY"), 1, 324.0f},
                      RuleCase{"NoLineBreakRecipientOmitted", QStringLiteral("12 Elm Street"), 1, 270.0f},
                      RuleCase{"LoneLineFeedsAreNotLineBreakPairs", QStringLiteral("a\nb\rc"), 0, 270.0f},
                      RuleCase{"AddressLongerThanThePageLeavesOnlyTheSecondRule",
                               QStringLiteral("line\r\n").repeated(1000), 0, 0.0f}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace tavrin::testing
