// The interface's operations on LibreOffice behave as on the built-in engine: each script runs on a new
// document of both, step by step, and both must fail the same steps with the same error and end with the
// same document. The scripts go where the layouts go and beyond: moves inside and out of tables, words,
// pictures larger than their room, every format member, a selected line, hostile text and bad values.

#include "livetesting.h"
#include "word/engine/docx.h"
#include "word/engine/paragraph.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tavrin::testing {
namespace {

using word::Ref;

// A script's view of one word processor: its new document, and the steps with the error each gave.
class ScriptRun {
public:
    ScriptRun(word::Provider& provider, Ref<word::Document> document, QString pictureFolder)
        : document(std::move(document)), provider_(provider), pictures(std::move(pictureFolder)) {}

    // Runs one step; an automation error is recorded as the step's result, not thrown.
    void step(const std::function<void()>& statement) {
        int error = 0;
        try {
            statement();
        } catch (const word::AutomationError& e) {
            error = e.number;
        }
        errors.push_back(error);
    }
    Ref<word::Selection> selection() { return document->ActiveWindow()->Selection(); }
    Ref<word::Global> global() { return provider_.Global(); }
    QString picture(const char* name) const { return QDir(pictures).filePath(QLatin1String(name)); }

    Ref<word::Document> document;
    std::vector<int> errors;

private:
    word::Provider& provider_;
    QString pictures;
};

struct Script {
    const char* name;
    std::function<void(ScriptRun&)> run;
};

void typeIn(ScriptRun& r, const QString& text) {
    r.step([&] { r.selection()->TypeText(text); });
}

void addTable(ScriptRun& r, int rows, int columns) {
    r.step([&] { r.selection()->Tables()->Add(r.selection()->Range(), rows, columns); });
}

void selectCell(ScriptRun& r, int row, int column) {
    r.step([&] { r.document->Tables()->Item(1)->Cell(row, column)->Select(); });
}

const Script Scripts[] = {
    {"TypingParagraphsAndFonts",
     [](ScriptRun& r) {
         r.step([&] { r.selection()->Font()->setName(QStringLiteral("Arial")); });
         r.step([&] { r.selection()->Font()->setSize(14.3f); }); // stored as 14.5
         r.step([&] { r.selection()->Font()->setColorIndex(word::wdBlue); });
         typeIn(r, QStringLiteral("Blue Arial\r\nsecond\rthird\nfourth"));
         r.step([&] { r.selection()->Font()->setBold(true); });
         r.step([&] { r.selection()->Font()->setColorIndex(word::wdAuto); });
         typeIn(r, QStringLiteral(" bold automatic"));
         r.step([&] { r.selection()->TypeParagraph(); });
         r.step([&] { r.selection()->TypeParagraph(); });
         for (int colour = word::wdBlack; colour <= word::wdGray25; ++colour) {
             r.step([&] { r.selection()->Font()->setColorIndex(colour); });
             typeIn(r, QStringLiteral("c%1 ").arg(colour));
         }
     }},
    {"EveryParagraphMemberCarriesOverAParagraphEnd",
     [](ScriptRun& r) {
         r.step([&] {
             const auto f = r.selection()->ParagraphFormat();
             f->setAlignment(word::wdAlignParagraphJustify);
             f->setLeftIndent(36);
             f->setRightIndent(18);
             f->setFirstLineIndent(-12);
             f->setSpaceBefore(6);
             f->setSpaceAfter(12);
             f->setLineSpacingRule(word::wdLineSpaceDouble);
             f->setWidowControl(false);
             f->setKeepWithNext(true);
             f->setKeepTogether(true);
             f->setNoLineNumber(true);
             f->setHyphenation(false);
             f->setOutlineLevel(3);
         });
         typeIn(r, QStringLiteral("A paragraph with every member set\r\nand the next one keeps them"));
         r.step([&] { r.selection()->ParagraphFormat()->setPageBreakBefore(true); });
         r.step([&] { r.selection()->TypeParagraph(); }); // both halves keep the break
         r.step([&] {
             if (!r.selection()->ParagraphFormat()->PageBreakBefore() ||
                 !r.selection()->ParagraphFormat()->KeepWithNext())
                 throw word::AutomationError(1, QStringLiteral("the break or the keep is lost"));
         });
         r.step([&] {
             const auto f = r.selection()->ParagraphFormat();
             if (f->Alignment() != word::wdAlignParagraphJustify || !f->KeepTogether() ||
                 f->OutlineLevel() != 3 || f->LineSpacingRule() != word::wdLineSpaceDouble)
                 throw word::AutomationError(1, QStringLiteral("read back differently"));
         });
     }},
    {"DeveloperSampleWithATable",
     [](ScriptRun& r) {
         // What the hidden form's formatting sample does.
         typeIn(r, QStringLiteral("Sample A"));
         r.step([&] { r.selection()->TypeParagraph(); });
         r.step([&] { r.selection()->Font()->setBold(true); });
         r.step([&] { r.selection()->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter); });
         r.step([&] { r.selection()->EndOf(); });
         r.step([&] { r.global()->Selection()->Tables()->Add(r.global()->Selection()->Range(), 1, 2); });
         r.step([&] { r.selection()->MoveRight(); });
         r.step([&] { r.selection()->TypeParagraph(); });
         typeIn(r, QStringLiteral("Sample B"));
         r.step([&] { r.selection()->Font()->setColorIndex(word::wdBlue); });
         r.step([&] { r.selection()->Font()->setSize(20); });
         r.step([&] { r.selection()->EndOf(); });
         r.step([&] { r.selection()->MoveDown(); });
         r.step([&] { r.selection()->TypeParagraph(); });
         typeIn(r, QStringLiteral("Sample C"));
     }},
    {"WordsAndLinesInsideCells",
     [](ScriptRun& r) {
         addTable(r, 2, 2);
         typeIn(r, QStringLiteral("one two  three\r\nfour five six seven"));
         selectCell(r, 1, 1);
         r.step([&] { r.selection()->MoveRight(); }); // to cell (1, 2)
         typeIn(r, QStringLiteral("Alpha, beta"));
         selectCell(r, 1, 1);
         r.step([&] { r.selection()->MoveDown(); }); // a selected cell leaves through its end: to (2, 1)
         typeIn(r, QStringLiteral("below"));
         selectCell(r, 1, 2);
         r.step([&] { r.selection()->EndOf(); }); // end of the cell's text
         typeIn(r, QStringLiteral("!"));
         selectCell(r, 1, 1);
         r.step([&] { r.selection()->MoveRight(); });
         r.step([&] { r.selection()->MoveRight(); }); // one character into "Alpha"
         r.step([&] { r.selection()->EndOf(); });     // the rest of the word
         r.step([&] { r.selection()->EndOf(); });     // the comma and the space after it
         typeIn(r, QStringLiteral("[a]"));
         r.step([&] { r.selection()->MoveDown(); }); // the last row's cell below
         r.step([&] { r.selection()->MoveDown(); }); // out of the table
         typeIn(r, QStringLiteral("after the table"));
         r.step([&] { r.selection()->MoveDown(); }); // the last paragraph: stays
         typeIn(r, QStringLiteral("."));
     }},
    {"ALineKeepsItsOffsetGoingDown",
     [](ScriptRun& r) {
         addTable(r, 1, 2);
         typeIn(r, QStringLiteral("one two three\r\nfour five six seven\r\nab"));
         selectCell(r, 1, 2);
         r.step([&] { r.selection()->MoveRight(); }); // out of the last cell: after the table
         selectCell(r, 1, 1);
         r.step([&] { r.selection()->MoveDown(); }); // one row: after the table
         typeIn(r, QStringLiteral("x"));
         selectCell(r, 1, 1);
         r.step([&] { r.selection()->EndOf(); });
         r.step([&] { r.selection()->TypeText(QStringLiteral("z")); });
     }},
    {"TablesAfterTextAndAfterATable",
     [](ScriptRun& r) {
         typeIn(r, QStringLiteral("Text before"));
         addTable(r, 1, 1); // after text: the text stays above
         typeIn(r, QStringLiteral("in the first"));
         r.step([&] { r.selection()->MoveDown(); });
         addTable(r, 2, 3); // right after a table: a paragraph stays between
         typeIn(r, QStringLiteral("in the second"));
         r.step([&] { r.selection()->Tables()->Add(r.selection()->Range(), 1, 1); }); // not inside a table
         r.step([&] { r.document->Tables()->Item(2)->Borders()->setInsideColorIndex(word::wdRed); });
         r.step([&] { r.document->Tables()->Item(2)->Borders()->setOutsideColorIndex(word::wdGreen); });
         r.step([&] {
             const auto borders = r.document->Tables()->Item(2)->Borders();
             if (borders->InsideColorIndex() != word::wdRed || borders->OutsideColorIndex() != word::wdGreen)
                 throw word::AutomationError(1, QStringLiteral("rule colours read back differently"));
         });
         r.step([&] { r.document->Tables()->Item(3); });
         r.step([&] { r.document->Tables()->Item(2)->Cell(3, 1); });
         r.step([&] { r.selection()->Tables()->Add(r.selection()->Range(), 0, 2); });
     }},
    {"PicturesFitTheirRoom",
     [](ScriptRun& r) {
         r.step([&] { r.selection()->InlineShapes()->AddPicture(r.picture("wide.png"), false, true); });
         r.step([&] { r.selection()->TypeParagraph(); });
         addTable(r, 1, 3);
         r.step([&] {
             const auto shape =
                 r.global()->Selection()->InlineShapes()->AddPicture(r.picture("wide.png"), false, true);
             if (shape->Width() > 140)
                 throw word::AutomationError(1, QStringLiteral("not fitted to the cell"));
         });
         typeIn(r, QStringLiteral("caption"));
         selectCell(r, 1, 2);
         r.step([&] { r.selection()->InlineShapes()->AddPicture(r.picture("small.png"), false, true); });
         selectCell(r, 1, 2);
         r.step([&] {
             if (r.selection()->InlineShapes()->Count() != 1)
                 throw word::AutomationError(1, QStringLiteral("one picture in the cell"));
         });
         r.step([&] { r.selection()->InlineShapes()->AddPicture(r.picture("missing.png"), false, true); });
         r.step([&] { r.selection()->InlineShapes()->AddPicture(r.picture("small.png"), true, true); });
         r.step(
             [&] { r.selection()->InlineShapes()->AddPicture(r.picture("notapicture.png"), false, true); });
     }},
    {"ASelectedCellIsReplacedByTyping",
     [](ScriptRun& r) {
         addTable(r, 1, 2);
         r.step([&] { r.selection()->ParagraphFormat()->setAlignment(word::wdAlignParagraphRight); });
         typeIn(r, QStringLiteral("first\r\nsecond\r\nthird"));
         selectCell(r, 1, 1);
         r.step([&] { r.selection()->Font()->setColorIndex(word::wdRed); }); // all of the cell
         r.step([&] { r.selection()->ParagraphFormat()->setSpaceAfter(3); });
         selectCell(r, 1, 1);
         typeIn(r, QStringLiteral("replaced"));
     }},
    {"ASelectedLine",
     [](ScriptRun& r) {
         typeIn(r, QStringLiteral("Under the lines"));
         r.step([&] { r.document->Shapes()->AddLine(50.2f, 270, 540, 270)->Select(); });
         r.step([&] { r.document->Shapes()->AddLine(100, 700, 300, 650); }); // rising to the right
         typeIn(r, QStringLiteral("fails while a line is selected"));
         r.step([&] { r.selection()->Font()->setBold(true); });
         r.step([&] { r.selection()->MoveRight(); }); // back to the text, and that is the move
         typeIn(r, QStringLiteral(" and goes on"));
         r.step([&] {
             if (r.document->Shapes()->Count() != 2)
                 throw word::AutomationError(1, QStringLiteral("two lines"));
         });
         r.step([&] { r.document->Shapes()->AddLine(0, 0, 20000, 0); });
     }},
    {"HostileText",
     [](ScriptRun& r) {
         typeIn(r, QStringLiteral("tab\there, controls \x01\x07\x1b dropped, emoji \U0001F600 kept"));
         typeIn(r, QString::fromUtf8("\r\nעברית and العربية, e\u0301 combining, <markup & \"quotes\">"));
         typeIn(r, QString(QChar(0xD800)) + QStringLiteral(" lone surrogate"));
         r.step([&] { r.selection()->EndOf(); });
         r.step([&] { r.selection()->TypeText(QString(5000, u'x')); });
     }},
    {"BadValuesChangeNothing",
     [](ScriptRun& r) {
         r.step([&] { r.selection()->Font()->setSize(0); });
         r.step([&] { r.selection()->Font()->setSize(std::numeric_limits<float>::quiet_NaN()); });
         r.step([&] { r.selection()->Font()->setColorIndex(17); });
         r.step([&] { r.selection()->Font()->setName(QStringLiteral("   ")); });
         r.step([&] { r.selection()->Font()->setName(QStringLiteral("Bad\tName")); });
         r.step([&] { r.selection()->ParagraphFormat()->setAlignment(4); });
         r.step([&] { r.selection()->ParagraphFormat()->setLeftIndent(5000); });
         r.step([&] { r.selection()->ParagraphFormat()->setSpaceAfter(-1); });
         r.step([&] { r.selection()->ParagraphFormat()->setLineSpacingRule(3); });
         r.step([&] { r.selection()->ParagraphFormat()->setOutlineLevel(0); });
         r.step([&] { r.global()->CentimetersToPoints(std::numeric_limits<float>::infinity()); });
         typeIn(r, QStringLiteral("still the defaults"));
         r.step([&] {
             if (r.global()->CentimetersToPoints(2.54f) != 72.0f || r.selection()->Font()->Size() != 10.0f)
                 throw word::AutomationError(1, QStringLiteral("conversion or size"));
         });
     }},
};

