#pragma once

// The user's address books read once, on a thread of their own, so that nothing waits for them: GNOME's
// (evolutionbooks.h), KDE's folder, and the user's own card.

#include "addressbook.h"
#include "owncard.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QThread;

namespace tavrin::contacts {

class EvolutionBooks;

// Where the books are looked for; a test puts its own in place.
struct BookSources {
    bool evolution = true;
    QString kdeFolder = kdeContactsFolder();
    std::function<QString()> accountName = accountFullName;
    // Whose country line the rows leave out: the user's.
    QLocale::Territory home = QLocale().territory();
};

class AddressBookLoader : public QObject {
    Q_OBJECT
public:
    explicit AddressBookLoader(BookSources sources = {}, QObject* parent = nullptr);
    // Stops a reading still under way, and waits for it.
    ~AddressBookLoader() override;

    // Starts the reading; again does nothing.
    void start();
    bool isFinished() const { return finished_; }

    // What was read; empty until finished.
    const BookContents& contents() const { return contents_; }
    // The contacts as the address book lists them, laid out for a letter from the home territory.
    const std::vector<AddressRow>& rows() const { return rows_; }
    const OwnCard& ownCard() const { return ownCard_; }

signals:
    void finished();

private:
    void readAll();

    BookSources sources_;
    std::unique_ptr<EvolutionBooks> evolution_;
    QThread* thread_ = nullptr;
    bool finished_ = false;
    BookContents contents_;
    std::vector<AddressRow> rows_;
    OwnCard ownCard_;
};

} // namespace tavrin::contacts
