#include "handover.h"

#include "docx.h"
#include "engine.h"
#include "word/files/files.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>

namespace word::engine {

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
    QString path;  // empty when it failed
    QString error; // why it failed
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

Saved saveLetter(const DocumentModel& model, const QString& folder, QDate today) {
    if (folder.isEmpty())
        return failed(QStringLiteral("there is no documents folder"));
    if (!QDir().mkpath(folder))
        return failed(QStringLiteral("the folder cannot be created"));
    try {
        return writeLetter(docxBytes(model), folder, today);
    } catch (const AutomationError& error) {
        return failed(error.description);
    }
}

} // namespace

Desktop Desktop::user() {
    return {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
            [](const QString& line) {
                std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
                std::fflush(stdout);
            }};
}

HandOverResult handOver(const std::vector<DocumentToHandOver>& documents, const Desktop& desktop,
                        QDate today) {
    HandOverResult result;
    for (const DocumentToHandOver& document : documents) {
        const Saved saved = saveLetter(*document.model, desktop.documentsFolder, today);
        if (saved.path.isEmpty()) {
            result.failures.append(
                QCoreApplication::translate("HandOver", "The letter could not be saved in %1: %2.")
                    .arg(QDir::toNativeSeparators(desktop.documentsFolder), saved.error));
            continue;
        }
        result.saved.append(saved.path);
        desktop.print(saved.path);
        if (document.applicationVisible)
            desktop.open(saved.path);
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
