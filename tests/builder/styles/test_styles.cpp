// The five styled letters as the built-in engine holds them after Finish: every paragraph in order with its
// alignment, the fonts, the heading band and its white rules, the pictures and where they stand, the
// Classic rules, and the picture files gone afterwards; for all six styles, the writer by the value of its
// Omit box.

#include "letterview.h"
#include "styledletter.h"

#include "artwork/artwork.h"
#include "builder/lettertexts.h"
#include "builder/styles/layoutrun.h"
#include "word/engine/docx.h"

#include <QDir>
#include <QFile>
#include <QTest>

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

QStringList qt(const Lines& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list.append(QString::fromStdString(line));
    return list;
}

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

struct RuleCase {
    const char* name;
    QString recipientAddress;
    int checkOmit;
    float firstRuleHeight;
};

const std::vector<RuleCase> RuleCases = {
    {"EmptyAddressKeepsItsPlaceholder", QString(), 0, 270.0f},
    {"OneLine", QStringLiteral("12 Elm Street"), 0, 270.0f},
    {"TwoLines", QStringLiteral("12 Elm Street\r\nLondon"), 0, 288.0f},
    {"ThreeLineBreaks", QStringLiteral("Flat 2\r\n12 Elm Street\r\nLondon\r\nNW1 4RY"), 0, 324.0f},
    {"ThreeLineBreaksRecipientOmitted", QStringLiteral("Flat 2\r\n12 Elm Street\r\nLondon\r\nNW1 4RY"), 1,
     324.0f},
    {"NoLineBreakRecipientOmitted", QStringLiteral("12 Elm Street"), 1, 270.0f},
    {"LoneLineFeedsAreNotLineBreakPairs", QStringLiteral("a\nb\rc"), 0, 270.0f},
    {"AddressLongerThanThePageLeavesOnlyTheSecondRule", QStringLiteral("line\r\n").repeated(1000), 0, 0.0f},
};

// The writer's Omit box by its value: 0 unticked, 1 ticked, 2 greyed. Every layout writes the writer when the
// box is 0 and leaves it out when it is 1; Classic and Modernistic write it only when the box is 0, the
// others leave it out only when it is 1, so a greyed box sets them apart.
struct WriterCase {
    Style style;
    bool writerWhenGreyed;
};

const std::vector<WriterCase> WriterCases = {
    {Style::Simple, true},   {Style::Romantic, true}, {Style::Dark, true},
    {Style::Classic, false}, {Style::Elegant, true},  {Style::Modern, false},
};

// Whether any paragraph of the letter holds the writer's name or a line of the writer's address.
bool holdsTheWriter(const DocumentModel& model, const WizardChoices& choices) {
    const QStringList writer =
        QStringList{choices.nameText} + choices.addressText.split(QStringLiteral("\r\n"));
    const auto lines = linesOf(model);
    return std::any_of(lines.begin(), lines.end(), [&](const LetterLine& line) {
        return std::any_of(writer.begin(), writer.end(),
                           [&](const QString& part) { return line.text.contains(part); });
    });
}

} // namespace

class StylesTest : public QObject {
    Q_OBJECT
private slots:
    void paragraphsInOrderWithTheirAlignment_data() {
        QTest::addColumn<int>("letterCase");
        QTest::addColumn<int>("alignment");
        for (int c = 0; c < int(LetterCases.size()); ++c)
            for (int alignment = 0; alignment < 3; ++alignment)
                QTest::addRow("%s_Alignment%d", LetterCases[size_t(c)].name.c_str(), alignment)
                    << c << alignment;
    }
    void paragraphsInOrderWithTheirAlignment() {
        QFETCH(int, letterCase);
        QFETCH(int, alignment);
        const LetterCase& given = LetterCases[size_t(letterCase)];
        WizardChoices choices = sampleChoices(given.style, Alignment(alignment));
        choices.checkDate = given.checkDate;
        choices.checkOmit = given.checkOmit;
        choices.checkOmit2 = given.checkOmit2;

        StyledLetter letter;
        letter.build(choices);

        Lines expected;
        for (const std::string& line : given.expected)
            expected.push_back(expand(line, alignment));
        QCOMPARE(qt(shownWithAlignment(linesOf(letter.model()))), qt(expected));
    }

