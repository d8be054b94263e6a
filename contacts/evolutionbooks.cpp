#include "evolutionbooks.h"

#include "bookreaders.h"
#include "evolutionmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>

namespace tavrin::contacts {

namespace {

// Beside the program in the build tree; installed, in the program's library folder.
QString modulePath() {
    const QDir programDirectory(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {programDirectory.filePath(QString::fromLatin1(evolutionmodule::FileName)),
          programDirectory.filePath(QStringLiteral(TAVRIN_EVOLUTION_MODULE_FROM_PROGRAM "/") +
                                    QString::fromLatin1(evolutionmodule::FileName)),
          QStringLiteral(TAVRIN_EVOLUTION_MODULE_IN_BUILD)})
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    return {};
}

// Each card read as a file's would be: one name, address and e-mail rule for every source.
EvolutionReading readingOf(const evolutionmodule::Cards& cards) {
    EvolutionReading reading;
    for (std::size_t b = 0; b < cards.books.size(); ++b) {
        const evolutionmodule::Book& book = cards.books[b];
        if (!book.error.isEmpty())
            reading.contents.problems.push_back({book.name, 0, book.error});
        for (std::size_t c = 0; c < book.cards.size(); ++c) {
            BookContents contents = readVCardBook(book.cards[c], book.name);
            for (BookContact& contact : contents.contacts)
                contact.book = book.name;
            if (int(b) == cards.selfBook && int(c) == cards.selfCard && !contents.contacts.empty())
                reading.self = contents.contacts.front();
            reading.contents.append(std::move(contents));
        }
    }
    return reading;
}

} // namespace

struct EvolutionBooks::Private {
    QMutex mutex; // guards reader and cancelled between the reading thread and cancel()
    QLibrary module;
    void* reader = nullptr;
    bool cancelled = false;
    evolutionmodule::Delete deleteReader = nullptr;
    evolutionmodule::Cancel cancelReader = nullptr;

    ~Private() {
        if (reader)
            deleteReader(reader);
    }
};

EvolutionBooks::EvolutionBooks() : d(std::make_unique<Private>()) {}
EvolutionBooks::~EvolutionBooks() = default;

// Without the module (or libebook) there are no books of GNOME's to read.
EvolutionReading EvolutionBooks::read() {
    const QString path = modulePath();
    if (path.isEmpty())
        return {};
    d->module.setFileName(path);
    const auto make = reinterpret_cast<evolutionmodule::New>(d->module.resolve(evolutionmodule::NewName));
    const auto read = reinterpret_cast<evolutionmodule::Read>(d->module.resolve(evolutionmodule::ReadName));
    const auto remove =
        reinterpret_cast<evolutionmodule::Delete>(d->module.resolve(evolutionmodule::DeleteName));
    const auto cancel =
        reinterpret_cast<evolutionmodule::Cancel>(d->module.resolve(evolutionmodule::CancelName));
    if (!make || !read || !remove || !cancel)
        return {};
    void* reader = nullptr;
    {
        const QMutexLocker locker(&d->mutex);
        if (d->cancelled || d->reader)
            return {};
        reader = d->reader = make();
        d->deleteReader = remove;
        d->cancelReader = cancel;
    }
    evolutionmodule::Cards cards;
    read(reader, &cards);
    return readingOf(cards);
}

void EvolutionBooks::cancel() {
    const QMutexLocker locker(&d->mutex);
    d->cancelled = true;
    if (d->reader)
        d->cancelReader(d->reader);
}

} // namespace tavrin::contacts
