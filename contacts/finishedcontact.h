#pragma once

// What both readers do last with each record.

#include "contacts.h"
#include "word/files/expected.h"

namespace tavrin::contacts {

// Recipient data is data: every control character becomes a space (line ends too, in a name). A record
// whose name or address is over its limit gives the reason instead.
Expected<Contact, QString> finishedContact(Contact contact);

} // namespace tavrin::contacts
