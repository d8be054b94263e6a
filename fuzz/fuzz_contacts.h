#pragma once

// The rules every contact read from any input keeps, whichever reader read it: a fuzz target aborts on
// the first one broken.

#include "contacts/contacts.h"

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

inline void fail(const char* rule, const QString& text) {
    std::fprintf(stderr, "broken rule: %s: %s\n", rule, qPrintable(text.left(200)));
    std::abort();
}

inline bool hasControlCharacter(const QString& text) {
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

inline void checkContacts(const tavrin::contacts::ContactList& list) {
    using namespace tavrin::contacts;
    for (const Contact& contact : list.contacts) {
        if (contact.fullName.trimmed().isEmpty())
            fail("a contact has a name", contact.fullName);
        if (contact.line < 1)
            fail("a contact knows its line", QString::number(contact.line));
        for (const QString* name : {&contact.fullName, &contact.firstName, &contact.organisation})
            if (name->size() > MaximumNameLength || hasControlCharacter(*name))
                fail("a name is one line of at most its limit", *name);
        for (const QString& line : contact.addressLines)
            if (line.isEmpty() || line != line.trimmed() || hasControlCharacter(line))
                fail("an address line is trimmed text", line);
        if (contact.addressLines.join(u'\n').size() > MaximumAddressLength)
            fail("an address is at most its limit", contact.addressLines.join(u'/'));
    }
    for (const QString& skipped : list.skipped + list.warnings)
        if (!skipped.startsWith(QStringLiteral("line ")))
            fail("a record left out is reported with its line", skipped);
}

// A file refused as a whole names its line.
inline void checkRefusal(const tavrin::contacts::ReadError& error) {
    if (error.line() < 1 || error.message().isEmpty())
        fail("a refused file names the line and the reason", error.message());
}

} // namespace fuzzing
