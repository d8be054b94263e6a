// Each styled letter from the wizard's snapshot to the saved .docx: attach, assemble, lay out (picture
// files written, embedded and deleted), save. One fresh engine and Form1 per letter, as in a real run.
// The same letter up to the package's bytes shows what the save's two syncs (the file and its folder)
// add: on a shared virtual disk they cost several times the rest.

#include "bench/benchletter.h"
#include "builder/form1.h"
#include "builder/stylecatalog.h"
#include "word/engine/docx.h"
#include "word/engine/engine.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <string>

namespace {

using namespace tavrin;

class NoUserInterface : public UserInterface {
public:
    void messageBox(const QString&) override {}
    void resetMousePointer() override {}
};

// Builds the letter as Finish does, in the engine given, with its pictures in programDirectory.
void buildLetter(word::engine::Engine& engine, const WizardChoices& choices,
                 const QString& programDirectory) {
    NoUserInterface ui;
    MBas mBas;
    Form1 form({engine, mBas, ui, programDirectory});
    form.Command1_Click();
    mBas.alignment = 0;
    form.Sapolnenie(choices);
}

void styledLetterToSavedFile(benchmark::State& state, Style style) {
    QTemporaryDir programDirectory;
    const WizardChoices choices = bench::benchmarkLetter(style);
    int letters = 0;
    for (auto _ : state) {
        // A new name each time: saving never replaces a letter.
        const QString letterPath =
            QDir(programDirectory.path()).filePath(QStringLiteral("letter-%1.docx").arg(++letters));
        word::engine::Engine engine;
        buildLetter(engine, choices, programDirectory.path());
        engine.Global()->ActiveDocument()->SaveAs(letterPath);
    }
}

void styledLetterToPackageBytes(benchmark::State& state, Style style) {
    QTemporaryDir programDirectory;
    const WizardChoices choices = bench::benchmarkLetter(style);
    for (auto _ : state) {
        word::engine::Engine engine;
        buildLetter(engine, choices, programDirectory.path());
        benchmark::DoNotOptimize(
            word::engine::docxBytes(word::engine::modelOf(engine.Global()->ActiveDocument())));
    }
}

// The styles with pictures, each under its wizard name ("styledLetterToSavedFile/Modernistic").
void registerStyled(const std::string& family, void (*run)(benchmark::State&, Style)) {
    for (const StyleRow& row : styleCatalogue()) {
        if (row.pictures.empty())
            continue;
        const auto letter = [run, style = row.style](benchmark::State& state) { run(state, style); };
        const std::string name = family + "/" + row.wizardName.toString().toStdString();
        benchmark::RegisterBenchmark(name.c_str(), letter)->Unit(benchmark::kMillisecond);
    }
}
[[maybe_unused]] const bool registered =
    (registerStyled("styledLetterToSavedFile", styledLetterToSavedFile),
     registerStyled("styledLetterToPackageBytes", styledLetterToPackageBytes), true);

} // namespace
