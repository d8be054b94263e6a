#include "batch.h"

#include "envelope/envelopes.h"
#include "envelope/pdfpages.h"
#include "letters/inorder.h"
#include "letters/letter.h"
#include "letters/newfiles.h"
#include "letters/recipients.h"
#include "word/automationerror.h"
#include "word/engine/docx.h"
#include "word/files/expected.h"
#include "word/files/files.h"

#include <QDir>

#include <optional>

namespace tavrin::letters {

using namespace envelopes;

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

// A letter laid out and packaged, ready to be written.
struct Letter {
    QByteArray docx;
    std::optional<word::engine::DocumentModel> model; // for letters.pdf
};

// What a worker makes of one recipient; a failure is the reason, worded for the user.
struct Made {
    Expected<Letter, QString> letter = Unexpected(QString());
    std::optional<Expected<Envelope, QString>> envelope; // with --envelopes only
};

// One of the batch's PDFs, painted page by page into its file as its documents come, and the first
// reason it cannot be written.
class Book {
public:
    Book(const QString& folder, const QString& name) : name_(name), file_(folder) {
        if (file_.device())
            pages_.emplace(file_.device());
    }

    void add(const word::engine::DocumentModel& document) {
        if (!pages_ || !failure_.isEmpty())
            return;
        try {
            pages_->add(document);
        } catch (const word::AutomationError& error) {
            failure_ = error.description;
        }
    }

    void failWith(const QString& reason) {
        if (failure_.isEmpty())
            failure_ = reason;
    }

    QString fileName() const { return name_ + QStringLiteral(".pdf"); }

    // The file's path. Throws word::AutomationError and FileWriteError; a file not placed is removed.
    QString place() {
        if (!failure_.isEmpty())
            throw word::AutomationError(word::errors::PrintingFailed, failure_);
        if (pages_)
            pages_->finish();
        return placeNewFile(file_, name_, QStringLiteral(".pdf"));
    }

private:
    QString name_; // without ".pdf"
    word::files::GrowingFile file_;
    std::optional<PdfPages> pages_; // none when the file could not be made: place() says why
    QString failure_;
};

struct Shortened {
    QString recipient;
    int droppedLines = 0;
    bool nameShortened = false;
};

class Batch {
public:
    Batch(const LetterOptions& options, const BatchOutput& output)
        : options_(options), output_(output), envelopeSize_(envelopeSize(options.envelopes)),
          envelopeFace_(envelopeFace(options.style)) {
        if (options.pdf)
            letters_.emplace(options.outFolder, QStringLiteral("letters"));
        if (!options.envelopes.isEmpty())
            envelopes_.emplace(options.outFolder, QStringLiteral("envelopes"));
    }

    // Runs on the workers, for any recipient at any time: nothing here touches the batch's state.
    Made make(const Recipient& recipient) const {
        Made made;
        made.letter = letterFor(recipient);
        if (!options_.envelopes.isEmpty())
            made.envelope = envelopeFor(recipient);
        return made;
    }

    // Runs on the calling thread, in the recipients' order.
    void take(const Recipient& recipient, Made made) {
        if (made.letter)
            writeLetter(recipient, *made.letter);
        else
            fail(recipient.fullName, made.letter.error());
        if (made.envelope)
            addEnvelope(recipient, *made.envelope);
    }

    // A PDF without pages is no document: with nothing to put in it, it is not written.
    void writePdfs(bool anyRecipient) {
        if (letters_ && tally.written > 0)
            writePdf(*letters_);
        if (envelopes_ && anyRecipient) {
            for (const Shortened& each : shortened_)
                reportShortened(each);
            writePdf(*envelopes_);
        }
    }

    Tally tally;

private:
    Expected<Letter, QString> letterFor(const Recipient& recipient) const {
        try {
            word::engine::DocumentModel model = layOutLetter(options_, recipient);
            Letter letter{word::engine::docxBytes(model), std::nullopt};
            if (options_.pdf)
                letter.model = std::move(model);
            return letter;
        } catch (const word::AutomationError& error) {
            return Unexpected(error.description);
        }
    }

    Expected<Envelope, QString> envelopeFor(const Recipient& recipient) const {
        try {
            return envelope(envelopeSize_, envelopeFace_, writerLines(options_, recipient), recipient);
        } catch (const word::AutomationError& error) {
            return Unexpected(error.description);
        }
    }

