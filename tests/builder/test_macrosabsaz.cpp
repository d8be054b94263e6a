// The letter's paragraph format: the calls it makes, in order, where a failure stops it, and what it
// leaves on the built-in engine's paragraph.

#include "fakeword.h"
#include "word/engine/engine.h"

#include <QTest>

#include <functional>

using Setup = std::function<void(word::ParagraphFormat&)>;
Q_DECLARE_METATYPE(Setup)

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

word::engine::ParaFormat letterFormat(int alignment) {
    word::engine::ParaFormat format;
    format.alignment = alignment;
    format.lineSpacingRule = word::wdLineSpace1pt5;
    return format;
}

// A Form1 on the built-in engine, with one new document active.
struct EngineRig {
    word::engine::Engine engine;
    tavrin::MBas mBas;
    fake::UserInterface ui;
    tavrin::Form1 form{{engine, mBas, ui, QString()}};
};

} // namespace

class MacrosAbsazTest : public QObject {
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

    void formatsTheEnginesParagraph_data() {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<int>("alignment");
        QTest::newRow("right alignment on a new paragraph") << Setup([](word::ParagraphFormat&) {}) << 2;
        QTest::newRow("indents, spacing and flow of the paragraph before are reset")
            << Setup([](word::ParagraphFormat& f) {
                   f.setFirstLineIndent(36);
                   f.setLeftIndent(18);
                   f.setRightIndent(9);
                   f.setSpaceBefore(6);
                   f.setSpaceAfter(12);
                   f.setLineSpacingRule(word::wdLineSpaceSingle);
                   f.setAlignment(word::wdAlignParagraphJustify);
                   f.setWidowControl(false);
                   f.setKeepWithNext(true);
                   f.setKeepTogether(true);
                   f.setPageBreakBefore(true);
                   f.setNoLineNumber(true);
                   f.setHyphenation(false);
                   f.setOutlineLevel(word::wdOutlineLevel1);
               })
            << 0;
    }
    void formatsTheEnginesParagraph() {
        QFETCH(Setup, setup);
        QFETCH(int, alignment);
        EngineRig rig;
        word::Ref<word::Document> document = rig.engine.CreateDocument();
        word::Ref<word::Selection> selection = document->ActiveWindow()->Selection();
        selection->TypeText("First\r\nSecond");
        setup(*selection->ParagraphFormat().get());
        rig.mBas.alignment = alignment;

        rig.form.MacrosAbsaz();

        const auto& body = word::engine::modelOf(document).body;
        QCOMPARE(std::get<word::engine::Paragraph>(body.at(1)).format, letterFormat(alignment));
        QCOMPARE(std::get<word::engine::Paragraph>(body.at(0)).format, word::engine::ParaFormat());
    }

    void failsWithNoDocumentOpen() {
        EngineRig rig;
        QVERIFY_THROWS_EXCEPTION(word::AutomationError, rig.form.MacrosAbsaz()); // nothing runs
        rig.engine.CreateApplication();
        QVERIFY_THROWS_EXCEPTION(word::AutomationError, rig.form.MacrosAbsaz()); // running, no document
        QVERIFY(rig.engine.documents().empty());
    }
};

QTEST_GUILESS_MAIN(MacrosAbsazTest)
#include "test_macrosabsaz.moc"
