// Choosing the word processor and surviving it: attach to a LibreOffice on Tavrin's pipe, start one, take
// over one already running, fall back to the built-in engine where LibreOffice is not installed, cannot be
// started or cannot show a window, and finish the letter when LibreOffice crashes or stops answering.

#include "livetesting.h"
#include "tests/builder/styles/styledletter.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace tavrin::testing {
namespace {

using Backend = word::live::ChoosingProvider::Backend;

WizardChoices romanticLetter() {
    return sampleChoices(Style::Romantic);
}

// The letter the built-in engine writes for the same choices.
word::engine::DocumentModel engineLetter(const WizardChoices& choices) {
    word::engine::Engine engine;
    LetterRun wizard(engine);
    wizard.build(choices);
    return word::engine::modelOf(engine.Global()->ActiveDocument());
}

// Waits until a LibreOffice accepts on the pipe.
bool acceptsConnections(const word::live::ChooserSettings& settings) {
    const QDeadlineTimer deadline(std::chrono::seconds(90));
    while (!deadline.hasExpired()) {
        word::live::ChoosingProvider probe(settings, {});
        try {
            probe.GetObject();
            return true;
        } catch (const word::AutomationError&) {
            QThread::msleep(200);
        }
    }
    return false;
}

std::vector<qint64> officeProcessesWithProfile(const QString& profileFolder) {
    std::vector<qint64> found;
    const QByteArray profile = QUrl::fromLocalFile(profileFolder).toString(QUrl::FullyEncoded).toUtf8();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (commandLine.open(QIODevice::ReadOnly)) {
            const QByteArray arguments = commandLine.readAll();
            if (arguments.contains("soffice.bin") && arguments.contains(profile))
                found.push_back(entry.toLongLong());
        }
    }
    return found;
}

// Passes everything on, and does something to LibreOffice at the nth request for the global object: in
// the middle of a layout, between two of its steps.
class FaultingProvider : public word::Provider {
public:
    FaultingProvider(word::Provider& inner, int atGlobal, std::function<void()> fault)
        : inner_(inner), atGlobal_(atGlobal), fault_(std::move(fault)) {}
    word::Ref<word::Application> GetObject() override { return inner_.GetObject(); }
    word::Ref<word::Application> CreateApplication() override { return inner_.CreateApplication(); }
    word::Ref<word::Document> CreateDocument() override { return inner_.CreateDocument(); }
    word::Ref<word::Global> Global() override {
        if (++globals_ == atGlobal_)
            fault_();
        return inner_.Global();
    }
    int globals() const { return globals_; }

private:
    word::Provider& inner_;
    int atGlobal_;
    int globals_ = 0;
    std::function<void()> fault_;
};

class LiveConnection : public ::testing::Test {
protected:
    void SetUp() override {
        if (const auto why = whyLiveTestsCannotRun())
            GTEST_SKIP() << "Live tests need LibreOffice: " << why->toStdString();
    }
};

TEST_F(LiveConnection, NotRunningStartsLibreOfficeAndTheSecondAttachChangesNothing) {
    PrivateOffice office(QStringLiteral("start"));
    ToldMessages told;
    word::live::ChoosingProvider provider(office.settings(), told.teller());
    LetterRun wizard(provider);

    wizard.form.Command1_Click(); // the wizard opens
    ASSERT_EQ(provider.backend(), Backend::Live) << provider.whyBuiltIn().toStdString();
    ASSERT_FALSE(wizard.form.applicationRef.isEmpty());
    EXPECT_TRUE(wizard.form.applicationRef->Visible());
    const auto started = officeProcessesOnPipe(office.pipeName());
    EXPECT_EQ(started.size(), 1u);

    const auto reference = wizard.form.applicationRef.get();
    wizard.build(romanticLetter());
    EXPECT_EQ(officeProcessesOnPipe(office.pipeName()), started);
    EXPECT_TRUE(wizard.ui.messages.isEmpty());
    EXPECT_TRUE(told.messages.isEmpty());
    // The letter stays in LibreOffice: nothing for the program to hand over.
    EXPECT_EQ(provider.Global()->ActiveDocument()->Tables()->Count(), 1);
    EXPECT_TRUE(provider.lettersToHandOver().empty());
    EXPECT_EQ(provider.liveOffice()->startedProcessId() > 0, true);
    (void)reference;
}

