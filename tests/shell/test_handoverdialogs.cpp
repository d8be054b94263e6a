// The hand-over's windows, driven as a user drives them: the save dialog for a letter the documents
// folder cannot take, the question before such a letter is discarded, and the print preview of a letter
// no application on the desktop opens.

#include "shell/handoverdialogs.h"
#include "shell/letterpreview.h"
#include "tests/word/engine/handovertesting.h"
#include "word/engine/docx.h"

#include <QApplication>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace word::engine;
using namespace word::engine::testing;

namespace {

const QDate Day(2026, 12, 8);
const QString DayName = QStringLiteral("Letter 2026-12-08.docx");

// What the user does in each modal window as it comes up, in order. A window that does not come within
// the time allowed fails the script; every window still open then is closed, so that the test ends.
class UserActions : public QObject {
public:
    UserActions() {
        connect(&timer_, &QTimer::timeout, this, &UserActions::poll);
        timer_.start(20);
    }

    template <class Window> UserActions& in(std::function<void(Window*)> act) {
        steps_.push_back([act](QWidget* shown) {
            auto* window = qobject_cast<Window*>(shown);
            if (window)
                act(window);
            return window != nullptr;
        });
        return *this;
    }

    bool allDone() const { return next_ == steps_.size() && !timedOut_; }
    const QStringList& windowsSeen() const { return seen_; }

private:
    void poll() {
        QWidget* shown = QApplication::activeModalWidget();
        if (deadline_.hasExpired()) {
            timedOut_ = next_ < steps_.size() || timedOut_;
            if (shown)
                shown->close();
            return;
        }
        if (next_ == steps_.size() || !shown || !shown->isVisible() || shown == last_)
            return;
        if (steps_[next_](shown)) {
            seen_.append(shown->objectName());
            last_ = shown;
            ++next_;
        }
    }

    QTimer timer_;
    QDeadlineTimer deadline_{20000};
    std::vector<std::function<bool(QWidget*)>> steps_;
    size_t next_ = 0;
    bool timedOut_ = false;
    QPointer<QWidget> last_;
    QStringList seen_;
};

void pressReturn(QWidget* window) {
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Return);
}

void typeFileName(QFileDialog* dialog, const QString& path) {
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
}

void clickDiscard(QMessageBox* question) {
    for (QAbstractButton* button : question->buttons())
        if (question->buttonRole(button) == QMessageBox::DestructiveRole)
            button->click();
}

// A desktop in folders of the test's own, with the program's windows; nothing is opened.
Desktop testDesktop(const QString& documents, const QString& home, const QString& temporary) {
    Desktop desktop{documents, [](const QString&) { return Opened(); }, [](const QString&) {}, home,
                    temporary};
    return tavrin::withDialogs(desktop);
}

// The causes that keep a letter out of the documents folder.
enum class Blocked { Missing, FileInItsPlace, ReadOnly, Full };

constexpr uid_t Nobody = 65534;
constexpr int ChildDone = 0, CannotDropPrivileges = 92;

// What the hand-over in the child saw, sent to the test through a pipe.
struct Outcome {
    QStringList saved, savedElsewhere, failures, windowsSeen;
    bool allDone = false;
};

QDataStream& operator<<(QDataStream& out, const Outcome& outcome) {
    return out << outcome.saved << outcome.savedElsewhere << outcome.failures << outcome.windowsSeen
               << outcome.allDone;
}

QDataStream& operator>>(QDataStream& in, Outcome& outcome) {
    return in >> outcome.saved >> outcome.savedElsewhere >> outcome.failures >> outcome.windowsSeen >>
           outcome.allDone;
}

void writeAll(int descriptor, const QByteArray& bytes) {
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t written = ::write(descriptor, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (written <= 0)
            return;
        sent += written;
    }
}

QByteArray readAll(int descriptor) {
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t got; (got = ::read(descriptor, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, got);
    return bytes;
}

} // namespace

class HandOverDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void documentsFolderThatCannotTakeTheLetter_data();
    void documentsFolderThatCannotTakeTheLetter();
    void cancelAsksBeforeDiscarding_data();
    void cancelAsksBeforeDiscarding();
    void letterNoApplicationOpensIsPreviewed_data();
    void letterNoApplicationOpensIsPreviewed();
    void previewSavesThePdf();

private:
    QTemporaryDir settings_;
};

void HandOverDialogsTest::initTestCase() {
    // Qt's file dialog keeps its history in the user's settings: the test's own, writable by anyone.
    QVERIFY(settings_.isValid());
    QCOMPARE(::chmod(QFile::encodeName(settings_.path()).constData(), 01777), 0);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings_.path()));
}

void HandOverDialogsTest::documentsFolderThatCannotTakeTheLetter_data() {
    QTest::addColumn<Blocked>("blocked");
    QTest::addColumn<bool>("choosesAnotherFolder"); // else Return saves under the suggested name
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing, cannot be created")
        << Blocked::Missing << false << "the folder cannot be created";
    QTest::newRow("a file in its place") << Blocked::FileInItsPlace << true << "a file is in its place";
    QTest::newRow("read-only for an unprivileged user")
        << Blocked::ReadOnly << false << QString::fromLocal8Bit(std::strerror(EACCES));
    QTest::newRow("full") << Blocked::Full << true << QString::fromLocal8Bit(std::strerror(EFBIG));
}

// Each case runs the hand-over in a child process: one dropped to nobody, for whom the test's folders are
// read-only even when the test runs as root, or one whose files cannot grow past a few bytes, as on a
// full disk, until the user chooses a place on another disk (the limit is lifted then).
void HandOverDialogsTest::documentsFolderThatCannotTakeTheLetter() {
    QFETCH(Blocked, blocked);
    QFETCH(bool, choosesAnotherFolder);
    QFETCH(QString, reason);
    QTemporaryDir root, temporary;
    QCOMPARE(::chmod(QFile::encodeName(root.path()).constData(), 0755), 0);
    const QString home = root.filePath("home"), other = root.filePath("other");
    for (const QString& folder : {home, other}) {
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 01777), 0); // writable for nobody too
    }
    QString documents = root.filePath("Documents");
    if (blocked == Blocked::Missing) {
        QFile blocker(root.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        documents = root.filePath("not-a-folder/Documents");
    } else if (blocked == Blocked::FileInItsPlace) {
        QFile blocker(documents);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(documents));
        QCOMPARE(
            ::chmod(QFile::encodeName(documents).constData(), blocked == Blocked::ReadOnly ? 0555 : 0777), 0);
    }
    const DocumentModel letter = letterSaying("Dear Sir, this letter is not lost.");
    rlimit unlimited{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);

    int report[2];
    QCOMPARE(::pipe(report), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ::close(report[0]);
        if (blocked == Blocked::ReadOnly &&
            (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            ::_exit(CannotDropPrivileges);
        if (blocked == Blocked::Full) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limited = unlimited;
            limited.rlim_cur = 512;
            ::setrlimit(RLIMIT_FSIZE, &limited);
        }
        UserActions user;
        user.in<QFileDialog>([&](QFileDialog* dialog) {
            if (blocked == Blocked::Full)
                ::setrlimit(RLIMIT_FSIZE, &unlimited);
            if (choosesAnotherFolder)
                typeFileName(dialog, QDir(other).filePath("To the bank.docx"));
            else
                pressReturn(dialog);
        });
        const HandOverResult result =
            handOver({{&letter, false}}, testDesktop(documents, home, temporary.path()), Day);
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << Outcome{result.saved, result.savedElsewhere, result.failures, user.windowsSeen(),
                       user.allDone()};
        writeAll(report[1], bytes);
        ::_exit(ChildDone);
    }
    ::close(report[1]);
    const QByteArray bytes = readAll(report[0]);
    ::close(report[0]);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), ChildDone);
    Outcome outcome;
    QDataStream in(bytes);
    in >> outcome;

    QVERIFY(outcome.allDone);
    QCOMPARE(outcome.windowsSeen, QStringList{"SaveLetter"});
    QVERIFY2(outcome.failures.isEmpty(), qPrintable(outcome.failures.join('\n')));
    const QString expected =
        choosesAnotherFolder ? QDir(other).filePath("To the bank.docx") : QDir(home).filePath(DayName);
    QCOMPARE(outcome.saved, QStringList{expected});
    QCOMPARE(outcome.savedElsewhere, QStringList{"The letter could not be saved in " + documents + ": " +
                                                 reason + ". It is saved as " + expected + "."});
    QCOMPARE(openDocx(expected), docxStoredForm(letter));
    QCOMPARE(entriesOf(temporary.path()), QStringList());
    if (blocked == Blocked::ReadOnly || blocked == Blocked::Full)
        QCOMPARE(entriesOf(documents), QStringList());
}

