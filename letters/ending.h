#pragma once

// A run that is interrupted (SIGINT, SIGTERM) leaves nothing of itself behind: its scratch folder and
// the temporary files of the letters being written go, and the program ends with 128 + the signal.

#include <QString>

#include <mutex>

namespace tavrin::letters {

// The folder a run's scratch folder is made in: the system's temporary folder when it exists, /tmp
// otherwise (TMPDIR may name a folder that does not exist).
QString temporaryFolder();

// Takes SIGINT and SIGTERM from now on. Called first thing in main, before any other thread starts:
// threads inherit the blocked signals.
void removeEverythingOnSignals();

// The scratch folder to remove on a signal; an empty path when there is none any more.
void setScratchFolder(const QString& path);

// Held while a letter is laid out. The styles make and probe their picture folder on their own (not
// through word/files, whose writes the clean-up holds), so the clean-up waits for the letter in hand
// instead of racing it.
std::unique_lock<std::mutex> layingOut();

} // namespace tavrin::letters
