// The whole road a user takes: the real wizard, typed into and finished, and the letter that arrives in
// the documents folder of a home of the test's own.

#include "builder/form1.h"
#include "shell/program.h"
#include "word/engine/docx.h"
#include "word/engine/engine.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <new>

using namespace tavrin;

namespace {

class RecordingUserInterface : public UserInterface {
public:
    void messageBox(const QString& text) override { messages << text; }
    void resetMousePointer() override {}
    QStringList messages;
};

QWidget* wizardWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == u"FrmMain" && window->isVisible())
            return window;
    return nullptr;
}

template <class Control> Control* control(const QString& name) {
    QWidget* wizard = wizardWindow();
    return wizard ? wizard->findChild<Control*>(name) : nullptr;
}

// Every paragraph, tables' cells included, in document order.
std::vector<const word::engine::Paragraph*> paragraphs(const word::engine::DocumentModel& model) {
    std::vector<const word::engine::Paragraph*> all;
    for (const auto& block : model.body) {
        if (const auto* paragraph = std::get_if<word::engine::Paragraph>(&block)) {
            all.push_back(paragraph);
            continue;
        }
        for (const auto& row : std::get<word::engine::Table>(block).rows)
            for (const auto& cell : row)
                for (const auto& paragraph : cell.paragraphs)
                    all.push_back(&paragraph);
    }
    return all;
}

QStringList paragraphTexts(const word::engine::DocumentModel& model) {
    QStringList texts;
    for (const auto* paragraph : paragraphs(model)) {
        QString text;
        for (const auto& item : paragraph->content)
            if (const auto* run = std::get_if<word::engine::TextRun>(&item))
                text += run->text;
        texts << text;
    }
    return texts;
}