TEST_F(LiveConnection, AttachesToTheLibreOfficeOnThePipeAndLeavesTheReferenceEmpty) {
    PrivateOffice office(QStringLiteral("attach"));
    startOfficeProcess(office.profileFolder(), office.pipeName());
    ASSERT_TRUE(acceptsConnections(office.settings()));

    ToldMessages told;
    word::live::ChoosingProvider provider(office.settings(), told.teller());
    LetterRun wizard(provider);
    wizard.form.Command1_Click();
    EXPECT_TRUE(wizard.form.applicationRef.isEmpty());
    EXPECT_TRUE(wizard.ui.messages.isEmpty());
    const bool visibleBefore = provider.GetObject()->Visible();

    wizard.build(romanticLetter());
    EXPECT_EQ(provider.backend(), Backend::Live);
    EXPECT_EQ(provider.liveOffice()->startedProcessId(), 0); // nothing started
    EXPECT_EQ(provider.GetObject()->Visible(), visibleBefore);
    EXPECT_EQ(officeProcessesOnPipe(office.pipeName()).size(), 1u);
    EXPECT_EQ(provider.Global()->ActiveDocument()->Tables()->Count(), 1);
    EXPECT_TRUE(told.messages.isEmpty());
}

TEST_F(LiveConnection, ALibreOfficeRunningWithoutThePipeTakesTheConnection) {
    PrivateOffice office(QStringLiteral("running"));
    startOfficeProcess(office.profileFolder(), QString()); // the user's own, not listening
    // A first start in a new profile restarts once; the process that stays is the one running.
    std::vector<qint64> running;
    int steadyChecks = 0;
    const QDeadlineTimer deadline(std::chrono::seconds(60));
    while (steadyChecks < 30 && !deadline.hasExpired()) {
        const auto now = officeProcessesWithProfile(office.profileFolder());
        steadyChecks = (!now.empty() && now == running) ? steadyChecks + 1 : 0;
        running = now;
        QThread::msleep(100);
    }
    ASSERT_EQ(running.size(), 1u);

    ToldMessages told;
    word::live::ChoosingProvider provider(office.settings(), told.teller());
    LetterRun wizard(provider);
    wizard.build(romanticLetter());

    EXPECT_EQ(provider.backend(), Backend::Live) << provider.whyBuiltIn().toStdString();
    EXPECT_EQ(officeProcessesWithProfile(office.profileFolder()), running); // no second LibreOffice
    EXPECT_EQ(provider.Global()->ActiveDocument()->Tables()->Count(), 1);
    EXPECT_TRUE(told.messages.isEmpty());
    provider.liveOffice()->shutDown();
    for (qint64 processId : running)
        ::kill(pid_t(processId), SIGKILL);
}

struct FallBack {
    const char* name;
    // Changes the settings (and the environment) so that LibreOffice cannot serve.
    std::function<void(word::live::ChooserSettings&, const QString& folder)> arrange;
    bool told;           // a failure worth telling (LibreOffice is there but does not start)
    const char* because; // what whyBuiltIn() says
};

// Each case as the program has it (LibreOffice started or attached behind the wizard) and at once.
class LiveFallBack : public ::testing::TestWithParam<std::tuple<FallBack, bool>> {
protected:
    void SetUp() override {
        if (const auto why = whyLiveTestsCannotRun())
            GTEST_SKIP() << "Live tests need LibreOffice: " << why->toStdString();
        display_ = qgetenv("DISPLAY");
        wayland_ = qgetenv("WAYLAND_DISPLAY");
    }
    void TearDown() override {
        qputenv("DISPLAY", display_);
        qputenv("WAYLAND_DISPLAY", wayland_);
    }
    QByteArray display_, wayland_;
};

