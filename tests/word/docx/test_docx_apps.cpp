// Generated packages as other programs see them: the Open XML SDK validator, and LibreOffice rendering a
// letter to PDF, read back with poppler's tools.

#include "docx_models.h"
#include "tests/word/programs.h"
#include "word/engine/docx.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <random>

using namespace docxtest;

namespace {

using wordtest::ProgramRun;

ProgramRun runProgram(const QString& program, const QStringList& arguments, int timeoutMs = 120000) {
    return wordtest::runProgram(program, arguments, timeoutMs, QProcess::MergedChannels);
}

QString requireProgram(const QString& name) {
    const QString path = QStandardPaths::findExecutable(name);
    EXPECT_FALSE(path.isEmpty()) << name.toStdString() << " is missing: run tools/setup.sh --tests";
    return path;
}

// Validation

struct ValidationCase {
    std::string name;
    std::function<DocumentModel()> make;
};

void PrintTo(const ValidationCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<ValidationCase> validationCases() {
    std::vector<ValidationCase> cases = {
        {"Empty", [] { return DocumentModel{}; }},
        {"Letter", [] { return letterModel(false); }},
        {"LetterWithPictures", [] { return letterModel(true); }},
    };
    for (unsigned seed = 1; seed <= 12; ++seed)
        cases.push_back({"Random" + std::to_string(seed), [seed] {
                             std::mt19937 random(seed);
                             return randomModel(
                                 [&](std::uint32_t n) { return n == 0 ? 0 : std::uint32_t(random() % n); });
                         }});
    return cases;
}

class Validator : public testing::TestWithParam<ValidationCase> {};

TEST_P(Validator, FindsNoErrorInTheGeneratedPackage) {
    const QString validator = QStringLiteral(TAVRIN_OOXML_VALIDATOR);
    ASSERT_TRUE(QFileInfo(validator).isExecutable())
        << "the package validator is missing: run tools/setup.sh --tests";
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("generated.docx"));
    saveDocx(GetParam().make(), file);

    const ProgramRun result = runProgram(validator, {file, QStringLiteral("Microsoft365")});
    EXPECT_EQ(result.exitCode, 0) << result.output.constData();
    EXPECT_TRUE(result.output.contains("\"ok\": true")) << result.output.constData();
}

INSTANTIATE_TEST_SUITE_P(Docx, Validator, testing::ValuesIn(validationCases()),
                         [](const auto& info) { return info.param.name; });

// Rendering

class LibreOfficeRendering : public testing::Test {
protected:
    void SetUp() override {
        soffice_ = requireProgram(QStringLiteral("soffice"));
        for (const char* tool : {"pdftotext", "pdfimages", "pdftoppm", "pdfinfo"})
            requireProgram(QString::fromLatin1(tool));
        ASSERT_FALSE(HasFailure());
    }

    // Converts the package to PDF with a profile of its own; empty when LibreOffice could not load it
    // (it exits 0 all the same).
    QString convertToPdf(const QString& docx) {
        const QString profile = QUrl::fromLocalFile(folder_.filePath(QStringLiteral("profile"))).toString();
        const ProgramRun conversion =
            runProgram(soffice_, {QStringLiteral("-env:UserInstallation=") + profile,
                                  QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                  QStringLiteral("pdf"), QStringLiteral("--outdir"), folder_.path(), docx});
        const QString pdf = folder_.filePath(QFileInfo(docx).completeBaseName() + QStringLiteral(".pdf"));
        EXPECT_TRUE(QFileInfo::exists(pdf)) << conversion.output.constData();
        return QFileInfo::exists(pdf) ? pdf : QString();
    }

    QTemporaryDir folder_;
    QString soffice_;
};

// At 144 dpi a point is two pixels, and a line 0.75 pt wide covers one of them fully.
bool isLineAt(const QImage& page, double xPoints, double yPoints) {
    const int x = int(xPoints * 2);
    const int y = int(yPoints * 2);
    for (int dy = -1; dy <= 1; ++dy)
        if (qGray(page.pixel(x, y + dy)) < 64)
            return true;
    return false;
}

TEST_F(LibreOfficeRendering, LetterArrivesWithItsParagraphsTablePicturesAndLines) {
    const DocumentModel model = letterModel(true);
    const QString docx = folder_.filePath(QStringLiteral("letter.docx"));
    saveDocx(model, docx);
    const QString pdf = convertToPdf(docx);
    ASSERT_FALSE(pdf.isEmpty());

    const QString info = QString::fromUtf8(runProgram(QStringLiteral("pdfinfo"), {pdf}).output);
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595\\.\\d+ x 841\\.\\d+ pts"))))
        << info.toStdString();

    // Every paragraph's text, and the table's two cells side by side on one line.
    const QString text = QString::fromUtf8(
        runProgram(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
            .output);
    EXPECT_TRUE(text.contains(QStringLiteral("[Click here and type the recipient's name]")));
    for (int i = 1; i <= 26; ++i)
        EXPECT_TRUE(text.contains(QStringLiteral("Paragraph %1 of the letter").arg(i))) << i;
    EXPECT_TRUE(text.contains(QStringLiteral("Yours sincerely,")));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Tavrin & Co\\. +Mr\\. Writer +London"))))
        << text.left(400).toStdString();

    // The three pictures, at their pixel sizes.
    const QStringList images =
        QString::fromUtf8(runProgram(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).output)
            .split(u'\n', Qt::SkipEmptyParts)
            .mid(2);
    QStringList sizes;
    for (const QString& line : images) {
        const QStringList columns = line.simplified().split(u' ');
        sizes << columns.value(3) + u'x' + columns.value(4);
    }
    sizes.sort();
    EXPECT_EQ(sizes, (QStringList{"120x80", "171x119", "400x20"}));

    // The lines, drawn where they belong.
    const QString pagePrefix = folder_.filePath(QStringLiteral("page"));
    runProgram(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"), QStringLiteral("-f"),
                QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                pdf, pagePrefix});
    const QImage page(pagePrefix + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    for (const LineShape& line : model.shapes) {
        for (int x : {60, 150, 300, 450, 535})
            EXPECT_TRUE(isLineAt(page, x, line.beginY)) << "line at " << line.beginY << ", x " << x;
        EXPECT_FALSE(isLineAt(page, 20, line.beginY))
            << "line at " << line.beginY << " reaches the page's edge";
        EXPECT_FALSE(isLineAt(page, 300, line.beginY - 4)) << "line at " << line.beginY << " drawn too high";
        EXPECT_FALSE(isLineAt(page, 300, line.beginY + 4)) << "line at " << line.beginY << " drawn too low";
    }
}

} // namespace
