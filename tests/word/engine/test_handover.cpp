// Handing the letters over at the end: new names that never replace anything, what is printed and
// opened, no file left when saving fails, and which engine documents go.

#include "tests/word/engine/handovertesting.h"
#include "word/engine/docx.h"
#include "word/engine/engine.h"
#include "word/engine/handover.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <grp.h>
#include <new>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace word::engine;
using namespace word::engine::testing;

namespace {

const QDate Day(2026, 12, 8);

// A desktop in a temporary folder that remembers what it was asked to open and print.
struct TestDesktop {
    QStringList opened, printed;
    Desktop desktop(const QString& folder) {
        return {folder,
                [this](const QString& path) {
                    opened.append(path);
                    return Opened();
                },
                [this](const QString& line) { printed.append(line); }};
    }
};

// Files larger than `bytes` cannot be written while this lives, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

} // namespace

class HandOverTest : public QObject {
    Q_OBJECT
private slots:
    void newNamesNeverReplace_data();
    void newNamesNeverReplace();
    void savesReadableLettersAndShowsTheVisibleOnes();
    void createsTheMissingFolder();
    void failureLeavesNoFile_data();
    void failureLeavesNoFile();
    void closedWithoutSavingIsNotHandedOver();
    void documentsFolderThatCannotTakeTheLetter_data();
    void documentsFolderThatCannotTakeTheLetter();
    void readOnlyDocumentsFolderForAnUnprivilegedUser();
    void exceptionWhileOneLetterIsSavedSparesTheOther_data();
    void exceptionWhileOneLetterIsSavedSparesTheOther();
    void askedWhereToSave_data();
    void askedWhereToSave();
    void letterNoApplicationOpens_data();
    void letterNoApplicationOpens();
};

void HandOverTest::newNamesNeverReplace_data() {
    QTest::addColumn<QStringList>("existingFiles");
    QTest::addColumn<QStringList>("plantedLinks"); // dangling, pointing into the folder's "target" file
    QTest::addColumn<int>("documents");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty folder") << QStringList() << QStringList() << 2
                                  << QStringList{"Letter 2026-12-08.docx", "Letter 2026-12-08 (2).docx"};
    QTest::newRow("first names taken") << QStringList{"Letter 2026-12-08.docx", "Letter 2026-12-08 (2).docx"}
                                       << QStringList() << 1 << QStringList{"Letter 2026-12-08 (3).docx"};
    QTest::newRow("gap is filled") << QStringList{"Letter 2026-12-08 (2).docx"} << QStringList() << 2
                                   << QStringList{"Letter 2026-12-08.docx", "Letter 2026-12-08 (3).docx"};
    QTest::newRow("planted link is neither followed nor replaced")
        << QStringList() << QStringList{"Letter 2026-12-08.docx"} << 1
        << QStringList{"Letter 2026-12-08 (2).docx"};
}

void HandOverTest::newNamesNeverReplace() {
    QFETCH(QStringList, existingFiles);
    QFETCH(QStringList, plantedLinks);
    QFETCH(int, documents);
    QFETCH(QStringList, expected);
    QTemporaryDir folder;
    const QDir dir(folder.path());
    for (const QString& name : existingFiles) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the user's own file");
    }
    for (const QString& name : plantedLinks)
        QVERIFY(QFile::link(dir.filePath("target"), dir.filePath(name)));
    const DocumentModel model = letterSaying("Hello");
    std::vector<DocumentToHandOver> toHandOver(documents, {&model, false});
    TestDesktop desktop;

    const HandOverResult result = handOver(toHandOver, desktop.desktop(folder.path()), Day);

    QVERIFY(result.failures.isEmpty());
    QStringList savedNames;
    for (const QString& path : result.saved)
        savedNames.append(QFileInfo(path).fileName());
    QCOMPARE(savedNames, expected);
    for (const QString& name : existingFiles)
        QCOMPARE(contentOf(dir.filePath(name)), QByteArray("the user's own file"));
    QVERIFY(!QFileInfo::exists(dir.filePath("target")));
    QCOMPARE(entriesOf(folder.path()).size(), existingFiles.size() + plantedLinks.size() + documents);
}

