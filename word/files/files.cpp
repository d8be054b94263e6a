#include "files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace word::files {

using namespace Qt::Literals::StringLiterals;

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

namespace {

Written failedAt(Step step, int error = 0) {
    return {step, error, {}};
}

// An open descriptor, closed with this object.
class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }
    int get() const { return descriptor_; }
    bool valid() const { return descriptor_ >= 0; }
    int release() { return std::exchange(descriptor_, -1); }
    void reset(int descriptor) {
        close();
        descriptor_ = descriptor;
    }
    // Returns 0 or the error number.
    int close() {
        const int descriptor = std::exchange(descriptor_, -1);
        return descriptor >= 0 && ::close(descriptor) != 0 ? errno : 0;
    }

private:
    int descriptor_;
};

// The permissions of a new file: the usual ones less the umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Returns 0 or the error number.
int writeAll(int descriptor, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        data += written;
        left -= written;
    }
    return 0;
}

class TemporaryFile;

// The temporary files that exist, for abandonWrites(). Each is made, placed and removed under the lock,
// so that once abandonWrites() holds it no file appears or takes its name any more.
struct Unfinished {
    std::mutex lock;
    std::set<const TemporaryFile*> files;
};

Unfinished& unfinished() {
    static Unfinished registry;
    return registry;
}

