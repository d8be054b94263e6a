#pragma once

// Handing the letters to the user when the program ends. The built-in engine lives in this process, so
// nothing would keep its documents once the program is gone: every document still open is saved as .docx
// in the user's documents folder under a new name, and the ones whose application was visible are opened
// with the desktop's own application for .docx.
//
// - Names are "Letter <date>.docx", then "Letter <date> (2).docx" and so on, the date as YYYY-MM-DD. An
//   existing file or link is never replaced or followed: the letter is written to a temporary file in the
//   folder and only then given the first free name, in one step that fails rather than replace anything.
// - A letter the documents folder cannot take (missing and not creatable, a file in its place, read-only,
//   full) goes to the home folder, failing that to a private folder under the temporary folder, and one
//   message says where it is and why.
// - A document that cannot be saved anywhere leaves no file behind and is reported in the result; the others
// are
//   still handed over. Each letter is saved under its own guard: any failure while it is packaged or
//   written, running out of memory included, is that letter's failure and never ends the program.
// - Each saved path is printed as one line on standard output.
// - A document closed without saving is no longer open, so it is not handed over.

#include "word/engine/model.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace word::engine {

class Engine;

struct DocumentToHandOver {
    const DocumentModel* model;
    bool applicationVisible;
};

// Where letters go and how the user is shown them; tests put their own in place.
struct Desktop {
    QString documentsFolder;                       // created when missing
    std::function<void(const QString& path)> open; // with the default application; a failure is no error
    std::function<void(const QString& line)> print;
    // Where a letter goes when the documents folder cannot take it: the home folder, then a private
    // folder made under the temporary folder. Empty: not tried.
    QString homeFolder = {};
    QString temporaryFolder = {};

    // The user's documents folder, the desktop's default application and standard output. Opening needs
    // the QGuiApplication still alive.
    static Desktop user();
};

struct HandOverResult {
    QStringList saved;    // full paths, in the order of the documents
    QStringList failures; // one sentence for each document that could not be saved, with the reason
    // One message for each letter saved outside the documents folder: where it is, and why it is not there.
    QStringList savedElsewhere;
};

// Makes a letter's .docx package; docxBytes unless a test needs another.
using PackageWriter = std::function<QByteArray(const DocumentModel&)>;

HandOverResult handOver(const std::vector<DocumentToHandOver>& documents, const Desktop& desktop,
                        QDate today = QDate::currentDate(), const PackageWriter& package = {});

// Every document still open in the engine, in the engine's order, to the user's desktop.
HandOverResult handOverOpenDocuments(const Engine& engine, const Desktop& desktop = Desktop::user());

} // namespace word::engine
