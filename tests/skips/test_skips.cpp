// Reading CTest's JUnit report for skips, and holding them against the list of allowed ones.

#include "skips.h"

#include <QTest>

using skips::Skip;

Q_DECLARE_METATYPE(Skip)

namespace {

// What `ctest --output-junit` writes: one testcase per CTest test, the test's output kept.
QByteArray report(const QByteArray& testCases) {
    return R"xml(<?xml version="1.0" encoding="UTF-8"?>
<testsuite name="(empty)" tests="1" failures="0" disabled="0" skipped="0" hostname="" time="0">
)xml" + testCases +
           "</testsuite>";
}

const QByteArray QtProgramWithASkippedRow = R"xml(
	<testcase name="artwork" classname="artwork" time="0.03" status="run">
		<system-out>********* Start testing of ArtworkTest *********
PASS   : ArtworkTest::initTestCase()
SKIP   : ArtworkTest::fallsBack(file system that takes no files) no /proc &amp; &lt;nothing&gt; here
   Loc: [test_artwork.cpp(403)]
PASS   : ArtworkTest::fallsBack(missing)
SKIP   : ArtworkTest::wholeFunction() not yet
   Loc: [test_artwork.cpp(410)]
Totals: 2 passed, 0 failed, 2 skipped, 0 blacklisted, 12ms
</system-out>
	</testcase>
)xml";

const QByteArray GTestSkipSeenByCTest = R"xml(
	<testcase name="Printing.ToPdf" classname="Printing.ToPdf" time="0.03" status="notrun">
		<skipped message="SKIP_REGULAR_EXPRESSION_MATCHED"/>
		<system-out>Note: Google Test filter = Printing.ToPdf
[ RUN      ] Printing.ToPdf
test_letters.cpp:472: Skipped
poppler-utils is not installed
[  SKIPPED ] Printing.ToPdf (0 ms)
[----------] 1 test from Printing (0 ms total)
[  PASSED  ] 0 tests.
[  SKIPPED ] 1 test, listed below:
[  SKIPPED ] Printing.ToPdf
</system-out>
	</testcase>
)xml";

// A GoogleTest program registered as one CTest test, which CTest counts as passed.
const QByteArray GTestProgramWithASkip = R"xml(
	<testcase name="word_printing" classname="word_printing" time="1.2" status="run">
		<system-out>[ RUN      ] Pages/Render.Letter/0
[       OK ] Pages/Render.Letter/0 (12 ms)
[ RUN      ] Pages/Render.Letter/1
printing.cpp:40: Skipped

[  SKIPPED ] Pages/Render.Letter/1 (0 ms)
[  SKIPPED ] 1 test, listed below:
[  SKIPPED ] Pages/Render.Letter/1
</system-out>
	</testcase>
)xml";

const QByteArray CTestSkipsAndDisabled = R"xml(
	<testcase name="needs_display" classname="needs_display" time="0.01" status="notrun">
		<skipped message="SKIP_RETURN_CODE=77"/>
		<system-out>no display
</system-out>
	</testcase>
	<testcase name="switched_off" classname="switched_off" time="0" status="disabled">
		<system-out>Disabled</system-out>
	</testcase>
)xml";

const QByteArray PassedAndFailed = R"xml(
	<testcase name="builder_test_assembly" classname="builder_test_assembly" time="0.1" status="run">
		<system-out>PASS   : AssemblyTest::lists()
Totals: 1 passed
</system-out>
	</testcase>
	<testcase name="broken" classname="broken" time="0.1" status="fail">
		<failure message=""/>
		<system-out>FAIL!  : X::y() Compared values are not the same
</system-out>
	</testcase>
)xml";

} // namespace

class SkipsTest : public QObject {
    Q_OBJECT
private slots:
    void skipsFoundInTheReport_data() {
        QTest::addColumn<QByteArray>("testCases");
        QTest::addColumn<QList<Skip>>("expected");
        QTest::newRow("Qt Test rows and functions inside a passed test")
            << QtProgramWithASkippedRow
            << QList<Skip>{{"ArtworkTest::fallsBack(file system that takes no files)", "artwork",
                            "no /proc & <nothing> here"},
                           {"ArtworkTest::wholeFunction()", "artwork", "not yet"}};
        QTest::newRow("GoogleTest skip, named once with its reason")
            << GTestSkipSeenByCTest
            << QList<Skip>{{"Printing.ToPdf", "Printing.ToPdf", "poppler-utils is not installed"}};
        QTest::newRow("GoogleTest skip inside a passed test, no reason given")
            << GTestProgramWithASkip << QList<Skip>{{"Pages/Render.Letter/1", "word_printing", ""}};
        QTest::newRow("CTest's own skips and disabled tests")
            << CTestSkipsAndDisabled
            << QList<Skip>{{"needs_display", "needs_display", "SKIP_RETURN_CODE=77"},
                           {"switched_off", "switched_off", "disabled"}};
        QTest::newRow("passed and failed tests skip nothing") << PassedAndFailed << QList<Skip>{};
    }
    void skipsFoundInTheReport() {
        QFETCH(QByteArray, testCases);
        QFETCH(QList<Skip>, expected);
        const skips::Report read = skips::readJUnit(report(testCases));
        QCOMPARE(read.error, QString());
        QCOMPARE(read.skips.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QCOMPARE(read.skips[i].name, expected[i].name);
            QCOMPARE(read.skips[i].test, expected[i].test);
            QCOMPARE(read.skips[i].reason, expected[i].reason);
        }
    }

    void testsAreCounted() {
        const skips::Report read =
            skips::readJUnit(report(QtProgramWithASkippedRow + CTestSkipsAndDisabled + PassedAndFailed));
        QCOMPARE(read.testCount, 5);
    }

    void notAReport_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("cut short") << report(QtProgramWithASkippedRow).left(200);
        QTest::newRow("other XML") << QByteArray("<html><body/></html>");
    }
    void notAReport() {
        QFETCH(QByteArray, xml);
        QVERIFY(!skips::readJUnit(xml).error.isEmpty());
    }

    void onlyListedSkipsWithAReasonAreAllowed() {
        const skips::AllowedSkips allowed = skips::readAllowedSkips(QStringLiteral(
            "# header\n"
            "\n"
            "ArtworkTest::fallsBack(file system that takes no files) | /proc always refuses new files here\n"
            "  needs_display |   the CI machine has no display  \n"
            "switched_off\n"
            "Printing.ToPdf |\n"
            "| a reason for nothing\n"));
        QCOMPARE(allowed.reasons.size(), 2);
        QCOMPARE(allowed.reasons.value(QStringLiteral("needs_display")),
                 QStringLiteral("the CI machine has no display"));
        QCOMPARE(allowed.errors.size(), 3);
        QVERIFY(allowed.errors[0].startsWith(QStringLiteral("line 5:")));

        const skips::Report read =
            skips::readJUnit(report(QtProgramWithASkippedRow + GTestSkipSeenByCTest + CTestSkipsAndDisabled));
        QStringList left;
        for (const Skip& skip : skips::unlisted(read.skips, allowed))
            left << skip.name;
        QCOMPARE(left, (QStringList{"ArtworkTest::wholeFunction()", "Printing.ToPdf", "switched_off"}));
    }
};

QTEST_GUILESS_MAIN(SkipsTest)
#include "test_skips.moc"