void HandOverDialogsTest::cancelAsksBeforeDiscarding_data() {
    QTest::addColumn<int>("answer"); // Qt::Key_Return or Qt::Key_Escape, or 0: the Discard button
    QTest::addColumn<bool>("kept");
    QTest::newRow("Return keeps the letter") << int(Qt::Key_Return) << true;
    QTest::newRow("Escape keeps the letter") << int(Qt::Key_Escape) << true;
    QTest::newRow("Discard discards it") << 0 << false;
}

void HandOverDialogsTest::cancelAsksBeforeDiscarding() {
    QFETCH(int, answer);
    QFETCH(bool, kept);
    QTemporaryDir root, temporary;
    const QString home = root.filePath("home");
    QVERIFY(QDir().mkpath(home));
    QFile blocker(root.filePath("Documents"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const QString documents = root.filePath("Documents/Letters");
    const DocumentModel letter = letterSaying("Kept unless discarded");
    UserActions user;
    user.in<QFileDialog>([](QFileDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); })
        .in<QMessageBox>([answer](QMessageBox* question) {
            QCOMPARE(question->defaultButton()->text(), QStringLiteral("Keep the Letter"));
            if (answer)
                QTest::keyClick(question, Qt::Key(answer));
            else
                clickDiscard(question);
        });

    const HandOverResult result =
        handOver({{&letter, true}}, testDesktop(documents, home, temporary.path()), Day);

    QVERIFY(user.allDone());
    QCOMPARE(user.windowsSeen(), (QStringList{"SaveLetter", "DiscardLetter"}));
    QVERIFY(result.failures.isEmpty());
    QCOMPARE(result.discarded, kept ? 0 : 1);
    QCOMPARE(entriesOf(temporary.path()), QStringList());
    if (!kept) {
        QVERIFY(result.saved.isEmpty());
        QVERIFY(result.savedElsewhere.isEmpty());
        QCOMPARE(entriesOf(home), QStringList());
        return;
    }
    const QString path = QDir(home).filePath(DayName);
    QCOMPARE(result.saved, QStringList{path});
    QCOMPARE(openDocx(path), docxStoredForm(letter));
    QCOMPARE(result.savedElsewhere,
             QStringList{"The letter could not be saved in " + documents +
                         ": the folder cannot be created. It is saved as " + path + "."});
}

void HandOverDialogsTest::letterNoApplicationOpensIsPreviewed_data() {
    QTest::addColumn<QString>("defaultApplication"); // what xdg-mime answers; "-": there is no xdg-mime
    QTest::addColumn<int>("openerStatus");           // -1: there is no xdg-open
    QTest::addColumn<QString>("why");                // empty: opened, not previewed
    QTest::newRow("the desktop knows no application")
        << "" << 0 << "this desktop has no application for .docx files";
    QTest::newRow("the opener fails")
        << "writer.desktop" << 4 << "the desktop's opener, xdg-open, ended with status 4";
    QTest::newRow("no desktop tools at all") << "-" << -1
                                             << "the desktop's opener, xdg-open, cannot be run (" +
                                                    QString::fromLocal8Bit(std::strerror(ENOENT)) + ")";
    QTest::newRow("an application opens it") << "writer.desktop" << 0 << "";
}

// A fake xdg-mime and xdg-open, the only programs on the path, answer as the row says.
void HandOverDialogsTest::letterNoApplicationOpensIsPreviewed() {
    QFETCH(QString, defaultApplication);
    QFETCH(int, openerStatus);
    QFETCH(QString, why);
    QTemporaryDir bin, documents;
    const QString opened = bin.filePath("opened");
    const auto script = [&](const QString& name, const QString& body) {
        QFile file(bin.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    };
    if (defaultApplication != "-")
        script("xdg-mime", defaultApplication.isEmpty() ? "exit 0" : "echo " + defaultApplication);
    if (openerStatus >= 0)
        script("xdg-open",
               "printf '%s\\n' \"$1\" >> '" + opened + "'\nexit " + QString::number(openerStatus));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
    const DocumentModel letter = letterSaying("Dear Sir, this letter shows itself.");
    Desktop desktop = tavrin::withDialogs(Desktop::user());
    desktop.documentsFolder = documents.path();
    desktop.print = [](const QString&) {};
    int pagesShown = 0;
    QString messageShown;
    UserActions user;
    if (!why.isEmpty())
        user.in<tavrin::LetterPreview>([&](tavrin::LetterPreview* preview) {
            if (auto* pages = preview->findChild<QPrintPreviewWidget*>())
                pagesShown = pages->pageCount();
            if (auto* message = preview->findChild<QLabel*>(QStringLiteral("message")))
                messageShown = message->text();
            preview->reject();
        });

    const HandOverResult result = handOver({{&letter, true}}, desktop, Day);

    const QString saved = documents.filePath(DayName);
    QCOMPARE(result.saved, QStringList{saved});
    QCOMPARE(openDocx(saved), docxStoredForm(letter)); // the .docx is kept
    QVERIFY2(result.failures.isEmpty(), qPrintable(result.failures.join('\n')));
    const bool openerAsked = openerStatus >= 0 && !defaultApplication.isEmpty();
    QCOMPARE(contentOf(opened), openerAsked ? (saved + '\n').toLocal8Bit() : QByteArray());
    QVERIFY(user.allDone());
    if (why.isEmpty()) {
        QVERIFY(user.windowsSeen().isEmpty());
        QVERIFY(result.shownInstead.isEmpty());
        return;
    }
    QCOMPARE(user.windowsSeen(), QStringList{"LetterPreview"});
    QCOMPARE(pagesShown, 1);
    const QString message =
        "The letter is saved as " + saved + ", but it could not be opened: " + why +
        ". It is shown here, from where it can be printed or saved as PDF. A word processor "
        "such as LibreOffice Writer completes it.";
    QCOMPARE(result.shownInstead, QStringList{message});
    QCOMPARE(messageShown, message);
}

void HandOverDialogsTest::previewSavesThePdf() {
    QTemporaryDir folder;
    const QString docx = folder.filePath(DayName);
    const DocumentModel letter = letterSaying("Printed or saved as PDF");
    UserActions user;
    user.in<tavrin::LetterPreview>([](tavrin::LetterPreview* preview) {
            auto* save = preview->findChild<QAction*>(QStringLiteral("saveAsPdf"));
            QVERIFY(save);
            QTimer::singleShot(0, save, &QAction::trigger);
        })
        .in<QFileDialog>([](QFileDialog* dialog) { pressReturn(dialog); })
        .in<tavrin::LetterPreview>([](tavrin::LetterPreview* preview) { preview->reject(); });

    tavrin::showLetterPreview(letter, docx, QStringLiteral("Where the letter is"));

    QVERIFY(user.allDone());
    QCOMPARE(user.windowsSeen().size(), 3);
    QVERIFY(contentOf(folder.filePath("Letter 2026-12-08.pdf")).startsWith("%PDF-"));
}

QTEST_MAIN(HandOverDialogsTest)
#include "test_handoverdialogs.moc"
