// The print preview, printing on the default printer (a printer that writes a PDF file stands in for it),
// the failure when there is no printer, and PDF files written without harm to what was there.

#include "builder/form1.h"
#include "printing_letters.h"
#include "printing_models.h"
#include "printing_tools.h"
#include "word/automationerror.h"
#include "word/engine/engine.h"
#include "word/engine/print/pagerenderer.h"
#include "word/engine/print/printing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace word::testing {
namespace {

using engine::DocumentModel;
namespace print = engine::print;

// Closes the print preview as soon as it shows its pages, noting how many it showed.
class PreviewCloser {
public:
    PreviewCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { closeWhenShown(); });
        timer_.start(20);
    }
    bool shown = false;
    int pages = 0;

private:
    void closeWhenShown() {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        const auto* pagesShown = preview->findChild<QPrintPreviewWidget*>();
        if (pagesShown && pagesShown->pageCount() == 0 && ++waits_ < 100)
            return;
        shown = true;
        pages = pagesShown ? pagesShown->pageCount() : 0;
        preview->reject();
    }
    QTimer timer_;
    int waits_ = 0;
};

// What the printer was last set to when printing was done with it.
struct PrinterSettings {
    int calls = 0;
    int copies = 0;
    QPrinter::PrintRange range = QPrinter::PageRange;
};

// A printer that writes PDF and notes its settings when printing is done with it. It starts out set to
// three copies of a page range, so that printing has to choose the whole document, once.
class PdfPrinter : public QPrinter {
public:
    PdfPrinter(const QString& file, PrinterSettings& settings)
        : QPrinter(QPrinter::HighResolution), settings_(settings) {
        setOutputFormat(QPrinter::PdfFormat);
        setOutputFileName(file);
        setCopyCount(3);
        setPrintRange(QPrinter::PageRange);
        setFromTo(2, 2);
    }
    ~PdfPrinter() override {
        settings_.copies = copyCount();
        settings_.range = printRange();
    }

private:
    PrinterSettings& settings_;
};

print::PrinterSource pdfPrinterSource(const QString& file, PrinterSettings& settings) {
    return [file, &settings]() -> std::unique_ptr<QPrinter> {
        ++settings.calls;
        return std::make_unique<PdfPrinter>(file, settings);
    };
}

QStringList sortedWords(QStringList words) {
    words.sort();
    return words;
}

int errorNumberOf(const std::function<void()>& call, QString* description = nullptr) {
    try {
        call();
    } catch (const AutomationError& error) {
        if (description)
            *description = error.description;
        return error.number;
    }
    return 0;
}

TEST(PrintPreview, ShowsEveryPageModallyAndReturnsWhenClosed) {
    const DocumentModel model = defaultLetter(Style::Dark);
    PreviewCloser closer;
    print::printPreview(model);
    EXPECT_TRUE(closer.shown);
    EXPECT_EQ(closer.pages, print::PageRenderer(model).pageCount());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(PrintOut, PrintsTheWholeDocumentOnceOnTheDefaultPrinter) {
    const DocumentModel model = defaultLetter(Style::Elegant);
    QTemporaryDir folder;
    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    PrinterSettings settings;
    const print::ScopedPrinterSource printer(pdfPrinterSource(printed, settings));

    print::printOut(model);

    EXPECT_EQ(settings.calls, 1);
    EXPECT_EQ(settings.copies, 1);
    EXPECT_EQ(settings.range, QPrinter::AllPages);
    EXPECT_EQ(pdfPageCount(printed), print::PageRenderer(model).pageCount());
    EXPECT_EQ(sortedWords(wordsOf(pdfText(printed))), sortedWords(wordsOf(model)));
}

// The developer action "Preview and Print" on the letter the Simple layout wrote: the preview shows and
// closes, then the letter goes to the printer.
TEST(PrintOut, PreviewAndPrintOfTheFormShowsThenPrintsTheLetter) {
    engine::Engine engine;
    tavrin::MBas mBas;
    class : public tavrin::UserInterface {
        void messageBox(const QString&) override {}
        void resetMousePointer() override {}
    } ui;
    QTemporaryDir folder;
    tavrin::Form1 form({engine, mBas, ui, folder.path()});
    form.Command1_Click();
    form.Command8_Click();
    const DocumentModel letter = engine::modelOf(form.documentRef);

    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    PrinterSettings settings;
    const print::ScopedPrinterSource printer(pdfPrinterSource(printed, settings));
    PreviewCloser closer;
    form.Command3_Click();

    EXPECT_TRUE(closer.shown);
    EXPECT_EQ(closer.pages, 1);
    EXPECT_EQ(settings.calls, 1);
    EXPECT_EQ(sortedWords(wordsOf(pdfText(printed))), sortedWords(wordsOf(letter)));
}

TEST(PrintOut, WithNoPrinterConfiguredFailsSayingSoAndDoesNothingElse) {
    engine::Engine engine;
    const Ref<Document> document = engine.CreateDocument();
    document->ActiveWindow()->Selection()->TypeText(QStringLiteral("Dear Ada,"));
    const DocumentModel before = engine::modelOf(document);
    const bool changedBefore = engine.documents().front().changed;
    int asked = 0;
    const print::ScopedPrinterSource noPrinter([&asked]() -> std::unique_ptr<QPrinter> {
        ++asked;
        return nullptr;
    });
    PreviewCloser closer;

    QString description;
    EXPECT_EQ(errorNumberOf([&] { document->PrintOut(); }, &description), errors::PrintingFailed);
    EXPECT_TRUE(description.contains(QStringLiteral("No printer is configured")))
        << description.toStdString();
    EXPECT_EQ(asked, 1);
    QApplication::processEvents();
    EXPECT_FALSE(closer.shown);
    EXPECT_EQ(engine::modelOf(document), before);
    EXPECT_EQ(engine.documents().front().changed, changedBefore);
}

// The tests reach no print server, so the system has no default printer.
TEST(PrintOut, OnASystemWithoutPrintersFails) {
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull())
        << "a default printer is reachable: nothing may be printed";
    EXPECT_EQ(errorNumberOf([] { print::printOut(defaultLetter(Style::Simple)); }), errors::PrintingFailed);
}

