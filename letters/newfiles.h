#pragma once

// Files of a batch written whole into a folder, never over anything already there.
//
// Each file is written by word/files under the first free name of "<base><ext>", "<base> (2)<ext>", ...,
// never replacing a file or following a link. Durability is batched: nothing is synced per file;
// syncFolder() flushes the folder's file system once, when the batch is done.

#include "word/files/files.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace tavrin::letters {

class FileWriteError : public std::runtime_error {
public:
    explicit FileWriteError(const QString& reason)
        : std::runtime_error(reason.toStdString()), reason_(reason) {}
    QString reason() const { return reason_; }

private:
    QString reason_;
};

// The full path written. Throws FileWriteError, leaving nothing behind.
QString writeNewFile(const QString& folder, const QString& baseName, const QString& extension,
                     const QByteArray& bytes);

// Gives a file written piece by piece the first free name of "<base><ext>", "<base> (2)<ext>", ... in
// its folder. Throws FileWriteError, leaving nothing behind.
QString placeNewFile(word::files::GrowingFile& file, const QString& baseName, const QString& extension);

// Makes every file written in the folder durable. Throws FileWriteError.
void syncFolder(const QString& folder);

// A name for a file from a person's name: characters a file name cannot hold on the common file systems
// (a slash, control characters, \ : * ? " < > |) become "_", leading dots and spaces and trailing ones go,
// and the name is kept short enough for any file system; "Letter" when nothing is left.
QString fileBaseName(const QString& personName);

} // namespace tavrin::letters
