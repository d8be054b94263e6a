// Start-up, the forms' lifetimes and the end of the program.

#include "builder/lettertexts.h"
#include "shell/formicon.h"
#include "shell/formregistry.h"
#include "shell/qtuserinterface.h"
#include "wizard/frmmain.h"
#include "word/word.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavrin;

namespace {

// A machine with no word processor at all.
class NoWordProcessor : public word::Provider {
public:
    int calls = 0;
    word::Ref<word::Application> GetObject() override { fail(); }
    word::Ref<word::Application> CreateApplication() override { fail(); }
    word::Ref<word::Document> CreateDocument() override { fail(); }
    word::Ref<word::Global> Global() override { fail(); }

private:
    [[noreturn]] void fail() {
        ++calls;
        throw word::AutomationError(word::errors::CannotCreateObject, QStringLiteral("Not available."));
    }
};

class RecordingUi : public UserInterface {
public:
    QStringList messages;
    void messageBox(const QString& text) override { messages << text; }
    void resetMousePointer() override {}
};

struct Program {
    NoWordProcessor wordProcessor;
    RecordingUi ui;
    QTemporaryDir directory;
    int ends = 0;
    FormRegistry forms{wordProcessor, ui, directory.path(), [this] { ++ends; }};

    QAbstractButton* button(const char* name) { return forms.frmMain().findChild<QAbstractButton*>(name); }
    bool nothingLoaded() const {
        return !forms.loadedFormIcon() && !forms.loadedFrmMain() && !forms.loadedForm1();
    }
};

void deleteUnloadedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class FormRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Tavrin")); }

    void startUp() {
        Program p;
        p.forms.start();
        FormIcon* icon = p.forms.loadedFormIcon();
        QVERIFY(icon);
        QCOMPARE(icon->windowTitle(), QStringLiteral("Tavrin"));
        QVERIFY(!icon->windowIcon().isNull());
        QVERIFY(!icon->isVisible());
        QVERIFY(icon->geometry().top() > icon->screen()->geometry().bottom());
        QVERIFY(p.forms.loadedForm1());

        FrmMain* wizard = p.forms.loadedFrmMain();
        QVERIFY(wizard);
        QVERIFY(wizard->isVisible());
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Tavrin for Microsoft Word"));
        QVERIFY(!wizard->findChild<QWidget*>("Frm(0)")->isHidden());
        QVERIFY(!p.button("cmdBack")->isEnabled());
        QCOMPARE(p.ends, 0);
    }

    void iconIsSmallAndFewColoured() {
        const QImage icon(QStringLiteral(":/tavrin/tavrin.xpm"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                colours.insert(icon.pixel(x, y));
        QVERIFY(colours.size() > 4 && colours.size() <= 16);
        QVERIFY(FormIcon::applicationIcon().availableSizes().contains(QSize(32, 32)));
    }

    // Every way out unloads all three forms and ends the program once.
    void endings_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel") << "cancel";
        QTest::newRow("escape") << "escape";
        QTest::newRow("closing the window") << "close";
        QTest::newRow("finish") << "finish";
    }
    void endings() {
        QFETCH(QString, how);
        Program p;
        p.forms.start();
        QPointer<FrmMain> wizard = p.forms.loadedFrmMain();
        QPointer<FormIcon> icon = p.forms.loadedFormIcon();
        if (how == u"cancel") {
            p.button("cmdCancel")->click();
        } else if (how == u"escape") {
            QVERIFY(QTest::qWaitForWindowActive(wizard));
            QTest::keyClick(wizard, Qt::Key_Escape);
        } else if (how == u"close") {
            QVERIFY(wizard->close());
        } else {
            p.button("cmdFinish")->click();
        }
        QCOMPARE(p.ends, 1);
        QVERIFY(p.nothingLoaded());
        QVERIFY(!wizard->isVisible());
        deleteUnloadedWindows();
        QVERIFY(!wizard && !icon);
    }

    void finishHandsTheWizardsChoicesToForm1() {
        Program p;
        p.forms.start();
        FrmMain& wizard = p.forms.frmMain();
        wizard.findChild<QAbstractButton*>("OptAlignRight")->click();
        wizard.findChild<QAbstractButton*>("OptModern")->click();
        wizard.findChild<QLineEdit*>("RecNameText")->setText(QStringLiteral("Mr Brown"));
        const WizardChoices expected = wizard.choices();
        p.button("cmdFinish")->click();
        QVERIFY(p.forms.lastForm1());
        QVERIFY(p.forms.lastForm1()->wizard() == expected);
        QVERIFY(!p.forms.lastForm1()->isLoaded());
    }

    void closingEndsOnlyWhenTheLastFormIsGone() {
        Program p;
        p.forms.start();
        p.forms.unloadFormIcon();
        p.forms.unloadForm1();
        QCOMPARE(p.ends, 0);
        p.forms.form1();
        QVERIFY(p.forms.loadedForm1());
        QCOMPARE(p.ends, 0);
        p.forms.loadedFrmMain()->close();
        QCOMPARE(p.ends, 1);
        QVERIFY(p.nothingLoaded());
    }

    void reloadedForm1HasItsDefaults() {
        Program p;
        Form1& first = p.forms.form1();
        first.record.RecNameText = QStringLiteral("changed");
        first.Unload();
        QVERIFY(!p.forms.loadedForm1());
        Form1& second = p.forms.form1();
        QVERIFY(second.isLoaded());
        QCOMPARE(second.record.RecNameText, texts::recipientNamePlaceholder());
    }

    void reloadedWizardHasItsDefaults() {
        Program p;
        p.forms.start();
        p.forms.frmMain().findChild<QLineEdit*>("NameText")->setText(QStringLiteral("Ann"));
        p.button("cmdNext")->click();
        p.forms.unloadFrmMain();
        deleteUnloadedWindows();
        FrmMain& fresh = p.forms.frmMain();
        QVERIFY(fresh.choices() == WizardChoices{});
        QVERIFY(!fresh.findChild<QWidget*>("Frm(0)")->isHidden());
        QVERIFY(!fresh.findChild<QAbstractButton*>("cmdBack")->isEnabled());
    }

    void unloadingWhatIsNotLoadedIsHarmless() {
        Program p;
        p.forms.unloadForm1();
        p.forms.unloadFormIcon();
        p.forms.unloadFrmMain();
        QVERIFY(p.nothingLoaded());
        QVERIFY(!p.forms.lastForm1());
    }

    void messageBoxHasOkOnlyUnderTheProgramsTitle() {
        QString title, text;
        QMessageBox::StandardButtons buttons;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            format = box->textFormat();
            box->button(QMessageBox::Ok)->click();
        });
        QtUserInterface ui;
        ui.messageBox(QStringLiteral("Could not attach: <b>error 5</b>"));
        QCOMPARE(title, QStringLiteral("Tavrin"));
        QCOMPARE(text, QStringLiteral("Could not attach: <b>error 5</b>"));
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(FormRegistryTest)
#include "test_formregistry.moc"
