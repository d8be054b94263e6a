#pragma once

#include <cstdint>

namespace tavrin {

// The program's one shared variable: the letter's alignment, 0 left, 1 centred, 2 right
// (the word processor's paragraph alignment values). Finish resets it, the letter assembly sets it
// and the layout routines apply it.
struct MBas {
    std::int32_t alignment = 0;
};

} // namespace tavrin
