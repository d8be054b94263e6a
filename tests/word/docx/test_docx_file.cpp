// Saving and opening files: atomic replacement, planted links, failures that must not cost the old file.

#include "docx_models.h"
#include "word/engine/docx.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace docxtest;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

int errorNumberOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const AutomationError& error) {
        EXPECT_FALSE(error.description.isEmpty());
        return error.number;
    }
    return 0;
}

class DocxFile : public testing::Test {
protected:
    QString path(const QString& name) const { return folder_.filePath(name); }
    // Everything in the folder, hidden files included: a failed save leaves no temporary file behind.
    QStringList entries() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder_;
};

TEST_F(DocxFile, SavedDocumentOpensAsTheSameModel) {
    const DocumentModel model = letterModel(true);
    saveDocx(model, path("letter.docx"));
    EXPECT_EQ(contentsOf(path("letter.docx")), docxBytes(model));
    EXPECT_EQ(openDocx(path("letter.docx")), model);
    EXPECT_EQ(entries(), QStringList{"letter.docx"});
}

TEST_F(DocxFile, SaveReplacesAnExistingFileAndKeepsItsPermissions) {
    writeFile(path("letter.docx"), "old contents");
    ASSERT_EQ(::chmod(QFile::encodeName(path("letter.docx")).constData(), 0640), 0);
    saveDocx(letterModel(false), path("letter.docx"));

    EXPECT_EQ(contentsOf(path("letter.docx")), docxBytes(letterModel(false)));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path("letter.docx")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(DocxFile, SaveReplacesAPlantedLinkInsteadOfWritingThroughIt) {
    writeFile(path("victim"), "precious");
    ASSERT_TRUE(QFile::link(path("victim"), path("letter.docx")));
    ASSERT_TRUE(QFile::link(path("nowhere"), path("dangling.docx")));

    saveDocx(letterModel(false), path("letter.docx"));
    saveDocx(letterModel(false), path("dangling.docx"));

    EXPECT_EQ(contentsOf(path("victim")), "precious");
    EXPECT_FALSE(QFileInfo::exists(path("nowhere")));
    for (const QString& saved : {path("letter.docx"), path("dangling.docx")}) {
        EXPECT_FALSE(QFileInfo(saved).isSymLink());
        EXPECT_EQ(contentsOf(saved), docxBytes(letterModel(false)));
    }
}

TEST_F(DocxFile, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    writeFile(path("letter.docx"), "old contents");
    // Files may grow to 1 KiB only: writing the package fails as on a full disk.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int number = errorNumberOf([&] { saveDocx(letterModel(true), path("letter.docx")); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(number, errors::FileAccess);
    EXPECT_EQ(contentsOf(path("letter.docx")), "old contents");
    EXPECT_EQ(entries(), QStringList{"letter.docx"});
}

TEST_F(DocxFile, SaveOverAFolderFailsAndLeavesIt) {
    ASSERT_TRUE(QDir(folder_.path()).mkpath("letter.docx/inside"));
    EXPECT_EQ(errorNumberOf([&] { saveDocx(letterModel(false), path("letter.docx")); }), errors::FileAccess);
    EXPECT_TRUE(QFileInfo(path("letter.docx/inside")).isDir());
    EXPECT_EQ(entries(), QStringList{"letter.docx"});
}

TEST_F(DocxFile, SaveIntoAMissingFolderFails) {
    EXPECT_EQ(errorNumberOf([&] { saveDocx(letterModel(false), path("missing/letter.docx")); }),
              errors::FileNotFound);
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(DocxFile, OpenFailsForMissingFilesFoldersAndNonDocuments) {
    writeFile(path("notes.txt"), "Dear Sir");
    EXPECT_EQ(errorNumberOf([&] { openDocx(path("missing.docx")); }), errors::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { openDocx(folder_.path()); }), errors::BadDocument);
    EXPECT_EQ(errorNumberOf([&] { openDocx(path("notes.txt")); }), errors::BadDocument);
    EXPECT_EQ(errorNumberOf([&] { openDocx(QStringLiteral("/dev/zero")); }), errors::BadDocument);
}

TEST_F(DocxFile, OpenRefusesAFileLargerThanTheLimit) {
    saveDocx(letterModel(true), path("letter.docx"));
    word::engine::DocxReadLimits limits;
    limits.fileSize = 1000;
    EXPECT_EQ(errorNumberOf([&] { openDocx(path("letter.docx"), limits); }), errors::BadDocument);
}

} // namespace