void HandOverTest::savesReadableLettersAndShowsTheVisibleOnes() {
    QTemporaryDir folder;
    const DocumentModel hidden = letterSaying("Hidden <&> letter");
    const DocumentModel shown = letterSaying("Shown letter, Київ");
    TestDesktop desktop;

    const HandOverResult result =
        handOver({{&hidden, false}, {&shown, true}}, desktop.desktop(folder.path()), Day);

    QCOMPARE(result.saved.size(), 2);
    QCOMPARE(desktop.printed, result.saved);
    QCOMPARE(desktop.opened, QStringList{result.saved.at(1)});
    QCOMPARE(openDocx(result.saved.at(0)), docxStoredForm(hidden));
    QCOMPARE(openDocx(result.saved.at(1)), docxStoredForm(shown));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(result.saved.at(0)).constData(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QCOMPARE(info.st_mode & 0777, 0666 & ~mask); // an ordinary file, not a private temporary one
}

void HandOverTest::createsTheMissingFolder() {
    QTemporaryDir home;
    const QString documents = home.filePath("Documents/Letters");
    const DocumentModel model = letterSaying("Hello");
    TestDesktop desktop;

    const HandOverResult result = handOver({{&model, true}}, desktop.desktop(documents), Day);

    QCOMPARE(result.saved, QStringList{documents + "/Letter 2026-12-08.docx"});
    QVERIFY(QFileInfo(result.saved.at(0)).isFile());
}

void HandOverTest::failureLeavesNoFile_data() {
    QTest::addColumn<bool>("folderIsAFile");
    QTest::addColumn<int>("fileSizeLimit"); // 0: none
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder cannot be created, no fallback") << true << 0 << "the folder cannot be created.";
    QTest::newRow("disk full while writing")
        << false << 512 << QString::fromLocal8Bit(std::strerror(EFBIG)) + '.';
}

void HandOverTest::failureLeavesNoFile() {
    QFETCH(bool, folderIsAFile);
    QFETCH(int, fileSizeLimit);
    QFETCH(QString, reason);
    QTemporaryDir home;
    QString documents = home.filePath("Documents");
    if (folderIsAFile) {
        QFile blocker(documents);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        documents += "/Letters";
    } else {
        QVERIFY(QDir().mkpath(documents));
    }
    const DocumentModel first = letterSaying("First"), second = letterSaying("Second");
    TestDesktop desktop;

    // A full disk fills the fallbacks too.
    QTemporaryDir temporary;
    Desktop withFallbacks = desktop.desktop(documents);
    if (fileSizeLimit) {
        withFallbacks.homeFolder = home.path();
        withFallbacks.temporaryFolder = temporary.path();
    }
    HandOverResult result;
    {
        std::optional<FileSizeLimit> limit;
        if (fileSizeLimit)
            limit.emplace(fileSizeLimit);
        result = handOver({{&first, true}, {&second, false}}, withFallbacks, Day);
    }

    QVERIFY(result.saved.isEmpty());
    QCOMPARE(result.failures.size(), 2);
    QVERIFY2(result.failures.at(0).startsWith("The letter could not be saved in "),
             qPrintable(result.failures.at(0)));
    QVERIFY(desktop.opened.isEmpty());
    QVERIFY(desktop.printed.isEmpty());
    QCOMPARE(entriesOf(home.path()), QStringList{"Documents"});
    QCOMPARE(entriesOf(temporary.path()), QStringList());
    if (!folderIsAFile)
        QCOMPARE(entriesOf(documents), QStringList());
}

void HandOverTest::closedWithoutSavingIsNotHandedOver() {
    QTemporaryDir folder;
    Engine engine;
    word::Ref<word::Application> application = engine.CreateApplication();
    application->setVisible(true);
    word::Ref<word::Document> kept = engine.CreateDocument();
    kept->ActiveWindow()->Selection()->TypeText("Kept");
    word::Ref<word::Document> dropped = engine.CreateDocument();
    dropped->ActiveWindow()->Selection()->TypeText("Dropped");
    dropped->Close(false);
    engine.CreateApplication()->Documents()->Add(); // a second application, never shown
    TestDesktop desktop;

    const HandOverResult result = handOverOpenDocuments(engine, desktop.desktop(folder.path()));

    QCOMPARE(result.saved.size(), 2);
    QCOMPARE(openDocx(result.saved.at(0)), docxStoredForm(modelOf(kept)));
    QCOMPARE(desktop.opened, QStringList{result.saved.at(0)});
    QCOMPARE(entriesOf(folder.path()).size(), 2);
}

void HandOverTest::documentsFolderThatCannotTakeTheLetter_data() {
    QTest::addColumn<bool>("homeExists");
    QTest::addColumn<QString>("expectedFolder"); // "home" or "temporary"
    QTest::newRow("a file in its place: the home folder") << true << "home";
    QTest::newRow("no home folder either: a private temporary folder") << false << "temporary";
}

void HandOverTest::documentsFolderThatCannotTakeTheLetter() {
    QFETCH(bool, homeExists);
    QFETCH(QString, expectedFolder);
    QTemporaryDir root, temporary;
    const QString home = root.filePath(homeExists ? "home" : "no-home");
    if (homeExists)
        QVERIFY(QDir().mkpath(home));
    QFile blocker(root.filePath("Documents"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const QString documents = root.filePath("Documents/Letters");
    const DocumentModel first = letterSaying("First"), second = letterSaying("Second");
    TestDesktop desktop;
    Desktop withFallbacks = desktop.desktop(documents);
    withFallbacks.homeFolder = home;
    withFallbacks.temporaryFolder = temporary.path();

    const HandOverResult result = handOver({{&first, true}, {&second, false}}, withFallbacks, Day);

    QVERIFY2(result.failures.isEmpty(), qPrintable(result.failures.join('\n')));
    QCOMPARE(result.saved.size(), 2);
    QString folder = home;
    if (expectedFolder == "temporary") {
        const QStringList made = entriesOf(temporary.path());
        QCOMPARE(made.size(), 1);
        QVERIFY(made.at(0).startsWith("tavrin-letters-"));
        folder = QDir(temporary.path()).filePath(made.at(0));
        QCOMPARE(QFileInfo(folder).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::Permissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    QCOMPARE(result.saved,
             (QStringList{folder + "/Letter 2026-12-08.docx", folder + "/Letter 2026-12-08 (2).docx"}));
    QCOMPARE(openDocx(result.saved.at(0)), docxStoredForm(first));
    QCOMPARE(openDocx(result.saved.at(1)), docxStoredForm(second));
    QCOMPARE(desktop.opened, QStringList{result.saved.at(0)});
    const QString why = "The letter could not be saved in " + documents + ": the folder cannot be created.";
    QCOMPARE(result.savedElsewhere, (QStringList{why + " It is saved as " + result.saved.at(0) + ".",
                                                 why + " It is saved as " + result.saved.at(1) + "."}));
}

// Run as root, the hand-over runs in a child dropped to nobody, for whom root's folders are read-only.
void HandOverTest::readOnlyDocumentsFolderForAnUnprivilegedUser() {
    constexpr uid_t Nobody = 65534;
    constexpr int SavedAsExpected = 0, NotSavedAsExpected = 91, CannotDropPrivileges = 92;
    QTemporaryDir root, temporary;
    const QString documents = root.filePath("Documents");
    QVERIFY(QDir().mkpath(documents));
    const QFile::Permissions readOnly =
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(documents, readOnly));
    QVERIFY(QFile::setPermissions(root.path(), readOnly)); // the home folder, read-only as well
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(root.path(), readOnly | QFile::WriteOwner);
        QFile::setPermissions(documents, readOnly | QFile::WriteOwner);
    });
    QCOMPARE(::chmod(QFile::encodeName(temporary.path()).constData(), 01777), 0); // as /tmp is
    const DocumentModel letter = letterSaying("Kept");
    const auto handOverAndJudge = [&] {
        TestDesktop desktop;
        Desktop withFallbacks = desktop.desktop(documents);
        withFallbacks.homeFolder = root.path();
        withFallbacks.temporaryFolder = temporary.path();
        const HandOverResult result = handOver({{&letter, false}}, withFallbacks, Day);
        const bool asExpected = result.saved.size() == 1 && result.failures.isEmpty() &&
                                result.saved.at(0).startsWith(temporary.path() + "/tavrin-letters-") &&
                                result.savedElsewhere.size() == 1 &&
                                result.savedElsewhere.at(0).contains(result.saved.at(0));
        return asExpected ? SavedAsExpected : NotSavedAsExpected;
    };
    int outcome = NotSavedAsExpected;
    if (::geteuid() != 0) {
        outcome = handOverAndJudge();
    } else {
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                ::_exit(CannotDropPrivileges);
            ::_exit(handOverAndJudge());
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        outcome = WEXITSTATUS(status);
    }

    QCOMPARE(outcome, SavedAsExpected);
    QCOMPARE(entriesOf(documents), QStringList());
    QCOMPARE(entriesOf(root.path()), QStringList{"Documents"});
    const QStringList made = entriesOf(temporary.path());
    QCOMPARE(made.size(), 1);
    QCOMPARE(entriesOf(QDir(temporary.path()).filePath(made.at(0))), QStringList{"Letter 2026-12-08.docx"});
}

void HandOverTest::exceptionWhileOneLetterIsSavedSparesTheOther_data() {
    QTest::addColumn<int>("failingLetter");
    QTest::addColumn<QString>("thrown");
    QTest::addColumn<QString>("reason");
    QTest::newRow("out of memory in the first") << 0 << "bad_alloc"
                                                << "there was not enough memory";
    QTest::newRow("out of memory in the second") << 1 << "bad_alloc"
                                                 << "there was not enough memory";
    QTest::newRow("standard exception") << 0 << "length_error"
                                        << "package too long";
    QTest::newRow("automation error") << 1 << "automation"
                                      << "The package broke";
}

void HandOverTest::exceptionWhileOneLetterIsSavedSparesTheOther() {
    QFETCH(int, failingLetter);
    QFETCH(QString, thrown);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const DocumentModel letters[] = {letterSaying("First"), letterSaying("Second")};
    // The package writer fails for one letter only, as the real one does when memory runs out.
    const PackageWriter failing = [&](const DocumentModel& model) {
        if (&model != &letters[failingLetter])
            return docxBytes(model);
        if (thrown == "bad_alloc")
            throw std::bad_alloc();
        if (thrown == "length_error")
            throw std::length_error("package too long");
        throw word::AutomationError(5, "The package broke");
    };
    TestDesktop desktop;

    const HandOverResult result =
        handOver({{&letters[0], true}, {&letters[1], true}}, desktop.desktop(folder.path()), Day, failing);

    const DocumentModel& spared = letters[1 - failingLetter];
    QCOMPARE(result.saved.size(), 1);
    QCOMPARE(openDocx(result.saved.at(0)), docxStoredForm(spared));
    QCOMPARE(desktop.opened, result.saved);
    QCOMPARE(result.failures, QStringList{QStringLiteral("The letter could not be saved in %1: %2.")
                                              .arg(QDir::toNativeSeparators(folder.path()), reason)});
    QCOMPARE(entriesOf(folder.path()), QStringList{QFileInfo(result.saved.at(0)).fileName()});
}

void HandOverTest::askedWhereToSave_data() {
    QTest::addColumn<int>("answer");     // a SavePlace::Answer
    QTest::addColumn<QString>("chosen"); // relative to the test's folder
    QTest::addColumn<bool>("homeExists");
    QTest::addColumn<QString>("expected"); // relative to the test's folder; "temporary/": the private one
    QTest::addColumn<QString>("chosenError");
    const int chosen = int(SavePlace::Answer::Chosen), keep = int(SavePlace::Answer::Keep),
              discard = int(SavePlace::Answer::Discard);
    QTest::newRow("the chosen place") << chosen << "other/Mine.docx" << true << "other/Mine.docx"
                                      << "";
    QTest::newRow("a taken name is not replaced")
        << chosen << "other/Taken.docx" << true << "other/Taken (2).docx"
        << "";
    QTest::newRow("the chosen place fails too: the home folder")
        << chosen << "Documents/Mine.docx" << true << "home/Letter 2026-12-08.docx"
        << QString::fromLocal8Bit(std::strerror(ENOTDIR));
    QTest::newRow("kept: the home folder") << keep << "" << true << "home/Letter 2026-12-08.docx"
                                           << "";
    QTest::newRow("kept without a home: a private temporary folder")
        << keep << "" << false << "temporary/Letter 2026-12-08.docx"
        << "";
    QTest::newRow("discarded") << discard << "" << true << ""
                               << "";
}

// The user's answers as the desktop gives them: where a letter goes, and what the message says.
void HandOverTest::askedWhereToSave() {
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    QFETCH(bool, homeExists);
    QFETCH(QString, expected);
    QFETCH(QString, chosenError);
    QTemporaryDir root, temporary;
    const QDir dir(root.path());
    QVERIFY(dir.mkpath("other"));
    if (homeExists)
        QVERIFY(dir.mkpath("home"));
    for (const QString& name : {QStringLiteral("Documents"), QStringLiteral("other/Taken.docx")}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the user's own file");
    }
    const QString documents = dir.filePath("Documents/Letters");
    const DocumentModel letter = letterSaying("Asked");
    TestDesktop test;
    Desktop desktop = test.desktop(documents);
    desktop.homeFolder = dir.filePath("home");
    desktop.temporaryFolder = temporary.path();
    QStringList asked;
    desktop.askWhereToSave = [&](const QString& suggestedPath, const QString& why) {
        asked << suggestedPath << why;
        return SavePlace{SavePlace::Answer(answer), chosen.isEmpty() ? QString() : dir.filePath(chosen)};
    };

    const HandOverResult result = handOver({{&letter, true}}, desktop, Day);

    const QString notInDocuments =
        "The letter could not be saved in " + documents + ": the folder cannot be created.";
    QCOMPARE(asked, (QStringList{dir.filePath("home/Letter 2026-12-08.docx"), notInDocuments}));
    QVERIFY(result.failures.isEmpty());
    QCOMPARE(contentOf(dir.filePath("other/Taken.docx")), QByteArray("the user's own file"));
    if (expected.isEmpty()) {
        QCOMPARE(result.discarded, 1);
        QVERIFY(result.saved.isEmpty() && result.savedElsewhere.isEmpty() && test.opened.isEmpty());
        QCOMPARE(entriesOf(dir.filePath("home")), QStringList());
        QCOMPARE(entriesOf(temporary.path()), QStringList());
        return;
    }
    QString path = dir.filePath(expected);
    if (expected.startsWith("temporary/")) {
        const QStringList made = entriesOf(temporary.path());
        QCOMPARE(made.size(), 1);
        path = QDir(temporary.path()).filePath(made.at(0) + expected.mid(9));
    }
    QCOMPARE(result.discarded, 0);
    QCOMPARE(result.saved, QStringList{path});
    QCOMPARE(openDocx(path), docxStoredForm(letter));
    QCOMPARE(test.opened, QStringList{path});
    const QString where = chosenError.isEmpty()
                              ? notInDocuments.chopped(1) + ". It is saved as " + path + "."
                              : notInDocuments.chopped(1) + ", nor as " + dir.filePath(chosen) + ": " +
                                    chosenError + ". It is saved as " + path + ".";
    QCOMPARE(result.savedElsewhere, QStringList{where});
}

void HandOverTest::letterNoApplicationOpens_data() {
    QTest::addColumn<bool>("withStandIn");
    QTest::newRow("shown by the stand-in") << true;
    QTest::newRow("no stand-in: reported") << false;
}

// The desktop's answer decides; the letter stays saved and the user learns where it is either way.
void HandOverTest::letterNoApplicationOpens() {
    QFETCH(bool, withStandIn);
    QTemporaryDir folder;
    const DocumentModel shown = letterSaying("Shown"), hidden = letterSaying("Hidden");
    TestDesktop test;
    Desktop desktop = test.desktop(folder.path());
    desktop.open = [](const QString&) -> Opened {
        return tavrin::Unexpected(QStringLiteral("no application"));
    };
    std::vector<std::pair<const DocumentModel*, QString>> standIn;
    if (withStandIn)
        desktop.showInstead = [&](const DocumentModel& model, const QString& path, const QString& message) {
            standIn.emplace_back(&model, path + '|' + message);
        };

    const HandOverResult result = handOver({{&hidden, false}, {&shown, true}}, desktop, Day);

    QCOMPARE(result.saved.size(), 2);
    QCOMPARE(openDocx(result.saved.at(1)), docxStoredForm(shown));
    const QString notOpened =
        "The letter is saved as " + result.saved.at(1) + ", but it could not be opened: no application.";
    const QString completing = "A word processor such as LibreOffice Writer completes it.";
    if (!withStandIn) {
        QVERIFY(result.shownInstead.isEmpty());
        QCOMPARE(result.failures, QStringList{notOpened + ' ' + completing});
        return;
    }
    const QString message =
        notOpened + " It is shown here, from where it can be printed or saved as PDF. " + completing;
    QVERIFY(result.failures.isEmpty());
    QCOMPARE(result.shownInstead, QStringList{message});
    QCOMPARE(standIn.size(), size_t(1));
    QCOMPARE(standIn.at(0).first, &shown);
    QCOMPARE(standIn.at(0).second, result.saved.at(1) + '|' + message);
}

QTEST_GUILESS_MAIN(HandOverTest)
#include "test_handover.moc"
