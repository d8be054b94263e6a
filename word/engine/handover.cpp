#include "handover.h"

#include "docx.h"
#include "engine.h"
#include "word/files/files.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
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
    QString path;           // empty when it failed or was discarded
    QString error = {};     // why it is not in the documents folder
    bool elsewhere = false; // saved, but not in the documents folder
    bool discarded = false;
    QString chosenPath = {};  // where the user chose to save it, when that failed too
    QString chosenError = {}; // why it is not there
};

Saved failed(const QString& reason) {
    return {{}, reason};
}

Saved failedAt(const files::Written& written) {
    if (written.step == files::Step::NamesTaken)
        return failed(QCoreApplication::translate("HandOver", "every name for today's letters is taken"));
    return failed(written.reason());
}

Saved writeLetter(const QByteArray& bytes, const QString& folder, QDate today) {
    const files::Written written = files::writeNewFile(
        folder, [today](int number) { return letterName(today, number); }, MaxLetterNumber, bytes);
    return written.ok() ? Saved{written.path, {}} : failedAt(written);
}

// "name.docx", then "name (2).docx" and so on: a name the user chose is never given to another file.
std::function<QString(int)> namesAfter(const QString& fileName) {
    const QFileInfo chosen(fileName);
    const QString base = chosen.completeBaseName(), suffix = chosen.suffix();
    return [=](int number) {
        if (number == 1)
            return fileName;
        if (suffix.isEmpty())
            return QStringLiteral("%1 (%2)").arg(base).arg(number);
        return QStringLiteral("%1 (%2).%3").arg(base).arg(number).arg(suffix);
    };
}

Saved writeLetterAt(const QByteArray& bytes, const QString& path) {
    const QFileInfo chosen(path);
    if (chosen.fileName().isEmpty())
        return failed(QCoreApplication::translate("Files", "the path names no file"));
    const files::Written written =
        files::writeNewFile(chosen.absolutePath(), namesAfter(chosen.fileName()), MaxLetterNumber, bytes);
    return written.ok() ? Saved{written.path, {}} : failedAt(written);
}

Saved saveInDocuments(const QByteArray& bytes, const QString& folder, QDate today) {
    if (folder.isEmpty())
        return failed(QCoreApplication::translate("HandOver", "there is no documents folder"));
    if (!QDir().mkpath(folder)) {
        const QFileInfo standing(folder);
        return failed(standing.exists() && !standing.isDir()
                          ? QCoreApplication::translate("HandOver", "a file is in its place")
                          : QCoreApplication::translate("HandOver", "the folder cannot be created"));
    }
    return writeLetter(bytes, folder, today);
}

QString notSavedIn(const QString& documentsFolder, const QString& error) {
    return QCoreApplication::translate("HandOver", "The letter could not be saved in %1: %2.")
        .arg(QDir::toNativeSeparators(documentsFolder), error);
}

// The places a letter goes when the documents folder cannot take it and the user chose no place that
// could, in order: the home folder, then a folder of the user's own under the temporary folder, made
// once for all the letters of a hand-over.
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

// The day's first name in the home folder: what Return in the save dialog accepts.
QString suggestedPath(const Desktop& desktop, QDate today) {
    const QString home = desktop.homeFolder.isEmpty() ? QDir::homePath() : desktop.homeFolder;
    return QDir(home).filePath(letterName(today, 1));
}

// A letter the documents folder could not take: where the user chooses, unless discarded; where that
// fails too, or no place was chosen, the fallbacks.
Saved saveElsewhere(const QByteArray& bytes, const Saved& notInDocuments, const Desktop& desktop,
                    Fallbacks& fallbacks, QDate today) {
    Saved elsewhere{{}, notInDocuments.error, true};
    if (desktop.askWhereToSave) {
        const SavePlace place = desktop.askWhereToSave(
            suggestedPath(desktop, today), notSavedIn(desktop.documentsFolder, notInDocuments.error));
        if (place.answer == SavePlace::Answer::Discard)
            return {{}, notInDocuments.error, false, true};
        if (place.answer == SavePlace::Answer::Chosen) {
            const Saved chosen = writeLetterAt(bytes, place.path);
            if (!chosen.path.isEmpty()) {
                elsewhere.path = chosen.path;
                return elsewhere;
            }
            elsewhere.chosenPath = place.path;
            elsewhere.chosenError = chosen.error;
        }
    }
    elsewhere.path = fallbacks.save(bytes, today).path;
    return elsewhere.path.isEmpty() ? notInDocuments : elsewhere;
}

