// The attach-or-start step and the developer actions, against a word processor that can be told to fail.

#include "builder/ignoreerror.h"
#include "fakeword.h"

#include <QTest>

using word::errors::CannotCreateObject;
using word::errors::CommandFailed;
using word::errors::ObjectNotSet;

class ConnectionTest : public QObject {
    Q_OBJECT
private slots:
    void attachOrStart_data();
    void attachOrStart();
    void secondAttachChangesNothing();
    void developerActionsPassTheirErrorUp_data();
    void developerActionsPassTheirErrorUp();
    void finishWithNoApplicationReachable();
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

QTEST_GUILESS_MAIN(ConnectionTest)
#include "test_connection.moc"
