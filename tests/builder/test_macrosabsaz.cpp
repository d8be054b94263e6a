// The letter's paragraph format: the calls it makes, in order, and where a failure stops it.

#include "fakeword.h"

#include <QTest>

namespace {

QStringList expectedCalls(int alignment) {
    return {"Provider.Global",
            "Global.Selection",
            "Selection.ParagraphFormat",
            "Global.CentimetersToPoints=0",
            "ParagraphFormat.LeftIndent=0",
            "Global.CentimetersToPoints=0",
            "ParagraphFormat.RightIndent=0",
            "ParagraphFormat.SpaceBefore=0",
            "ParagraphFormat.SpaceAfter=0",
            "ParagraphFormat.LineSpacingRule=1",
            "ParagraphFormat.Alignment=" + QString::number(alignment),
            "ParagraphFormat.WidowControl=true",
            "ParagraphFormat.KeepWithNext=false",
            "ParagraphFormat.KeepTogether=false",
            "ParagraphFormat.PageBreakBefore=false",
            "ParagraphFormat.NoLineNumber=false",
            "ParagraphFormat.Hyphenation=true",
            "Global.CentimetersToPoints=0",
            "ParagraphFormat.FirstLineIndent=0",
            "ParagraphFormat.OutlineLevel=10"};
}

} // namespace

class MacrosAbsazCallsTest : public QObject {
    Q_OBJECT
private slots:
    void setsEveryMemberInOrder_data() {
        QTest::addColumn<int>("alignment");
        QTest::newRow("left") << 0;
        QTest::newRow("centred") << 1;
        QTest::newRow("right") << 2;
    }
    void setsEveryMemberInOrder() {
        QFETCH(int, alignment);
        fake::Rig rig;
        rig.mBas.alignment = alignment;
        rig.form.MacrosAbsaz();
        QCOMPARE(rig.word.log.calls, expectedCalls(alignment));
    }

    void firstFailureEndsIt_data() {
        QTest::addColumn<QString>("failing");
        for (const char* call : {"Provider.Global", "Selection.ParagraphFormat", "ParagraphFormat.LeftIndent",
                                 "ParagraphFormat.LineSpacingRule", "ParagraphFormat.KeepTogether",
                                 "Global.CentimetersToPoints", "ParagraphFormat.OutlineLevel"})
            QTest::newRow(call) << QString(call);
    }
    void firstFailureEndsIt() {
        QFETCH(QString, failing);
        fake::Rig rig;
        rig.word.log.failWith(failing, word::errors::CommandFailed, "stop");

        QVERIFY_THROWS_EXCEPTION(word::AutomationError, rig.form.MacrosAbsaz());

        const QStringList all = expectedCalls(0);
        const auto firstFailing = std::find_if(all.begin(), all.end(), [&](const QString& call) {
            return call == failing || call.startsWith(failing + '=');
        });
        QVERIFY(firstFailing != all.end());
        QCOMPARE(rig.word.log.calls, all.mid(0, firstFailing - all.begin() + 1));
    }
};

QTEST_GUILESS_MAIN(MacrosAbsazCallsTest)
#include "test_macrosabsaz.moc"
