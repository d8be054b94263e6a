#pragma once

// One run of tavrin-letters: the recipients read, every letter laid out and written, the PDFs, and the
// summary.

#include "letters/options.h"

#include <QString>

#include <functional>

namespace tavrin::letters {

struct BatchOutput {
    std::function<void(const QString&)> writtenFile; // one line per written file (standard output)
    std::function<void(const QString&)> message;     // problems and the summary (standard error)
    // Letters done of all, while the run goes on; empty when no one watches (not a terminal).
    std::function<void(int done, int total)> progress;
};

// Exit status: 0 everything written; 1 some recipients left out, some files not written or some envelopes
// without part of an address; 2 nothing done, because the recipients file cannot be read or the folder
// cannot be made or written to.
int runBatch(const LetterOptions& options, const BatchOutput& output);

} // namespace tavrin::letters
