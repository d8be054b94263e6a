#pragma once

// The program's word processor: LibreOffice Writer, live, wherever it can be had; the built-in engine
// everywhere else, so that the user always gets a letter.
//
// The choice, made again at every request:
// - GetObject: the LibreOffice listening on Tavrin's pipe (per user), attached as it is; otherwise the
//   built-in engine's application if letters already go there; otherwise errors::CannotCreateObject (429),
//   "none running". A LibreOffice on the pipe that does not answer is reported as such (its error), and is
//   not asked again while the program runs.
// - CreateApplication: LibreOffice started on the pipe with a window (or headless, where the settings say
//   so) and connected. When LibreOffice is not installed, has no Writer, or cannot show a window (only its
//   -nogui packages, or no display), the built-in engine starts instead, quietly; when it is installed but
//   cannot be started, the engine starts and the user is told why.
// - CreateDocument and Global: on the word processor the last choice went to; with none made yet, the
//   attached LibreOffice if one listens, else the built-in engine.
//
// Live objects are mirrored on built-in engine documents (mirror.h): a LibreOffice that stops answering or
// goes away mid-letter is reported to the user once, and the letter is finished and handed over from the
// engine.
//
// The live backend is a plugin (libtavrin_live.so beside the executable); without it, or without its UNO
// runtime, everything goes to the built-in engine.
//
// In the background (startInBackground): the first GetObject and CreateApplication decide as above, but
// without waiting for LibreOffice. GetObject tells "none running" at once from whether anything listens on
// the pipe; where something does, and for CreateApplication, the plugin is loaded and LibreOffice
// connected (or started and connected) on a thread of its own, and Writer loaded in it. They hand back an
// application that stands for the outcome: it remembers being made visible, and anything else asked of
// it, like every later request, waits for the outcome (telling whileWaiting). What goes wrong is told
// then, as it would have been at once.

#include "mirror.h"
#include "office.h"
#include "word/engine/engine.h"
#include "word/engine/handover.h"

#include <QPluginLoader>
#include <QString>

#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <vector>

namespace word::live {

struct ChooserSettings {
    OfficeSettings office;
    QString pluginPath; // empty: libtavrin_live.so beside the executable, or in its installed folder
    bool startInBackground = false;
    // Called with true when a request has to wait for LibreOffice, and with false when it is done waiting.
    std::function<void(bool waiting)> whileWaiting;
};

class ChoosingProvider : public word::Provider {
public:
    enum class Backend { None, Live, BuiltIn };

    // tellUser shows the user a message (a message box in the program).
    ChoosingProvider(ChooserSettings settings, TellUser tellUser);
    ~ChoosingProvider() override;
    ChoosingProvider(const ChoosingProvider&) = delete;
    ChoosingProvider& operator=(const ChoosingProvider&) = delete;

    word::Ref<word::Application> GetObject() override;
    word::Ref<word::Application> CreateApplication() override;
    word::Ref<word::Document> CreateDocument() override;
    word::Ref<word::Global> Global() override;

    // Where the last choice went.
    Backend backend() const;
    // Why the built-in engine serves instead of LibreOffice; empty while nothing stood in the way.
    const QString& whyBuiltIn() const { return whyBuiltIn_; }

    // The letters the program hands to the user at its end: every open document of the built-in engine,
    // and the mirrored letters whose LibreOffice went away. A letter that LibreOffice holds stays there.
    std::vector<engine::DocumentToHandOver> lettersToHandOver() const;
    // Asks every LibreOffice that holds a letter whether it is still there; the letters of one that went
    // away, or does not answer, count as lost (the user is told) and are handed over from their mirrors.
    void confirmLiveLetters();

    // The live backend, once loaded; null without the plugin or LibreOffice. For tests and measurements.
    LiveOffice* liveOffice() {
        settlePending();
        return office_.get();
    }
    const engine::Engine& builtInEngine() const { return engine_; }

