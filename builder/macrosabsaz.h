#pragma once

#include "word/word.h"

namespace tavrin {

// The letter's fixed paragraph format, put on the paragraph at the selection; only the alignment varies.
// Each member is its own call, in this order, and the first failing call ends it with the rest unset.
// MacrosAbsaz applies it with the user's alignment; the layout tests and benchmarks make the same calls.
void letterParagraphFormat(const word::Ref<word::Global>& global, int alignment);

} // namespace tavrin
