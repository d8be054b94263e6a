#pragma once

// Places in an engine document.

#include <compare>

namespace word::engine {

// A point between two characters: in a body paragraph (row and column -1) or in a paragraph of a table
// cell. Offsets count UTF-16 code units; an inline picture counts as one character.
struct Position {
    int block = 0;     // index into DocumentModel::body
    int row = -1;      // table row from 0, or -1 outside tables
    int column = -1;   // table column from 0, or -1 outside tables
    int paragraph = 0; // paragraph of the cell; 0 in the body
    int offset = 0;    // characters before the point in its paragraph

    bool inCell() const { return row >= 0; }
    auto operator<=>(const Position&) const = default;
};

// A stretch from start to end; start == end for an insertion point. A stretch never leaves the story
// (the body, or one cell) it starts in.
struct Span {
    Position start, end;

    bool isCollapsed() const { return start == end; }
    bool operator==(const Span&) const = default;
};

} // namespace word::engine
