#pragma once

// GNOME's address books: every enabled one of Evolution Data Server, read only, where the session bus
// has EDS running. Where it has not, there is simply nothing: no message and no waiting.

#include "addressbook.h"

#include <memory>
#include <optional>

namespace tavrin::contacts {

struct EvolutionReading {
    BookContents contents;
    std::optional<BookContact> self; // the card EDS keeps as the user's own
};

class EvolutionBooks {
public:
    EvolutionBooks();
    ~EvolutionBooks();
    EvolutionBooks(const EvolutionBooks&) = delete;
    EvolutionBooks& operator=(const EvolutionBooks&) = delete;

    // Blocks until every book is read or the reading is cancelled: run it on a worker thread. An address
    // book that cannot be read is a problem named after the book; the others are still read.
    EvolutionReading read();

    // From any thread: read() returns as soon as it can, with what it has.
    void cancel();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace tavrin::contacts
