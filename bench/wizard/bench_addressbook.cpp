// The address book dialog with 50,000 contacts (a KDE folder of one .vcf holding them all, each with a
// home and a work address): reading them, opening the dialog to its first paint, and the filter after a
// keystroke, on the wall clock.

#include "contacts/addressbookloader.h"
#include "wizard/addressbookdialog.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTreeView>

#include <memory>

using namespace tavrin;

namespace {

constexpr int ContactCount = 50000;

const char* const GivenNames[] = {"Anna", "Boris", "Clara", "Dmitri", "Elena", "Felix", "Greta", "Hugo"};
const char* const Towns[] = {"Berlin", "Moscow", "London", "Springfield", "Paris", "Vienna", "Oslo"};

QByteArray manyCards() {
    QByteArray cards;
    for (int k = 0; k < ContactCount; ++k) {
        const QByteArray given = GivenNames[k % 8];
        const QByteArray family = "Family" + QByteArray::number(k);
        const QByteArray town = Towns[k % 7];
        cards += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + given + " " + family + "\r\nN:" + family + ";" +
                 given + ";;;\r\nORG:Company " + QByteArray::number(k % 500) +
                 "\r\nEMAIL:" + given.toLower() + "." + QByteArray::number(k) +
                 "@example.org\r\nADR;TYPE=HOME:;;" + QByteArray::number(k % 200) + " Main Street;" + town +
                 ";;" + QByteArray::number(10000 + k % 80000) + ";Germany\r\nADR;TYPE=WORK:;;1 Office Road;" +
                 town + ";;12345;Germany\r\nEND:VCARD\r\n";
    }
    return cards;
}

struct Book {
    QTemporaryDir folder;
    std::unique_ptr<contacts::AddressBookLoader> loader;

    Book() {
        QFile file(folder.filePath(QStringLiteral("contacts.vcf")));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the cards");
        file.write(manyCards());
        file.close();
        loader = read();
    }

    std::unique_ptr<contacts::AddressBookLoader> read() const {
        auto reading = std::make_unique<contacts::AddressBookLoader>(
            contacts::BookSources{false, folder.path(), nullptr});
        QEventLoop done;
        QObject::connect(reading.get(), &contacts::AddressBookLoader::finished, &done, &QEventLoop::quit);
        reading->start();
        done.exec();
        return reading;
    }
};

Book& book() {
    static Book shared;
    return shared;
}

// Quits the loop on the dialog's first paint.
class FirstPaint : public QObject {
public:
    QEventLoop loop;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == u"addressBookList")
            loop.quit();
        return false;
    }
};

void readTheBooks(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(book().read());
}

void openToFirstPaint(benchmark::State& state) {
    contacts::AddressBookLoader& loader = *book().loader;
    for (auto _ : state) {
        FirstPaint painted;
        QElapsedTimer timer;
        timer.start();
        AddressBookDialog dialog(loader, QLocale::Germany);
        dialog.findChild<QTreeView*>()->viewport()->installEventFilter(&painted);
        dialog.findChild<QTreeView*>()->viewport()->setObjectName(QStringLiteral("addressBookList"));
        dialog.show();
        painted.loop.exec();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["rows"] = double(book().loader->contents().contacts.size() * 2);
}

// One letter more typed ("a", "an", ... narrowing) or the text replaced (a full search), to the list shown
// anew.
void keystroke(benchmark::State& state, const QStringList& typed) {
    AddressBookDialog dialog(*book().loader, QLocale::Germany);
    dialog.show();
    QApplication::processEvents();
    auto* search = dialog.findChild<QLineEdit*>();
    for (auto _ : state) {
        search->clear();
        for (const QString& text : typed) {
            QElapsedTimer timer;
            timer.start();
            search->setText(text);
            dialog.findChild<QTreeView*>()->viewport()->repaint();
            state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9 / double(typed.size()));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("readFiftyThousandCards", readTheBooks)
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("openDialogToFirstPaint", openToFirstPaint)
        ->UseManualTime()
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("firstKeystrokes", keystroke, QStringList{"a", "an", "ann"})
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("keystrokeOnEveryRow", keystroke, QStringList{"berlin"})
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
