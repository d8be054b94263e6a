#pragma once

// A run that is interrupted (SIGINT, SIGTERM) leaves nothing of itself behind: the temporary files of
// the letters and PDFs being written go, and the program ends with 128 + the signal. The letters are laid
// out in memory, so no other file of the run exists.

namespace tavrin::letters {

// Takes SIGINT and SIGTERM from now on. Called first thing in main, before any other thread starts:
// threads inherit the blocked signals.
void removeEverythingOnSignals();

} // namespace tavrin::letters
