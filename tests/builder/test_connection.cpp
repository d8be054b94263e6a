// The attach-or-start step and the developer actions, against a word processor that can be told to fail.

#include "builder/ignoreerror.h"
#include "fakeword.h"
#include "word/engine/docx.h"
#include "word/engine/engine.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using word::errors::CannotCreateObject;
using word::errors::CommandFailed;
using word::errors::ObjectNotSet;

namespace {

namespace engine = word::engine;

QString textOf(const engine::Paragraph& paragraph) {
    QString text;
    for (const engine::Inline& piece : paragraph.content)
        text += std::get<engine::TextRun>(piece).text;
    return text;
}

QStringList textsOf(const std::vector<engine::Paragraph>& paragraphs) {
    QStringList texts;
    for (const engine::Paragraph& paragraph : paragraphs)
        texts.append(textOf(paragraph));
    return texts;
}

const engine::Paragraph& paragraphAt(const engine::DocumentModel& model, int block) {
    return std::get<engine::Paragraph>(model.body.at(block));
}

int errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const word::AutomationError& error) {
        return error.number;
    }
    return 0;
}

// A Form1 on the built-in engine, started as the wizard starts it, with the program in `programDirectory`.
struct EngineRig {
    explicit EngineRig(const QString& programDirectory = QString())
        : form({engine, mBas, ui, programDirectory}) {
        form.Command1_Click();
    }
    engine::Engine engine;
    tavrin::MBas mBas;
    fake::UserInterface ui;
    tavrin::Form1 form;
};

} // namespace

class ConnectionTest : public QObject {
    Q_OBJECT
private slots:
    void attachOrStart_data();
    void attachOrStart();
    void secondAttachChangesNothing();
    void developerActionsPassTheirErrorUp_data();
    void developerActionsPassTheirErrorUp();
    void finishWithNoApplicationReachable();
    void sampleTextAroundATable();
    void openSaveAndCloseTheFileBesideTheProgram();
    void printingErrorReachesTheCaller();
};

void ConnectionTest::attachOrStart_data() {
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("runningVisible");
    QTest::addColumn<int>("attachFault"); // 0: attaching behaves as the application's state says
    QTest::addColumn<int>("startFault");
    QTest::addColumn<int>("expectedError"); // 0: returns normally
    QTest::addColumn<QStringList>("expectedUi");
    QTest::addColumn<bool>("expectedReference");

    QTest::newRow("already running, hidden") << true << false << 0 << 0 << 0 << QStringList() << false;
    QTest::newRow("already running, visible") << true << true << 0 << 0 << 0 << QStringList() << false;
    QTest::newRow("not running: started and visible")
        << false << false << 0 << 0 << 0 << QStringList() << true;
    QTest::newRow("cannot start: error reaches the caller")
        << false << false << 0 << CannotCreateObject << CannotCreateObject << QStringList() << false;
    QTest::newRow("start fails otherwise: error reaches the caller")
        << false << false << 0 << CommandFailed << CommandFailed << QStringList() << false;
    QTest::newRow("other attach error: one message, pointer reset")
        << true << false << 70 << 0 << 0
        << QStringList{"messageBox:Permission denied.\r\nError", "resetMousePointer"} << false;
}

void ConnectionTest::attachOrStart() {
    QFETCH(bool, running);
    QFETCH(bool, runningVisible);
    QFETCH(int, attachFault);
    QFETCH(int, startFault);
    QFETCH(int, expectedError);
    QFETCH(QStringList, expectedUi);
    QFETCH(bool, expectedReference);

    fake::Rig rig;
    if (running) {
        rig.word.running = std::make_shared<fake::Application>(rig.word.log);
        rig.word.running->visible = runningVisible;
    }
    if (attachFault)
        rig.word.log.failWith("Provider.GetObject", attachFault, "Permission denied.");
    if (startFault)
        rig.word.log.failWith("Provider.CreateApplication", startFault);

    int error = 0;
    try {
        rig.form.Command1_Click();
    } catch (const word::AutomationError& e) {
        error = e.number;
    }

    QCOMPARE(error, expectedError);
    QCOMPARE(rig.ui.events, expectedUi);
    QCOMPARE(rig.form.applicationRef.isEmpty(), !expectedReference);
    if (expectedReference) {
        QCOMPARE(rig.form.applicationRef.get(), rig.word.running);
        QVERIFY(rig.word.running->visible);
    }
    if (running) {
        // Neither kept nor touched: the attached object is released when the action returns.
        QCOMPARE(rig.word.running.use_count(), 1L);
        QCOMPARE(rig.word.running->visible, runningVisible);
        QVERIFY(!rig.word.log.calls.join(' ').contains("Application.Visible"));
    }
}

void ConnectionTest::secondAttachChangesNothing() {
    fake::Rig rig;
    rig.form.Command1_Click();
    const auto started = rig.form.applicationRef.get();
    QVERIFY(started);
    rig.word.log.calls.clear();

    rig.form.Command1_Click();

    QCOMPARE(rig.word.log.calls, QStringList{"Provider.GetObject"});
    QCOMPARE(rig.form.applicationRef.get(), started);
    QVERIFY(started->Visible());
    QVERIFY(rig.ui.events.isEmpty());
}

