// Moving between the wizard's pages with Next, Back and the side bar's steps.

#include "wizardfixture.h"

#include <QRandomGenerator>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// One character per marker: C current, o another step, f step 0 not current, l step 7 not current.
QString markerPattern(const Wizard& w) {
    QString pattern;
    for (int k = 0; k < FrmMain::PageCount; ++k) {
        const QColor c = w.marker(k);
        pattern += c == FrmMain::CurrentStepColour ? u'C'
                   : c == FrmMain::OtherStepColour ? u'o'
                   : c == FrmMain::FirstStepColour ? u'f'
                   : c == FrmMain::LastStepColour  ? u'l'
                                                   : u'?';
    }
    return pattern;
}

// What the side bar and the buttons show when page p is current, whatever way it was reached.
QString expectedPattern(int p) {
    QString pattern = QStringLiteral("fooooool");
    pattern[p] = u'C';
    return pattern;
}

// "N" Next, "B" Back, "S<k>" a click on step k.
void run(const Wizard& w, const QString& actions) {
    for (const QString& action : actions.split(u' ', Qt::SkipEmptyParts)) {
        if (action == u"N")
            w.button(QStringLiteral("cmdNext"))->click();
        else if (action == u"B")
            w.button(QStringLiteral("cmdBack"))->click();
        else
            w.clickStep(action.mid(1).toInt());
    }
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnFirstPage() {
        Wizard w;
        QCOMPARE(w.visiblePages(), QList<int>{0});
        QCOMPARE(markerPattern(w), QStringLiteral("Cooooool"));
        QVERIFY(!w.button(QStringLiteral("cmdBack"))->isEnabled());
        QVERIFY(w.button(QStringLiteral("cmdNext"))->isEnabled());
        QVERIFY(w.button(QStringLiteral("cmdFinish"))->isEnabled());
        QVERIFY(w.button(QStringLiteral("cmdCancel"))->isEnabled());
    }

    void moves_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("markers");
        QTest::addColumn<bool>("backEnabled");
        QTest::addColumn<bool>("nextEnabled");
        QTest::newRow("next from 0 greys marker 0 darker") << "N" << 1 << "fCoooool" << true << true;
        QTest::newRow("next from 6") << "N N N N N N N" << 7 << "fooooooC" << true << false;
        QTest::newRow("next from 6 reached by a step") << "S6 N" << 7 << "fooooooC" << true << false;
        QTest::newRow("back from 7") << "N N N N N N N B" << 6 << "foooooCl" << true << true;
        QTest::newRow("back from 7 reached by a step") << "S7 B" << 6 << "foooooCl" << true << true;
        QTest::newRow("back from 1") << "N B" << 0 << "Cooooool" << false << true;
        QTest::newRow("back from 2") << "N N B" << 1 << "fCoooool" << true << true;
        QTest::newRow("step 7 from 0") << "S7" << 7 << "fooooooC" << true << false;
        QTest::newRow("step 7 from 3") << "N N N S7" << 7 << "fooooooC" << true << false;
        QTest::newRow("step 0 from 5") << "N N N N N S0" << 0 << "Cooooool" << false << true;
        QTest::newRow("step 0 from 7") << "S7 S0" << 0 << "Cooooool" << false << true;
        QTest::newRow("own step 0") << "S0" << 0 << "Cooooool" << false << true;
        QTest::newRow("own step 3") << "N N N S3" << 3 << "fooCoool" << true << true;
        QTest::newRow("own step 7") << "S7 S7" << 7 << "fooooooC" << true << false;
        QTest::newRow("next after a step") << "S4 N" << 5 << "fooooCol" << true << true;
    }
    void moves() {
        QFETCH(QString, actions);
        QFETCH(int, page);
        QFETCH(QString, markers);
        QFETCH(bool, backEnabled);
        QFETCH(bool, nextEnabled);
        Wizard w;
        run(w, actions);
        QCOMPARE(w.visiblePages(), QList<int>{page});
        QCOMPARE(markerPattern(w), markers);
        QCOMPARE(w.button(QStringLiteral("cmdBack"))->isEnabled(), backEnabled);
        QCOMPARE(w.button(QStringLiteral("cmdNext"))->isEnabled(), nextEnabled);
    }

    // Whatever the way there, the wizard looks the same on a page as a plain page index says it should.
    void randomSequencesAgreeWithModel() {
        const quint32 seed = 20240611;
        QRandomGenerator random(seed);
        for (int run = 0; run < 40; ++run) {
            Wizard w;
            int page = 0;
            QString trail;
            for (int step = 0; step < 60; ++step) {
                const int choice = random.bounded(10);
                if (choice < 4) {
                    trail += QStringLiteral(" N");
                    w.button(QStringLiteral("cmdNext"))->click();
                    page = std::min(page + 1, 7);
                } else if (choice < 7) {
                    trail += QStringLiteral(" B");
                    w.button(QStringLiteral("cmdBack"))->click();
                    page = std::max(page - 1, 0);
                } else {
                    const int k = random.bounded(FrmMain::PageCount);
                    trail += QStringLiteral(" S%1").arg(k);
                    w.clickStep(k);
                    page = k;
                }
                const QByteArray where = "seed " + QByteArray::number(seed) + ", run " +
                                         QByteArray::number(run) + ":" + trail.toLatin1();
                QVERIFY2(w.visiblePages() == QList<int>{page}, where);
                QVERIFY2(markerPattern(w) == expectedPattern(page), where);
                QVERIFY2(w.button(QStringLiteral("cmdBack"))->isEnabled() == (page != 0), where);
                QVERIFY2(w.button(QStringLiteral("cmdNext"))->isEnabled() == (page != 7), where);
            }
        }
    }

    // The click areas lie over the markers, so a click on a marker reaches its step.
    void markerClicksReachTheirStep_data() {
        QTest::addColumn<int>("step");
        for (int k = 0; k < FrmMain::PageCount; ++k)
            QTest::addRow("step %d", k) << k;
    }
    void markerClicksReachTheirStep() {
        QFETCH(int, step);
        Wizard w;
        QWidget* marker = w.control(QStringLiteral("Shape1(%1)").arg(step));
        QWidget* sideBar = w.control(QStringLiteral("Picture4"));
        const QPoint centre = marker->geometry().center();
        QWidget* target = sideBar->childAt(centre);
        QVERIFY(target);
        QCOMPARE(target->objectName(), QStringLiteral("Image1(%1)").arg(step));
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(sideBar, centre));
        QCOMPARE(w.visiblePages(), QList<int>{step});
    }

    // Values entered on a page are still there after moving away and back.
    void pagesKeepTheirValues() {
        Wizard w;
        w.clickStep(1);
        QTest::keyClicks(w.control(QStringLiteral("RecNameText")), QStringLiteral("Ann"));
        run(w, QStringLiteral("N N S7 B S0 S1"));
        QCOMPARE(w.form->choices().recNameText, QStringLiteral("Ann"));
    }
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
