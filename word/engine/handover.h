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
//   full) goes where the user chooses when the desktop can ask; a letter the user did not discard that
//   the chosen place cannot take either goes to the home folder, failing that to a private folder under
//   the temporary folder. One message says where it is and why it is not in the documents folder.
// - A document that cannot be saved anywhere leaves no file behind and is reported in the result; the
//   others are still handed over. Each letter is saved under its own guard: any failure while it is
//   packaged or written, running out of memory included, is that letter's failure and never ends the
//   program.
// - A letter no application can open is shown by the desktop's stand-in (the program's print preview)
//   with a message saying where the .docx is.
// - Each saved path is printed as one line on standard output.
// - A document closed without saving is no longer open, so it is not handed over.

#include "word/engine/model.h"
#include "word/files/expected.h"

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

// What the user answered when asked where to save a letter the documents folder cannot take.
struct SavePlace {
    enum class Answer {
        Chosen,  // save it at path
        Keep,    // no place chosen, but keep the letter
        Discard, // the user explicitly discarded it
    };
    Answer answer = Answer::Keep;
    QString path = {};
};

// Opened, or why not: a phrase that the caller's message takes in ("this desktop has no application for
// .docx files").
using Opened = tavrin::Expected<void, QString>;

// Where letters go and how the user is shown them; tests put their own in place.
struct Desktop {
    QString documentsFolder; // created when missing
    // Opens path with the desktop's application for .docx.
    std::function<Opened(const QString& path)> open;
    std::function<void(const QString& line)> print;
    // Where a letter goes when the documents folder cannot take it and the user chose no place that
    // could: the home folder, then a private folder made under the temporary folder. Empty: not tried.
    QString homeFolder = {};
    QString temporaryFolder = {};
    // Asks the user where to save a letter the documents folder cannot take, suggesting a path; why
    // says what is wrong with the documents folder. Unset: the letter goes to the places above unasked.
    std::function<SavePlace(const QString& suggestedPath, const QString& why)> askWhereToSave = {};
    // Shows a saved letter no application could open, with a message saying where it is. Unset: the
    // message is reported among the failures.
    std::function<void(const DocumentModel& model, const QString& path, const QString& message)> showInstead =
        {};

    // The user's documents folder, the desktop's default application for .docx (openWithDesktopApplication)
    // and standard output; the questions and the stand-in are the program's windows, which add them.
    static Desktop user();
};

// Opens path with the desktop's application for .docx files, deciding from the desktop's own answers:
// none when `xdg-mime query default` names no application for the type, or when the opener, xdg-open,
// cannot be run or ends with a non-zero status. An opener still running after a few seconds is showing
// the file (openers of some desktops wait for the application), and is left to it.
Opened openWithDesktopApplication(const QString& path);

// The same for a file of another MIME type; noApplication is the phrase for a desktop that names no
// application for it ("this desktop has no application for PDF files").
Opened openWithDesktopApplication(const QString& path, QLatin1StringView mimeType,
                                  const QString& noApplication);

struct HandOverResult {
    QStringList saved;    // full paths, in the order of the documents
    QStringList failures; // one sentence for each document that could not be saved, with the reason
    // One message for each letter saved outside the documents folder: where it is, and why it is not there.
    QStringList savedElsewhere;
    // One message for each letter saved that no application could open: where it is, and that it was
    // shown in the desktop's stand-in.
    QStringList shownInstead;
    int discarded = 0; // letters the user explicitly discarded
};

// Makes a letter's .docx package; docxBytes unless a test needs another.
using PackageWriter = std::function<QByteArray(const DocumentModel&)>;

HandOverResult handOver(const std::vector<DocumentToHandOver>& documents, const Desktop& desktop,
                        QDate today = QDate::currentDate(), const PackageWriter& package = {});

// Every document still open in the engine, in the engine's order, to the user's desktop.
HandOverResult handOverOpenDocuments(const Engine& engine, const Desktop& desktop = Desktop::user());

} // namespace word::engine
