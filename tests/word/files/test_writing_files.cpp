// Writing files into place: planted links, kept permissions, free names, and failures that keep the old
// file and leave no temporary one behind.

#include "word/files/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace word::files;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t modeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

mode_t usualMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Files larger than `bytes` cannot be written while this lives, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    rlimit saved_{};
    void (*handler_)(int);
};

QString numbered(int number) {
    return number == 1 ? QStringLiteral("Letter.docx") : QStringLiteral("Letter (%1).docx").arg(number);
}

class WritingFiles : public testing::Test {
protected:
    QString path(const QString& name) const { return folder_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Everything in the folder, hidden files included.
    QStringList entries() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir folder_;
};

TEST_F(WritingFiles, NewFileGetsTheBytesAndTheUsualPermissions) {
    const Written written = replaceFile(path("a.txt"), QByteArray("hello"));
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.path, QFileInfo(path("a.txt")).absoluteFilePath());
    EXPECT_EQ(contentsOf(path("a.txt")), "hello");
    EXPECT_EQ(modeOf(path("a.txt")), usualMode());
    EXPECT_EQ(entries(), QStringList{"a.txt"});
}

TEST_F(WritingFiles, ReplacedFileKeepsItsPermissions) {
    writeFile("a.txt", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("a.txt")).constData(), 0604), 0);
    ASSERT_TRUE(replaceFile(path("a.txt"), QByteArray("new")).ok());
    EXPECT_EQ(contentsOf(path("a.txt")), "new");
    EXPECT_EQ(modeOf(path("a.txt")), 0604u);
    EXPECT_EQ(entries(), QStringList{"a.txt"});
}

TEST_F(WritingFiles, ALinkPlantedAtTheTargetIsReplacedNotFollowed) {
    writeFile("victim", "precious");
    ASSERT_TRUE(QFile::link(path("victim"), path("a.txt")));
    ASSERT_TRUE(QFile::link(path("nowhere"), path("b.txt")));
    ASSERT_EQ(::chmod(QFile::encodeName(path("victim")).constData(), 0600), 0);

    ASSERT_TRUE(replaceFile(path("a.txt"), QByteArray("mine")).ok());
    ASSERT_TRUE(replaceFile(path("b.txt"), QByteArray("mine")).ok());

    EXPECT_EQ(contentsOf(path("victim")), "precious");
    EXPECT_FALSE(QFileInfo::exists(path("nowhere")));
    for (const QString name : {"a.txt", "b.txt"}) {
        EXPECT_FALSE(QFileInfo(path(name)).isSymLink());
        EXPECT_EQ(contentsOf(path(name)), "mine");
        EXPECT_EQ(modeOf(path(name)), usualMode()); // not the permissions of what the link pointed to
    }
}

TEST_F(WritingFiles, ALinkPutAtTheTemporaryNameIsRefused) {
    writeFile("a.txt", "old");
    writeFile("victim", "precious");
    const Written written = replaceFile(path("a.txt"), [&](const QString& temporary) {
        QFile::remove(temporary);
        return QFile::link(path("victim"), temporary);
    });
    EXPECT_EQ(written.step, Step::Writing);
    EXPECT_EQ(written.error, ELOOP);
    EXPECT_EQ(contentsOf(path("a.txt")), "old");
    EXPECT_EQ(contentsOf(path("victim")), "precious");
    EXPECT_EQ(entries(), (QStringList{"a.txt", "victim"}));
}

TEST_F(WritingFiles, ContentWrittenByAnotherWriterIsPutInPlace) {
    writeFile("a.txt", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("a.txt")).constData(), 0640), 0);
    const Written written = replaceFile(path("a.txt"), [](const QString& temporary) {
        // Another program writes its own new file at the name, as a word processor does.
        QFile::remove(temporary);
        QFile file(temporary);
        return file.open(QIODevice::WriteOnly) && file.write("made elsewhere") == 14;
    });
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(contentsOf(path("a.txt")), "made elsewhere");
    EXPECT_EQ(modeOf(path("a.txt")), 0640u);
    EXPECT_EQ(entries(), QStringList{"a.txt"});
}

TEST_F(WritingFiles, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    writeFile("a.txt", "old");
    Written written;
    {
        const FileSizeLimit limit(1024);
        written = replaceFile(path("a.txt"), QByteArray(4096, 'x'));
    }
    EXPECT_EQ(written.step, Step::Writing);
    EXPECT_EQ(written.error, EFBIG);
    EXPECT_EQ(written.reason(), systemError(EFBIG));
    EXPECT_EQ(contentsOf(path("a.txt")), "old");
    EXPECT_EQ(entries(), QStringList{"a.txt"});
}