class LiveOperations : public ::testing::TestWithParam<Script> {
protected:
    static void SetUpTestSuite() {
        if (whyLiveTestsCannotRun())
            return;
        office_ = new PrivateOffice(QStringLiteral("operations"));
        provider_ = new word::live::ChoosingProvider(office_->settings(), {});
        provider_->CreateApplication();
        pictures_ = new QTemporaryDir;
        QImage wide(1600, 200, QImage::Format_RGB32);
        wide.fill(Qt::darkGreen);
        wide.save(pictures_->filePath(QStringLiteral("wide.png")));
        QImage small(40, 30, QImage::Format_RGB32);
        small.fill(Qt::red);
        small.save(pictures_->filePath(QStringLiteral("small.png")));
        QFile text(pictures_->filePath(QStringLiteral("notapicture.png")));
        text.open(QIODevice::WriteOnly);
        text.write("not a picture");
    }
    static void TearDownTestSuite() {
        delete provider_;
        delete office_;
        delete pictures_;
    }
    void SetUp() override {
        if (const auto why = whyLiveTestsCannotRun())
            GTEST_SKIP() << "Live tests need LibreOffice: " << why->toStdString();
    }

    static PrivateOffice* office_;
    static word::live::ChoosingProvider* provider_;
    static QTemporaryDir* pictures_;
};

