// Letter assembly over the wizard's snapshot, the builder's lists and the closing position map. No word
// processor runs: the layout's calls all fail and are skipped, which leaves the record to look at.

#include "builder/lettertexts.h"
#include "fakeword.h"

#include <QTest>

#include <functional>

using tavrin::WizardChoices;
using Changes = std::function<void(WizardChoices&)>;
using Texts = QMap<QString, QString>;
Q_DECLARE_METATYPE(Changes)

namespace {

const QString Info = QStringLiteral("[Click here and type your information.]");

// The record after assembling the wizard's untouched defaults.
Texts defaultOutcome() {
    namespace t = tavrin::texts;
    return {{"RecNameText", t::recipientNamePlaceholder()},
            {"RecAddressText", t::recipientAddressPlaceholder()},
            {"SalutationText", ""},
            {"ContentText", t::contentPlaceholder()},
            {"Conclusiontext", ""},
            {"ClosingText", t::closingPlaceholder()},
            {"NameText", t::writerNamePlaceholder()},
            {"AddressText", t::writerAddressPlaceholder()}};
}

Texts textsOf(const tavrin::LetterRecord& r) {
    return {{"RecNameText", r.RecNameText},
            {"RecAddressText", r.RecAddressText},
            {"SalutationText", r.SalutationText.text()},
            {"ContentText", r.ContentText.text()},
            {"Conclusiontext", r.Conclusiontext.text()},
            {"ClosingText", r.ClosingText.text()},
            {"NameText", r.NameText},
            {"AddressText", r.AddressText}};
}

void noWordProcessor(fake::Rig& rig) {
    for (const char* call : {"Provider.CreateApplication", "Provider.CreateDocument", "Provider.Global"})
        rig.word.log.failWith(call, word::errors::CannotCreateObject);
}

} // namespace

class AssemblyTest : public QObject {
    Q_OBJECT
private slots:
    void fillsTheRecord_data();
    void fillsTheRecord();
    void positionOutsideAListEndsAssembly();
    void unloadsAndReloadsWithPlaceholders();
    void runsTheSelectedLayoutOnly();
    void closingPositionMap_data();
    void closingPositionMap();
    void builderListsFollowTheWizardsLists();
};

void AssemblyTest::fillsTheRecord_data() {
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<Texts>("expected"); // differences from the defaults' outcome
    QTest::addColumn<int>("alignmentBefore");
    QTest::addColumn<int>("expectedAlignment");

    const auto row = [](const char* name, Changes changes, Texts expected, int before = 0, int after = 1) {
        QTest::newRow(name) << changes << expected << before << after;
    };
    row("all defaults: placeholders, empty salutation and conclusion", [](WizardChoices&) {}, {});
    row("typed texts replace their placeholders",
        [](WizardChoices& c) {
            c.recNameText = "Ann Lee";
            c.recAddressText = "1 High St\r\nLeeds";
            c.nameText = " ";
            c.addressText = "Київ <&>";
        },
        {{"RecNameText", "Ann Lee"},
         {"RecAddressText", "1 High St\r\nLeeds"},
         {"NameText", " "},
         {"AddressText", "Київ <&>"}});
    row(
        "right alignment is 2", [](WizardChoices& c) { c.optAlignCenter = false, c.optAlignRight = true; },
        {}, 0, 2);
    row(
        "left alignment is 0", [](WizardChoices& c) { c.optAlignCenter = false, c.optAlignLeft = true; }, {},
        1, 0);
    row(
        "no alignment option leaves the value", [](WizardChoices& c) { c.optAlignCenter = false; }, {}, 2, 2);
    row("closing position 11: the whole fourth closing", [](WizardChoices& c) { c.closingCombo = 11; },
        {{"ClosingText", tavrin::closingItems().at(4)}});
    row("closing position 13: empty closing", [](WizardChoices& c) { c.closingCombo = 13; },
        {{"ClosingText", ""}});
    row("closing position past the list: unchanged", [](WizardChoices& c) { c.closingCombo = 17; }, {});
    row("closing Other wins over the list", [](WizardChoices& c) { c.closingCombo = 1, c.checkOther3 = 1; },
        {});
    row("closing Other greyed is not checked",
        [](WizardChoices& c) { c.closingCombo = 13, c.checkOther3 = 2; }, {{"ClosingText", ""}});
    row("salutation position 9: Other item", [](WizardChoices& c) { c.salutationCombo = 9; },
        {{"SalutationText", "- Other. " + Info}});
    row("salutation Other wins over the list",
        [](WizardChoices& c) { c.salutationCombo = 9, c.checkOther1 = 1; },
        {{"SalutationText", tavrin::texts::salutationPlaceholder()}});
    row("conclusion position 7: Other item", [](WizardChoices& c) { c.conclusionCombo = 7; },
        {{"Conclusiontext", "Other. " + Info}});
    row("conclusion Other wins over the list",
        [](WizardChoices& c) { c.conclusionCombo = 7, c.checkOther2 = 1; },
        {{"Conclusiontext", tavrin::texts::conclusionPlaceholder()}});
    row("content mark joins the words", [](WizardChoices& c) { c.text1 = "Call _ today."; },
        {{"ContentText", "Call" + Info + "today."}});
    row("every content mark, left to right", [](WizardChoices& c) { c.text1 = " _  _ x_y _ _ "; },
        {{"ContentText", Info + Info + "x_y" + Info + "_ "}});
    row("own note wins over the content text",
        [](WizardChoices& c) { c.text1 = "My own words.", c.option1[0] = true, c.option1[1] = false; }, {});
}

