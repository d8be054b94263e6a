// Each styled letter from the wizard's snapshot to the saved .docx: attach, assemble, lay out (picture
// files written, embedded and deleted), save. One fresh engine and Form1 per letter, as in a real run.

#include "bench/benchletter.h"
#include "builder/form1.h"
#include "word/engine/engine.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

using namespace tavrin;

class NoUserInterface : public UserInterface {
public:
    void messageBox(const QString&) override {}
    void resetMousePointer() override {}
};

void styledLetterToSavedFile(benchmark::State& state, Style style) {
    QTemporaryDir programDirectory;
    const WizardChoices choices = bench::benchmarkLetter(style);
    NoUserInterface ui;
    int letters = 0;
    for (auto _ : state) {
        // A new name each time: saving never replaces a letter.
        const QString letterPath =
            QDir(programDirectory.path()).filePath(QStringLiteral("letter-%1.docx").arg(++letters));
        word::engine::Engine engine;
        MBas mBas;
        Form1 form({engine, mBas, ui, programDirectory.path()});
        form.Command1_Click();
        mBas.alignment = 0;
        form.Sapolnenie(choices);
        engine.Global()->ActiveDocument()->SaveAs(letterPath);
    }
}

BENCHMARK_CAPTURE(styledLetterToSavedFile, Romantic, Style::Romantic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(styledLetterToSavedFile, Dark, Style::Dark)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(styledLetterToSavedFile, Classic, Style::Classic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(styledLetterToSavedFile, Elegant, Style::Elegant)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(styledLetterToSavedFile, Modernistic, Style::Modern)->Unit(benchmark::kMillisecond);

} // namespace
