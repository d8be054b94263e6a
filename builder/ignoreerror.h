#pragma once

#include "word/automationerror.h"

namespace tavrin {

// Runs one statement of a routine that ignores errors statement by statement: a failing word processor
// call skips that statement only and the routine goes on with the next one.
template <class Statement> void ignoreError(Statement&& statement) {
    try {
        statement();
    } catch (const word::AutomationError&) {
    }
}

} // namespace tavrin