    // Waits for LibreOffice's start or attach in the background, if one is under way, and takes its outcome.
    void settlePending();
    bool isPending() const { return choice_ == Choice::Starting; }

private:
    // Where the choice stands. LibreOffice is asked for an application only in NotMade, Live and BuiltIn:
    // one that did not answer, or went away, is not asked again.
    enum class Choice {
        NotMade,        // no letter has gone anywhere yet
        Unanswered,     // none made yet, and the LibreOffice on the pipe did not answer
        Starting,       // LibreOffice starts, or is attached, in the background
        Live,           // letters go to LibreOffice
        LiveUnanswered, // letters go to LibreOffice, which did not answer an attach; its letters still ask it
        Lost,           // letters went to a LibreOffice that went away: their mirrors finish them
        BuiltIn,        // letters go to the built-in engine
        BuiltInForGood, // letters go to the built-in engine, and LibreOffice is not asked again
    };
    enum class Job { Attach, Start };
    struct Outcome {
        word::Ref<word::Application> application;
        std::optional<AutomationError> error;
    };
    class PendingApplication;
    struct PendingState;
    // The start or attach under way in the background.
    struct Background {
        Job job = Job::Attach;
        Choice before = Choice::NotMade; // where the choice stood when it began
        std::future<Outcome> outcome;
        std::shared_ptr<PendingState> standIn; // what stands for its application
    };

    // The transitions of the choice.
    word::Ref<word::Application> startInBackground(Job job); // to Starting
    // To Live: the application handed out for it, mirrored.
    word::Ref<word::Application> goLive(word::Ref<word::Application> live);
    void goBuiltIn(); // to BuiltIn, or BuiltInForGood when LibreOffice is not to be asked again
    void noAnswer();  // the LibreOffice on the pipe did not answer an attach
    void wentAway();  // LibreOffice went away under its letters
    // wentAway, and the user is told through the mirrors.
    void lose(const AutomationError& error);
    // Brings the choice up to date before a request: the background's outcome, a loss the mirrors met.
    void catchUp();
    void noticeLoss();

    // What the choice allows.
    bool mayAskLive() const;
    bool lettersGoLive() const;
    bool lettersGoToEngine() const;

    word::Ref<word::Application> takeAttach(Outcome outcome);
    word::Ref<word::Application> takeStart(Outcome outcome);
    word::Ref<word::Application> attachInBackground();
    word::Ref<word::Application> chosenApplication();
    LiveOffice* live();
    bool liveConnected() const;
    // Whether the installation can serve (Writer, and windows unless headless), without loading anything.
    bool installationCanServe();
    bool canStartLive();
    // The mirrors of the current LibreOffice connection; those of one that went away serve on.
    std::shared_ptr<MirrorState> mirrorState();
    bool liveLost() const;
    word::Ref<word::Application> mirrorApplication();
    word::Ref<word::Application> attachLive();
    void tell(const QString& what);

    ChooserSettings settings_;
    TellUser tellUser_;
    engine::Engine engine_;
    engine::Engine mirrorEngine_;
    QPluginLoader loader_;
    bool pluginTried_ = false;
    std::unique_ptr<LiveOffice> office_;
    Choice choice_ = Choice::NotMade;
    QString whyBuiltIn_;
    // One per LibreOffice connection, in the order they were made.
    std::vector<std::pair<int, std::shared_ptr<MirrorState>>> mirrors_;
    std::optional<Background> background_;
    // What the attach in the background ran into, for the next attach to report.
    std::optional<AutomationError> attachError_;
};

// For the end of the program, after every ChoosingProvider is gone: ends what the live word processor's
// plugin started in this process, if it was loaded (LiveOfficePlugin::endProcess). True when all of it
// ended, or nothing was started.
bool endLiveOffice(std::chrono::milliseconds limit = std::chrono::seconds(10));

// Hands the letters of lettersToHandOver() to the user (see word/engine/handover.h).
// Confirms the live letters first (confirmLiveLetters).
engine::HandOverResult handOverOpenDocuments(ChoosingProvider& provider,
                                             const engine::Desktop& desktop = engine::Desktop::user());

} // namespace word::live
