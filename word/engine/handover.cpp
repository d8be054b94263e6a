#include "handover.h"

#include "docx.h"
#include "engine.h"
#include "word/files/files.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <unistd.h>

namespace word::engine {

using namespace Qt::Literals::StringLiterals;

namespace {

// Far more letters than one day brings; past it something is wrong with the folder.
constexpr int MaxLetterNumber = 10000;

QString letterName(QDate today, int number) {
    const QString date = today.toString(Qt::ISODate);
    if (number == 1)
        return QStringLiteral("Letter %1.docx").arg(date);
    return QStringLiteral("Letter %1 (%2).docx").arg(date).arg(number);
}

struct Saved {
    QString path;           // empty when it failed
    QString error;          // why it is not in the documents folder
    bool elsewhere = false; // saved, but not in the documents folder
};

Saved failed(const QString& reason) {
    return {{}, reason};
}

Saved writeLetter(const QByteArray& bytes, const QString& folder, QDate today) {
    const files::Written written = files::writeNewFile(
        folder, [today](int number) { return letterName(today, number); }, MaxLetterNumber, bytes);
    if (written.ok())
        return {written.path, {}};
    if (written.step == files::Step::NamesTaken)
        return failed(QStringLiteral("every name for today's letters is taken"));
    return failed(written.reason());
}

Saved saveInDocuments(const QByteArray& bytes, const QString& folder, QDate today) {
    if (folder.isEmpty())
        return failed(QStringLiteral("there is no documents folder"));
    if (!QDir().mkpath(folder))
        return failed(QStringLiteral("the folder cannot be created"));
    return writeLetter(bytes, folder, today);
}

// The places a letter goes when the documents folder cannot take it, in order: the home folder, then a
// folder of the user's own under the temporary folder, made once for all the letters of a hand-over.
class Fallbacks {
public:
    explicit Fallbacks(const Desktop& desktop) : desktop_(desktop) {}
    Fallbacks(const Fallbacks&) = delete;
    Fallbacks& operator=(const Fallbacks&) = delete;
    // A private folder no letter went to is not left behind (rmdir removes only an empty one).
    ~Fallbacks() {
        if (!privateFolder_.isEmpty())
            ::rmdir(QFile::encodeName(privateFolder_).constData());
    }

    Saved save(const QByteArray& bytes, QDate today) {
        if (!desktop_.homeFolder.isEmpty())
            if (Saved saved = writeLetter(bytes, desktop_.homeFolder, today); !saved.path.isEmpty())
                return saved;
        const QString folder = privateFolder();
        return folder.isEmpty() ? failed({}) : writeLetter(bytes, folder, today);
    }

private:
    QString privateFolder() {
        if (privateFolder_.isEmpty() && !desktop_.temporaryFolder.isEmpty()) {
            QByteArray name =
                QFile::encodeName(QDir(desktop_.temporaryFolder).filePath(u"tavrin-letters-XXXXXX"_s));
            if (::mkdtemp(name.data())) // exclusive, readable by the user alone
                privateFolder_ = QFile::decodeName(name);
        }
        return privateFolder_;
    }

    const Desktop& desktop_;
    QString privateFolder_;
};

Saved saveLetter(const DocumentModel& model, const Desktop& desktop, Fallbacks& fallbacks, QDate today,
                 const PackageWriter& package) {
    const QByteArray bytes = package ? package(model) : docxBytes(model);
    Saved saved = saveInDocuments(bytes, desktop.documentsFolder, today);
    if (!saved.path.isEmpty())
        return saved;
    const Saved elsewhere = fallbacks.save(bytes, today);
    if (elsewhere.path.isEmpty())
        return saved;
    return {elsewhere.path, saved.error, true};
}

// One letter's failure, whatever it is, stays that letter's: the others are still handed over.
Saved saveGuarded(const DocumentModel& model, const Desktop& desktop, Fallbacks& fallbacks, QDate today,
                  const PackageWriter& package) {
    try {
        return saveLetter(model, desktop, fallbacks, today, package);
    } catch (const AutomationError& error) {
        return failed(error.description);
    } catch (const std::bad_alloc&) {
        return failed(QStringLiteral("there was not enough memory"));
    } catch (const std::exception& error) {
        return failed(QString::fromLocal8Bit(error.what()));
    }
}

// A saved letter stays saved even when the desktop cannot show it; returns why it could not.
QString showLetter(const QString& path, bool open, const Desktop& desktop) {
    try {
        desktop.print(path);
        if (open)
            desktop.open(path);
        return {};
    } catch (const std::bad_alloc&) {
        return QStringLiteral("there was not enough memory");
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    }
}

} // namespace

Desktop Desktop::user() {
    return {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
            [](const QString& line) {
                std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
                std::fflush(stdout);
            },
            QDir::homePath(), QDir::tempPath()};
}

HandOverResult handOver(const std::vector<DocumentToHandOver>& documents, const Desktop& desktop, QDate today,
                        const PackageWriter& package) {
    HandOverResult result;
    Fallbacks fallbacks(desktop);
    for (const DocumentToHandOver& document : documents) {
        const Saved saved = saveGuarded(*document.model, desktop, fallbacks, today, package);
        if (saved.path.isEmpty()) {
            result.failures.append(
                QCoreApplication::translate("HandOver", "The letter could not be saved in %1: %2.")
                    .arg(QDir::toNativeSeparators(desktop.documentsFolder), saved.error));
            continue;
        }
        result.saved.append(saved.path);
        if (saved.elsewhere)
            result.savedElsewhere.append(
                QStringLiteral("The letter could not be saved in %1: %2. It is saved as %3.")
                    .arg(QDir::toNativeSeparators(desktop.documentsFolder), saved.error,
                         QDir::toNativeSeparators(saved.path)));
        const QString notShown = showLetter(saved.path, document.applicationVisible, desktop);
        if (!notShown.isEmpty())
            result.failures.append(QStringLiteral("The letter was saved as %1 but could not be shown: %2.")
                                       .arg(QDir::toNativeSeparators(saved.path), notShown));
    }
    return result;
}

HandOverResult handOverOpenDocuments(const Engine& engine, const Desktop& desktop) {
    const std::vector<EngineDocument> engineDocuments = engine.documents();
    std::vector<DocumentToHandOver> open;
    for (const EngineDocument& document : engineDocuments)
        if (!document.closed)
            open.push_back({&modelOf(document.document), document.applicationVisible});
    return handOver(open, desktop);
}

} // namespace word::engine