void ConnectionTest::developerActionsPassTheirErrorUp_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("expectedError");
    // Nothing runs and no reference is set: each action fails at its first call.
    QTest::newRow("Command2: new document") << 2 << CannotCreateObject;
    QTest::newRow("Command3: preview and print") << 3 << ObjectNotSet;
    QTest::newRow("Command4: close without saving") << 4 << ObjectNotSet;
    QTest::newRow("Command5: open") << 5 << CannotCreateObject;
    QTest::newRow("Command6: sample text") << 6 << ObjectNotSet;
    QTest::newRow("Command7: save and close") << 7 << ObjectNotSet;
}

void ConnectionTest::developerActionsPassTheirErrorUp() {
    QFETCH(int, button);
    QFETCH(int, expectedError);
    fake::Rig rig;
    rig.word.log.failWith("Provider.CreateDocument", CannotCreateObject);
    rig.word.log.failWith("Provider.Global", CannotCreateObject);
    void (tavrin::Form1::*const actions[])() = {
        nullptr,
        nullptr,
        &tavrin::Form1::Command2_Click,
        &tavrin::Form1::Command3_Click,
        &tavrin::Form1::Command4_Click,
        &tavrin::Form1::Command5_Click,
        &tavrin::Form1::Command6_Click,
        &tavrin::Form1::Command7_Click,
    };

    int error = 0;
    try {
        (rig.form.*actions[button])();
    } catch (const word::AutomationError& e) {
        error = e.number;
    }
    QCOMPARE(error, expectedError);
    QVERIFY(rig.ui.events.isEmpty());
}

// Finish's own sequence, each statement with its error ignored, while no application can be reached.
void ConnectionTest::finishWithNoApplicationReachable() {
    fake::Rig rig;
    for (const char* call : {"Provider.CreateApplication", "Provider.CreateDocument", "Provider.Global"})
        rig.word.log.failWith(call, CannotCreateObject);

    tavrin::ignoreError([&] { rig.form.Command1_Click(); });
    rig.mBas.alignment = 0;
    tavrin::ignoreError([&] { rig.form.Sapolnenie(tavrin::WizardChoices()); });

    QVERIFY(rig.word.log.calls.contains("Provider.CreateDocument")); // the layout did try
    QVERIFY(rig.form.documentRef.isEmpty());
    QVERIFY(rig.ui.events.isEmpty());
    QVERIFY(!rig.form.isLoaded());
    QCOMPARE(rig.mBas.alignment, 1); // the wizard's default, centred, was still taken
}

void ConnectionTest::sampleTextAroundATable() {
    EngineRig rig;
    rig.mBas.alignment = word::wdAlignParagraphRight;

    rig.form.Command6_Click();

    const engine::DocumentModel& model = engine::modelOf(rig.form.documentRef);
    QCOMPARE(model.body.size(), 4u);
    QCOMPARE(textOf(paragraphAt(model, 0)), "Sample A: above the table.");
    const auto& table = std::get<engine::Table>(model.body.at(1));
    QCOMPARE(table.rows.size(), 1u);
    QCOMPARE(table.rows[0].size(), 2u);
    QCOMPARE(textsOf(table.rows[0][0].paragraphs), QStringList{""});
    QCOMPARE(textsOf(table.rows[0][1].paragraphs),
             (QStringList{"", "Sample B: in the table's second cell."}));
    QCOMPARE(textOf(paragraphAt(model, 2)), "");
    QCOMPARE(textOf(paragraphAt(model, 3)), "Sample C: below the table.");
    QCOMPARE(paragraphAt(model, 3).format.alignment, word::wdAlignParagraphRight);
    QVERIFY(rig.form.rangeRef);
    QVERIFY(rig.ui.events.isEmpty());
}

void ConnectionTest::openSaveAndCloseTheFileBesideTheProgram() {
    QTemporaryDir programDirectory;
    const QString hiDoc = QDir(programDirectory.path()).filePath("HI.doc");
    EngineRig rig(programDirectory.path());

    QCOMPARE(errorOf([&] { rig.form.Command5_Click(); }), word::errors::FileNotFound);

    engine::saveDocx(engine::DocumentModel(), hiDoc);
    rig.form.Command5_Click();
    QCOMPARE(rig.form.documentRef->FullName(), hiDoc);
    QVERIFY(rig.form.applicationRef->Visible()); // the application Command1 started
    QCOMPARE(rig.form.applicationRef->Documents()->Count(), 1);

    rig.form.documentRef->ActiveWindow()->Selection()->TypeText("Not kept");
    rig.form.Command4_Click();
    QCOMPARE(textOf(paragraphAt(engine::openDocx(hiDoc), 0)), "");
    QCOMPARE(errorOf([&] { rig.form.documentRef->Activate(); }), CommandFailed); // closed

    rig.form.Command5_Click();
    rig.form.documentRef->ActiveWindow()->Selection()->TypeText("Kept");
    rig.form.Command7_Click();
    QCOMPARE(textOf(paragraphAt(engine::openDocx(hiDoc), 0)), "Kept");
    QCOMPARE(errorOf([&] { rig.form.documentRef->Activate(); }), CommandFailed);
}

void ConnectionTest::printingErrorReachesTheCaller() {
    EngineRig rig;
    rig.form.Command2_Click();
    QCOMPARE(errorOf([&] { rig.form.Command3_Click(); }), word::errors::PrintingFailed);
    QVERIFY(errorOf([&] { rig.form.Command7_Click(); }) != 0); // a new document has no file to save to
}

QTEST_GUILESS_MAIN(ConnectionTest)
#include "test_connection.moc"