TEST_F(WritingFiles, AbandonedOrThrowingWriterKeepsTheOldFileAndLeavesNoTemporaryFile) {
    writeFile("a.txt", "old");
    EXPECT_EQ(replaceFile(path("a.txt"), [](const QString&) { return false; }).step, Step::Writing);
    EXPECT_THROW(replaceFile(path("a.txt"),
                             [](const QString& temporary) -> bool {
                                 QFile file(temporary);
                                 if (file.open(QIODevice::WriteOnly))
                                     file.write("half");
                                 throw std::runtime_error("the writer gave up");
                             }),
                 std::runtime_error);
    EXPECT_EQ(contentsOf(path("a.txt")), "old");
    EXPECT_EQ(entries(), QStringList{"a.txt"});
}

TEST_F(WritingFiles, WhatCannotBeWrittenSaysWhy) {
    ASSERT_TRUE(QDir(folder_.path()).mkpath("folder/inside"));
    EXPECT_EQ(replaceFile(path("missing/a.txt"), QByteArray("x")).step, Step::NoFolder);
    EXPECT_EQ(replaceFile(path("folder"), QByteArray("x")).step, Step::TargetIsFolder);
    EXPECT_EQ(replaceFile(path("folder/"), QByteArray("x")).step, Step::NoFileName);
    EXPECT_EQ(replaceFile(QString(), QByteArray("x")).step, Step::NoFileName);
    EXPECT_TRUE(QFileInfo(path("folder/inside")).isDir());
    EXPECT_EQ(entries(), QStringList{"folder"});
}

TEST_F(WritingFiles, AFolderWhereNothingCanBeCreatedIsAFailureToCreate) {
    // Permission bits do not stop a privileged user; the kernel's own folders stop everyone.
    QStringList unwritable{QStringLiteral("/sys")};
    if (::geteuid() != 0) {
        ASSERT_TRUE(QDir(folder_.path()).mkdir("locked"));
        ASSERT_EQ(::chmod(QFile::encodeName(path("locked")).constData(), 0555), 0);
        unwritable << path("locked");
    }
    for (const QString& folder : unwritable) {
        SCOPED_TRACE(folder.toStdString());
        const Written replaced = replaceFile(folder + "/a.txt", QByteArray("x"));
        EXPECT_EQ(replaced.step, Step::Creating);
        EXPECT_EQ(replaced.error, EACCES);
        EXPECT_EQ(writeNewFile(folder, numbered, 3, "x").step, Step::Creating);
    }
    if (::geteuid() != 0) {
        EXPECT_TRUE(QDir(path("locked")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System));
    }
}

struct FreeNameCase {
    const char* name;
    std::vector<QString> files;   // existing files, the user's own
    std::vector<QString> links;   // planted, dangling into the folder's "target"
    std::vector<QString> folders; // existing folders
    QString expected;
};

class FirstFreeName : public WritingFiles, public testing::WithParamInterface<FreeNameCase> {};

TEST_P(FirstFreeName, IsTakenWithoutReplacingAnything) {
    const FreeNameCase& given = GetParam();
    for (const QString& name : given.files)
        writeFile(name, "the user's own");
    for (const QString& name : given.links) {
        ASSERT_TRUE(QFile::link(path("target"), path(name)));
    }
    for (const QString& name : given.folders) {
        ASSERT_TRUE(QDir(folder_.path()).mkdir(name));
    }

    const Written written = writeNewFile(folder_.path(), numbered, 10, "letter");

    ASSERT_TRUE(written.ok()) << written.reason().toStdString();
    EXPECT_EQ(written.path, path(given.expected));
    EXPECT_EQ(contentsOf(written.path), "letter");
    EXPECT_EQ(modeOf(written.path), usualMode());
    for (const QString& name : given.files)
        EXPECT_EQ(contentsOf(path(name)), "the user's own");
    EXPECT_FALSE(QFileInfo::exists(path("target")));
    EXPECT_EQ(entries().size(),
              qsizetype(given.files.size() + given.links.size() + given.folders.size() + 1));
}

INSTANTIATE_TEST_SUITE_P(
    Names, FirstFreeName,
    testing::Values(FreeNameCase{"EmptyFolder", {}, {}, {}, "Letter.docx"},
                    FreeNameCase{"FirstTaken", {"Letter.docx", "Letter (2).docx"}, {}, {}, "Letter (3).docx"},
                    FreeNameCase{"GapFilled", {"Letter (2).docx"}, {}, {}, "Letter.docx"},
                    FreeNameCase{"PlantedLink", {}, {"Letter.docx"}, {}, "Letter (2).docx"},
                    FreeNameCase{"FolderInTheWay", {}, {}, {"Letter.docx"}, "Letter (2).docx"}),
    [](const testing::TestParamInfo<FreeNameCase>& info) { return std::string(info.param.name); });

