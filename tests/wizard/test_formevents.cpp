// The wizard's load, Finish, Cancel and close, as its host sees them.

#include "wizard/twips.h"
#include "wizardfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScreen>

using namespace tavrin;
using namespace tavrin::testing;

class FormEventsTest : public QObject {
    Q_OBJECT
private slots:
    void loadAttachesFirst() {
        Wizard w;
        QCOMPARE(w.host.calls, QStringList{"Command1_Click"});
        QVERIFY(w.host.messages.isEmpty());
    }

    // When no word processor can be started the user is told, and the wizard opens all the same.
    void loadReportsAFailedStartAndGoesOn() {
        Wizard w(false);
        w.host.command1Failure =
            word::AutomationError(429, QStringLiteral("The word processor cannot be started."));
        w.form->Form_Load();
        QCOMPARE(w.host.calls, (QStringList{"Command1_Click", "messageBox"}));
        QCOMPARE(w.host.messages, QStringList{"The word processor cannot be started."});
        QCOMPARE(w.visiblePages(), QList<int>{0});
        QVERIFY(!w.button(QStringLiteral("cmdBack"))->isEnabled());
        QCOMPARE(w.form->frameGeometry().size(), QSize(517, 365));
    }

    void loadPlacesTheWindowCentred() {
        Wizard w;
        const QScreen* screen = w.form->screen();
        QCOMPARE(w.form->frameGeometry().size(), QSize(pixels(7752), pixels(5472)));
        QCOMPARE(w.form->frameGeometry().topLeft(),
                 wholePixels(centredTopLeft(screen->geometry(), w.form->frameGeometry().size())));
        for (int k = 0; k < FrmMain::PageCount; ++k)
            QCOMPARE(w.page(k)->pos(), QPoint(pixels(2450), 0));
    }

    void centring_data() {
        QTest::addColumn<QRectF>("screen");
        QTest::addColumn<QSizeF>("window");
        QTest::addColumn<QPointF>("exact");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("even sizes") << QRectF(0, 0, 1280, 1024) << QSizeF(516, 364) << QPointF(382, 330)
                                    << QPoint(382, 330);
        // Halving first and rounding each half would give 254, 201.
        QTest::newRow("odd screen, even window")
            << QRectF(0, 0, 1025, 769) << QSizeF(516, 366) << QPointF(254.5, 201.5) << QPoint(255, 202);
        QTest::newRow("even screen, odd window")
            << QRectF(0, 0, 1024, 768) << QSizeF(517, 365) << QPointF(253.5, 201.5) << QPoint(254, 202);
        QTest::newRow("second screen")
            << QRectF(1280, 0, 800, 600) << QSizeF(517, 365) << QPointF(1421.5, 117.5) << QPoint(1422, 118);
        QTest::newRow("screen smaller than the window")
            << QRectF(0, 0, 320, 240) << QSizeF(517, 365) << QPointF(-98.5, -62.5) << QPoint(-99, -63);
    }
    void centring() {
        QFETCH(QRectF, screen);
        QFETCH(QSizeF, window);
        QFETCH(QPointF, exact);
        QFETCH(QPoint, placed);
        QCOMPARE(centredTopLeft(screen, window), exact);
        QCOMPARE(wholePixels(centredTopLeft(screen, window)), placed);
    }

    void finishBuildsTheLetterThenUnloads() {
        Wizard w;
        w.host.alignment.alignment = 2;
        w.button(QStringLiteral("OptAlignLeft"))->click();
        w.control<QLineEdit>(QStringLiteral("NameText"))->setText(QStringLiteral("Ann"));
        w.choose(QStringLiteral("ClosingCombo"), 11);
        const WizardChoices expected = w.form->choices();
        w.host.calls.clear();
        w.button(QStringLiteral("cmdFinish"))->click();
        QCOMPARE(w.host.calls, (QStringList{"Command1_Click", "Sapolnenie", "unloadFrmMain"}));
        QCOMPARE(w.host.alignmentWhenHandedOver, 0);
        QVERIFY(w.host.handedOver == expected);
        QVERIFY(w.host.handedOver->optAlignLeft && w.host.handedOver->closingCombo == 11);
    }

    void finishGoesOnPastFailures_data() {
        QTest::addColumn<bool>("attachFails");
        QTest::addColumn<bool>("assemblyFails");
        QTest::newRow("attach fails") << true << false;
        QTest::newRow("assembly fails") << false << true;
        QTest::newRow("both fail") << true << true;
    }
    void finishGoesOnPastFailures() {
        QFETCH(bool, attachFails);
        QFETCH(bool, assemblyFails);
        Wizard w;
        w.host.alignment.alignment = 1;
        w.host.calls.clear();
        const word::AutomationError failure(429, QStringLiteral("no word processor"));
        if (attachFails)
            w.host.command1Failure = failure;
        if (assemblyFails)
            w.host.sapolnenieFailure = failure;
        w.button(QStringLiteral("cmdFinish"))->click();
        QCOMPARE(w.host.calls, (QStringList{"Command1_Click", "Sapolnenie", "unloadFrmMain"}));
        QCOMPARE(w.host.alignmentWhenHandedOver, 0);
        QVERIFY(w.host.messages.isEmpty());
    }

    void cancelUnloadsThenEnds_data() {
        QTest::addColumn<int>("page");
        for (int k : {0, 3, 7})
            QTest::addRow("page %d", k) << k;
    }
    void cancelUnloadsThenEnds() {
        QFETCH(int, page);
        Wizard w;
        w.clickStep(page);
        w.host.calls.clear();
        w.button(QStringLiteral("cmdCancel"))->click();
        QCOMPARE(w.host.calls, (QStringList{"unloadFrmMain", "endProgram"}));
    }

    void unloadUnloadsTheOtherForms() {
        Wizard w;
        w.host.calls.clear();
        w.form->Form_Unload();
        QCOMPARE(w.host.calls, (QStringList{"unloadFormIcon", "unloadForm1"}));
        // Once unloading, a close does not unload a second time.
        w.host.calls.clear();
        w.form->close();
        QVERIFY(w.host.calls.isEmpty());
    }
};

QTEST_MAIN(FormEventsTest)
#include "test_formevents.moc"
