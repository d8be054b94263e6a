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

#include "mirror.h"
#include "office.h"
#include "word/engine/engine.h"
#include "word/engine/handover.h"

#include <QPluginLoader>
#include <QString>

#include <memory>
#include <vector>

namespace word::live {

struct ChooserSettings {
    OfficeSettings office;
    QString pluginPath; // empty: libtavrin_live.so beside the executable, or in its installed folder
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
    Backend backend() const { return backend_; }
    // Why the built-in engine serves instead of LibreOffice; empty while nothing stood in the way.
    const QString& whyBuiltIn() const { return whyBuiltIn_; }

    // The letters the program hands to the user at its end: every open document of the built-in engine,
    // and the mirrored letters whose LibreOffice went away. A letter that LibreOffice holds stays there.
    std::vector<engine::DocumentToHandOver> lettersToHandOver() const;

    // The live backend, once loaded; null without the plugin or LibreOffice. For tests and measurements.
    LiveOffice* liveOffice() { return office_.get(); }
    const engine::Engine& builtInEngine() const { return engine_; }

private:
    LiveOffice* live();
    bool canStartLive();
    // The mirrors of the current LibreOffice connection; those of one that went away serve on.
    std::shared_ptr<MirrorState> mirrorState();
    bool liveLost() const;
    void lose(const AutomationError& error);
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
    bool liveUnanswered_ = false;
    Backend backend_ = Backend::None;
    QString whyBuiltIn_;
    // One per LibreOffice connection, in the order they were made.
    std::vector<std::pair<int, std::shared_ptr<MirrorState>>> mirrors_;
};

// Hands the letters of lettersToHandOver() to the user (see word/engine/handover.h).
engine::HandOverResult handOverOpenDocuments(const ChoosingProvider& provider,
                                             const engine::Desktop& desktop = engine::Desktop::user());

} // namespace word::live