void AssemblyTest::fillsTheRecord() {
    QFETCH(Changes, changes);
    QFETCH(Texts, expected);
    QFETCH(int, alignmentBefore);
    QFETCH(int, expectedAlignment);
    fake::Rig rig;
    noWordProcessor(rig);
    rig.mBas.alignment = alignmentBefore;
    WizardChoices choices;
    changes(choices);

    rig.form.Sapolnenie(choices);

    Texts outcome = defaultOutcome();
    outcome.insert(expected);
    QCOMPARE(textsOf(rig.form.record), outcome);
    QCOMPARE(rig.mBas.alignment, expectedAlignment);
    QCOMPARE(rig.form.wizard(), choices);
    QVERIFY(rig.ui.events.isEmpty());
}

void AssemblyTest::positionOutsideAListEndsAssembly() {
    fake::Rig rig;
    noWordProcessor(rig);
    WizardChoices choices;
    choices.salutationCombo = 10;
    choices.text1 = "Not reached.";

    QVERIFY_THROWS_EXCEPTION(word::AutomationError, rig.form.Sapolnenie(choices));

    QVERIFY(rig.form.isLoaded());
    QCOMPARE(rig.form.record.ContentText.text(), tavrin::texts::contentPlaceholder());
    QVERIFY(!rig.word.log.calls.contains("Provider.CreateDocument"));
}

void AssemblyTest::unloadsAndReloadsWithPlaceholders() {
    fake::Rig rig;
    noWordProcessor(rig);
    WizardChoices choices;
    choices.recNameText = "Ann";
    choices.salutationCombo = 9;
    rig.form.Sapolnenie(choices);
    QVERIFY(!rig.form.isLoaded());

    const tavrin::Form1 reloaded(rig.form.services());
    QVERIFY(reloaded.isLoaded());
    QCOMPARE(reloaded.record.SalutationText.text(), tavrin::texts::salutationPlaceholder());
    QCOMPARE(reloaded.record.NameText, "[Click here and type your name] ");
    QCOMPARE(textsOf(reloaded.record), textsOf(tavrin::LetterRecord()));
}

void AssemblyTest::runsTheSelectedLayoutOnly() {
    for (bool simple : {true, false}) {
        fake::Rig rig;
        noWordProcessor(rig);
        WizardChoices choices;
        choices.optSimple = simple;
        rig.form.Sapolnenie(choices);
        QCOMPARE(rig.word.log.calls.count("Provider.CreateDocument"), simple ? 1 : 0);
        QVERIFY(!rig.form.isLoaded());
    }
}

void AssemblyTest::closingPositionMap_data() {
    QTest::addColumn<QList<int>>("wizardPositions");
    QTest::addColumn<int>("closing");
    QTest::newRow("separators") << QList<int>{0, 3, 6, 9, 13, 15} << 0;
    QTest::newRow("first") << QList<int>{1, 2} << 1;
    QTest::newRow("second") << QList<int>{4, 5} << 2;
    QTest::newRow("third") << QList<int>{7, 8} << 3;
    QTest::newRow("fourth") << QList<int>{10, 11, 12} << 4;
    QTest::newRow("fifth") << QList<int>{14} << 5;
    QTest::newRow("sixth") << QList<int>{16} << 6;
    QTest::newRow("outside: unchanged") << QList<int>{-1, -2, 17, 1000} << -1;
}

void AssemblyTest::closingPositionMap() {
    QFETCH(QList<int>, wizardPositions);
    QFETCH(int, closing);
    for (int position : wizardPositions)
        QCOMPARE(tavrin::closingItemForWizardPosition(position), closing);
}

void AssemblyTest::builderListsFollowTheWizardsLists() {
    namespace t = tavrin::texts;
    const QStringList salutations = tavrin::salutationItems();
    const QStringList conclusions = tavrin::conclusionItems();
    const QStringList closings = tavrin::closingItems();
    QCOMPARE(salutations.size(), 10);
    QCOMPARE(tavrin::contentItems().size(), 8);
    QCOMPARE(conclusions.size(), 8);
    QCOMPARE(closings.size(), 7);
    QCOMPARE(salutations.at(9), "- Other. [Click here and type your information.]");
    QCOMPARE(conclusions.at(7), "Other. [Click here and type your information.]");
    for (const QStringList& list : {salutations, tavrin::contentItems(), conclusions, closings})
        QCOMPARE(list.at(0), QString());

    if (t::salutationEntries().value(1).isEmpty())
        QSKIP("The wizard's wording is not written yet.");
    QCOMPARE(salutations.mid(1, 6),
             (QStringList{"To Whom It May Concern,", "To [Click here and type names.] ",
                          "Dear [Click here and type names.] ", "Dear Mom and Dad,",
                          "Dear Family and Friends,", "Dear World,"}));
    QCOMPARE(salutations.at(8), "- " + t::salutationEntries().at(8));
    QVERIFY(closings.at(1).contains(t::namesPlaceholder()));
    QVERIFY(closings.at(3).startsWith(t::namePlaceholder()));
    QVERIFY(closings.at(4).contains(t::namePlaceholder()));
    const QStringList entries = t::closingEntries();
    QCOMPARE(closings.at(5), entries.at(14));
    QCOMPARE(closings.at(2), entries.at(4) + ' ' + entries.at(5));
    for (const QString& closing : closings)
        QVERIFY2(!closing.contains(t::NameMark), qPrintable(closing));
}

QTEST_GUILESS_MAIN(AssemblyTest)
#include "test_assembly.moc"
