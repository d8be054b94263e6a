#pragma once

// What the hand-over tests share: a one-line letter, and what a folder and a file hold afterwards.

#include "word/engine/model.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace word::engine::testing {

inline DocumentModel letterSaying(const QString& text) {
    DocumentModel model;
    Paragraph paragraph;
    paragraph.content.push_back(TextRun{CharFormat(), text});
    model.body.push_back(paragraph);
    return model;
}

// Every entry, hidden ones too, by name.
inline QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

inline QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace word::engine::testing
