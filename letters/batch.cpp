#include "batch.h"

#include "letters/ending.h"
#include "letters/letter.h"
#include "letters/newfiles.h"
#include "letters/pdfs.h"
#include "letters/recipients.h"
#include "word/automationerror.h"
#include "word/engine/docx.h"
#include "word/files/files.h"

#include <QDir>
#include <QTemporaryDir>

#include <optional>

namespace tavrin::letters {

namespace {

struct Tally {
    int written = 0;
    int skipped = 0;
    int failed = 0;
    int shortened = 0; // envelopes without part of the address
};

std::optional<RecipientList> readOrReport(const LetterOptions& options, const BatchOutput& output) {
    try {
        return contacts::readContactsFile(options.recipientsFile);
    } catch (const contacts::ReadError& error) {
        output.message(error.line() > 0
                           ? options.recipientsFile + QStringLiteral(": line %1: ").arg(error.line()) +
                                 error.message()
                           : error.message());
        return std::nullopt;
    }
}

// The writer as the envelope's corner shows it: only what was given.
QStringList writerLines(const LetterOptions& options, const Recipient& recipient) {
    if (options.omitWriter)
        return {};
    QStringList texts;
    for (const auto& text : {options.writerName, options.writerAddress})
        if (text)
            texts << personalised(withLineBreaks(*text), recipient);
    return contacts::nonEmptyLines(texts);
}

class Batch {
public:
    Batch(const LetterOptions& options, const BatchOutput& output)
        : options_(options), output_(output),
          pictures_(temporaryFolder() + QStringLiteral("/tavrin-letters-XXXXXX")) {
        setScratchFolder(pictures_.isValid() ? pictures_.path() : QString());
    }
    ~Batch() { setScratchFolder({}); }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    bool hasScratchFolder() const { return pictures_.isValid(); }

    void writeLetters(const std::vector<Recipient>& recipients) {
        const int total = int(recipients.size());
        for (int index = 0; index < total; ++index) {
            writeLetter(recipients[std::size_t(index)]);
            if (output_.progress)
                output_.progress(index + 1, total);
        }
    }

    void writeLettersPdf() {
        std::vector<const word::engine::DocumentModel*> documents;
        for (const auto& letter : letters_)
            documents.push_back(&letter);
        writePdf(QStringLiteral("letters"), [&] { return documentsPdf(documents); });
    }

    void writeEnvelopesPdf(const std::vector<Recipient>& recipients) {
        writePdf(QStringLiteral("envelopes"), [&] {
            const QSizeF size = envelopeSize(options_.envelopes);
            std::vector<Envelope> envelopes;
            for (const Recipient& recipient : recipients) {
                envelopes.push_back(envelope(size, envelopeFace(options_.style),
                                             writerLines(options_, recipient), recipient));
                reportShortened(recipient, envelopes.back());
            }
            std::vector<const word::engine::DocumentModel*> documents;
            for (const auto& each : envelopes)
                documents.push_back(&each.model);
            return documentsPdf(documents);
        });
    }

    Tally tally;

private:
    // Each letter on its own: one that fails is reported and the others are still written.
    void writeLetter(const Recipient& recipient) {
        try {
            word::engine::DocumentModel letter = [&] {
                const auto held = layingOut();
                return layOutLetter(options_, recipient, pictures_.path());
            }();
            output_.writtenFile(writeNewFile(options_.outFolder, fileBaseName(recipient.fullName),
                                             QStringLiteral(".docx"), word::engine::docxBytes(letter)));
            ++tally.written;
            if (options_.pdf)
                letters_.push_back(std::move(letter));
        } catch (const word::AutomationError& error) {
            fail(recipient.fullName, error.description);
        } catch (const FileWriteError& error) {
            fail(recipient.fullName, error.reason());
        }
    }

