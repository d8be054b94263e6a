#include "addressbookloader.h"

#include "evolutionbooks.h"

#include <QDir>
#include <QThread>
#include <QTimer>

namespace tavrin::contacts {

namespace {

// However EDS answers, the books are given up after this: the dialog shows what else there is.
constexpr int EvolutionDeadlineMs = 15000;

// The folder as the user knows it: "~/.local/share/contacts".
QString folderName(const QString& folder) {
    const QString home = QDir::homePath();
    const QString path = QDir::cleanPath(folder);
    if (path.startsWith(home + u'/'))
        return QDir::toNativeSeparators(QStringLiteral("~") + path.mid(home.size()));
    return QDir::toNativeSeparators(path);
}

} // namespace

AddressBookLoader::AddressBookLoader(BookSources sources, QObject* parent)
    : QObject(parent), sources_(std::move(sources)), evolution_(std::make_unique<EvolutionBooks>()) {}

AddressBookLoader::~AddressBookLoader() {
    if (!thread_)
        return;
    evolution_->cancel();
    thread_->wait();
}

void AddressBookLoader::start() {
    if (thread_)
        return;
    thread_ = QThread::create([this] { readAll(); });
    thread_->setParent(this);
    connect(thread_, &QThread::finished, this, [this] {
        finished_ = true;
        emit finished();
    });
    QTimer::singleShot(EvolutionDeadlineMs, this, [this] { evolution_->cancel(); });
    thread_->start(QThread::LowPriority);
}

// Runs on the reading thread; the results are read on the interface thread only after it has ended.
void AddressBookLoader::readAll() {
    std::optional<BookContact> self;
    if (sources_.evolution) {
        EvolutionReading reading = evolution_->read();
        contents_.append(std::move(reading.contents));
        self = std::move(reading.self);
    }
    if (!sources_.kdeFolder.isEmpty())
        contents_.append(readBookFolder(sources_.kdeFolder, folderName(sources_.kdeFolder)));
    rows_ = addressRows(contents_.contacts, sources_.home);
    ownCard_ = contacts::ownCard(self, sources_.accountName ? sources_.accountName() : QString());
}

} // namespace tavrin::contacts
