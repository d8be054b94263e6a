// The live word processor against the built-in engine: LibreOffice's start until Tavrin is connected, and
// each style's letter from Finish to the last step of its layout, live in Writer (through the choosing
// provider, mirrors included, as the program runs it) and on the engine. The letters are not saved; a
// live letter is closed in LibreOffice once written.
//
// LibreOffice runs headless with a private profile and pipe; a cold start makes a new profile each time.

#include "bench/benchletter.h"
#include "livebench.h"
#include "word/engine/engine.h"

#include <QTemporaryDir>

#include <memory>

namespace {

using namespace tavrin;

using bench::Needs;

word::live::ChooserSettings settingsFor(const QString& profile, const QString& pipe) {
    word::live::ChooserSettings settings = bench::privateOffice(profile, pipe);
    settings.office.headless = true;
    return settings;
}

// From nothing running to a connected LibreOffice: start, first start in a profile, accept, connect.
void coldStartToConnected(benchmark::State& state, bool newProfile) {
    if (!bench::libreOfficeCan(state, Needs::Writer))
        return;
    QTemporaryDir sharedProfile;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir ownProfile;
        const QString profile = newProfile ? ownProfile.path() : sharedProfile.path();
        word::live::ChoosingProvider provider(settingsFor(profile, bench::privatePipe("start")), {});
        state.ResumeTiming();
        provider.CreateApplication();
        state.PauseTiming();
        const bool live = provider.backend() == word::live::ChoosingProvider::Backend::Live;
        if (auto* office = provider.liveOffice())
            office->shutDown();
        if (!live) {
            state.SkipWithError(provider.whyBuiltIn().toUtf8().constData());
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(coldStartToConnected, NewProfile, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(coldStartToConnected, ExistingProfile, false)->Unit(benchmark::kMillisecond)->Iterations(3);

// One LibreOffice for all the letters, as a user's running one.
struct SharedOffice {
    QTemporaryDir profile;
    word::live::ChooserSettings settings = settingsFor(profile.path(), bench::privatePipe("letters"));
    word::live::ChoosingProvider starter{settings, {}};
    SharedOffice() { starter.CreateApplication(); }
    ~SharedOffice() {
        if (auto* office = starter.liveOffice())
            office->shutDown();
    }
};
SharedOffice& sharedOffice() {
    static SharedOffice office;
    return office;
}

// Every live letter is closed again once written, as a user would not keep thousands open. A letter that
// did not stay live (LibreOffice not chosen, or lost during it) is counted, and the run goes on.
void letter(benchmark::State& state, Style style, bool live) {
    if (live && !bench::libreOfficeCan(state, Needs::Writer))
        return;
    QTemporaryDir programDirectory;
    const WizardChoices choices = bench::benchmarkLetter(style);
    bench::NoUserInterface ui;
    int failed = 0;
    QString firstFailure;
    for (auto _ : state) {
        word::engine::Engine engine;
        std::unique_ptr<word::live::ChoosingProvider> chooser;
        QStringList told;
        if (live)
            chooser = std::make_unique<word::live::ChoosingProvider>(
                sharedOffice().settings, [&told](const QString& message) { told.append(message); });
        word::Provider& provider = live ? static_cast<word::Provider&>(*chooser) : engine;
        MBas mBas;
        Form1 form({provider, mBas, ui, programDirectory.path()});
        form.Command1_Click();
        mBas.alignment = 0;
        form.Sapolnenie(choices);
        if (live) {
            state.PauseTiming();
            const bool wentLive =
                chooser->backend() == word::live::ChoosingProvider::Backend::Live && told.isEmpty();
            if (wentLive) {
                try {
                    chooser->Global()->ActiveDocument()->Close(false);
                } catch (const word::AutomationError& error) {
                    told.append(error.description);
                }
            }
            if (!wentLive || !told.isEmpty()) {
                ++failed;
                if (firstFailure.isEmpty())
                    firstFailure = QStringLiteral("%1 %2 %3")
                                       .arg(chooser->whyBuiltIn(), ui.told.join(u' '), told.join(u' '));
            }
            chooser.reset();
            state.ResumeTiming();
        }
    }
    if (live) {
        state.counters["failed"] = failed;
        if (failed > 0)
            state.SkipWithError(QStringLiteral("%1 letters did not stay live: %2")
                                    .arg(failed)
                                    .arg(firstFailure)
                                    .toUtf8()
                                    .constData());
    }
}

// Each style's letter, live and on the built-in engine ("letter/ModernisticLive").
void registerLetters(const std::string& name, Style style) {
    const auto live = [style](benchmark::State& state) { letter(state, style, true); };
    const auto builtIn = [style](benchmark::State& state) { letter(state, style, false); };
    benchmark::RegisterBenchmark(("letter/" + name + "Live").c_str(), live)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(40);
    benchmark::RegisterBenchmark(("letter/" + name + "BuiltIn").c_str(), builtIn)
        ->Unit(benchmark::kMillisecond);
}
[[maybe_unused]] const bool registered = (bench::forEachStyle(registerLetters), true);

} // namespace
