#pragma once

// The command line of tavrin-letters.

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrin::letters {

struct LetterOptions {
    QString recipientsFile;
    QString outFolder;
    QString style = QStringLiteral("simple");
    QString align = QStringLiteral("centered");
    // Each text as given, "{name}" and "{first}" still in it; nullopt when left out.
    std::optional<QString> salutation, content, conclusion, closing, writerName, writerAddress;
    int sample = 0; // 1 to 7: the sample paragraph of that category; 0 none
    bool noDate = false;
    bool omitWriter = false;
    bool omitRecipient = false;
    bool pdf = false;
    QString envelopes; // DL, C4, C5, C6 or 10; empty for none
    int jobs = 0;      // letters laid out at once; 0 for one per processor
    // What the user is told before the letters are written: how a file of theirs was read.
    QStringList notes;

    bool operator==(const LetterOptions&) const = default;
};

struct ParsedCommandLine {
    enum class Outcome { Run, Help, Version, Error } outcome = Outcome::Error;
    LetterOptions options;
    QString error; // what was wrong, for Outcome::Error
};

// arguments[0] is the program name.
ParsedCommandLine parseCommandLine(const QStringList& arguments);
QString usageText();
QString versionText();

QStringList styleNames();     // the style catalogue's command-line names, in its order
QStringList alignmentNames(); // centered, left, right
QStringList envelopeNames();  // DL, C4, C5, C6, 10

} // namespace tavrin::letters
