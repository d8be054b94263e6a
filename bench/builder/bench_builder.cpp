// The Simple letter from the wizard's snapshot to a saved .docx: Finish's attach step, the assembly and
// layout on a fresh engine, then saving.

#include "builder/form1.h"
#include "builder/ignoreerror.h"
#include "word/engine/docx.h"
#include "word/engine/engine.h"
#include "word/engine/handover.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class NoUserInterface : public tavrin::UserInterface {
public:
    void messageBox(const QString&) override {}
    void resetMousePointer() override {}
};

tavrin::WizardChoices typicalLetter() {
    tavrin::WizardChoices c;
    c.recNameText = "Ms Ann Lee";
    c.recAddressText = "1 High Street\r\nLeeds LS1 4AP\r\nUnited Kingdom";
    c.text1 =
        "Thank you for your letter of last week. I was glad to hear that the move went well and that the "
        "new house is everything you hoped for. We would love to visit in the spring.";
    c.nameText = "Bohdan Koval";
    c.addressText = "Kyiv";
    c.salutationCombo = 3;
    c.conclusionCombo = 2;
    c.closingCombo = 4;
    return c;
}

// Builds the letter as Finish does, in the engine given.
void buildLetter(word::engine::Engine& engine, const tavrin::WizardChoices& choices) {
    tavrin::MBas mBas;
    NoUserInterface ui;
    tavrin::Form1 form({engine, mBas, ui, QString()});
    tavrin::ignoreError([&] { form.Command1_Click(); });
    mBas.alignment = 0;
    tavrin::ignoreError([&] { form.Sapolnenie(choices); });
}

void SimpleLetterToSavedFile(benchmark::State& state) {
    const tavrin::WizardChoices choices = typicalLetter();
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("letter.docx");
    for (auto _ : state) {
        word::engine::Engine engine;
        buildLetter(engine, choices);
        word::engine::saveDocx(word::engine::modelOf(engine.documents().front().document), path);
    }
}
BENCHMARK(SimpleLetterToSavedFile)->Unit(benchmark::kMicrosecond);

// The same through the hand-over, which finds a new name and writes the file exclusively.
void SimpleLetterHandedOver(benchmark::State& state) {
    const tavrin::WizardChoices choices = typicalLetter();
    QTemporaryDir folder;
    const word::engine::Desktop desktop{folder.path(), [](const QString&) { return word::engine::Opened(); },
                                        [](const QString&) {}};
    for (auto _ : state) {
        word::engine::Engine engine;
        buildLetter(engine, choices);
        const word::engine::HandOverResult result = word::engine::handOverOpenDocuments(engine, desktop);
        state.PauseTiming();
        QFile::remove(result.saved.value(0));
        state.ResumeTiming();
    }
}
BENCHMARK(SimpleLetterHandedOver)->Unit(benchmark::kMicrosecond);

// Up to the package's bytes: everything but the file system.
void SimpleLetterToPackageBytes(benchmark::State& state) {
    const tavrin::WizardChoices choices = typicalLetter();
    for (auto _ : state) {
        word::engine::Engine engine;
        buildLetter(engine, choices);
        benchmark::DoNotOptimize(
            word::engine::docxBytes(word::engine::modelOf(engine.documents().front().document)));
    }
}
BENCHMARK(SimpleLetterToPackageBytes)->Unit(benchmark::kMicrosecond);

// The layout alone, without saving.
void SimpleLetterInMemory(benchmark::State& state) {
    const tavrin::WizardChoices choices = typicalLetter();
    for (auto _ : state) {
        word::engine::Engine engine;
        buildLetter(engine, choices);
        benchmark::DoNotOptimize(engine.documents().size());
    }
}
BENCHMARK(SimpleLetterInMemory)->Unit(benchmark::kMicrosecond);

} // namespace