TEST_P(LiveFallBack, TheBuiltInEngineWritesTheLetter) {
    const auto& [fallBack, background] = GetParam();
    QTemporaryDir folder;
    auto settings =
        privateOfficeSettings(folder.filePath(QStringLiteral("profile")), uniquePipeName("fallback"));
    settings.startInBackground = background;
    fallBack.arrange(settings, folder.path());
    ToldMessages told;
    word::live::ChoosingProvider provider(settings, told.teller());
    LetterRun wizard(provider);

    wizard.form.Command1_Click();
    ASSERT_FALSE(wizard.form.applicationRef.isEmpty());
    EXPECT_TRUE(wizard.form.applicationRef->Visible());
    wizard.build(romanticLetter());

    EXPECT_EQ(provider.backend(), Backend::BuiltIn);
    EXPECT_TRUE(provider.whyBuiltIn().contains(QRegularExpression(QLatin1String(fallBack.because))))
        << provider.whyBuiltIn().toStdString();
    EXPECT_EQ(told.messages.size(), fallBack.told ? 1 : 0) << told.messages.join(u'\n').toStdString();
    EXPECT_TRUE(wizard.ui.messages.isEmpty());
    EXPECT_TRUE(officeProcessesOnPipe(settings.office.pipeName).empty());

    const auto letters = provider.lettersToHandOver();
    ASSERT_EQ(letters.size(), 1u);
    EXPECT_TRUE(letters[0].applicationVisible);
    const QStringList differences = documentDifferences(engineLetter(romanticLetter()), *letters[0].model);
    EXPECT_TRUE(differences.isEmpty()) << differences.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, LiveFallBack,
                         ::testing::Combine(
                             ::testing::Values(
                                 FallBack{"NotInstalled",
                                          [](word::live::ChooserSettings& s, const QString& folder) {
                                              s.office.programDirectory = folder;
                                          },
                                          false, "not installed"},
                                 FallBack{"NoPlugin",
                                          [](word::live::ChooserSettings& s, const QString& folder) {
                                              s.pluginPath =
                                                  QDir(folder).filePath(QStringLiteral("libtavrin_live.so"));
                                          },
                                          false, "could not be loaded"},
                                 FallBack{"CannotShowAWindow",
                                          [](word::live::ChooserSettings& s, const QString&) {
                                              s.office.headless = false;
                                              qunsetenv("DISPLAY");
                                              qunsetenv("WAYLAND_DISPLAY");
                                          },
                                          // Without the windowing packages, or (with them) without a display.
                                          false, "window|display"},
                                 FallBack{"CannotBeStarted",
                                          [](word::live::ChooserSettings& s, const QString& folder) {
                                              // A LibreOffice whose launcher fails at once.
                                              QFile soffice(QDir(folder).filePath(QStringLiteral("soffice")));
                                              soffice.open(QIODevice::WriteOnly);
                                              soffice.write("#!/bin/sh\nexit 1\n");
                                              soffice.setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                                                                     QFile::ExeOwner);
                                              QFile(QDir(folder).filePath(QStringLiteral("libswlo.so")))
                                                  .open(QIODevice::WriteOnly);
                                              s.office.programDirectory = folder;
                                          },
                                          true, "could not be started"}),
                             ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<FallBack, bool>>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "InBackground" : "");
                         });

struct Fault {
    const char* name;
    bool hang; // stops answering rather than going away
};

class LiveFault : public ::testing::TestWithParam<Fault> {
protected:
    void SetUp() override {
        if (const auto why = whyLiveTestsCannotRun())
            GTEST_SKIP() << "Live tests need LibreOffice: " << why->toStdString();
    }
};

