// The address book on the recipient page and From My Card on the writer page, driven as a user drives
// them: the button, a few letters of the name, Return.

#include "contacts/owncard.h"
#include "wizard/addressbookdialog.h"
#include "wizard/pages.h"
#include "wizardfixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <functional>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

const QByteArray Cards = "BEGIN:VCARD\nVERSION:3.0\nFN:Ann Smith\nORG:Acme\nEMAIL:ann@example.org\n"
                         "ADR;TYPE=HOME:;;1 Elm Street;Springfield;IL;62701;USA\n"
                         "ADR;TYPE=WORK:;;Hauptstr. 5;Berlin;;10115;Germany\nEND:VCARD\n"
                         "BEGIN:VCARD\nVERSION:3.0\nFN:Bob Jones\nEMAIL:bob@builder.test\n"
                         "ADR:;;2 Baker Street;London;;NW1 6XE;United Kingdom\nEND:VCARD\n"
                         "BEGIN:VCARD\nVERSION:3.0\nFN:Cleo Nomad\nEND:VCARD\n";

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Runs the step on the address book dialog once it is open, has the focus and its books are read.
void onAddressBook(std::function<void(AddressBookDialog&)> step) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, step] {
        auto* dialog = qobject_cast<AddressBookDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isActiveWindow() || !QApplication::focusWidget() ||
            dialog->findChild<QLabel*>(QStringLiteral("addressBookStatus"))->text().contains(u"..."))
            return;
        poll->stop();
        poll->deleteLater();
        step(*dialog);
    });
    poll->start(10);
}

QTreeView* listOf(AddressBookDialog& dialog) {
    return dialog.findChild<QTreeView*>(QStringLiteral("addressBookList"));
}

} // namespace

class AddressBookTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    // A wizard on the recipient page whose KDE folder holds the cards.
    std::unique_ptr<Wizard> wizardWithCards(const QByteArray& cards, const QString& fileName = "people.vcf") {
        auto w = std::make_unique<Wizard>(false);
        w->host.sources.kdeFolder = folder_.path();
        write(folder_.filePath(fileName), cards);
        w->form->Form_Load();
        w->form->show();
        w->clickStep(1);
        return w;
    }

