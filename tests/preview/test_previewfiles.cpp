// The preview writes nothing: no picture files beside the program, nothing in the user's home or in the
// temporary folder, while it follows a hundred changes in every style.

#include "previewfixture.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileSystemWatcher>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// Every entry under a folder with its size and time of change.
QStringList listing(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        entries << it.filePath() + u' ' + QString::number(it.fileInfo().size()) + u' ' +
                       QString::number(it.fileInfo().lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

QString& privateRoot() {
    static QString root;
    return root;
}

} // namespace

class PreviewFilesTest : public QObject {
    Q_OBJECT
private slots:
    void aHundredChangesWriteNothing() {
        PreviewedWizard w;
        const QStringList folders{QCoreApplication::applicationDirPath(), QDir::homePath(), QDir::tempPath()};
        QVERIFY(QDir::homePath().startsWith(privateRoot()));
        QVERIFY(QDir::tempPath().startsWith(privateRoot()));
        QStringList before;
        for (const QString& folder : folders)
            before << listing(folder);
        // A file made and removed again between two looks is caught as it happens.
        QFileSystemWatcher watcher(folders);
        QStringList touched;
        connect(&watcher, &QFileSystemWatcher::directoryChanged, this,
                [&](const QString& path) { touched << path; });

        w.clickStep(7);
        QVERIFY(w.openAndSettle());
        const QString styles[] = {"OptRomantic", "OptDark", "OptClassic", "OptElegant", "OptModern"};
        auto* name = w.control<QLineEdit>(QStringLiteral("RecNameText"));
        for (int change = 0; change < 100; ++change) {
            if (change % 2 == 0)
                w.change(styles[change / 2 % 5], {});
            else
                name->setText(QStringLiteral("Recipient %1").arg(change));
            QVERIFY(w.settle());
        }
        QVERIFY(!w.view()->pages().empty());
        QTest::qWait(50); // the watcher's news arrives through the event loop

        QStringList after;
        for (const QString& folder : folders)
            after << listing(folder);
        QCOMPARE(after, before);
        QVERIFY2(touched.isEmpty(), qPrintable(touched.join(u'\n')));
    }
};

// HOME and the temporary folder are the test's own, so that anything written there is seen.
int main(int argc, char** argv) {
    auto root = std::make_unique<QTemporaryDir>();
    privateRoot() = root->path();
    QDir(root->path()).mkdir(QStringLiteral("home"));
    QDir(root->path()).mkdir(QStringLiteral("tmp"));
    qputenv("HOME", QFile::encodeName(root->path() + QStringLiteral("/home")));
    qputenv("TMPDIR", QFile::encodeName(root->path() + QStringLiteral("/tmp")));
    int result = 0;
    {
        QApplication app(argc, argv);
        PreviewFilesTest test;
        result = QTest::qExec(&test, argc, argv);
    }
    return result;
}

#include "test_previewfiles.moc"
