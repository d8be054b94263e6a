// The wizard's live preview: what it shows, how it follows the wizard, where it opens, what a screen
// reader hears of it.

#include "previewfixture.h"

#include "artwork/artwork.h"
#include "builder/form1.h"
#include "preview/placement.h"
#include "shell/formregistry.h"
#include "word/engine/engine.h"
#include "word/engine/print/pagerenderer.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

class Silent : public UserInterface {
public:
    void messageBox(const QString&) override {}
    void resetMousePointer() override {}
};

// The letter as Finish builds it: the wizard's road on the built-in engine, the pictures written as files
// into a program folder of its own and removed again.
word::engine::DocumentModel letterFinishBuilds(const WizardChoices& choices) {
    QTemporaryDir programFolder;
    word::engine::Engine engine;
    MBas mBas;
    Silent ui;
    Form1 form({engine, mBas, ui, programFolder.path()});
    form.Command1_Click();
    mBas.alignment = 0;
    form.Sapolnenie(choices);
    return word::engine::modelOf(engine.documents().back().document);
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void theButtonOpensAndClosesThePreview() {
        PreviewedWizard w;
        QVERIFY(!w.window()); // nothing is made before the preview is first asked for
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        auto* button = w.button(QStringLiteral("cmdPreview"));
        QCOMPARE(button->text(), QStringLiteral("&Preview"));
        QCOMPARE(button->shortcut(), QKeySequence(Qt::ALT | Qt::Key_P));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                 QStringLiteral("Preview"));
        QTest::keyClick(w.form->windowHandle(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(w.window() &&
                    w.window()->isVisible()); // a mnemonic clicks as the button shows it pressed
        QCOMPARE(w.window()->windowTitle(), QStringLiteral("Letter Preview"));
        button->click();
        QVERIFY(!w.window()->isVisible());
        button->click();
        QVERIFY(w.window()->isVisible());
        w.window()->close(); // closing only hides it
        QVERIFY(w.window() && !w.window()->isVisible());
        QVERIFY(w.settle());
    }

    // The button sits in the free room left of Cancel, in the row's line.
    void theButtonStandsLeftOfCancel() {
        PreviewedWizard w;
        const QRect preview = w.button(QStringLiteral("cmdPreview"))->geometry();
        const QRect cancel = w.button(QStringLiteral("cmdCancel"))->geometry();
        QCOMPARE(preview.size(), cancel.size());
        QCOMPARE(preview.top(), cancel.top());
        QVERIFY(preview.right() < cancel.left());
        QVERIFY(preview.top() > w.control(QStringLiteral("Picture4"))->geometry().bottom());
    }

    // On the program's own road: the forms as the program keeps them, the letter written by the engine.
    void cancelFinishAndClosingTheWizardCloseIt_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "cmdCancel";
        QTest::newRow("Finish") << "cmdFinish";
        QTest::newRow("closing the wizard") << "";
    }
    void cancelFinishAndClosingTheWizardCloseIt() {
        QFETCH(QString, how);
        QTemporaryDir programFolder;
        word::engine::Engine engine;
        Silent ui;
        FormRegistry forms(engine, ui, programFolder.path(), [] {});
        forms.start();
        FrmMain& wizard = forms.frmMain();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        auto* preview = wizard.findChild<preview::WizardPreview*>();
        QVERIFY(preview);
        wizard.findChild<QAbstractButton*>(QStringLiteral("cmdPreview"))->click();
        QPointer<QWidget> window = preview->window();
        QVERIFY(window && window->isVisible());

        if (how.isEmpty())
            wizard.close();
        else
            wizard.findChild<QAbstractButton*>(how)->click();
        QVERIFY(!forms.loadedFrmMain());
        QVERIFY(!window || !window->isVisible());
    }

    // Each page's change reaches the preview, which then shows the letter of the new state.
    void followsAChangeOnEveryPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("value");
        QTest::newRow("layout") << 0 << "OptAlignRight"
                                << "";
        QTest::newRow("letterhead") << 1 << "RecNameText"
                                    << "Mrs Ada Byron";
        QTest::newRow("letterhead omitted") << 1 << "CheckOmit"
                                            << "";
        QTest::newRow("salutation") << 2 << "SalutationCombo"
                                    << "4";
        QTest::newRow("salutation other") << 2 << "CheckOther1"
                                          << "";
        QTest::newRow("sample text category") << 3 << "ContentCombo"
                                              << "2";
        QTest::newRow("note typed") << 3 << "Text1"
                                    << "We met at the harbour.";
        QTest::newRow("conclusion") << 4 << "ConclusionCombo"
                                    << "3";
        QTest::newRow("closing") << 5 << "ClosingCombo"
                                 << "4";
        QTest::newRow("conclusion other") << 4 << "CheckOther2"
                                          << "";
        QTest::newRow("sender") << 6 << "AddressText"
                                << "12 Quay Street";
        QTest::newRow("date line") << 6 << "CheckDate"
                                   << "";
        QTest::newRow("style") << 7 << "OptRomantic"
                               << "";
        QTest::newRow("style with pictures") << 7 << "OptElegant"
                                             << "";
    }
    void followsAChangeOnEveryPage() {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, value);
        PreviewedWizard w;
        w.clickStep(page);
        QVERIFY(w.openAndSettle());
        const QImage before = w.shownPageOne();
        const QString textBefore = w.view()->accessibleDescription();

        w.change(control, value);
        QVERIFY(w.settle());

        const preview::RenderedLetter expected =
            preview::renderLetter(w.form->choices(), w.preview->dotsPerInch());
        QCOMPARE(w.shownPageOne(), expected.pages.front());
        QCOMPARE(w.view()->accessibleDescription(), expected.text);
        QVERIFY(w.shownPageOne() != before || w.view()->accessibleDescription() != textBefore);
    }

    void followsAPageChange() {
        PreviewedWizard w;
        QVERIFY(w.openAndSettle());
        const int renderings = w.preview->follower()->renderings();
        w.button(QStringLiteral("cmdNext"))->click();
        QVERIFY(w.settle());
        QCOMPARE(w.preview->follower()->renderings(), renderings + 1);
        w.clickStep(5);
        QVERIFY(w.settle());
        QCOMPARE(w.preview->follower()->renderings(), renderings + 2);
    }

    // Hidden, it renders nothing, however much changes.
    void aHiddenPreviewRendersNothing() {
        PreviewedWizard w;
        QVERIFY(w.openAndSettle());
        w.preview->close();
        const int renderings = w.preview->follower()->renderings();
        w.change(QStringLiteral("OptAlignLeft"), {});
        QTest::qWait(20);
        QCOMPARE(w.preview->follower()->renderings(), renderings);
    }

    // The preview is the letter Finish writes, drawn as the print preview and letters.pdf draw it.
    void drawsWhatThePrintRendererDraws_data() {
        QTest::addColumn<int>("style");
        for (Style style : AllStyles)
            QTest::newRow(qPrintable(styleName(style))) << int(style);
    }
    void drawsWhatThePrintRendererDraws() {
        QFETCH(int, style);
        PreviewedWizard w;
        w.change(QStringLiteral("RecNameText"), QStringLiteral("Mr Jonas Wilder"));
        w.change(QStringLiteral("SalutationCombo"), QStringLiteral("3"));
        w.change(QStringLiteral("ClosingCombo"), QStringLiteral("1"));
        w.change(QStringLiteral("NameText"), QStringLiteral("Vera Lind"));
        const QString option[] = {"OptSimple",  "OptRomantic", "OptDark",
                                  "OptClassic", "OptElegant",  "OptModern"};
        w.change(option[style], {});
        QVERIFY(w.openAndSettle());

        const word::engine::DocumentModel finished = letterFinishBuilds(w.form->choices());
        const QImage printed =
            word::engine::print::PageRenderer(finished).pageImage(0, w.preview->dotsPerInch());
        QVERIFY(!printed.isNull());
        QCOMPARE(w.shownPageOne(), printed);
        QCOMPARE(preview::buildLetter(w.form->choices()), finished);
    }

    // A hundred keystrokes, each followed by the event loop's turn as when the user types, are not a
    // hundred renderings; the last shows the name as typed in full.
    void aBurstOfKeystrokesIsCoalesced() {
        PreviewedWizard w;
        w.clickStep(1);
        QVERIFY(w.openAndSettle());
        const int before = w.preview->follower()->renderings();
        auto* name = w.control<QLineEdit>(QStringLiteral("RecNameText"));
        const QString typed = QStringLiteral("Bartholomew ").repeated(9).left(100);
        for (QChar key : typed) {
            QTest::keyClicks(name, QString(key));
            QCoreApplication::processEvents();
        }
        QVERIFY(w.settle());
        const int renderings = w.preview->follower()->renderings() - before;
        QVERIFY2(renderings >= 1 && renderings <= 50, qPrintable(QString::number(renderings)));
        QCOMPARE(name->text(), typed);
        const preview::RenderedLetter expected =
            preview::renderLetter(w.form->choices(), w.preview->dotsPerInch());
        QCOMPARE(w.shownPageOne(), expected.pages.front());
        QVERIFY(w.view()->accessibleDescription().contains(typed.trimmed()));
    }

    void aScreenReaderHearsTheLetter() {
        PreviewedWizard w;
        w.change(QStringLiteral("RecNameText"), QStringLiteral("Ms Ines Aurel"));
        w.change(QStringLiteral("SalutationCombo"), QStringLiteral("5"));
        w.change(QStringLiteral("OptClassic"), {});
        QVERIFY(w.openAndSettle());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w.view());
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Letter preview"));
        const QString text = accessible->text(QAccessible::Description);
        // In reading order: the recipient before the salutation, the salutation before the content.
        const qsizetype recipient = text.indexOf(QStringLiteral("Ms Ines Aurel"));
        const qsizetype salutation = text.indexOf(QStringLiteral("Dear Family and Friends,"));
        QVERIFY2(recipient >= 0 && salutation > recipient, qPrintable(text));
        QVERIFY(text.indexOf(QStringLiteral("[Click here and type the contents of your letter]")) >
                salutation);
    }

    // Beside the wizard on its right where the screen has room, otherwise on its left, otherwise over it.
    void placement_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("wizard");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("wide screen: right") << QRect(0, 0, 1920, 1050) << QRect(701, 342, 518, 366)
                                            << QPoint(701 + 518 + preview::PreviewGap, 290);
        QTest::newRow("no room right: left") << QRect(0, 0, 1366, 740) << QRect(800, 100, 518, 366)
                                             << QPoint(800 - preview::PreviewGap - 540, 0);
        QTest::newRow("small screen: over it")
            << QRect(0, 24, 1024, 744) << QRect(253, 201, 518, 366) << QPoint(253, 24);
    }
    void placement() {
        QFETCH(QRect, screen);
        QFETCH(QRect, wizard);
        QFETCH(QPoint, expected);
        const QSize preview(540, 760);
        const QRect placed = preview::previewPlacement(wizard, preview, screen);
        QVERIFY2(screen.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                         .arg(placed.x())
                                                         .arg(placed.y())
                                                         .arg(placed.width())
                                                         .arg(placed.height())));
        if (expected.x() == wizard.left())
            QVERIFY(placed.intersects(wizard));
        else
            QVERIFY(!placed.intersects(wizard));
        QCOMPARE(placed.topLeft().x(), expected.x());
        QCOMPARE(placed.width(), preview.width());
        QCOMPARE(placed.height(), std::min(preview.height(), screen.height()));
    }

    void theWindowOpensBesideTheWizardAndShowsPageOneWhole() {
        PreviewedWizard w;
        QVERIFY(w.openAndSettle());
        const QRect available = w.form->screen()->availableGeometry();
        QCOMPARE(
            w.window()->frameGeometry().topLeft(),
            preview::previewPlacement(w.form->frameGeometry(), w.window()->frameGeometry().size(), available)
                .topLeft());
        const QRect pageOne = w.view()->pageRect(0).translated(w.view()->mapTo(w.window(), QPoint()));
        QVERIFY(w.window()->rect().contains(pageOne));
    }
};

QTEST_MAIN(PreviewTest)
#include "test_preview.moc"
