// Two runs of the program from one program directory: the picture files have fixed names there, and
// neither run may replace or remove the other's while its letter is built. Each run is a process of its
// own (letters_in_folder), as two wizards started from one installation are.

#include "letterview.h"
#include "styledletter.h"

#include "artwork/artwork.h"
#include "builder/style.h"
#include "word/engine/docx.h"

#include <QTest>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <map>
#include <optional>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace tavrin::testing {
namespace {

using word::engine::DocumentModel;
using word::engine::Picture;

constexpr std::chrono::seconds Patience{60};

std::vector<Style> stylesWithPictures() {
    std::vector<Style> styles;
    for (Style style : AllStyles)
        if (style != Style::Simple)
            styles.push_back(style);
    return styles;
}

// Every picture of the letter, in document order, with the bytes embedded in its package.
std::vector<Picture> picturesOf(const DocumentModel& model) {
    std::vector<Picture> pictures;
    auto collect = [&](const word::engine::Paragraph& paragraph) {
        for (const auto& piece : paragraph.content)
            if (const auto* picture = std::get_if<Picture>(&piece))
                pictures.push_back(*picture);
    };
    for (const LetterLine& line : linesOf(model))
        collect(*line.paragraph);
    return pictures;
}

std::vector<std::string> marks(const std::vector<Picture>& pictures) {
    std::vector<std::string> shown;
    for (const Picture& picture : pictures)
        shown.push_back(pictureMark(picture).toStdString());
    return shown;
}

// The pictures each style's letter has when it is built alone, as its package stores them.
std::map<Style, std::vector<Picture>> expectedPictures() {
    std::map<Style, std::vector<Picture>> expected;
    for (Style style : stylesWithPictures()) {
        StyledLetter letter;
        letter.build(sampleChoices(style));
        expected[style] = picturesOf(word::engine::docxStoredForm(letter.model()));
    }
    return expected;
}

class LettersInFolder {
public:
    LettersInFolder(const QString& programDirectory, const QString& output, int rounds,
                    const QString& signal) {
        const QByteArray arguments[] = {LETTERS_IN_FOLDER, QFile::encodeName(programDirectory),
                                        QFile::encodeName(output), QByteArray::number(rounds),
                                        QFile::encodeName(signal)};
        std::vector<char*> argv;
        for (const QByteArray& argument : arguments)
            argv.push_back(const_cast<char*>(argument.constData()));
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, LETTERS_IN_FOLDER, nullptr, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
    }
    ~LettersInFolder() {
        if (pid_ > 0 && !status_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    LettersInFolder(const LettersInFolder&) = delete;
    LettersInFolder& operator=(const LettersInFolder&) = delete;

    bool started() const { return pid_ > 0; }
    // The exit status once it has ended within the deadline; nothing when it is still running by then.
    std::optional<int> exitStatus(std::chrono::steady_clock::time_point deadline) {
        while (!status_ && std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_)
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return status_;
    }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

bool touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

QStringList entriesOf(const QString& directory) {
    return QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Every letter the run wrote has every picture of its style, the very bytes a run alone embeds.
void expectCompleteLetters(const QString& output, int rounds,
                           const std::map<Style, std::vector<Picture>>& expected) {
    for (int round = 1; round <= rounds; ++round) {
        for (const auto& [style, pictures] : expected) {
            const QString path = QStringLiteral("%1/%2-%3.docx").arg(output, styleName(style)).arg(round);
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
            const std::vector<Picture> written = picturesOf(word::engine::openDocx(path));
            QVERIFY2(marks(written) == marks(pictures), qPrintable(path));
            QVERIFY2(written == pictures, qPrintable(path));
        }
    }
}

} // namespace

class TwoRunsInOneFolder : public QObject {
    Q_OBJECT

private slots:
    void bothLettersKeepAllTheirPictures() {
        const auto expected = expectedPictures();
        QTemporaryDir program, outputs;
        QVERIFY(program.isValid() && outputs.isValid());
        const QString firstOutput = outputs.filePath(QStringLiteral("first"));
        const QString secondOutput = outputs.filePath(QStringLiteral("second"));
        QVERIFY(QDir().mkpath(firstOutput) && QDir().mkpath(secondOutput));
        const QString signal = outputs.filePath(QStringLiteral("go"));
        constexpr int Rounds = 10;

        LettersInFolder first(program.path(), firstOutput, Rounds, signal);
        LettersInFolder second(program.path(), secondOutput, Rounds, signal);
        QVERIFY(first.started() && second.started());
        QVERIFY(touch(signal));
        const auto deadline = std::chrono::steady_clock::now() + Patience;
        QCOMPARE(first.exitStatus(deadline), std::optional<int>(0));
        QCOMPARE(second.exitStatus(deadline), std::optional<int>(0));

        expectCompleteLetters(firstOutput, Rounds, expected);
        if (QTest::currentTestFailed())
            return;
        expectCompleteLetters(secondOutput, Rounds, expected);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(entriesOf(program.path()), QStringList());
    }

    // A run that finds the folder taken for longer than it waits writes its pictures elsewhere, and the
    // pictures of the run holding the folder stay exactly as that run wrote them.
    void runFindingTheFolderTakenUsesItsOwn() {
        const auto expected = expectedPictures();
        QTemporaryDir program, outputs;
        QVERIFY(program.isValid() && outputs.isValid());
        const QString signal = outputs.filePath(QStringLiteral("go"));
        QVERIFY(touch(signal));

        std::map<artwork::StylePicture, ino_t> held;
        {
            const artwork::PictureFolder holding(program.path());
            for (auto picture : {artwork::StylePicture::PictureDark, artwork::StylePicture::DarkLine,
                                 artwork::StylePicture::PictureRomantic}) {
                QVERIFY(holding.write(picture));
                struct stat status {};
                QCOMPARE(stat(QFile::encodeName(holding.path(picture)).constData(), &status), 0);
                held[picture] = status.st_ino;
            }

            LettersInFolder waiting(program.path(), outputs.path(), 1, signal);
            QVERIFY(waiting.started());
            QCOMPARE(waiting.exitStatus(std::chrono::steady_clock::now() + Patience), std::optional<int>(0));
            expectCompleteLetters(outputs.path(), 1, expected);
            if (QTest::currentTestFailed())
                return;

            for (const auto& [picture, inode] : held) {
                struct stat status {};
                QVERIFY2(
                    stat(QFile::encodeName(holding.path(picture)).constData(), &status) == 0,
                    qPrintable(QStringLiteral("removed by the other run: ") + artwork::fileName(picture)));
                QVERIFY2(status.st_ino == inode, "replaced by the other run");
                QCOMPARE(QImage(holding.path(picture)).size(), artwork::image(picture).size());
                QVERIFY(holding.remove(picture));
            }
        }
        QCOMPARE(entriesOf(program.path()), QStringList());
    }
};

} // namespace tavrin::testing

QTEST_GUILESS_MAIN(tavrin::testing::TwoRunsInOneFolder)
#include "test_styles_two_runs.moc"