    // What every style shares: its face on every text run, the heading band, the pictures, the files,
    // the visibility of the application.
    void everyTextRunIsInTheStylesFace_data() { everyStyle(); }
    void everyTextRunIsInTheStylesFace() {
        const StyleFacts& facts = fetchedStyle();
        StyledLetter letter;
        letter.build(sampleChoices(facts.style));

        int runs = 0;
        for (const LetterLine& line : linesOf(letter.model())) {
            for (const CharFormat& format : line.runFormats()) {
                QVERIFY2(format == facts.face,
                         qPrintable(QStringLiteral("in \"%1\"").arg(QString::fromStdString(line.shown()))));
                ++runs;
            }
        }
        QCOMPARE_GT(runs, 10);
    }

    void headingBandIsOneRowWithWhiteRules_data() { everyStyle(); }
    void headingBandIsOneRowWithWhiteRules() {
        const StyleFacts& facts = fetchedStyle();
        StyledLetter letter;
        letter.build(sampleChoices(facts.style));

        const auto tables = tablesOf(letter.model());
        QCOMPARE(tables.size(), size_t(1));
        QCOMPARE(tables[0]->rows.size(), size_t(1));
        QCOMPARE(int(tables[0]->rows[0].size()), facts.bandColumns);
        QCOMPARE(tables[0]->insideColorIndex, int(word::wdWhite));
        QCOMPARE(tables[0]->outsideColorIndex, int(word::wdWhite));
    }

    void noPictureFileRemainsWhileTheLetterKeepsItsPictures_data() { everyStyle(); }
    void noPictureFileRemainsWhileTheLetterKeepsItsPictures() {
        const StyleFacts& facts = fetchedStyle();
        StyledLetter letter;
        letter.build(sampleChoices(facts.style));

        QCOMPARE(int(picturesOf(letter.model()).size()), facts.picturesInLetter);
        QCOMPARE(letter.programDirectoryFiles(), QStringList());
    }

    void unwritableProgramDirectoryStillGivesEveryPicture_data() { everyStyle(); }
    void unwritableProgramDirectoryStillGivesEveryPicture() {
        const StyleFacts& facts = fetchedStyle();
        StyledLetter letter(QStringLiteral("/nonexistent/tavrin/program/directory"));
        letter.build(sampleChoices(facts.style));

        QCOMPARE(int(picturesOf(letter.model()).size()), facts.picturesInLetter);
    }

    void applicationVisibilityAsTheStyleLeavesIt_data() { everyStyle(); }
    void applicationVisibilityAsTheStyleLeavesIt() {
        const StyleFacts& facts = fetchedStyle();
        StyledLetter letter;
        letter.attach();
        letter.form->applicationRef->setVisible(false);
        const auto application = letter.form->applicationRef;
        letter.assemble(sampleChoices(facts.style));

        QCOMPARE(application->Visible(), facts.makesApplicationVisible);
    }