TEST(PrintOut, APrinterThatCannotPrintFails) {
    QTemporaryDir folder;
    PrinterSettings settings;
    const print::ScopedPrinterSource printer(
        pdfPrinterSource(folder.filePath(QStringLiteral("missing/folder/printed.pdf")), settings));
    EXPECT_EQ(errorNumberOf([] { print::printOut(defaultLetter(Style::Simple)); }), errors::PrintingFailed);
}

// --- PDF files -------------------------------------------------------------------------------------------

class PdfFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }
    QStringList folderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    static QByteArray contentOf(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeFile(const QString& file, const QByteArray& content) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    QTemporaryDir folder;
    const DocumentModel model = defaultLetter(Style::Classic);
};

TEST_F(PdfFile, IsWrittenWholeWithNothingLeftBeside) {
    print::writePdf(model, path(QStringLiteral("letter.pdf")));
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("letter.pdf")});
    EXPECT_TRUE(contentOf(path(QStringLiteral("letter.pdf"))).startsWith("%PDF-"));
    EXPECT_EQ(pdfPageCount(path(QStringLiteral("letter.pdf"))), 1);
}

TEST_F(PdfFile, ReplacesAnOlderFileKeepingItsPermissions) {
    const QString file = path(QStringLiteral("letter.pdf"));
    writeFile(file, "older");
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
    print::writePdf(model, file);
    struct stat written {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &written), 0);
    EXPECT_EQ(written.st_mode & 07777, 0640u);
    EXPECT_TRUE(contentOf(file).startsWith("%PDF-"));
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("letter.pdf")});
}

TEST_F(PdfFile, ReplacesALinkPlantedAtItsPathWithoutWritingThroughIt) {
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim.txt"));
    writeFile(victim, "not to be touched");
    const QString file = path(QStringLiteral("letter.pdf"));
    ASSERT_TRUE(QFile::link(victim, file));

    print::writePdf(model, file);

    EXPECT_FALSE(QFileInfo(file).isSymLink());
    EXPECT_TRUE(contentOf(file).startsWith("%PDF-"));
    EXPECT_EQ(contentOf(victim), QByteArray("not to be touched"));
}

TEST_F(PdfFile, InAMissingFolderFailsWithFileNotFound) {
    EXPECT_EQ(errorNumberOf([&] { print::writePdf(model, path(QStringLiteral("missing/letter.pdf"))); }),
              errors::FileNotFound);
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(PdfFile, WhereAFolderStandsFailsAndLeavesTheFolder) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("letter.pdf")));
    EXPECT_EQ(errorNumberOf([&] { print::writePdf(model, path(QStringLiteral("letter.pdf"))); }),
              errors::FileAccess);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("letter.pdf"))).isDir());
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("letter.pdf")});
}

} // namespace
} // namespace word::testing