PrivateOffice* LiveOperations::office_ = nullptr;
word::live::ChoosingProvider* LiveOperations::provider_ = nullptr;
QTemporaryDir* LiveOperations::pictures_ = nullptr;

TEST_P(LiveOperations, SameStepsFailAndTheSameDocumentResults) {
    word::engine::Engine engine;
    engine.CreateApplication();
    ScriptRun onEngine(engine, engine.CreateDocument(), pictures_->path());
    GetParam().run(onEngine);

    // The live backend on its own, without the mirrors of the choosing provider.
    word::live::LiveOffice& office = *provider_->liveOffice();
    ScriptRun live(office, office.CreateDocument(), pictures_->path());
    GetParam().run(live);

    EXPECT_EQ(live.errors, onEngine.errors);
    QTemporaryDir folder;
    const auto expected = readBack(onEngine.document, folder.path(), QStringLiteral("engine.docx"));
    const auto actual = readBack(live.document, folder.path(), QStringLiteral("live.docx"));
    const QStringList differences = documentDifferences(expected, actual);
    EXPECT_TRUE(differences.isEmpty()) << differences.join(u'\n').toStdString();
    live.document->Close(false);
}

// Closing never waits on a question: a changed document closes without saving when told so, saves first
// when it has a file, and refuses (staying open) to save what has no file. Opening a file already open
// gives that document back.
TEST_F(LiveOperations, DocumentsCloseWithoutAskingAndOpenTheirFiles) {
    word::live::LiveOffice& office = *provider_->liveOffice();
    const auto documents = office.GetObject()->Documents();
    const int before = documents->Count();
    QTemporaryDir folder;

    const auto dropped = documents->Add();
    dropped->ActiveWindow()->Selection()->TypeText(QStringLiteral("never saved"));
    EXPECT_EQ(documents->Count(), before + 1);
    dropped->Close(false);
    EXPECT_EQ(documents->Count(), before);
    EXPECT_THROW(dropped->ActiveWindow(), word::AutomationError);

    const auto unnamed = documents->Add();
    unnamed->ActiveWindow()->Selection()->TypeText(QStringLiteral("no file"));
    try {
        unnamed->Close(true);
        ADD_FAILURE() << "saving a document without a file succeeded";
    } catch (const word::AutomationError& error) {
        EXPECT_EQ(error.number, word::errors::CommandFailed);
    }
    EXPECT_EQ(documents->Count(), before + 1);
    unnamed->Close(); // changed, but without a file: closes unsaved
    EXPECT_EQ(documents->Count(), before);

    const QString path = folder.filePath(QStringLiteral("letter.docx"));
    const auto saved = documents->Add();
    saved->ActiveWindow()->Selection()->TypeText(QStringLiteral("first"));
    saved->SaveAs(path);
    EXPECT_EQ(saved->FullName(), path);
    saved->ActiveWindow()->Selection()->TypeText(QStringLiteral(" and second"));
    saved->Close(); // changed, with a file: saved first
    EXPECT_EQ(word::engine::textOf(std::get<word::engine::Paragraph>(word::engine::openDocx(path).body[0])),
              QStringLiteral("first and second"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("letter.docx")});

    const auto opened = documents->Open(path);
    EXPECT_EQ(opened->FullName(), path);
    EXPECT_EQ(office.Global()->ActiveDocument()->FullName(), path);
    documents->Open(path)->ActiveWindow()->Selection()->TypeText(QStringLiteral(">"));
    EXPECT_EQ(documents->Count(), before + 1); // the same document, not a second one
    opened->Close(false);
    EXPECT_THROW(documents->Open(folder.filePath(QStringLiteral("missing.docx"))), word::AutomationError);
}