Saved saveLetter(const DocumentModel& model, const Desktop& desktop, Fallbacks& fallbacks, QDate today,
                 const PackageWriter& package) {
    const QByteArray bytes = package ? package(model) : docxBytes(model);
    const Saved saved = saveInDocuments(bytes, desktop.documentsFolder, today);
    if (!saved.path.isEmpty())
        return saved;
    return saveElsewhere(bytes, saved, desktop, fallbacks, today);
}

// Done, or why not, as a phrase for the message.
using StepDone = tavrin::Expected<void, QString>;

// Runs one step of handing a letter over. One letter's failure, whatever it is, stays that letter's: the
// others are still handed over.
StepDone guarded(const std::function<void()>& step) {
    try {
        step();
        return {};
    } catch (const AutomationError& error) {
        return tavrin::Unexpected(error.description);
    } catch (const std::bad_alloc&) {
        return tavrin::Unexpected(QCoreApplication::translate("HandOver", "there was not enough memory"));
    } catch (const std::exception& error) {
        return tavrin::Unexpected(QString::fromLocal8Bit(error.what()));
    }
}

Saved saveGuarded(const DocumentModel& model, const Desktop& desktop, Fallbacks& fallbacks, QDate today,
                  const PackageWriter& package) {
    Saved saved;
    if (const StepDone done = guarded([&] { saved = saveLetter(model, desktop, fallbacks, today, package); });
        !done)
        return failed(done.error());
    return saved;
}

QString savedElsewhereMessage(const Saved& saved, const QString& documentsFolder) {
    const QString documents = QDir::toNativeSeparators(documentsFolder);
    const QString path = QDir::toNativeSeparators(saved.path);
    if (saved.chosenPath.isEmpty())
        return QCoreApplication::translate("HandOver",
                                           "The letter could not be saved in %1: %2. It is saved as %3.")
            .arg(documents, saved.error, path);
    return QCoreApplication::translate(
               "HandOver", "The letter could not be saved in %1: %2, nor as %3: %4. It is saved as %5.")
        .arg(documents, saved.error, QDir::toNativeSeparators(saved.chosenPath), saved.chosenError, path);
}

QString notShownMessage(const QString& path, const QString& failure) {
    return QCoreApplication::translate("HandOver", "The letter was saved as %1 but could not be shown: %2.")
        .arg(QDir::toNativeSeparators(path), failure);
}

// Prints the saved letter's path and opens it when its application was visible; a letter no application
// can open is shown by the desktop's stand-in. A saved letter stays saved whatever fails here.
void showLetter(const DocumentModel& model, const QString& path, bool open, const Desktop& desktop,
                HandOverResult& result) {
    Opened opened;
    if (const StepDone done = guarded([&] {
            desktop.print(path);
            if (open)
                opened = desktop.open(path);
        });
        !done) {
        result.failures.append(notShownMessage(path, done.error()));
        return;
    }
    if (opened)
        return;
    const QString notOpened =
        QCoreApplication::translate("HandOver", "The letter is saved as %1, but it could not be opened: %2.")
            .arg(QDir::toNativeSeparators(path), opened.error());
    const QString completing =
        QCoreApplication::translate("HandOver", "A word processor such as LibreOffice Writer completes it.");
    if (!desktop.showInstead) {
        result.failures.append(notOpened + u' ' + completing);
        return;
    }
    const QString message =
        notOpened + u' ' +
        QCoreApplication::translate("HandOver",
                                    "It is shown here, from where it can be printed or saved as PDF.") +
        u' ' + completing;
    result.shownInstead.append(message);
    if (const StepDone done = guarded([&] { desktop.showInstead(model, path, message); }); !done)
        result.failures.append(notShownMessage(path, done.error()));
}