    void reportShortened(const Recipient& recipient, const Envelope& envelope) {
        if (envelope.droppedLines == 0 && !envelope.nameShortened)
            return;
        if (envelope.droppedLines > 0)
            output_.message(QStringLiteral("The envelope to %1 has room for part of the address only: %2 "
                                           "line(s) left off.")
                                .arg(recipient.fullName)
                                .arg(envelope.droppedLines));
        if (envelope.nameShortened)
            output_.message(QStringLiteral("The envelope to %1 has room for part of the name only.")
                                .arg(recipient.fullName));
        ++tally.shortened;
    }

    void fail(const QString& who, const QString& reason) {
        output_.message(QStringLiteral("The letter to %1 could not be written: %2").arg(who, reason));
        ++tally.failed;
    }

    void writePdf(const QString& name, const std::function<QByteArray()>& paint) {
        try {
            output_.writtenFile(writeNewFile(options_.outFolder, name, QStringLiteral(".pdf"), paint()));
        } catch (const word::AutomationError& error) {
            fail(name + QStringLiteral(".pdf"), error.description);
        } catch (const FileWriteError& error) {
            fail(name + QStringLiteral(".pdf"), error.reason());
        }
    }

    const LetterOptions& options_;
    const BatchOutput& output_;
    // The style pictures go to a private folder of this run, never beside the program.
    QTemporaryDir pictures_;
    std::vector<word::engine::DocumentModel> letters_;
};

QString summary(const Tally& tally, const QString& folder) {
    QString text = QStringLiteral("%1 letter(s) written to %2").arg(tally.written).arg(folder);
    if (tally.skipped > 0)
        text += QStringLiteral("; %1 recipient(s) left out").arg(tally.skipped);
    if (tally.failed > 0)
        text += QStringLiteral("; %1 file(s) not written").arg(tally.failed);
    if (tally.shortened > 0)
        text += QStringLiteral("; %1 envelope(s) without part of the address").arg(tally.shortened);
    return text + u'.';
}

} // namespace

int runBatch(const LetterOptions& options, const BatchOutput& output) {
    const std::optional<RecipientList> list = readOrReport(options, output);
    if (!list)
        return 2;
    for (const QString& note : options.notes)
        output.message(note);
    if (list->readAsWindows1252)
        output.message(options.recipientsFile + QStringLiteral(": not UTF-8, read as Windows-1252"));
    for (const QString& problem : list->skipped + list->warnings)
        output.message(options.recipientsFile + QStringLiteral(": ") + problem);
    if (!QDir().mkpath(options.outFolder)) {
        output.message(QStringLiteral("The folder %1 cannot be created.").arg(options.outFolder));
        return 2;
    }
    if (const int error = word::files::probeFolder(options.outFolder)) {
        output.message(QStringLiteral("No file can be written in the folder %1: %2")
                           .arg(options.outFolder, word::files::systemError(error)));
        return 2;
    }

    Batch batch(options, output);
    if (!batch.hasScratchFolder()) {
        output.message(QStringLiteral("No scratch folder can be made in %1.").arg(temporaryFolder()));
        return 2;
    }
    batch.tally.skipped = int(list->skipped.size());
    batch.writeLetters(list->contacts);
    // A PDF without pages is no document: with nothing to put in it, it is not written.
    if (options.pdf && batch.tally.written > 0)
        batch.writeLettersPdf();
    if (!options.envelopes.isEmpty() && !list->contacts.empty())
        batch.writeEnvelopesPdf(list->contacts);
    try {
        syncFolder(options.outFolder);
    } catch (const FileWriteError& error) {
        output.message(
            QStringLiteral("The folder %1 could not be synced: %2").arg(options.outFolder, error.reason()));
        ++batch.tally.failed;
    }
    output.message(summary(batch.tally, options.outFolder));
    const int incomplete = batch.tally.skipped + batch.tally.failed + batch.tally.shortened;
    return incomplete > 0 || !list->warnings.isEmpty() ? 1 : 0;
}

} // namespace tavrin::letters