TEST_P(LiveFault, MidLetterTheUserIsToldAndGetsTheWholeLetterFromTheEngine) {
    PrivateOffice office(QStringLiteral("fault"));
    auto settings = office.settings();
    settings.office.callTimeLimit = std::chrono::seconds(3);
    ToldMessages told;
    word::live::ChoosingProvider provider(settings, told.teller());
    const bool hang = GetParam().hang;
    // After the heading band's table, before its cell is selected.
    FaultingProvider faulting(provider, 3, [&] {
        if (hang)
            pauseOfficeProcesses(office.pipeName(), true);
        else
            killOfficeProcesses(office.pipeName());
    });
    LetterRun wizard(faulting);
    wizard.build(romanticLetter());

    ASSERT_EQ(told.messages.size(), 1) << told.messages.join(u'\n').toStdString();
    EXPECT_TRUE(told.messages[0].contains(hang ? QStringLiteral("did not answer") : QStringLiteral("ended")))
        << told.messages[0].toStdString();
    const auto letters = provider.lettersToHandOver();
    ASSERT_EQ(letters.size(), 1u);
    EXPECT_TRUE(letters[0].applicationVisible);
    const QStringList differences = documentDifferences(engineLetter(romanticLetter()), *letters[0].model);
    EXPECT_TRUE(differences.isEmpty()) << differences.join(u'\n').toStdString();

    // Later requests go to the engine at once, without waiting on LibreOffice again.
    EXPECT_NO_THROW(provider.Global()->Selection()->TypeText(QStringLiteral("more")));
    killOfficeProcesses(office.pipeName());
}

INSTANTIATE_TEST_SUITE_P(Cases, LiveFault, ::testing::Values(Fault{"Crash", false}, Fault{"Hang", true}),
                         [](const ::testing::TestParamInfo<Fault>& info) {
                             return std::string(info.param.name);
                         });

// LibreOffice started or attached behind the wizard: the load hands back at once, Finish waits for it
// (busy) and ends as the waiting start would have.
struct BackgroundRun {
    explicit BackgroundRun(word::live::ChooserSettings settings)
        : provider(withWaits(settings), told.teller()) {}
    word::live::ChooserSettings withWaits(word::live::ChooserSettings settings) {
        settings.startInBackground = true;
        settings.whileWaiting = [this](bool waiting) { waits.push_back(waiting); };
        return settings;
    }
    ToldMessages told;
    std::vector<bool> waits;
    word::live::ChoosingProvider provider;
};

TEST_F(LiveConnection, InTheBackgroundNotRunningStartsLibreOfficeOnceAndFinishWaitsForIt) {
    PrivateOffice office(QStringLiteral("background-start"));
    BackgroundRun run(office.settings());
    LetterRun wizard(run.provider);

    wizard.form.Command1_Click(); // the wizard opens
    EXPECT_TRUE(run.provider.isPending());
    ASSERT_FALSE(wizard.form.applicationRef.isEmpty());
    wizard.build(romanticLetter());

    EXPECT_EQ(run.waits, (std::vector<bool>{true, false})); // Finish came before LibreOffice was ready
    ASSERT_EQ(run.provider.backend(), Backend::Live) << run.provider.whyBuiltIn().toStdString();
    EXPECT_TRUE(run.provider.GetObject()->Visible()); // as asked at load, before it had started
    EXPECT_EQ(officeProcessesOnPipe(office.pipeName()).size(), 1u);
    EXPECT_GT(run.provider.liveOffice()->startedProcessId(), 0);
    EXPECT_EQ(run.provider.Global()->ActiveDocument()->Tables()->Count(), 1);
    EXPECT_TRUE(run.provider.lettersToHandOver().empty());
    EXPECT_TRUE(wizard.ui.messages.isEmpty());
    EXPECT_TRUE(run.told.messages.isEmpty());
}