// --- The desktop's application for .docx -------------------------------------------------------------

constexpr auto DocxType = "application/vnd.openxmlformats-officedocument.wordprocessingml.document"_L1;
// How long the desktop may take to name its application.
constexpr int DesktopAnswerMilliseconds = 5000;
// How long an opener that fails gets to say so. Some openers run the application and return only when
// it ends; one still running after this time is showing the letter.
constexpr int OpenerAnswerMilliseconds = 3000;
constexpr unsigned long OpenerPollMilliseconds = 50;

// The desktop file of the desktop's default application for the type, empty when it knows none; nothing
// when it cannot be asked (no xdg-mime, or it fails).
std::optional<QString> defaultApplication(QLatin1StringView mimeType) {
    QProcess query;
    query.setStandardErrorFile(QProcess::nullDevice());
    query.start(u"xdg-mime"_s, {u"query"_s, u"default"_s, mimeType});
    if (!query.waitForFinished(DesktopAnswerMilliseconds)) {
        query.kill();
        query.waitForFinished();
        return std::nullopt;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

Opened openerEnded(int status) {
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return {};
    if (WIFEXITED(status))
        return tavrin::Unexpected(
            QCoreApplication::translate("HandOver", "the desktop's opener, xdg-open, ended with status %1")
                .arg(WEXITSTATUS(status)));
    return tavrin::Unexpected(
        QCoreApplication::translate("HandOver", "the desktop's opener, xdg-open, was ended by signal %1")
            .arg(WTERMSIG(status)));
}

// Runs xdg-open without waiting for the application it starts; it is not a child Qt knows of, so
// leaving it running ends nothing.
Opened runOpener(const QString& path) {
    // An absolute path never reads as an option.
    const QByteArray file = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    char program[] = "xdg-open";
    char* arguments[] = {program, const_cast<char*>(file.constData()), nullptr};
    pid_t opener = 0;
    if (const int error = ::posix_spawnp(&opener, program, nullptr, nullptr, arguments, environ))
        return tavrin::Unexpected(
            QCoreApplication::translate("HandOver", "the desktop's opener, xdg-open, cannot be run (%1)")
                .arg(files::systemError(error)));
    const QDeadlineTimer answer(OpenerAnswerMilliseconds);
    while (!answer.hasExpired()) {
        int status = 0;
        const pid_t ended = ::waitpid(opener, &status, WNOHANG);
        if (ended == opener)
            return openerEnded(status);
        if (ended < 0 && errno != EINTR)
            return {}; // no longer ours to ask: it was not seen failing
        QThread::msleep(OpenerPollMilliseconds);
    }
    return {};
}

} // namespace

Opened openWithDesktopApplication(const QString& path) {
    return openWithDesktopApplication(
        path, DocxType,
        QCoreApplication::translate("HandOver", "this desktop has no application for .docx files"));
}

Opened openWithDesktopApplication(const QString& path, QLatin1StringView mimeType,
                                  const QString& noApplication) {
    if (const std::optional<QString> application = defaultApplication(mimeType);
        application && application->isEmpty())
        return tavrin::Unexpected(noApplication);
    return runOpener(path);
}

Desktop Desktop::user() {
    return {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            [](const QString& path) { return openWithDesktopApplication(path); },
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
        if (saved.discarded) {
            ++result.discarded;
            continue;
        }
        if (saved.path.isEmpty()) {
            result.failures.append(notSavedIn(desktop.documentsFolder, saved.error));
            continue;
        }
        result.saved.append(saved.path);
        if (saved.elsewhere)
            result.savedElsewhere.append(savedElsewhereMessage(saved, desktop.documentsFolder));
        showLetter(*document.model, saved.path, document.applicationVisible, desktop, result);
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
