#pragma once

// What the Evolution module (libtavrin_evolution.so) offers, by name, to evolutionbooks.cpp, which loads
// it: a reader made and deleted by the module, read on the reading thread, cancelled from any. The module
// hands over each book's cards as vCard text; the program reads them as it reads a file.

#include <QByteArray>
#include <QString>

#include <vector>

#define TAVRIN_EVOLUTION_EXPORT __attribute__((visibility("default")))

namespace tavrin::contacts::evolutionmodule {

struct Book {
    QString name;
    std::vector<QByteArray> cards;
    QString error; // why the book could not be read; its cards are then empty
};

struct Cards {
    std::vector<Book> books;
    // Where the user's own card is, as EDS's settings name it; -1 when there is none.
    int selfBook = -1;
    int selfCard = -1;
};

inline constexpr char FileName[] = "libtavrin_evolution.so";

using New = void* (*)();
using Delete = void (*)(void* reader);
using Read = void (*)(void* reader, Cards* cards);
using Cancel = void (*)(void* reader);

inline constexpr char NewName[] = "tavrin_evolution_new";
inline constexpr char DeleteName[] = "tavrin_evolution_delete";
inline constexpr char ReadName[] = "tavrin_evolution_read";
inline constexpr char CancelName[] = "tavrin_evolution_cancel";

} // namespace tavrin::contacts::evolutionmodule