// A file of its own in an open folder, removed with this object unless it was given its final name.
class TemporaryFile {
public:
    explicit TemporaryFile(int folder) : folder_(folder) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        file_.close();
        const std::lock_guard held(unfinished().lock);
        if (!name_.isEmpty() && !placed_)
            remove();
        unfinished().files.erase(this);
    }

    // Returns 0 or the error number.
    int create() {
        const std::lock_guard held(unfinished().lock);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name =
                u".tavrin-%1.tmp"_s.arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0'))
                    .toUtf8();
            const int descriptor = ::openat(folder_, name.constData(),
                                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (descriptor >= 0) {
                name_ = name;
                file_.reset(descriptor);
                unfinished().files.insert(this);
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    const QByteArray& name() const { return name_; }
    int descriptor() const { return file_.get(); }

    // Opens the file again by its name, after another writer has put its content there; a link put in its
    // place is refused. Returns 0 or the error number.
    int reopen() {
        file_.close();
        const int descriptor = ::openat(folder_, name_.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (descriptor < 0)
            return errno;
        file_.reset(descriptor);
        struct stat status {};
        if (::fstat(descriptor, &status) != 0)
            return errno;
        return S_ISREG(status.st_mode) ? 0 : EINVAL;
    }

    // Gives the file its permissions and, unless that is left for later, sends it to the disk. Returns 0
    // or the error number.
    int finish(mode_t mode, Durability durability) {
        if (::fchmod(file_.get(), mode) != 0)
            return errno;
        if (durability == Durability::Now && ::fsync(file_.get()) != 0)
            return errno;
        return file_.close();
    }

    // Gives the file its final name with `rename` (returning 0 or the error number), under the lock.
    template <typename Rename> int place(const Rename& rename) {
        const std::lock_guard held(unfinished().lock);
        const int error = rename(folder_, name_);
        placed_ = error == 0;
        return error;
    }

    void remove() const { ::unlinkat(folder_, name_.constData(), 0); }

private:
    int folder_;
    QByteArray name_;
    Descriptor file_;
    bool placed_ = false;
};

Descriptor openFolder(const QString& folder) {
    return Descriptor(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// The rename is only durable once the folder's entry is on the disk. The file is in place either way, so
// a folder that cannot be synced (some file systems refuse) does not make the write a failure.
void syncFolder(int folder, Durability durability) {
    if (durability == Durability::Now)
        ::fsync(folder);
}

// Gives `from` the name `to` unless something already has it; returns 0 or the error number.
int renameWithoutReplacing(int folder, const QByteArray& from, const QByteArray& to) {
    if (::renameat2(folder, from.constData(), folder, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    // A file system without no-replace renames: a hard link fails the same way on an existing name.
    if (::linkat(folder, from.constData(), folder, to.constData(), 0) != 0)
        return errno;
    ::unlinkat(folder, from.constData(), 0);
    return 0;
}

using Produce = std::function<int(TemporaryFile&)>; // returns 0 or the error number

Written replaceWith(const QString& path, Durability durability, const Produce& produce) {
    const QFileInfo target(path);
    if (path.isEmpty() || target.fileName().isEmpty())
        return failedAt(Step::NoFileName);
    const Descriptor folder = openFolder(target.absolutePath());
    if (!folder.valid())
        return failedAt(errno == ENOENT || errno == ENOTDIR ? Step::NoFolder : Step::Creating, errno);
    const QByteArray name = QFile::encodeName(target.fileName());
    struct stat existing {};
    const bool exists = ::fstatat(folder.get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return failedAt(Step::TargetIsFolder, EISDIR);

    TemporaryFile file(folder.get());
    if (const int error = file.create())
        return failedAt(Step::Creating, error);
    if (const int error = produce(file))
        return failedAt(Step::Writing, error);
    // A replaced file keeps its permissions; a new one gets the usual ones less the umask.
    const mode_t mode = exists && S_ISREG(existing.st_mode) ? existing.st_mode & 07777 : newFileMode();
    if (const int error = file.finish(mode, durability))
        return failedAt(Step::Writing, error);
    // rename() replaces a link at the target instead of writing where it points.
    if (const int error = file.place([&](int in, const QByteArray& from) {
            return ::renameat(in, from.constData(), in, name.constData()) == 0 ? 0 : errno;
        }))
        return failedAt(Step::Placing, error);
    syncFolder(folder.get(), durability);
    return {Step::Done, 0, target.absoluteFilePath()};
}

} // namespace

Written replaceFile(const QString& path, const QByteArray& bytes, Durability durability) {
    return replaceWith(path, durability,
                       [&](TemporaryFile& file) { return writeAll(file.descriptor(), bytes); });
}

Written replaceFile(const QString& path, const std::function<bool(const QString& temporaryPath)>& produce) {
    const QString folder = QFileInfo(path).absolutePath();
    return replaceWith(path, Durability::Now, [&](TemporaryFile& file) {
        const QString temporaryPath = folder + u'/' + QFile::decodeName(file.name());
        if (!produce(temporaryPath))
            return EIO;
        return file.reopen();
    });
}

namespace {

Written folderFailure() {
    return failedAt(errno == ENOENT || errno == ENOTDIR ? Step::NoFolder : Step::Creating, errno);
}

// Finishes a written temporary file and gives it the first free name of the series.
Written placeUnderFreeName(TemporaryFile& file, int folder, const QString& folderPath,
                           const std::function<QString(int number)>& name, int count, Durability durability) {
    if (const int error = file.finish(newFileMode(), durability))
        return failedAt(Step::Writing, error);
    for (int number = 1; number <= count; ++number) {
        const QString candidate = name(number);
        const int error = file.place([&](int in, const QByteArray& from) {
            return renameWithoutReplacing(in, from, QFile::encodeName(candidate));
        });
        if (error == 0) {
            syncFolder(folder, durability);
            return {Step::Done, 0, QDir(folderPath).filePath(candidate)};
        }
        if (error != EEXIST)
            return failedAt(Step::Placing, error);
    }
    return failedAt(Step::NamesTaken);
}

} // namespace

Written writeNewFile(const QString& folderPath, const std::function<QString(int number)>& name, int count,
                     const QByteArray& bytes, Durability durability) {
    const Descriptor folder = openFolder(folderPath);
    if (!folder.valid())
        return folderFailure();
    TemporaryFile file(folder.get());
    if (const int error = file.create())
        return failedAt(Step::Creating, error);
    if (const int error = writeAll(file.descriptor(), bytes))
        return failedAt(Step::Writing, error);
    return placeUnderFreeName(file, folder.get(), folderPath, name, count, durability);
}

struct GrowingFile::State {
    QString folderPath;
    Descriptor folder;
    std::unique_ptr<TemporaryFile> file; // after the folder it is made in, so removed before it is closed
    QFile device;
    Written failure; // why the temporary file could not be made
};

GrowingFile::GrowingFile(const QString& folder) : state_(std::make_unique<State>()) {
    state_->folderPath = folder;
    state_->folder.reset(openFolder(folder).release());
    if (!state_->folder.valid()) {
        state_->failure = folderFailure();
        return;
    }
    state_->file = std::make_unique<TemporaryFile>(state_->folder.get());
    if (const int error = state_->file->create()) {
        state_->failure = failedAt(Step::Creating, error);
        return;
    }
    if (!state_->device.open(state_->file->descriptor(), QIODevice::WriteOnly, QFile::DontCloseHandle))
        state_->failure = failedAt(Step::Creating, EIO);
}

GrowingFile::~GrowingFile() {
    state_->device.close();
}

QIODevice* GrowingFile::device() {
    return state_->failure.ok() ? &state_->device : nullptr;
}

Written GrowingFile::placeNew(const std::function<QString(int number)>& name, int count,
                              Durability durability) {
    if (!state_->failure.ok())
        return state_->failure;
    // QFile keeps no errno: a write it could not finish is an input/output error.
    const bool written = state_->device.flush() && state_->device.error() == QFileDevice::NoError;
    state_->device.close();
    if (!written)
        return failedAt(Step::Writing, EIO);
    return placeUnderFreeName(*state_->file, state_->folder.get(), state_->folderPath, name, count,
                              durability);
}

int probeFolder(const QString& folderPath) {
    const Descriptor folder = openFolder(folderPath);
    if (!folder.valid())
        return errno;
    TemporaryFile probe(folder.get());
    return probe.create();
}

void abandonWrites() {
    // Never unlocked: the caller ends the process, and no write may start or finish before it does.
    unfinished().lock.lock();
    for (const TemporaryFile* file : unfinished().files)
        file->remove();
}

int syncFileSystem(const QString& folderPath) {
    const Descriptor folder = openFolder(folderPath);
    if (!folder.valid())
        return errno;
    return ::syncfs(folder.get()) == 0 ? 0 : errno;
}

} // namespace word::files