    // Each letter on its own: one that fails is reported and the others are still written.
    void writeLetter(const Recipient& recipient, const Letter& letter) {
        try {
            output_.writtenFile(writeNewFile(options_.outFolder, fileBaseName(recipient.fullName),
                                             QStringLiteral(".docx"), letter.docx));
            ++tally.written;
            if (letters_)
                letters_->add(*letter.model);
        } catch (const FileWriteError& error) {
            fail(recipient.fullName, error.reason());
        }
    }

    void addEnvelope(const Recipient& recipient, const Expected<Envelope, QString>& made) {
        if (!made)
            return envelopes_->failWith(made.error());
        envelopes_->add(made->model);
        if (made->droppedLines > 0 || made->nameShortened)
            shortened_.push_back({recipient.fullName, made->droppedLines, made->nameShortened});
    }

    void reportShortened(const Shortened& envelope) {
        if (envelope.droppedLines > 0)
            output_.message(QStringLiteral("The envelope to %1 has room for part of the address only: %2 "
                                           "line(s) left off.")
                                .arg(envelope.recipient)
                                .arg(envelope.droppedLines));
        if (envelope.nameShortened)
            output_.message(QStringLiteral("The envelope to %1 has room for part of the name only.")
                                .arg(envelope.recipient));
        ++tally.shortened;
    }

    void fail(const QString& who, const QString& reason) {
        output_.message(QStringLiteral("The letter to %1 could not be written: %2").arg(who, reason));
        ++tally.failed;
    }

    void writePdf(Book& book) {
        try {
            output_.writtenFile(book.place());
        } catch (const word::AutomationError& error) {
            fail(book.fileName(), error.description);
        } catch (const FileWriteError& error) {
            fail(book.fileName(), error.reason());
        }
    }

    const LetterOptions& options_;
    const BatchOutput& output_;
    const QSizeF envelopeSize_;
    const QString envelopeFace_;
    std::optional<Book> letters_, envelopes_;
    // Reported when envelopes.pdf is written, after every letter's own messages.
    std::vector<Shortened> shortened_;
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

void reportHowItWasRead(const LetterOptions& options, const RecipientList& list, const BatchOutput& output) {
    for (const QString& note : options.notes)
        output.message(note);
    if (list.readAsWindows1252)
        output.message(options.recipientsFile + QStringLiteral(": not UTF-8, read as Windows-1252"));
    for (const QString& problem : list.skipped + list.warnings)
        output.message(options.recipientsFile + QStringLiteral(": ") + problem);
}

bool folderTakesFiles(const QString& folder, const BatchOutput& output) {
    if (!QDir().mkpath(folder)) {
        output.message(QStringLiteral("The folder %1 cannot be created.").arg(folder));
        return false;
    }
    if (const int error = word::files::probeFolder(folder)) {
        output.message(QStringLiteral("No file can be written in the folder %1: %2")
                           .arg(folder, word::files::systemError(error)));
        return false;
    }
    return true;
}

// Every recipient's letter, laid out on the workers and written here in the recipients' order, so that
// the names ("Ann Lee.docx", "Ann Lee (2).docx") and the PDFs' pages come out as with one worker.
void writeLetters(Batch& batch, const std::vector<Recipient>& recipients, int workers,
                  const BatchOutput& output) {
    const int total = int(recipients.size());
    inOrder<Made>(
        total, workers, [&](int index) { return batch.make(recipients[std::size_t(index)]); },
        [&](int index, Made made) {
            batch.take(recipients[std::size_t(index)], std::move(made));
            if (output.progress)
                output.progress(index + 1, total);
        });
}

void syncOrReport(const QString& folder, Tally& tally, const BatchOutput& output) {
    try {
        syncFolder(folder);
    } catch (const FileWriteError& error) {
        output.message(QStringLiteral("The folder %1 could not be synced: %2").arg(folder, error.reason()));
        ++tally.failed;
    }
}

} // namespace

int runBatch(const LetterOptions& options, const BatchOutput& output) {
    const std::optional<RecipientList> list = readOrReport(options, output);
    if (!list)
        return 2;
    reportHowItWasRead(options, *list, output);
    if (!folderTakesFiles(options.outFolder, output))
        return 2;

    Batch batch(options, output);
    batch.tally.skipped = int(list->skipped.size());
    writeLetters(batch, list->contacts, options.jobs > 0 ? options.jobs : processorCount(), output);
    batch.writePdfs(!list->contacts.empty());
    syncOrReport(options.outFolder, batch.tally, output);
    output.message(summary(batch.tally, options.outFolder));
    const int incomplete = batch.tally.skipped + batch.tally.failed + batch.tally.shortened;
    return incomplete > 0 || !list->warnings.isEmpty() ? 1 : 0;
}

} // namespace tavrin::letters
