// tavrin-letters' batch: one letter, and 200 Classic letters to .docx and to one PDF, in one process as a
// real run (the first letter pays for the pictures; the others reuse them).

#include "letters/batch.h"
#include "letters/newfiles.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

using namespace tavrin::letters;

QString addressBook(const QTemporaryDir& folder, int recipients) {
    QFile file(folder.filePath(QStringLiteral("book-%1.csv").arg(recipients)));
    file.open(QIODevice::WriteOnly);
    file.write("name,address,first name\n");
    for (int index = 0; index < recipients; ++index)
        file.write(QStringLiteral("Person %1,\"%1 Long Road\nTown\",P%1\n").arg(index).toUtf8());
    return file.fileName();
}

void classicLetters(benchmark::State& state, bool pdf) {
    QTemporaryDir folder;
    LetterOptions options;
    options.recipientsFile = addressBook(folder, int(state.range(0)));
    options.style = QStringLiteral("classic");
    options.salutation = QStringLiteral("Dear {first},");
    options.sample = 1;
    options.pdf = pdf;
    const BatchOutput quiet{[](const QString&) {}, [](const QString&) {}, {}};
    int run = 0;
    for (auto _ : state) {
        options.outFolder = folder.filePath(QStringLiteral("out-%1").arg(++run));
        runBatch(options, quiet);
        state.PauseTiming();
        QDir(options.outFolder).removeRecursively();
        state.ResumeTiming();
    }
}

BENCHMARK_CAPTURE(classicLetters, Docx, false)->Arg(1)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(classicLetters, DocxAndPdf, true)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(3);

// A file name from a name of any length. The worst case reads the whole name (dots before it, which a
// file name drops); the cost grows with the name, never with its square.
void fileNameOfAHugeName(benchmark::State& state, bool leadingDots) {
    const qsizetype length = state.range(0);
    const QString name = leadingDots ? QString(length, u'.') + QStringLiteral("Ann")
                                     : QStringLiteral("Ann \u00e9\u20ac/").repeated(length / 8);
    for (auto _ : state)
        benchmark::DoNotOptimize(fileBaseName(name));
    state.SetComplexityN(length);
}

BENCHMARK_CAPTURE(fileNameOfAHugeName, Name, false)
    ->RangeMultiplier(10)
    ->Range(1'000, 10'000'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fileNameOfAHugeName, DotsThenName, true)
    ->RangeMultiplier(10)
    ->Range(1'000, 10'000'000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
