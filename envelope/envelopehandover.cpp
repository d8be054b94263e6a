#include "envelopehandover.h"

#include "word/files/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace tavrin::envelopes {

using namespace Qt::Literals::StringLiterals;

namespace {

// Far more envelopes than one day brings; past it something is wrong with the folder.
constexpr int MaxEnvelopeNumber = 10000;

// Where the envelope was written, or why not.
using Placed = tavrin::Expected<QString, QString>;

Placed writeIn(const QByteArray& pdf, const QString& folder, QDate today) {
    if (folder.isEmpty())
        return tavrin::Unexpected(QCoreApplication::translate("Envelope", "there is no documents folder"));
    if (!QDir().mkpath(folder))
        return tavrin::Unexpected(QCoreApplication::translate("Envelope", "the folder cannot be created"));
    const word::files::Written written = word::files::writeNewFile(
        folder, [today](int number) { return envelopeFileName(today, number); }, MaxEnvelopeNumber, pdf);
    if (written.ok())
        return written.path;
    if (written.step == word::files::Step::NamesTaken)
        return tavrin::Unexpected(
            QCoreApplication::translate("Envelope", "every name for today's envelopes is taken"));
    return tavrin::Unexpected(written.reason());
}

// A folder of the user's own under the temporary folder, made for this envelope; left behind only with
// the envelope in it.
Placed writeInPrivateFolder(const QByteArray& pdf, const QString& temporaryFolder, QDate today) {
    if (temporaryFolder.isEmpty())
        return tavrin::Unexpected(QString());
    QByteArray name = QFile::encodeName(QDir(temporaryFolder).filePath(u"tavrin-envelope-XXXXXX"_s));
    if (!::mkdtemp(name.data())) // exclusive, readable by the user alone
        return tavrin::Unexpected(word::files::systemError(errno));
    Placed placed = writeIn(pdf, QFile::decodeName(name), today);
    if (!placed)
        ::rmdir(name.constData());
    return placed;
}

// The home folder, then the private folder.
Placed writeElsewhere(const QByteArray& pdf, const word::engine::Desktop& desktop, QDate today) {
    if (!desktop.homeFolder.isEmpty())
        if (Placed home = writeIn(pdf, desktop.homeFolder, today))
            return home;
    return writeInPrivateFolder(pdf, desktop.temporaryFolder, today);
}

QString letterFolder(const QStringList& lettersSaved, const QString& documentsFolder) {
    return lettersSaved.isEmpty() ? documentsFolder : QFileInfo(lettersSaved.last()).absolutePath();
}

// Prints the path and opens the envelope; one no application opens is shown by the desktop's stand-in.
void showEnvelope(const PaintedEnvelope& painted, const QString& path, const word::engine::Desktop& desktop,
                  QStringList& messages) {
    desktop.print(path);
    const word::engine::Opened opened = desktop.open(path);
    if (opened)
        return;
    const QString notOpened = QCoreApplication::translate(
                                  "Envelope", "The envelope is saved as %1, but it could not be opened: %2.")
                                  .arg(QDir::toNativeSeparators(path), opened.error());
    if (!desktop.showInstead) {
        messages << notOpened;
        return;
    }
    desktop.showInstead(
        painted.model, path,
        notOpened + u' ' +
            QCoreApplication::translate("Envelope", "It is shown here, from where it can be printed."));
}

} // namespace

EnvelopeJob::EnvelopeJob(const LetterEnvelope& envelope) {
    try {
        painting_ = std::async(std::launch::async, [envelope] { return paintEnvelope(envelope); });
    } catch (const std::system_error&) {
        std::promise<tavrin::Expected<PaintedEnvelope, QString>> here;
        here.set_value(paintEnvelope(envelope));
        painting_ = here.get_future();
    }
}

tavrin::Expected<PaintedEnvelope, QString> EnvelopeJob::take() {
    return painting_.get();
}

word::engine::Desktop pdfDesktop() {
    word::engine::Desktop desktop = word::engine::Desktop::user();
    desktop.open = [](const QString& path) {
        return word::engine::openWithDesktopApplication(
            path, "application/pdf"_L1,
            QCoreApplication::translate("Envelope", "this desktop has no application for PDF files"));
    };
    return desktop;
}

QStringList handOverEnvelope(const tavrin::Expected<PaintedEnvelope, QString>& painted,
                             const QStringList& lettersSaved, const word::engine::Desktop& desktop,
                             QDate today) {
    if (!painted)
        return {QCoreApplication::translate("Envelope", "The envelope could not be made: %1.")
                    .arg(painted.error())};

    QStringList messages;
    const QString folder = letterFolder(lettersSaved, desktop.documentsFolder);
    Placed placed = writeIn(painted->pdf, folder, today);
    if (!placed) {
        const QString notBeside = placed.error();
        placed = writeElsewhere(painted->pdf, desktop, today);
        if (!placed)
            return {QCoreApplication::translate("Envelope", "The envelope could not be saved in %1: %2.")
                        .arg(QDir::toNativeSeparators(folder), notBeside)};
        messages << QCoreApplication::translate(
                        "Envelope", "The envelope could not be saved in %1: %2. It is saved as %3.")
                        .arg(QDir::toNativeSeparators(folder), notBeside, QDir::toNativeSeparators(*placed));
    }
    if (painted->droppedLines > 0)
        messages << QCoreApplication::translate(
            "Envelope",
            "The envelope has room for part of the recipient's address only: %n line(s) left off.", nullptr,
            painted->droppedLines);
    showEnvelope(*painted, *placed, desktop, messages);
    return messages;
}

} // namespace tavrin::envelopes