private slots:
    // A home country none of the cards is in, so that every country line is written.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::Ireland)); }

    void cleanup() {
        for (const QString& file : QDir(folder_.path()).entryList(QDir::Files))
            QFile::remove(folder_.filePath(file));
    }

    void buttonsSitUnderTheirAddressBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("box");
        QTest::newRow("address book")
            << "cmdAddressBook"
            << "Address Book..." << pixels({3522, 2760, 1500, 372}) << "RecAddressText";
        QTest::newRow("my card") << "cmdFromMyCard"
                                 << "From My Card" << pixels({3510, 2160, 1500, 372}) << "AddressText";
    }
    void buttonsSitUnderTheirAddressBoxes() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QFETCH(QString, box);
        Wizard w;
        auto* button = w.control<QPushButton>(name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), place);
        const QRect boxPlace = w.control(box)->geometry();
        QCOMPARE(button->geometry().right(), boxPlace.right());
        QVERIFY(button->geometry().top() > boxPlace.bottom());
        QVERIFY(!button->autoDefault());
        // The writer page keeps the room left of its button free for the envelope's check box.
        QVERIFY(!button->geometry().intersects(pixels({120, 3480, 1800, 252})));
    }

    // A few letters of a name, an organisation, a town or an e-mail, then Return: the first row shown.
    void typingAndReturnFillTheRecipient_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("rowsShown");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::newRow("part of a name, two addresses") << "ann" << 2 << "Ann Smith"
                                                       << "1 Elm Street\nSpringfield, IL 62701\nUSA";
        QTest::newRow("organisation") << "ACME" << 2 << "Ann Smith"
                                      << "1 Elm Street\nSpringfield, IL 62701\nUSA";
        QTest::newRow("town picks its address") << "berl" << 1 << "Ann Smith"
                                                << "Hauptstr. 5\n10115 Berlin\nGermany";
        QTest::newRow("e-mail") << "builder" << 1 << "Bob Jones"
                                << "2 Baker Street\nLondon\nNW1 6XE\nUnited Kingdom";
        QTest::newRow("two words") << "jones lond" << 1 << "Bob Jones"
                                   << "2 Baker Street\nLondon\nNW1 6XE\nUnited Kingdom";
        QTest::newRow("no address") << "cleo" << 1 << "Cleo Nomad"
                                    << "";
    }
    void typingAndReturnFillTheRecipient() {
        QFETCH(QString, typed);
        QFETCH(int, rowsShown);
        QFETCH(QString, name);
        QFETCH(QString, address);
        auto w = wizardWithCards(Cards);
        const WizardChoices before = w->form->choices();
        int shown = -1;
        onAddressBook([&](AddressBookDialog& dialog) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("addressBookSearch"));
            QTest::keyClicks(QApplication::focusWidget(), typed);
            shown = listOf(dialog)->model()->rowCount();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        w->button(QStringLiteral("cmdAddressBook"))->click();
        QCOMPARE(shown, rowsShown);
        WizardChoices expected = before;
        expected.recNameText = name;
        expected.recAddressText = QString(address).replace(u'\n', QStringLiteral("\r\n"));
        QCOMPARE(w->form->choices(), expected);
    }

    void arrowKeyChoosesTheNextAddress() {
        auto w = wizardWithCards(Cards);
        onAddressBook([](AddressBookDialog& dialog) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("smith"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QCOMPARE(listOf(dialog)->currentIndex().row(), 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        w->button(QStringLiteral("cmdAddressBook"))->click();
        QCOMPARE(w->control<QPlainTextEdit>(QStringLiteral("RecAddressText"))->toPlainText(),
                 QStringLiteral("Hauptstr. 5\n10115 Berlin\nGermany"));
    }

    void cancelChangesNothing() {
        auto w = wizardWithCards(Cards);
        w->control<QLineEdit>(QStringLiteral("RecNameText"))->setText(QStringLiteral("Typed"));
        const WizardChoices before = w->form->choices();
        onAddressBook(
            [](AddressBookDialog&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
        w->button(QStringLiteral("cmdAddressBook"))->click();
        QCOMPARE(w->form->choices(), before);
    }

    void brokenFileIsNamedWithItsLineAndTheOthersListed() {
        write(folder_.filePath(QStringLiteral("zz-broken.vcf")),
              "BEGIN:VCARD\nVERSION:3.0\nFN:Dora\nEND:VCARD\nBEGIN:VCARD\nFN:Half\n");
        auto w = wizardWithCards(Cards);
        QString status;
        int rows = 0;
        onAddressBook([&](AddressBookDialog& dialog) {
            status = dialog.findChild<QLabel*>(QStringLiteral("addressBookStatus"))->text();
            rows = listOf(dialog)->model()->rowCount();
            dialog.reject();
        });
        w->button(QStringLiteral("cmdAddressBook"))->click();
        QVERIFY2(status.contains(QDir::toNativeSeparators(folder_.filePath(QStringLiteral("zz-broken.vcf"))) +
                                 QStringLiteral(", line 5")),
                 qPrintable(status));
        QVERIFY2(status.startsWith(QStringLiteral("Contacts: 4.")), qPrintable(status));
        QCOMPARE(rows, 5); // Ann twice, Bob, Cleo, Dora
    }

    void openedFileAddsItsContacts() {
        auto w = wizardWithCards(Cards);
        write(folder_.filePath(QStringLiteral("export.csv")), "name,address\nEve Export,\"1 Road\nTown\"\n");
        onAddressBook([&](AddressBookDialog& dialog) {
            dialog.addFile(folder_.filePath(QStringLiteral("export.csv")));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("eve"));
            QCOMPARE(listOf(dialog)->model()->index(0, AddressRows::Book).data().toString(),
                     QStringLiteral("export.csv"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        w->button(QStringLiteral("cmdAddressBook"))->click();
        QCOMPARE(w->control<QLineEdit>(QStringLiteral("RecNameText"))->text(), QStringLiteral("Eve Export"));
        QCOMPARE(w->control<QPlainTextEdit>(QStringLiteral("RecAddressText"))->toPlainText(),
                 QStringLiteral("1 Road\nTown"));
    }

    void omitDisablesTheButtonWithTheBoxes() {
        Wizard w;
        auto* button = w.button(QStringLiteral("cmdAddressBook"));
        w.button(QStringLiteral("CheckOmit"))->click();
        QVERIFY(!button->isEnabled());
        w.button(QStringLiteral("CheckOmit"))->click();
        QVERIFY(button->isEnabled());
    }

    // From My Card: the account's name without touching the address; nothing to take disables it.
    void fromMyCardTakesTheAccountName_data() {
        QTest::addColumn<QString>("account");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("account name") << "Ann Writer" << true;
        QTest::newRow("nothing") << "" << false;
    }
    void fromMyCardTakesTheAccountName() {
        QFETCH(QString, account);
        QFETCH(bool, enabled);
        Wizard w(false);
        w.host.sources.accountName = [account] { return account; };
        w.form->Form_Load();
        w.form->show();
        auto* button = w.button(QStringLiteral("cmdFromMyCard"));
        const QString lookingTooltip = button->toolTip();
        QTRY_VERIFY(button->toolTip() != lookingTooltip);
        QCOMPARE(button->isEnabled(), enabled);
        QVERIFY(!button->toolTip().isEmpty());
        w.control<QPlainTextEdit>(QStringLiteral("AddressText"))->setPlainText(QStringLiteral("My street"));
        button->click();
        QCOMPARE(w.control<QLineEdit>(QStringLiteral("NameText"))->text(), account);
        QCOMPARE(w.control<QPlainTextEdit>(QStringLiteral("AddressText"))->toPlainText(),
                 QStringLiteral("My street"));
        w.button(QStringLiteral("CheckOmit2"))->click();
        QVERIFY(!button->isEnabled());
    }

    void fromMyCardTakesTheSelfContactsNameAndAddress() {
        QWidget page;
        SenderPage sender(&page);
        const contacts::BookContact self{
            QStringLiteral("Me Myself"),
            {},
            {},
            {{contacts::AddressKind::Home, {{QStringLiteral("Home 2")}, "Köln", "", "50667", "Germany"}}},
            QStringLiteral("Personal")};
        sender.offerOwnCard(contacts::ownCard(self, QStringLiteral("Account")));
        QVERIFY(sender.cmdFromMyCard->isEnabled());
        sender.fillFromOwnCard();
        QCOMPARE(sender.NameText->text(), QStringLiteral("Me Myself"));
        QCOMPARE(sender.AddressText->toPlainText(), QStringLiteral("Home 2\n50667 Köln\nGermany"));
    }
};

QTEST_MAIN(AddressBookTest)
#include "test_addressbookdialog.moc"