// The font of the run that holds exactly the text; empty when there is none.
QString fontOf(const word::engine::DocumentModel& model, const QString& text) {
    for (const auto* paragraph : paragraphs(model))
        for (const auto& item : paragraph->content)
            if (const auto* run = std::get_if<word::engine::TextRun>(&item); run && run->text == text)
                return run->format.fontName;
    return {};
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QStringList opened_;
    QStringList printed_;

    word::engine::Desktop desktop() {
        word::engine::Desktop desktop;
        desktop.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        desktop.open = [this](const QString& path) {
            opened_ << path;
            return word::engine::Opened();
        };
        desktop.print = [this](const QString& line) { printed_ << line; };
        return desktop;
    }

    // The program on the built-in engine, its letters and envelope handed over to the test's desktop.
    int runWithTheEngine(UserInterface& ui) {
        word::engine::Engine wordProcessor;
        return runProgram(
            wordProcessor, ui, [&] { return word::engine::handOverOpenDocuments(wordProcessor, desktop()); },
            desktop());
    }

    QDir documents() const { return QDir(home_.path() + QStringLiteral("/Documents")); }

    QStringList pictureFilesBesideTheProgram() const {
        return QDir(QCoreApplication::applicationDirPath()).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    }

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/.config")).toLocal8Bit());
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                 home_.path() + QStringLiteral("/Documents"));
    }

    void init() {
        opened_.clear();
        printed_.clear();
        documents().removeRecursively();
    }

    void finishSavesAndOpensTheLetter_data() {
        QTest::addColumn<QString>("styleOption");
        QTest::addColumn<QString>("recipientFont");
        QTest::newRow("Simple") << "OptSimple"
                                << "Times New Roman";
        QTest::newRow("Romantic") << "OptRomantic"
                                  << "Monotype Corsiva";
        QTest::newRow("Dark") << "OptDark"
                              << "Franklin Gothic Medium";
        QTest::newRow("Classic") << "OptClassic"
                                 << "Arial";
        QTest::newRow("Elegant") << "OptElegant"
                                 << "Garamond";
        QTest::newRow("Modernistic") << "OptModern"
                                     << "Courier";
    }

    void finishSavesAndOpensTheLetter() {
        QFETCH(QString, styleOption);
        QFETCH(QString, recipientFont);
        const QString recipient = QStringLiteral("Ms Ann <Lee> & \"Co\" Ünal");

        QTimer::singleShot(0, [&] {
            auto* name = control<QLineEdit>(QStringLiteral("RecNameText"));
            auto* style = control<QRadioButton>(styleOption);
            auto* finish = control<QPushButton>(QStringLiteral("cmdFinish"));
            QVERIFY(name && style && finish);
            name->setText(recipient);
            style->setChecked(true);
            QTest::mouseClick(finish, Qt::LeftButton);
        });
        RecordingUserInterface ui;
        QCOMPARE(runWithTheEngine(ui), 0);

        QCOMPARE(ui.messages, QStringList());
        const QStringList letters = documents().entryList({QStringLiteral("*.docx")}, QDir::Files);
        QCOMPARE(letters.size(), 1);
        const QString path = documents().filePath(letters.first());
        QCOMPARE(printed_, QStringList{path});
        QCOMPARE(opened_, QStringList{path});

        const word::engine::DocumentModel letter = word::engine::openDocx(path);
        const QStringList texts = paragraphTexts(letter);
        QVERIFY2(texts.contains(recipient), qPrintable(texts.join(u'|')));
        QVERIFY(texts.contains(QStringLiteral("[Click here and type recipient's address]")));
        QVERIFY(texts.contains(QStringLiteral("[Click here and type the contents of your letter]")));

        QCOMPARE(fontOf(letter, recipient), recipientFont);
        QCOMPARE(pictureFilesBesideTheProgram(), QStringList());
        QCOMPARE(documents().entryList({QStringLiteral("*.pdf")}, QDir::Files), QStringList());
    }

    // As a user would: the recipient typed in, the envelope ticked on the writer's page, Finish.
    void finishWithTheEnvelopeTickedPutsItBesideTheLetter() {
        QTimer::singleShot(0, [&] {
            auto* name = control<QLineEdit>(QStringLiteral("RecNameText"));
            auto* writerStep = control<QWidget>(QStringLiteral("Image1(6)"));
            auto* envelope = control<QCheckBox>(QStringLiteral("CheckEnvelope"));
            auto* finish = control<QPushButton>(QStringLiteral("cmdFinish"));
            QVERIFY(name && writerStep && envelope && finish);
            QTest::keyClicks(name, QStringLiteral("Zed Recipient"));
            QTest::mouseClick(writerStep, Qt::LeftButton);
            QTest::mouseClick(envelope, Qt::LeftButton);
            QVERIFY(envelope->isChecked());
            QTest::mouseClick(finish, Qt::LeftButton);
        });
        RecordingUserInterface ui;
        QCOMPARE(runWithTheEngine(ui), 0);

        QCOMPARE(ui.messages, QStringList());
        const QStringList letters = documents().entryList({QStringLiteral("*.docx")}, QDir::Files);
        const QStringList envelopes = documents().entryList({QStringLiteral("*.pdf")}, QDir::Files);
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(envelopes, QStringList{QStringLiteral("Envelope %1.pdf").arg(today)});
        QCOMPARE(letters.size(), 1);
        const QStringList paths{documents().filePath(letters.first()),
                                documents().filePath(envelopes.first())};
        QCOMPARE(opened_, paths);
        QCOMPARE(printed_, paths);

        QProcess text;
        text.start(QStringLiteral("pdftotext"), {paths[1], QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        QVERIFY(text.readAllStandardOutput().contains("Zed Recipient"));
    }

    void cancelLeavesNoLetter() {
        QTimer::singleShot(0, [] {
            auto* cancel = control<QPushButton>(QStringLiteral("cmdCancel"));
            QVERIFY(cancel);
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        RecordingUserInterface ui;
        QCOMPARE(runWithTheEngine(ui), 0);

        QCOMPARE(documents().entryList({QStringLiteral("*.docx")}, QDir::Files), QStringList());
        QCOMPARE(opened_, QStringList());
        QCOMPARE(ui.messages, QStringList());
    }

    void failedHandOverIsReportedAndTheProgramEndsNormally() {
        QTimer::singleShot(0, [] {
            auto* cancel = control<QPushButton>(QStringLiteral("cmdCancel"));
            QVERIFY(cancel);
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        word::engine::Engine wordProcessor;
        RecordingUserInterface ui;
        QCOMPARE(runProgram(
                     wordProcessor, ui, []() -> word::engine::HandOverResult { throw std::bad_alloc(); },
                     desktop()),
                 0);

        QCOMPARE(ui.messages,
                 QStringList{QStringLiteral("The letters could not be saved: there was not enough memory.")});
    }
};

QTEST_MAIN(EndToEndTest)
#include "test_endtoend.moc"
