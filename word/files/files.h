#pragma once

// Writing a file into place, whole or not at all. The bytes go to a new file with a name of its own in
// the target's folder (created exclusively, never through a link), reach the disk, and only then take the
// target's name in one rename; the folder is synced after it. A link planted at the target or at the
// temporary name is never followed. On any failure the old file stays as it was and the temporary file is
// removed.
//
// Syncing costs far more than writing a small file. A program writing a batch of files may leave it to
// one syncFileSystem() at the end (Durability::Batched): each file still takes its name only once it is
// written whole, but reaches the disk with the others.
//
// - replaceFile puts the new file in place of whatever stands at the target (a replaced file's
//   permissions are kept; a link there is replaced, not written through).
// - writeNewFile gives the file the first free name of a numbered series and never replaces anything.

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;

namespace word::files {

// The system's text for an errno value.
QString systemError(int error);

// How far writing got; each caller words its own message from it.
enum class Step {
    Done,
    NoFileName,     // the path ends in a separator
    NoFolder,       // the target's folder does not exist
    TargetIsFolder, // a folder stands at the target
    Creating,       // the temporary file could not be made
    Writing,        // writing or syncing the temporary file failed
    Placing,        // the rename failed
    NamesTaken,     // every name of the series is taken
};

struct Written {
    Step step = Step::Done;
    int error = 0; // the errno value where a system call failed
    QString path;  // the file written, when done

    bool ok() const { return step == Step::Done; }
    QString reason() const { return systemError(error); }
};

// When a written file reaches the disk.
enum class Durability {
    Now,     // before the call returns: the file is synced before it takes its name, the folder after
    Batched, // with the caller's syncFileSystem(), or never for a file that lives only as long as the run
};

Written replaceFile(const QString& path, const QByteArray& bytes, Durability durability = Durability::Now);

// As above, with the content made by `produce` at the temporary file's path (another program writing
// it, say); produce returns false, or throws, to abandon the write.
Written replaceFile(const QString& path, const std::function<bool(const QString& temporaryPath)>& produce);

// Writes bytes into folder under the first of name(1), name(2) ... name(count) that nothing has, file or
// link; an existing name is never replaced.
Written writeNewFile(const QString& folder, const std::function<QString(int number)>& name, int count,
                     const QByteArray& bytes, Durability durability = Durability::Now);

// A new file written piece by piece, for content too large to hold in memory at once. It grows under a
// temporary name of its own in the folder (removed on any failure, with this object unless it was
// placed, and by abandonWrites) until placeNew() gives it the first free name of a numbered series, as
// writeNewFile does.
class GrowingFile {
public:
    explicit GrowingFile(const QString& folder);
    ~GrowingFile();
    GrowingFile(const GrowingFile&) = delete;
    GrowingFile& operator=(const GrowingFile&) = delete;

    // Where the content goes; nullptr when the temporary file could not be made (placeNew says why).
    QIODevice* device();

    // Gives the written file the first of name(1) ... name(count) that nothing has, once.
    Written placeNew(const std::function<QString(int number)>& name, int count,
                     Durability durability = Durability::Now);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Whether files can be made in the folder: a temporary file is made there and removed at once. Returns
// 0 or the error number.
int probeFolder(const QString& folder);

// For a program ending on a signal. Every write under way stops before its file takes its name, and its
// temporary file is removed; a write that starts afterwards waits for good. The caller then ends the
// process. It takes a lock, so it is called from a thread waiting for the signal, never from a handler.
void abandonWrites();

// Sends everything written to the folder's file system to the disk, the folder's entries with it: one
// call makes a whole batch of files durable. Returns 0 or the error number.
int syncFileSystem(const QString& folder);

} // namespace word::files