    void unreachableWordProcessorLeavesNoFileAndNoMessage_data() { everyStyle(); }
    void unreachableWordProcessorLeavesNoFileAndNoMessage() {
        const StyleFacts& facts = fetchedStyle();
        QTemporaryDir programDirectory;
        UnreachableWordProcessor wordProcessor;
        MBas mBas;
        QuietUserInterface ui;
        Form1 form({wordProcessor, mBas, ui, programDirectory.path()});
        form.Sapolnenie(sampleChoices(facts.style));

        QCOMPARE(QDir(programDirectory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        QVERIFY(ui.messages.isEmpty());
    }

    // Markup, control characters, a lone surrogate, right-to-left marks and an address of thousands of
    // lines: the letter is still written, saved and read back whole.
    void hostileTextsStillGiveALetterThatReadsBack_data() { everyStyle(); }
    void hostileTextsStillGiveALetterThatReadsBack() {
        const StyleFacts& facts = fetchedStyle();
        const QString markup = QStringLiteral("<w:p>&amp; \"quoted\" 'single' </w:t>]]>");
        WizardChoices choices = sampleChoices(facts.style);
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
        QVERIFY(markupArrived);
        QCOMPARE_GT(readBack.size(), size_t(5000));
        QCOMPARE(letter.programDirectoryFiles(), QStringList());
    }

    // A greyed box leaves the writer out of Classic and Modernistic and keeps it in the other letters.
    void writerByTheOmitBoxValue_data() {
        QTest::addColumn<int>("writerCase");
        QTest::addColumn<int>("checkOmit2");
        QTest::addColumn<bool>("writerWritten");
        for (int c = 0; c < int(WriterCases.size()); ++c) {
            const WriterCase& given = WriterCases[size_t(c)];
            const QByteArray name = styleName(given.style).toLatin1();
            QTest::addRow("%s_Unticked", name.constData()) << c << 0 << true;
            QTest::addRow("%s_Ticked", name.constData()) << c << 1 << false;
            QTest::addRow("%s_Greyed", name.constData()) << c << 2 << given.writerWhenGreyed;
        }
    }
    void writerByTheOmitBoxValue() {
        QFETCH(int, writerCase);
        QFETCH(int, checkOmit2);
        QFETCH(bool, writerWritten);
        WizardChoices choices = sampleChoices(WriterCases[size_t(writerCase)].style);
        choices.checkOmit2 = checkOmit2;
        StyledLetter letter;
        letter.build(choices);

        QCOMPARE(holdsTheWriter(letter.model(), choices), writerWritten);
    }

    // Style by style, what the paragraph list does not show.
    void classicOnlyTheLastParagraphCarriesTheScriptFace() {
        StyledLetter letter;
        letter.build(sampleChoices(Style::Classic));

        const auto lines = linesOf(letter.model());
        QVERIFY(lines.back().paragraph->markFormat == face("Monotype Corsiva", 12));
        const auto& address = lines[lines.size() - 2];
        QCOMPARE(address.text, QStringLiteral("Marylebone"));
        QVERIFY(address.runFormats() == std::vector<CharFormat>{face("Arial", 10)});
    }

    void classicFirstRuleFollowsTheAddressLinesSecondStaysAt700_data() {
        QTest::addColumn<int>("ruleCase");
        for (int c = 0; c < int(RuleCases.size()); ++c)
            QTest::newRow(RuleCases[size_t(c)].name) << c;
    }
    void classicFirstRuleFollowsTheAddressLinesSecondStaysAt700() {
        QFETCH(int, ruleCase);
        const RuleCase& given = RuleCases[size_t(ruleCase)];
        WizardChoices choices = sampleChoices(Style::Classic);
        choices.recAddressText = given.recipientAddress;
        choices.checkOmit = given.checkOmit;
        StyledLetter letter;
        letter.build(choices);

        // A rule the word processor cannot place (a height of 0 here) is skipped; the next one is still
        // drawn.
        const float y = given.firstRuleHeight;
        std::vector<LineShape> rules;
        if (y > 0)
            rules.push_back({50.2f, y, 540.0f, y});
        rules.push_back({50.2f, 700.0f, 540.0f, 700.0f});
        QVERIFY(letter.model().shapes == rules);
    }

private:
    static void everyStyle() {
        QTest::addColumn<int>("style");
        for (int s = 0; s < int(AllStyles.size()); ++s)
            QTest::newRow(qPrintable(styleName(AllStyles[size_t(s)].style))) << s;
    }
    static const StyleFacts& fetchedStyle() {
        QFETCH(int, style);
        return AllStyles[size_t(style)];
    }
};

} // namespace tavrin::testing

QTEST_GUILESS_MAIN(tavrin::testing::StylesTest)
#include "test_styles.moc"
