// The page controls: their defaults, their events and what the wizard hands over on Finish.

#include "builder/lettertexts.h"
#include "wizard/linebreaks.h"
#include "wizardfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTranslator>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

bool underlined(const Wizard& w, const char* option) {
    return w.button(QLatin1String(option))->font().underline();
}

// Puts a recognisable value into a text box or list, and reads it back.
void fill(QWidget* control) {
    if (auto* line = qobject_cast<QLineEdit*>(control))
        line->setText(QStringLiteral("typed"));
    else if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        text->setPlainText(QStringLiteral("typed"));
    else if (auto* list = qobject_cast<QComboBox*>(control))
        list->setCurrentIndex(2);
}
QString value(QWidget* control) {
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        return text->toPlainText();
    return QString::number(qobject_cast<QComboBox*>(control)->currentIndex());
}

// Marks every text it translates, so that a text that bypasses translation stands out.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return QStringLiteral("@") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class PageControlsTest : public QObject {
    Q_OBJECT
private slots:
    void finishWithAllDefaults() {
        Wizard w;
        WizardChoices expected;
        expected.optAlignCenter = true;
        expected.optAlignLeft = expected.optAlignRight = false;
        expected.checkOmit = expected.checkOther1 = expected.checkOther2 = expected.checkOther3 = 0;
        expected.checkOmit2 = 0;
        expected.salutationCombo = expected.contentCombo = expected.conclusionCombo = expected.closingCombo =
            -1;
        expected.option1[0] = false;
        expected.option1[1] = true;
        expected.checkDate = 1;
        expected.optSimple = true;
        expected.optRomantic = expected.optDark = expected.optClassic = expected.optElegant =
            expected.optModern = false;
        const WizardChoices actual = w.form->choices();
        QVERIFY(actual == expected);
        QVERIFY(actual.recNameText.isEmpty() && actual.recAddressText.isEmpty() && actual.text1.isEmpty());
        QVERIFY(actual.nameText.isEmpty() && actual.addressText.isEmpty());
    }

    void listsStartEmptyAndCannotBeTypedInto_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("salutation") << "SalutationCombo" << texts::salutationEntries();
        QTest::newRow("content") << "ContentCombo" << texts::contentCategories();
        QTest::newRow("conclusion") << "ConclusionCombo" << texts::conclusionEntries();
        QTest::newRow("closing") << "ClosingCombo" << texts::closingEntries();
    }
    void listsStartEmptyAndCannotBeTypedInto() {
        QFETCH(QString, list);
        QFETCH(QStringList, entries);
        Wizard w;
        auto* combo = w.control<QComboBox>(list);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QString());
        QVERIFY(!combo->isEditable());
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, entries);
    }

    // Omit and Other grey out their controls and keep what they hold, both ways.
    void checkBoxesDisableWithoutClearing_data() {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("recipient omitted") << "CheckOmit" << QStringList{"RecNameText", "RecAddressText"};
        QTest::newRow("writer omitted") << "CheckOmit2" << QStringList{"NameText", "AddressText"};
        QTest::newRow("other salutation") << "CheckOther1" << QStringList{"SalutationCombo"};
        QTest::newRow("other conclusion") << "CheckOther2" << QStringList{"ConclusionCombo"};
        QTest::newRow("other closing") << "CheckOther3" << QStringList{"ClosingCombo"};
    }
    void checkBoxesDisableWithoutClearing() {
        QFETCH(QString, check);
        QFETCH(QStringList, controls);
        Wizard w;
        QStringList before;
        for (const QString& name : controls) {
            fill(w.control(name));
            before << value(w.control(name));
        }
        auto* box = w.button(check);
        for (bool checked : {true, false}) {
            box->click();
            QCOMPARE(box->isChecked(), checked);
            for (int i = 0; i < controls.size(); ++i) {
                QCOMPARE(w.control(controls[i])->isEnabled(), !checked);
                QCOMPARE(value(w.control(controls[i])), before[i]);
            }
        }
    }

    void checkedBoxIsHandedOverAsOne() {
        Wizard w;
        for (const char* name :
             {"CheckOmit", "CheckOther1", "CheckOther2", "CheckOther3", "CheckOmit2", "CheckDate"})
            w.button(QLatin1String(name))->click();
        const WizardChoices c = w.form->choices();
        QCOMPARE(
            QList<int>({c.checkOmit, c.checkOther1, c.checkOther2, c.checkOther3, c.checkOmit2, c.checkDate}),
            QList<int>({1, 1, 1, 1, 1, 0}));
    }

    void ownNoteGreysOutCategoriesOnly() {
        Wizard w;
        w.choose(QStringLiteral("ContentCombo"), 0);
        w.control<QPlainTextEdit>(QStringLiteral("Text1"))->setPlainText(QStringLiteral("My own words"));
        w.button(QStringLiteral("Option1(0)"))->click();
        QVERIFY(!w.control(QStringLiteral("ContentCombo"))->isEnabled());
        QVERIFY(w.control(QStringLiteral("Text1"))->isEnabled());
        QCOMPARE(w.form->choices().text1, QStringLiteral("My own words"));
        QCOMPARE(w.form->choices().contentCombo, 0);
        QVERIFY(w.form->choices().option1[0] && !w.form->choices().option1[1]);
        w.button(QStringLiteral("Option1(1)"))->click();
        QVERIFY(w.control(QStringLiteral("ContentCombo"))->isEnabled());
        QCOMPARE(w.form->choices().text1, QStringLiteral("My own words"));
    }

    void categoryFillsContent_data() {
        QTest::addColumn<QString>("typedFirst");
        QTest::addColumn<int>("category");
        for (int k = 0; k <= 7; ++k)
            QTest::addRow("category %d", k) << QString() << k;
        QTest::newRow("category replaces own text") << "Dear all, I wrote this myself." << 3;
        QTest::newRow("empty category clears own text") << "Dear all, I wrote this myself." << 0;
        QTest::newRow("same category again after editing") << "edited" << 5;
    }
    void categoryFillsContent() {
        QFETCH(QString, typedFirst);
        QFETCH(int, category);
        Wizard w;
        auto* text = w.control<QPlainTextEdit>(QStringLiteral("Text1"));
        w.choose(QStringLiteral("ContentCombo"), category);
        text->setPlainText(typedFirst);
        w.choose(QStringLiteral("ContentCombo"), category);
        QCOMPARE(text->toPlainText(), texts::sampleParagraphs().at(category));
    }

    // The user's own words come back with Undo in the note box after a category replaced them, and Redo
    // brings the category's paragraph back: each choice is one edit.
    void categoryIsUndoneInOneStep_data() {
        QTest::addColumn<QList<int>>("categories");
        QTest::addColumn<QStringList>("afterEachUndo");
        const QString typed = QStringLiteral("Dear all, I wrote this myself.");
        const QStringList samples = texts::sampleParagraphs();
        QTest::newRow("category over typed text") << QList<int>{3} << QStringList{typed};
        QTest::newRow("empty category over typed text") << QList<int>{0} << QStringList{typed};
        QTest::newRow("two categories") << QList<int>{2, 6} << QStringList{samples.at(2), typed};
    }
    void categoryIsUndoneInOneStep() {
        QFETCH(QList<int>, categories);
        QFETCH(QStringList, afterEachUndo);
        Wizard w;
        auto* text = w.control<QPlainTextEdit>(QStringLiteral("Text1"));
        QTest::keyClicks(text, QStringLiteral("Dear all, I wrote this myself."));
        for (int category : categories)
            w.choose(QStringLiteral("ContentCombo"), category);
        QString beforeUndo = texts::sampleParagraphs().at(categories.last());
        QCOMPARE(text->toPlainText(), beforeUndo);
        for (const QString& expected : afterEachUndo) {
            beforeUndo = text->toPlainText();
            QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(text->toPlainText(), expected);
        }
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(text->toPlainText(), beforeUndo);
    }

    void alignmentUnderline_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("underlinedOption");
        QTest::addColumn<QList<bool>>("handedOver"); // centre, left, right
        QTest::newRow("defaults") << QStringList{} << "OptAlignCenter" << QList<bool>{true, false, false};
        QTest::newRow("flush right") << QStringList{"OptAlignRight"} << "OptAlignRight"
                                     << QList<bool>{false, false, true};
        QTest::newRow("flush left") << QStringList{"OptAlignLeft"} << "OptAlignLeft"
                                    << QList<bool>{false, true, false};
        QTest::newRow("right then centre") << QStringList{"OptAlignRight", "OptAlignCenter"}
                                           << "OptAlignCenter" << QList<bool>{true, false, false};
        QTest::newRow("left then right") << QStringList{"OptAlignLeft", "OptAlignRight"} << "OptAlignRight"
                                         << QList<bool>{false, false, true};
    }
    void alignmentUnderline() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, underlinedOption);
        QFETCH(QList<bool>, handedOver);
        Wizard w;
        for (const QString& option : clicks)
            w.button(option)->click();
        for (const char* option : {"OptAlignCenter", "OptAlignLeft", "OptAlignRight"})
            QCOMPARE(underlined(w, option), underlinedOption == QLatin1String(option));
        const WizardChoices c = w.form->choices();
        QCOMPARE(QList<bool>({c.optAlignCenter, c.optAlignLeft, c.optAlignRight}), handedOver);
    }

    void multiLineTextsHandOverCrLf_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("recipient's address") << "RecAddressText";
        QTest::newRow("content") << "Text1";
        QTest::newRow("writer's place") << "AddressText";
    }
    void multiLineTextsHandOverCrLf() {
        QFETCH(QString, control);
        Wizard w;
        auto* text = w.control<QPlainTextEdit>(control);
        QTest::keyClicks(text, QStringLiteral("12 High Street"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("Leeds"));
        QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier); // a line break inside the paragraph
        QTest::keyClicks(text, QStringLiteral("UK"));
        const WizardChoices c = w.form->choices();
        const QString handed = control == u"RecAddressText" ? c.recAddressText
                               : control == u"Text1"        ? c.text1
                                                            : c.addressText;
        QCOMPARE(handed, QStringLiteral("12 High Street\r\nLeeds\r\nUK"));
    }

    void lineBreaksBecomeCrLf_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << "one line"
                              << "one line";
        QTest::newRow("line feed") << "a\nb"
                                   << "a\r\nb";
        QTest::newRow("already CR LF") << "a\r\nb"
                                       << "a\r\nb";
        QTest::newRow("lone CR") << "a\rb"
                                 << "a\r\nb";
        QTest::newRow("CR CR LF") << "a\r\r\nb"
                                  << "a\r\n\r\nb";
        QTest::newRow("LF CR") << "a\n\rb"
                               << "a\r\n\r\nb";
        QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << "a\r\nb";
        QTest::newRow("line separator") << QStringLiteral("a\u2028b") << "a\r\nb";
        QTest::newRow("empty lines at the ends") << "\nx\n"
                                                 << "\r\nx\r\n";
    }
    void lineBreaksBecomeCrLf() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(withCrLf(text), expected);
    }

    // Tab visits the current page's controls in page order, then the buttons, then the steps. A group of
    // options is one stop, at its chosen option; the arrow keys move within it.
    void tabOrder_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("layout") << 0 << QStringList{"OptAlignCenter"};
        QTest::newRow("letterhead") << 1
                                    << QStringList{"RecNameText", "RecAddressText", "cmdAddressBook",
                                                   "CheckOmit"};
        QTest::newRow("salutation") << 2 << QStringList{"SalutationCombo", "CheckOther1"};
        QTest::newRow("sample text") << 3 << QStringList{"Option1(1)", "ContentCombo", "Text1"};
        QTest::newRow("conclusion") << 4 << QStringList{"ConclusionCombo", "CheckOther2"};
        QTest::newRow("closing") << 5 << QStringList{"ClosingCombo", "CheckOther3"};
        QTest::newRow("sender") << 6
                                << QStringList{"NameText", "AddressText", "cmdFromMyCard", "CheckOmit2",
                                               "CheckDate"};
        QTest::newRow("style") << 7 << QStringList{"OptSimple"};
    }
    void tabOrder() {
        QFETCH(int, page);
        QFETCH(QStringList, controls);
        Wizard w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.clickStep(page);
        // From My Card takes its stop once the user's card has been looked for.
        QTRY_VERIFY(w.control(QStringLiteral("cmdFromMyCard"))->isEnabled());
        QStringList expected = controls;
        expected << "cmdCancel";
        if (page != 0)
            expected << "cmdBack";
        if (page != 7)
            expected << "cmdNext";
        expected << "cmdFinish";
        for (int k = 0; k < FrmMain::PageCount; ++k)
            expected << QStringLiteral("Image1(%1)").arg(k);
        w.control(controls.first())->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
        QCOMPARE(QApplication::focusWidget()->objectName(), controls.first());
    }

    // The envelope box comes after the date line once there is a recipient to address.
    void envelopeFollowsTheDateLine() {
        Wizard w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.control<QLineEdit>(QStringLiteral("RecNameText"))->setText(QStringLiteral("Ann Lee"));
        w.clickStep(6);
        w.control(QStringLiteral("CheckDate"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CheckEnvelope"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdCancel"));
    }

    // The box follows the recipient's page as the user types and ticks, and says why it is off.
    void envelopeNeedsARecipient_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("omitted");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("tipSays");
        QTest::newRow("no name") << "" << false << false << "recipient's name";
        QTest::newRow("only spaces") << "   " << false << false << "recipient's name";
        QTest::newRow("a name") << "Ann Lee" << false << true << "PDF";
        QTest::newRow("a name, omitted") << "Ann Lee" << true << false << "omitted";
        QTest::newRow("no name, omitted") << "" << true << false << "omitted";
    }
    void envelopeNeedsARecipient() {
        QFETCH(QString, typed);
        QFETCH(bool, omitted);
        QFETCH(bool, enabled);
        QFETCH(QString, tipSays);
        Wizard w;
        auto* envelope = w.control<QCheckBox>(QStringLiteral("CheckEnvelope"));
        QVERIFY(!envelope->isEnabled());
        QTest::keyClicks(w.control(QStringLiteral("RecNameText")), typed);
        if (omitted)
            w.button(QStringLiteral("CheckOmit"))->click();
        QCOMPARE(envelope->isEnabled(), enabled);
        QVERIFY2(envelope->toolTip().contains(tipSays), qPrintable(envelope->toolTip()));
        QCOMPARE(envelope->accessibleDescription(), envelope->toolTip());
        QVERIFY(!envelope->isChecked());
    }

    // Finish orders the envelope, before the letter is written, only when the box is ticked and enabled;
    // otherwise it asks the host for exactly what it asked before.
    void finishOrdersTheEnvelope_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("omittedAfterwards");
        QTest::addColumn<QStringList>("calls");
        const QStringList letter{"Command1_Click", "Command1_Click", "Sapolnenie", "unloadFrmMain"};
        QTest::newRow("unticked") << false << false << letter;
        QTest::newRow("ticked") << true << false
                                << (QStringList{"Command1_Click", "orderEnvelope"} + letter.mid(1));
        QTest::newRow("ticked, then the recipient omitted") << true << true << letter;
    }
    void finishOrdersTheEnvelope() {
        QFETCH(bool, ticked);
        QFETCH(bool, omittedAfterwards);
        QFETCH(QStringList, calls);
        Wizard w;
        w.control<QLineEdit>(QStringLiteral("RecNameText"))->setText(QStringLiteral("Ann Lee"));
        if (ticked)
            w.button(QStringLiteral("CheckEnvelope"))->click();
        if (omittedAfterwards)
            w.button(QStringLiteral("CheckOmit"))->click();
        w.button(QStringLiteral("cmdFinish"))->click();
        QCOMPARE(w.host.calls, calls);
        if (ticked && !omittedAfterwards)
            QVERIFY(w.host.envelopeOrdered == w.host.handedOver);
    }

    void arrowKeysChooseWithinAGroup() {
        Wizard w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.button(QStringLiteral("OptAlignCenter"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("OptAlignRight"));
        QVERIFY(w.form->choices().optAlignRight);
        QVERIFY(underlined(w, "OptAlignRight") && !underlined(w, "OptAlignCenter"));
    }

    void escapeCancels() {
        Wizard w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.clickStep(3);
        QTest::keyClick(w.control(QStringLiteral("Text1")), Qt::Key_Escape);
        QCOMPARE(w.host.calls.mid(1), (QStringList{"unloadFrmMain", "endProgram"}));
    }

    void accessibleNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const char* const names[][2] = {{"RecNameText", "Recipient's name"},
                                        {"RecAddressText", "Address"},
                                        {"SalutationCombo", "Choose from"},
                                        {"ContentCombo", "Sample categories"},
                                        {"Text1", "Note content"},
                                        {"OptAlignRight", "Flush right"},
                                        {"CheckDate", "Date line"},
                                        {"CheckEnvelope", "Envelope"},
                                        {"cmdNext", "Next >"},
                                        {"Image1(0)", "Select a Layout"},
                                        {"cmdAddressBook", "Address Book"},
                                        {"cmdFromMyCard", "From My Card"}};
        for (const auto& [control, name] : names)
            QTest::newRow(control) << QString::fromUtf8(control) << QString::fromUtf8(name);
    }
    void accessibleNames() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        Wizard w;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w.control(control));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    // Every control sits inside its page or the side bar, so that nothing is cut off.
    void controlsLieWithinTheirPanel() {
        Wizard w;
        QList<QWidget*> panels{w.control(QStringLiteral("Picture4"))};
        for (int k = 0; k < FrmMain::PageCount; ++k)
            panels << w.page(k);
        for (QWidget* panel : panels)
            for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (child->objectName().isEmpty())
                    continue;
                QVERIFY2(panel->rect().contains(child->geometry()),
                         qPrintable(child->objectName() + QStringLiteral(" in ") + panel->objectName()));
            }
    }

    void everyVisibleTextIsTranslatable() {
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        Wizard w;
        QCoreApplication::removeTranslator(&translator);
        QStringList untranslated;
        const auto check = [&](const QString& text, const QString& where) {
            if (!text.trimmed().isEmpty() && !text.startsWith(u'@'))
                untranslated << where + QStringLiteral(": ") + text;
        };
        check(w.form->windowTitle(), QStringLiteral("title"));
        for (auto* label : w.form->findChildren<QLabel*>())
            check(label->text(), label->objectName());
        for (auto* button : w.form->findChildren<QAbstractButton*>())
            check(button->text(), button->objectName());
        for (auto* list : w.form->findChildren<QComboBox*>())
            for (int i = 0; i < list->count(); ++i)
                check(list->itemText(i), list->objectName());
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
    }
};

QTEST_MAIN(PageControlsTest)
#include "test_pagecontrols.moc"
