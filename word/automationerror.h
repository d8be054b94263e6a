#pragma once

#include <QString>

#include <exception>

namespace word {

// Every failing call on the word processor interface throws an AutomationError and nothing else.
// The numbers are stable: callers (and the user, in a message box) may rely on them.
namespace errors {
// No running application to attach to, or a new one cannot be created.
inline constexpr int CannotCreateObject = 429;
// A call on an empty object reference.
inline constexpr int ObjectNotSet = 91;
// An argument outside what the operation accepts (an unknown colour index, a negative size...).
inline constexpr int InvalidArgument = 5;
// An index outside a collection (a cell outside the table, a table that does not exist).
inline constexpr int OutOfRange = 9;
// A file that does not exist.
inline constexpr int FileNotFound = 53;
// A file that could not be written or read for another reason (permissions, disk full).
inline constexpr int FileAccess = 75;
// A file that exists but is not a picture the word processor can read.
inline constexpr int InvalidPicture = 481;
// A file that exists but is not a document the word processor can read.
inline constexpr int BadDocument = 5792;
// Printing or print preview could not be done (no printer, not available).
inline constexpr int PrintingFailed = 4198;
// The operation is not available in the current state (no active document, a closed document).
inline constexpr int CommandFailed = 4248;
// The word processor stopped answering, or went away (it quit or crashed), during a call. Every later call
// on the same connection fails the same way at once.
inline constexpr int ApplicationUnavailable = 462;
} // namespace errors

struct AutomationError : std::exception {
    AutomationError(int number, QString description);

    int number;
    QString description;

    const char* what() const noexcept override;

private:
    QByteArray utf8_;
};

} // namespace word