TEST_F(LiveConnection, InTheBackgroundTheLibreOfficeOnThePipeIsAttachedAndTheReferenceStaysEmpty) {
    PrivateOffice office(QStringLiteral("background-attach"));
    startOfficeProcess(office.profileFolder(), office.pipeName());
    ASSERT_TRUE(acceptsConnections(office.settings()));
    BackgroundRun run(office.settings());
    LetterRun wizard(run.provider);

    wizard.form.Command1_Click();
    EXPECT_TRUE(wizard.form.applicationRef.isEmpty());
    wizard.build(romanticLetter());

    EXPECT_EQ(run.provider.backend(), Backend::Live);
    EXPECT_EQ(run.provider.liveOffice()->startedProcessId(), 0);
    EXPECT_EQ(officeProcessesOnPipe(office.pipeName()).size(), 1u);
    EXPECT_EQ(run.provider.Global()->ActiveDocument()->Tables()->Count(), 1);
    EXPECT_TRUE(wizard.ui.messages.isEmpty());
    EXPECT_TRUE(run.told.messages.isEmpty());
}

TEST_F(LiveConnection, InTheBackgroundALibreOfficeThatDoesNotAnswerIsToldOnceAtFinish) {
    PrivateOffice office(QStringLiteral("background-unanswered"));
    startOfficeProcess(office.profileFolder(), office.pipeName());
    ASSERT_TRUE(acceptsConnections(office.settings()));
    pauseOfficeProcesses(office.pipeName(), true);
    auto settings = office.settings();
    settings.office.callTimeLimit = std::chrono::seconds(2);
    BackgroundRun run(settings);
    LetterRun wizard(run.provider);

    wizard.form.Command1_Click();
    EXPECT_TRUE(wizard.ui.messages.isEmpty()); // not yet known
    wizard.build(romanticLetter());

    // As the attach at load tells it when it waits: its message box, then the letter on the engine.
    ASSERT_EQ(wizard.ui.messages.size(), 1) << wizard.ui.messages.join(u'\n').toStdString();
    EXPECT_TRUE(wizard.ui.messages[0].contains(QStringLiteral("did not answer")));
    EXPECT_TRUE(wizard.ui.messages[0].endsWith(QStringLiteral("\r\nError")));
    EXPECT_EQ(run.provider.backend(), Backend::BuiltIn);
    EXPECT_EQ(run.provider.lettersToHandOver().size(), 1u);
    killOfficeProcesses(office.pipeName());
}

// Every way LibreOffice ends, at the letter's first, middle and last step and after its last one (before
// the program ends): the user is told once, and holds the whole letter from the mirror.
enum class EndsBy { Quitting, Crashing, BeingKilled, Hanging };
struct Ending {
    const char* name;
    EndsBy how;
    int step; // the request for the global object at which it ends; 0 after the last step
};
const int FirstStep = 1, MiddleStep = -1, LastStep = -2, AfterTheLastStep = 0;

class LiveEnding : public ::testing::TestWithParam<Ending> {
protected:
    void SetUp() override {
        if (const auto why = whyLiveTestsCannotRun())
            GTEST_SKIP() << "Live tests need LibreOffice: " << why->toStdString();
    }
};

int stepsInLetter(const WizardChoices& choices) {
    word::engine::Engine engine;
    FaultingProvider counting(engine, -1, [] {});
    LetterRun wizard(counting);
    wizard.build(choices);
    return counting.globals();
}

void endLibreOffice(const QString& pipeName, EndsBy how) {
    switch (how) {
    case EndsBy::Quitting:
        for (qint64 processId : officeProcessesOnPipe(pipeName))
            ::kill(pid_t(processId), SIGTERM);
        break;
    case EndsBy::Crashing:
        for (qint64 processId : officeProcessesOnPipe(pipeName))
            ::kill(pid_t(processId), SIGSEGV);
        break;
    case EndsBy::BeingKilled:
        killOfficeProcesses(pipeName);
        break;
    case EndsBy::Hanging:
        pauseOfficeProcesses(pipeName, true);
        break;
    }
}

