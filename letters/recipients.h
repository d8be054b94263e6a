#pragma once

// The people a batch of letters goes to: the contacts of an address book export.

#include "contacts/contacts.h"

namespace tavrin::letters {

using Recipient = contacts::Contact;
using RecipientList = contacts::ContactList;

} // namespace tavrin::letters