TEST_F(WritingFiles, EveryNameTakenIsAFailureThatLeavesNoTemporaryFile) {
    writeFile("Letter.docx", "one");
    writeFile("Letter (2).docx", "two");
    const Written written = writeNewFile(folder_.path(), numbered, 2, "letter");
    EXPECT_EQ(written.step, Step::NamesTaken);
    EXPECT_EQ(contentsOf(path("Letter.docx")), "one");
    EXPECT_EQ(entries(), (QStringList{"Letter (2).docx", "Letter.docx"}));
}

TEST_F(WritingFiles, FailedNewFileLeavesNothing) {
    Written written;
    {
        const FileSizeLimit limit(16);
        written = writeNewFile(folder_.path(), numbered, 2, QByteArray(64, 'x'));
    }
    EXPECT_EQ(written.step, Step::Writing);
    EXPECT_EQ(written.error, EFBIG);
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(writeNewFile(path("missing"), numbered, 2, "x").step, Step::NoFolder);
}

// Batching changes when the files reach the disk and nothing else: the same names, bytes and
// permissions, planted links never followed, failures that leave nothing behind.
TEST_F(WritingFiles, BatchedFilesAreWrittenAsAnyOtherAndSyncedTogether) {
    ASSERT_TRUE(QFile::link(path("target"), path("Letter.docx")));
    writeFile("b.txt", "old");
    const Written added = writeNewFile(folder_.path(), numbered, 10, "one", Durability::Batched);
    const Written replaced = replaceFile(path("b.txt"), "two", Durability::Batched);
    Written failed;
    {
        const FileSizeLimit limit(16);
        failed = writeNewFile(folder_.path(), numbered, 10, QByteArray(64, 'x'), Durability::Batched);
    }

    ASSERT_TRUE(added.ok()) << added.reason().toStdString();
    ASSERT_TRUE(replaced.ok()) << replaced.reason().toStdString();
    EXPECT_EQ(added.path, path("Letter (2).docx"));
    EXPECT_EQ(contentsOf(added.path), "one");
    EXPECT_EQ(modeOf(added.path), usualMode());
    EXPECT_EQ(contentsOf(path("b.txt")), "two");
    EXPECT_EQ(failed.step, Step::Writing);
    EXPECT_FALSE(QFileInfo::exists(path("target")));
    EXPECT_EQ(entries(), (QStringList{"Letter (2).docx", "Letter.docx", "b.txt"}));
    EXPECT_EQ(syncFileSystem(folder_.path()), 0);
    EXPECT_EQ(syncFileSystem(path("missing")), ENOENT);
}

// --- A file written piece by piece -----------------------------------------------------------------------

TEST_F(WritingFiles, GrowingFileTakesTheFirstFreeNameOnlyWhenPlaced) {
    writeFile("Letter.docx", "one");
    ASSERT_TRUE(QFile::link(path("target"), path("Letter (2).docx")));
    GrowingFile file(folder_.path());
    ASSERT_NE(file.device(), nullptr);
    for (int piece = 0; piece < 1000; ++piece)
        ASSERT_EQ(file.device()->write(QByteArray(100, char('a' + piece % 26))), 100);
    EXPECT_EQ(entries().filter(QStringLiteral(".tmp")).size(), 1) << "it grows under a name of its own";

    const Written placed = file.placeNew(numbered, 10, Durability::Batched);
    ASSERT_TRUE(placed.ok()) << placed.reason().toStdString();
    EXPECT_EQ(placed.path, path("Letter (3).docx"));
    EXPECT_EQ(QFileInfo(placed.path).size(), 100'000);
    EXPECT_EQ(contentsOf(placed.path).mid(2600, 100), QByteArray(100, 'a'));
    EXPECT_EQ(modeOf(placed.path), usualMode());
    EXPECT_EQ(contentsOf(path("Letter.docx")), "one");
    EXPECT_FALSE(QFileInfo::exists(path("target")));
    EXPECT_EQ(entries(), (QStringList{"Letter (2).docx", "Letter (3).docx", "Letter.docx"}));
}

TEST_F(WritingFiles, GrowingFileThatFailsOrIsDroppedLeavesNothing) {
    {
        GrowingFile dropped(folder_.path());
        dropped.device()->write("half a letter");
    }
    EXPECT_TRUE(entries().isEmpty());

    Written written;
    {
        const FileSizeLimit limit(16);
        GrowingFile tooLarge(folder_.path());
        tooLarge.device()->write(QByteArray(64, 'x'));
        written = tooLarge.placeNew(numbered, 2);
    }
    EXPECT_EQ(written.step, Step::Writing);
    EXPECT_TRUE(entries().isEmpty());

    GrowingFile nowhere(path("missing"));
    EXPECT_EQ(nowhere.device(), nullptr);
    EXPECT_EQ(nowhere.placeNew(numbered, 2).step, Step::NoFolder);
}

} // namespace
