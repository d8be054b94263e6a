// GNOME's address books for real: contacts made through libebook in the Evolution Data Server of a
// private session bus (with_evolution.sh starts it) are listed, picked and taken as the
// user's own card.

// GLib's headers come before Qt's: Qt's "signals" keyword would rename a GLib structure member.
#include <libebook/libebook.h>

#include "contacts/evolutionbooks.h"
#include "wizard/addressbookdialog.h"
#include "wizardfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeView>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

const char* const Cards[] = {
    "BEGIN:VCARD\nVERSION:3.0\nFN:Ann Evolution\nN:Evolution;Ann;;;\nEMAIL:ann@gnome.test\n"
    "ADR;TYPE=HOME:;;1 Elm Street;Springfield;IL;62701;USA\n"
    "ADR;TYPE=WORK:;;Hauptstr. 5;Berlin;;10115;Germany\nEND:VCARD",
    "BEGIN:VCARD\nVERSION:3.0\nFN:Bob Gnome\nADR:;;2 Baker Street;London;;NW1 6XE;United Kingdom\nEND:VCARD",
};

// The registry comes up on its own time; the test waits for it a while.
ESourceRegistry* registry() {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000) {
        GError* error = nullptr;
        if (ESourceRegistry* found = e_source_registry_new_sync(nullptr, &error))
            return found;
        g_clear_error(&error);
        QTest::qWait(200);
    }
    return nullptr;
}

} // namespace

class EvolutionTest : public QObject {
    Q_OBJECT

    QString selfUid_;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::Ireland));
        ESourceRegistry* sources = registry();
        QVERIFY2(sources, "no Evolution source registry on the session bus");
        ESource* personal = e_source_registry_ref_builtin_address_book(sources);
        GError* error = nullptr;
        EClient* client = e_book_client_connect_sync(personal, 10, nullptr, &error);
        QVERIFY2(client, error ? error->message : "");
        for (const char* card : Cards) {
            EContact* contact = e_contact_new_from_vcard(card);
            gchar* uid = nullptr;
            QVERIFY2(e_book_client_add_contact_sync(E_BOOK_CLIENT(client), contact,
                                                    E_BOOK_OPERATION_FLAG_NONE, &uid, nullptr, &error),
                     error ? error->message : "");
            if (selfUid_.isEmpty())
                selfUid_ = QString::fromUtf8(uid);
            g_free(uid);
            g_object_unref(contact);
        }
        // Ann's card is the user's own, as GNOME Contacts marks it.
        GSettings* settings = g_settings_new("org.gnome.evolution-data-server.addressbook");
        g_settings_set_string(settings, "self-contact-uid", selfUid_.toUtf8().constData());
        g_object_unref(settings);
        g_object_unref(client);
        g_object_unref(personal);
        g_object_unref(sources);
    }

    void booksListEveryContactWithItsAddresses() {
        contacts::EvolutionBooks books;
        const contacts::EvolutionReading reading = books.read();
        QStringList listed;
        for (const contacts::BookContact& contact : reading.contents.contacts)
            listed << contact.formattedName +
                          QStringLiteral(" (%1, %2)").arg(contact.addresses.size()).arg(contact.book);
        listed.sort();
        QCOMPARE(listed, (QStringList{"Ann Evolution (2, Personal)", "Bob Gnome (1, Personal)"}));
        QVERIFY(reading.contents.problems.empty());
        QVERIFY(reading.self);
        QCOMPARE(reading.self->formattedName, QStringLiteral("Ann Evolution"));
    }

    void pickFillsTheRecipientAndMyCardTheWriter() {
        Wizard w(false);
        w.host.sources = {true, QString(), [] { return QStringLiteral("Account Name"); }};
        w.form->Form_Load();
        w.form->show();
        w.clickStep(1);
        bool picked = false;
        auto* poll = new QTimer;
        connect(poll, &QTimer::timeout, [&picked, poll] {
            auto* dialog = qobject_cast<AddressBookDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isActiveWindow() || !QApplication::focusWidget() ||
                dialog->findChild<QTreeView*>()->model()->rowCount() == 0)
                return;
            poll->stop();
            poll->deleteLater();
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("gnome"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            picked = true;
        });
        poll->start(10);
        w.button(QStringLiteral("cmdAddressBook"))->click();
        QVERIFY(picked);
        QCOMPARE(w.control<QLineEdit>(QStringLiteral("RecNameText"))->text(), QStringLiteral("Bob Gnome"));
        QCOMPARE(w.control<QPlainTextEdit>(QStringLiteral("RecAddressText"))->toPlainText(),
                 QStringLiteral("2 Baker Street\nLondon\nNW1 6XE\nUnited Kingdom"));

        auto* myCard = w.button(QStringLiteral("cmdFromMyCard"));
        QTRY_VERIFY(myCard->isEnabled());
        myCard->click();
        QCOMPARE(w.control<QLineEdit>(QStringLiteral("NameText"))->text(), QStringLiteral("Ann Evolution"));
        QCOMPARE(w.control<QPlainTextEdit>(QStringLiteral("AddressText"))->toPlainText(),
                 QStringLiteral("1 Elm Street\nSpringfield, IL 62701\nUSA"));
    }
};

QTEST_MAIN(EvolutionTest)
#include "test_evolution.moc"