// The frames LibreOffice has, by what their windows show, as a process of its own sees them.
struct OfficeWindows {
    std::vector<std::string> shown, hidden; // their titles
};
OfficeWindows officeWindows(const QString& pipeName) {
    QProcess lister;
    lister.start(QStringLiteral(TAVRIN_OFFICE_WINDOWS), {pipeName});
    OfficeWindows windows;
    if (!lister.waitForFinished(30000) || lister.exitCode() != 0) {
        ADD_FAILURE() << "officewindows: " << lister.readAllStandardError().toStdString();
        return windows;
    }
    for (const QString& line :
         QString::fromUtf8(lister.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
        (line.startsWith(u"shown ") ? windows.shown : windows.hidden)
            .push_back(line.section(u' ', 1).toStdString());
    return windows;
}

// A new document is typed without a window, so that Writer makes, lays out and paints it once: its window
// shows when the application is asked to be visible, not while the letter is being written.
TEST_F(LiveOperations, ANewDocumentIsWrittenHiddenAndShownOnceAsked) {
    word::live::LiveOffice& office = *provider_->liveOffice();
    const auto application = office.GetObject();
    application->setVisible(true);
    const OfficeWindows before = officeWindows(office_->pipeName());

    const auto document = application->Documents()->Add();
    const auto selection = document->ActiveWindow()->Selection();
    selection->TypeText(QStringLiteral("Dear Ann,"));
    selection->TypeParagraph();
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    selection->Font()->setBold(true);
    selection->TypeText(QStringLiteral("A letter nobody sees yet"));
    const OfficeWindows typing = officeWindows(office_->pipeName());
    EXPECT_EQ(typing.shown, before.shown);
    EXPECT_EQ(typing.hidden.size(), before.hidden.size() + 1);

    application->setVisible(true);
    const OfficeWindows written = officeWindows(office_->pipeName());
    EXPECT_EQ(written.shown.size(), before.shown.size() + 1);
    EXPECT_EQ(written.hidden, before.hidden);
    document->Close(false);
}

INSTANTIATE_TEST_SUITE_P(Scripts, LiveOperations, ::testing::ValuesIn(Scripts),
                         [](const ::testing::TestParamInfo<Script>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace tavrin::testing