// What the user is told. A crashing LibreOffice runs its crash handler (saving its documents for
// recovery) before the process ends, and a call made meanwhile is not answered either.
QString toldPattern(EndsBy how) {
    switch (how) {
    case EndsBy::Hanging:
        return QStringLiteral("did not answer");
    case EndsBy::Crashing:
        return QStringLiteral("ended|no longer running|did not answer");
    case EndsBy::Quitting:
    case EndsBy::BeingKilled:
        break;
    }
    return QStringLiteral("ended|no longer running");
}

TEST_P(LiveEnding, TheUserIsToldAndHoldsTheWholeLetter) {
    const Ending ending = GetParam();
    // A profile of its own: a LibreOffice of an earlier case still on a shared one would take the start.
    const QTemporaryDir profile;
    auto settings = privateOfficeSettings(profile.path(), uniquePipeName(QStringLiteral("ending")));
    settings.office.callTimeLimit = std::chrono::seconds(3);
    const WizardChoices letter = romanticLetter();
    const int steps = stepsInLetter(letter);
    const int step = ending.step == MiddleStep ? steps / 2 : ending.step == LastStep ? steps : ending.step;
    {
        ToldMessages told;
        word::live::ChoosingProvider provider(settings, told.teller());
        FaultingProvider faulting(provider, step,
                                  [&] { endLibreOffice(settings.office.pipeName, ending.how); });
        LetterRun wizard(faulting);
        wizard.build(letter);
        ASSERT_EQ(provider.backend(), Backend::Live) << provider.whyBuiltIn().toStdString();
        if (step == AfterTheLastStep) {
            endLibreOffice(settings.office.pipeName, ending.how);
            EXPECT_TRUE(told.messages.isEmpty());
        }
        provider.confirmLiveLetters(); // as the program's end does, before the hand-over

        ASSERT_EQ(told.messages.size(), 1) << told.messages.join(u'\n').toStdString();
        EXPECT_TRUE(told.messages[0].contains(QRegularExpression(toldPattern(ending.how))))
            << told.messages[0].toStdString();
        const auto letters = provider.lettersToHandOver();
        ASSERT_EQ(letters.size(), 1u);
        EXPECT_TRUE(letters[0].applicationVisible);
        const QStringList differences = documentDifferences(engineLetter(letter), *letters[0].model);
        EXPECT_TRUE(differences.isEmpty()) << differences.join(u'\n').toStdString();
    }
    killOfficeProcesses(settings.office.pipeName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LiveEnding,
    ::testing::Values(Ending{"QuitsAtTheFirstStep", EndsBy::Quitting, FirstStep},
                      Ending{"QuitsMidLetter", EndsBy::Quitting, MiddleStep},
                      Ending{"QuitsAtTheLastStep", EndsBy::Quitting, LastStep},
                      Ending{"QuitsAfterTheLastStep", EndsBy::Quitting, AfterTheLastStep},
                      Ending{"CrashesAtTheFirstStep", EndsBy::Crashing, FirstStep},
                      Ending{"CrashesMidLetter", EndsBy::Crashing, MiddleStep},
                      Ending{"CrashesAtTheLastStep", EndsBy::Crashing, LastStep},
                      Ending{"CrashesAfterTheLastStep", EndsBy::Crashing, AfterTheLastStep},
                      Ending{"IsKilledAtTheFirstStep", EndsBy::BeingKilled, FirstStep},
                      Ending{"IsKilledMidLetter", EndsBy::BeingKilled, MiddleStep},
                      Ending{"IsKilledAtTheLastStep", EndsBy::BeingKilled, LastStep},
                      Ending{"IsKilledAfterTheLastStep", EndsBy::BeingKilled, AfterTheLastStep},
                      Ending{"HangsAtTheFirstStep", EndsBy::Hanging, FirstStep},
                      Ending{"HangsMidLetter", EndsBy::Hanging, MiddleStep},
                      Ending{"HangsAtTheLastStep", EndsBy::Hanging, LastStep},
                      Ending{"HangsAfterTheLastStep", EndsBy::Hanging, AfterTheLastStep}),
    [](const ::testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tavrin::testing
