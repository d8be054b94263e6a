// Our pages beside LibreOffice's rendering of the same letter saved as .docx: the same pages, the same
// line breaks, and page images that differ only where anti-aliasing and sub-point positions do.

#include "printing_letters.h"
#include "printing_models.h"
#include "printing_tools.h"
#include "word/engine/docx.h"
#include "word/engine/print/printing.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace word::testing {
namespace {

using engine::DocumentModel;

struct Comparison {
    std::string name;
    std::function<DocumentModel()> make;
};

void PrintTo(const Comparison& comparison, std::ostream* out) {
    *out << comparison.name;
}

// A reply to a long letter: the wizard's own-note box filled with paragraphs long enough for three pages.
DocumentModel longLetter(Style style) {
    tavrin::WizardChoices choices = defaultChoices(style);
    choices.option1[0] = false;
    choices.option1[1] = true;
    QStringList paragraphs;
    for (int i = 1; i <= 24; ++i)
        paragraphs << QStringLiteral(
                          "Paragraph %1 tells how the days went by, what the weather did, who came to "
                          "visit and what they brought along, and how the garden looks now that the "
                          "roses are out and the evenings are long. ")
                          .arg(i)
                          .repeated(1 + i % 3);
    choices.text1 = paragraphs.join(QStringLiteral("\r\n"));
    return letter(choices);
}

std::vector<Comparison> defaultLetters() {
    std::vector<Comparison> letters;
    for (Style style : AllStyles)
        letters.push_back({styleName(style).toStdString(), [style] { return defaultLetter(style); }});
    return letters;
}

std::vector<Comparison> defaultAndLongLetters() {
    std::vector<Comparison> letters = defaultLetters();
    for (Style style : AllStyles)
        letters.push_back(
            {"Long" + styleName(style).toStdString() + "Letter", [style] { return longLetter(style); }});
    return letters;
}

// Both PDFs of a comparison, made once for all its tests.
struct RenderedPair {
    QString ours, theirs;
};

class BesideLibreOffice : public ::testing::TestWithParam<Comparison> {
protected:
    void SetUp() override {
        for (const char* program : {"soffice", "pdftotext", "pdftoppm", "pdfinfo"})
            requireProgram(QString::fromLatin1(program));
        ASSERT_FALSE(HasFailure());
        const QString name = QString::fromStdString(GetParam().name);
        if (!rendered.contains(name))
            rendered.insert(name, render(GetParam().make(), name));
        ours = rendered.value(name).ours;
        theirs = rendered.value(name).theirs;
        ASSERT_FALSE(theirs.isEmpty());
    }

    // The letter saved as the engine saves it and opened in LibreOffice, and our own PDF of it.
    static RenderedPair render(const DocumentModel& model, const QString& name) {
        static QTemporaryDir folder;
        const QDir dir(folder.path());
        dir.mkpath(name);
        const QString docx = dir.filePath(name + QStringLiteral("/letter.docx"));
        engine::saveDocx(model, docx);
        const QString ourPdf = dir.filePath(name + QStringLiteral("/ours.pdf"));
        engine::print::writePdf(model, ourPdf);
        return {ourPdf, libreOfficePdf(docx, dir.filePath(name))};
    }

    static inline QHash<QString, RenderedPair> rendered;
    QString ours, theirs;
};

// Where each line starts, in words from the top of the page.
std::vector<qsizetype> lineStarts(const QStringList& lines) {
    std::vector<qsizetype> starts;
    qsizetype words = 0;
    for (const QString& line : lines) {
        starts.push_back(words);
        words += wordsOf(line).size();
    }
    return starts;
}

// The same words on each page, in as many lines, each line starting within a word of LibreOffice's: a
// word just at the margin may go either way, as both lay text out at their own sub-point precision.
class SameLines : public BesideLibreOffice {};
class SameLook : public BesideLibreOffice {};

TEST_P(SameLines, BreaksTheSameLinesOnTheSamePages) {
    const int pages = pdfPageCount(theirs);
    ASSERT_EQ(pdfPageCount(ours), pages);
    for (int page = 1; page <= pages; ++page) {
        const QStringList ourLines = wordLines(pdfText(ours, page)),
                          theirLines = wordLines(pdfText(theirs, page));
        EXPECT_EQ(wordsOf(ourLines.join(u' ')), wordsOf(theirLines.join(u' '))) << "page " << page;
        ASSERT_EQ(ourLines.size(), theirLines.size()) << "page " << page;
        const std::vector<qsizetype> ourStarts = lineStarts(ourLines), theirStarts = lineStarts(theirLines);
        for (std::size_t line = 0; line < ourStarts.size(); ++line)
            EXPECT_LE(std::abs(ourStarts[line] - theirStarts[line]), 1)
                << "page " << page << ": " << ourLines[qsizetype(line)].toStdString()
                << "\n  LibreOffice: " << theirLines[qsizetype(line)].toStdString();
    }
}

// Each line of text, picture and rule is a band of ink (at 144 dpi) that lies within 1.25 pt of
// LibreOffice's, across and down the page. Long letters are compared by their lines only: a word that goes
// to the other line changes a band's width.
TEST_P(SameLook, LooksTheSame) {
    const int pages = pdfPageCount(theirs);
    ASSERT_EQ(pdfPageCount(ours), pages);
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(sameInkBands(inkBands(pdfPageImage(ours, page, 144), 144),
                                 inkBands(pdfPageImage(theirs, page, 144), 144), 1.25))
            << "page " << page;
}

INSTANTIATE_TEST_SUITE_P(Letters, SameLines, ::testing::ValuesIn(defaultAndLongLetters()),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(Letters, SameLook, ::testing::ValuesIn(defaultLetters()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace word::testing
