// The wizard's envelope: the size its letter's paper asks for, where the writer and the recipient stand on
// the PDF as poppler reads it, and where the file goes beside the letter without replacing anything.

#include "builder/stylecatalog.h"
#include "envelope/envelopehandover.h"
#include "envelope/letterenvelope.h"
#include "tests/word/print/printing_tools.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <ostream>

using namespace tavrin;
using namespace tavrin::envelopes;

namespace {

const QDate Today(2026, 12, 9);

WizardChoices choicesWith(Style style) {
    WizardChoices choices;
    choices.selectStyle(style);
    choices.recNameText = QStringLiteral("Zed Recipient");
    choices.recAddressText = QStringLiteral("9 Far Road\r\n\r\nDistantville");
    choices.nameText = QStringLiteral("Wanda Writer");
    choices.addressText = QStringLiteral("1 Near Lane\r\nHometown");
    return choices;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

// --- The size ------------------------------------------------------------------------------------------

struct PaperCase {
    const char* name;
    QPageSize paper;
    QString envelope;
};

void PrintTo(const PaperCase& c, std::ostream* out) {
    *out << c.name;
}

class PaperChoosesTheEnvelope : public testing::TestWithParam<PaperCase> {};

TEST_P(PaperChoosesTheEnvelope, ThatTheLetterFitsFoldedInThree) {
    EXPECT_EQ(envelopeForPaper(GetParam().paper), GetParam().envelope);
}

INSTANTIATE_TEST_SUITE_P(
    All, PaperChoosesTheEnvelope,
    testing::Values(PaperCase{"A4", QPageSize(QPageSize::A4), "DL"},
                    PaperCase{"Letter", QPageSize(QPageSize::Letter), "10"},
                    PaperCase{"Legal", QPageSize(QPageSize::Legal), "10"},
                    PaperCase{"A5", QPageSize(QPageSize::A5), "DL"},
                    PaperCase{"Executive", QPageSize(QPageSize::Executive), "10"},
                    // What glibc's LC_PAPER gives, in whole millimetres.
                    PaperCase{"LcPaperLetter",
                              QPageSize(QSizeF(216, 279), QPageSize::Millimeter, {}, QPageSize::FuzzyMatch),
                              "10"},
                    PaperCase{"LcPaperA4",
                              QPageSize(QSizeF(210, 297), QPageSize::Millimeter, {}, QPageSize::FuzzyMatch),
                              "DL"},
                    PaperCase{"UnknownPaper", QPageSize(QSizeF(100, 100), QPageSize::Millimeter), "DL"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- What goes on it -----------------------------------------------------------------------------------

TEST(LetterEnvelope, TakesTheWizardsBoxesLineByLine) {
    WizardChoices choices = choicesWith(Style::Elegant);
    choices.recNameText = QStringLiteral("  Zed Recipient ");
    LetterEnvelope envelope = letterEnvelope(choices, QPageSize(QPageSize::A4));
    EXPECT_EQ(envelope.face, typefaceOf(Style::Elegant));
    EXPECT_EQ(envelope.recipient.fullName, QStringLiteral("Zed Recipient"));
    EXPECT_EQ(envelope.recipient.addressLines, (QStringList{"9 Far Road", "Distantville"}));
    EXPECT_EQ(envelope.writerLines, (QStringList{"Wanda Writer", "1 Near Lane", "Hometown"}));

    choices.checkOmit2 = 1; // the writer left out of the letter is left off the envelope
    EXPECT_EQ(letterEnvelope(choices, QPageSize(QPageSize::A4)).writerLines, QStringList());
}

struct PdfCase {
    const char* name;
    QPageSize paper;
    Style style;
    QSizeF points;
};

void PrintTo(const PdfCase& c, std::ostream* out) {
    *out << c.name;
}

class EnvelopePdf : public testing::TestWithParam<PdfCase> {};

TEST_P(EnvelopePdf, HasTheWriterTopLeftAndTheRecipientLowerRightInTheStylesFace) {
    const auto painted = paintEnvelope(letterEnvelope(choicesWith(GetParam().style), GetParam().paper));
    ASSERT_TRUE(painted) << painted.error().toStdString();
    for (const auto& block : painted->model.body)
        for (const auto& item : std::get<word::engine::Paragraph>(block).content)
            EXPECT_EQ(std::get<word::engine::TextRun>(item).format.fontName, typefaceOf(GetParam().style));

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("envelope.pdf"));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(painted->pdf) == painted->pdf.size());
    file.close();

    const QSizeF size = word::testing::pdfPageSize(pdf);
    EXPECT_NEAR(size.width(), GetParam().points.width(), 1.0);
    EXPECT_NEAR(size.height(), GetParam().points.height(), 1.0);
    const auto words = word::testing::pdfWordPositions(pdf);
    for (const char* writerWord : {"Wanda", "Near", "Hometown"}) {
        ASSERT_TRUE(words.contains(writerWord)) << writerWord;
        EXPECT_LT(words.value(writerWord).x(), size.width() / 4) << writerWord;
        EXPECT_LT(words.value(writerWord).y(), size.height() / 3) << writerWord;
    }
    for (const char* recipientWord : {"Zed", "Far", "Distantville"}) {
        ASSERT_TRUE(words.contains(recipientWord)) << recipientWord;
        EXPECT_GE(words.value(recipientWord).x(), size.width() / 2 - 1) << recipientWord;
        EXPECT_GE(words.value(recipientWord).y(), size.height() / 2 - 1) << recipientWord;
        EXPECT_LT(words.value(recipientWord).y(), size.height() - 20) << recipientWord;
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, EnvelopePdf,
    testing::Values(PdfCase{"DLForA4", QPageSize(QPageSize::A4), Style::Classic, {623.6, 311.8}},
                    PdfCase{"No10ForLetter", QPageSize(QPageSize::Letter), Style::Romantic, {684, 297}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Beside the letter ---------------------------------------------------------------------------------

class EnvelopeHandOver : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        desktop_.documentsFolder = home_.filePath(QStringLiteral("Documents"));
        desktop_.homeFolder = home_.path();
        desktop_.temporaryFolder = home_.filePath(QStringLiteral("tmp"));
        desktop_.open = [this](const QString& path) {
            opened_ << path;
            return word::engine::Opened();
        };
        desktop_.print = [this](const QString& line) { printed_ << line; };
        const auto painted =
            paintEnvelope(letterEnvelope(choicesWith(Style::Simple), QPageSize(QPageSize::A4)));
        ASSERT_TRUE(painted);
        painted_ = *painted;
    }

    QString folder(const QString& name) {
        const QString path = home_.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path));
        return path;
    }

    QStringList handOver(const QStringList& lettersSaved) {
        return handOverEnvelope(painted_, lettersSaved, desktop_, Today);
    }

    QTemporaryDir home_;
    word::engine::Desktop desktop_;
    PaintedEnvelope painted_;
    QStringList opened_, printed_;
};

TEST_F(EnvelopeHandOver, GoesBesideTheLetterSavedLastAndOpens) {
    const QString letters = folder(QStringLiteral("Chosen"));
    EXPECT_EQ(handOver({folder(QStringLiteral("Other")) + QStringLiteral("/Letter 2026-12-09.docx"),
                        letters + QStringLiteral("/Letter 2026-12-09.docx")}),
              QStringList());
    const QString expected = letters + QStringLiteral("/Envelope 2026-12-09.pdf");
    EXPECT_EQ(opened_, QStringList{expected});
    EXPECT_EQ(printed_, QStringList{expected});
    EXPECT_EQ(contents(expected), painted_.pdf);
}

// A letter left open in LibreOffice has no folder: the envelope goes where the engine's letters go.
TEST_F(EnvelopeHandOver, WithoutASavedLetterGoesToTheDocumentsFolder) {
    EXPECT_EQ(handOver({}), QStringList());
    EXPECT_EQ(opened_, QStringList{desktop_.documentsFolder + QStringLiteral("/Envelope 2026-12-09.pdf")});
}

TEST_F(EnvelopeHandOver, NeverReplacesNorFollowsWhatIsThere) {
    const QString letters = folder(QStringLiteral("Letters"));
    QFile mine(letters + QStringLiteral("/Envelope 2026-12-09.pdf"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
    mine.close();
    const QString target = home_.filePath(QStringLiteral("target"));
    ASSERT_TRUE(QFile::link(target, letters + QStringLiteral("/Envelope 2026-12-09 (2).pdf")));

    EXPECT_EQ(handOver({letters + QStringLiteral("/Letter 2026-12-09.docx")}), QStringList());
    EXPECT_EQ(opened_, QStringList{letters + QStringLiteral("/Envelope 2026-12-09 (3).pdf")});
    EXPECT_EQ(contents(mine.fileName()), QByteArray("mine"));
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(EnvelopeHandOver, AFolderThatCannotTakeItSendsItHomeAndSaysSo) {
    const QString blocked = home_.filePath(QStringLiteral("blocked"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QStringList messages = handOver({blocked + QStringLiteral("/Letter.docx")});
    const QString saved = home_.filePath(QStringLiteral("Envelope 2026-12-09.pdf"));
    EXPECT_EQ(messages,
              QStringList{QStringLiteral("The envelope could not be saved in %1: the folder cannot be "
                                         "created. It is saved as %2.")
                              .arg(blocked, saved)});
    EXPECT_EQ(opened_, QStringList{saved});
}

TEST_F(EnvelopeHandOver, OneNoApplicationOpensIsShownInstead) {
    desktop_.open = [](const QString&) {
        return word::engine::Opened(tavrin::Unexpected(QStringLiteral("no PDF application")));
    };
    QStringList shown;
    EXPECT_EQ(handOver({}).size(), 1) << "without a stand-in, a message";

    desktop_.showInstead = [&](const word::engine::DocumentModel& model, const QString& path,
                               const QString& message) {
        EXPECT_EQ(model.page.width, painted_.model.page.width);
        shown << path << message;
    };
    EXPECT_EQ(handOver({}), QStringList());
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], desktop_.documentsFolder + QStringLiteral("/Envelope 2026-12-09 (2).pdf"));
    EXPECT_TRUE(shown[1].contains(QStringLiteral("no PDF application"))) << shown[1].toStdString();
}

TEST_F(EnvelopeHandOver, OneThatCouldNotBeMadeIsToldAndWritesNothing) {
    EXPECT_EQ(handOverEnvelope(tavrin::Unexpected(QStringLiteral("no fonts")), {}, desktop_, Today),
              QStringList{QStringLiteral("The envelope could not be made: no fonts.")});
    EXPECT_FALSE(QDir(desktop_.documentsFolder).exists());
    EXPECT_EQ(opened_, QStringList());
}

TEST(EnvelopeJob, PaintsOnAThreadOfItsOwn) {
    EnvelopeJob job(letterEnvelope(choicesWith(Style::Dark), QPageSize(QPageSize::Letter)));
    const auto painted = job.take();
    ASSERT_TRUE(painted) << painted.error().toStdString();
    EXPECT_TRUE(painted->pdf.startsWith("%PDF"));
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
