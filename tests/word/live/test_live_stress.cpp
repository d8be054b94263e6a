// Many LibreOffice connections in one process, each ended a different way while calls are under way:
// LibreOffice shut down, killed, stopped until the call's time limit passes, or merely let go. Tavrin
// must come through every round whole, with the round's letter live or handed over from its mirror.

#include "livetesting.h"
#include "tests/builder/styles/styledletter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavrin::testing {
namespace {

using Backend = word::live::ChoosingProvider::Backend;

enum class Ending { ShutDown, Killed, Hangs, LetGo };

const char* nameOf(Ending ending) {
    switch (ending) {
    case Ending::ShutDown:
        return "shut down";
    case Ending::Killed:
        return "killed";
    case Ending::Hangs:
        return "hangs";
    case Ending::LetGo:
        return "let go";
    }
    return "";
}

class LiveStress : public ::testing::Test {
protected:
    void SetUp() override {
        if (const auto why = whyLiveTestsCannotRun())
            GTEST_SKIP() << "Live tests need LibreOffice: " << why->toStdString();
    }
};

// One round: LibreOffice started by the wizard, a letter, more connections to it, then its end.
void runRound(const QString& profile, Ending ending, int round) {
    SCOPED_TRACE(QStringLiteral("round %1, LibreOffice %2").arg(round).arg(nameOf(ending)).toStdString());
    auto settings = privateOfficeSettings(profile, uniquePipeName(QStringLiteral("stress")));
    // Short enough for the rounds where it hangs, long enough for a machine under load.
    settings.office.callTimeLimit = std::chrono::seconds(8);
    const WizardChoices letter = sampleChoices(Style::Romantic);
    ToldMessages told;
    {
        word::live::ChoosingProvider provider(settings, told.teller());
        LetterRun wizard(provider);
        wizard.form.Command1_Click();
        wizard.build(letter);
        ASSERT_EQ(provider.backend(), Backend::Live) << provider.whyBuiltIn().toStdString();
        EXPECT_EQ(provider.Global()->ActiveDocument()->Tables()->Count(), 1);

        // Connections made and let go while this one stays: the bench's and the user's pattern.
        for (int other = 0; other < 3; ++other) {
            word::live::ChoosingProvider attached(settings, told.teller());
            LetterRun second(attached);
            second.build(letter);
            ASSERT_EQ(attached.backend(), Backend::Live)
                << attached.whyBuiltIn().toStdString() << told.messages.join(u'\n').toStdString();
            attached.Global()->ActiveDocument()->Close(false);
        }

        switch (ending) {
        case Ending::ShutDown:
            provider.liveOffice()->shutDown();
            break;
        case Ending::Killed:
            killOfficeProcesses(settings.office.pipeName);
            break;
        case Ending::Hangs:
            pauseOfficeProcesses(settings.office.pipeName, true);
            break;
        case Ending::LetGo:
            break;
        }
        // A call under way as LibreOffice ends: it fails or times out, and the mirror takes the letter.
        EXPECT_NO_THROW(provider.Global()->Selection()->TypeText(QStringLiteral("P.S.")));
        if (ending == Ending::LetGo) {
            EXPECT_TRUE(provider.lettersToHandOver().empty());
            EXPECT_TRUE(told.messages.isEmpty()) << told.messages.join(u'\n').toStdString();
            provider.Global()->ActiveDocument()->Close(false);
        } else {
            EXPECT_EQ(provider.lettersToHandOver().size(), 1u);
            EXPECT_EQ(told.messages.size(), 1) << told.messages.join(u'\n').toStdString();
        }
    }
    killOfficeProcesses(settings.office.pipeName);
}

TEST_F(LiveStress, ConnectWriteAndEndLibreOfficeManyTimesInOneProcess) {
    QTemporaryDir profile;
    constexpr int Rounds = 12;
    for (int round = 0; round < Rounds; ++round) {
        runRound(profile.path(), Ending(round % 4), round);
        if (HasFatalFailure())
            return;
    }
}

} // namespace
} // namespace tavrin::testing
