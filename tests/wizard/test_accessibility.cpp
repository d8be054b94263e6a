// What a screen reader learns of the wizard beyond the captions: what each picture shows, what the Omit
// boxes leave out, and which step is the current one.

#include "wizardfixture.h"

#include <QAccessible>
#include <QTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(which) : QStringLiteral("(not accessible)");
}

// The steps whose target says it is the current one.
QList<int> currentSteps(const Wizard& w) {
    QList<int> steps;
    for (int k = 0; k < FrmMain::PageCount; ++k)
        if (!accessibleText(w.control(QStringLiteral("Image1(%1)").arg(k)), QAccessible::Description)
                 .isEmpty())
            steps << k;
    return steps;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void picturesSayWhatTheyShow_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("Centered thumbnail") << "Picture1(0)" << QStringList{"Centered", "centre"};
        QTest::newRow("Flush left thumbnail") << "Picture1(1)" << QStringList{"Flush left", "left"};
        QTest::newRow("Flush right thumbnail") << "Picture1(2)" << QStringList{"Flush right", "right"};
        QTest::newRow("Classic preview") << "Picture1(3)" << QStringList{"Classic"};
        QTest::newRow("Romantic preview") << "Picture1(4)" << QStringList{"Romantic"};
        QTest::newRow("Elegant preview") << "Picture1(5)" << QStringList{"Elegant"};
        QTest::newRow("Modernistic preview") << "Picture1(6)" << QStringList{"Modernistic"};
        QTest::newRow("Dark preview") << "Picture1(7)" << QStringList{"Dark"};
    }
    void picturesSayWhatTheyShow() {
        QFETCH(QString, picture);
        QFETCH(QStringList, words);
        Wizard w;
        const QString name = accessibleText(w.control(picture), QAccessible::Name);
        for (const QString& word : words)
            QVERIFY2(name.contains(word), qPrintable(name));
    }

    void omitBoxesNameWhatTheyLeaveOut_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("leftOut");
        QTest::newRow("recipient") << "CheckOmit"
                                   << "recipient's name and address";
        QTest::newRow("writer") << "CheckOmit2"
                                << "writer's name and place";
    }
    void omitBoxesNameWhatTheyLeaveOut() {
        QFETCH(QString, box);
        QFETCH(QString, leftOut);
        Wizard w;
        QCOMPARE(accessibleText(w.control(box), QAccessible::Name), QStringLiteral("Omit"));
        QVERIFY(accessibleText(w.control(box), QAccessible::Description).contains(leftOut));
    }

    // Exactly one step says it is current, the one whose page is shown, however the page was reached.
    void theSideBarTellsTheCurrentStep() {
        Wizard w;
        QCOMPARE(currentSteps(w), QList<int>{0});
        QCOMPARE(accessibleText(w.control(QStringLiteral("Image1(0)")), QAccessible::Description),
                 QStringLiteral("Current step"));
        w.button(QStringLiteral("cmdNext"))->click();
        QCOMPARE(currentSteps(w), QList<int>{1});
        w.clickStep(7);
        QCOMPARE(currentSteps(w), QList<int>{7});
        w.button(QStringLiteral("cmdBack"))->click();
        QCOMPARE(currentSteps(w), QList<int>{6});
        QCOMPARE(currentSteps(w), w.visiblePages());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
