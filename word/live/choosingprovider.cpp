#include "choosingprovider.h"

#include "installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <set>
#include <utility>

namespace word::live {

namespace {

const QString PluginFileName = QStringLiteral("libtavrin_live.so");

// The plugin once loaded; it stays loaded to the end of the process.
std::atomic<LiveOfficePlugin*>& loadedPlugin() {
    static std::atomic<LiveOfficePlugin*> plugin = nullptr;
    return plugin;
}

// Beside the program in the build tree; installed, in the plugin folder found from the program's folder.
QString pluginPathOf(const ChooserSettings& settings) {
    if (!settings.pluginPath.isEmpty())
        return settings.pluginPath;
    const QDir programDirectory(QCoreApplication::applicationDirPath());
    const QString beside = programDirectory.filePath(PluginFileName);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(
        programDirectory.filePath(QStringLiteral(TAVRIN_LIVE_PLUGIN_FROM_PROGRAM "/") + PluginFileName));
}

[[noreturn]] void noneRunning() {
    throw AutomationError(
        errors::CannotCreateObject,
        QCoreApplication::translate("ChoosingProvider",
                                    "No word processor is running, so there is nothing to attach to."));
}

} // namespace

// What the application handed out before LibreOffice's start or attach is done will turn out to be.
struct ChoosingProvider::PendingState {
    ChoosingProvider* provider = nullptr; // null once the provider is gone
    bool settled = false;
    word::Ref<word::Application> application; // once settled; empty when the attach found nothing
    std::optional<bool> visible;              // asked for before it settled
};

class ChoosingProvider::PendingApplication : public word::Application {
public:
    explicit PendingApplication(std::shared_ptr<PendingState> state) : state_(std::move(state)) {}
    bool Visible() const override { return application()->Visible(); }
    void setVisible(bool visible) override {
        if (state_->settled)
            application()->setVisible(visible);
        else
            state_->visible = visible;
    }
    word::Ref<word::Documents> Documents() override { return application()->Documents(); }

private:
    const word::Ref<word::Application>& application() const {
        if (!state_->settled && state_->provider)
            state_->provider->settlePending();
        if (state_->application.isEmpty())
            throw AutomationError(
                errors::ApplicationUnavailable,
                QCoreApplication::translate("ChoosingProvider", "The word processor did not start."));
        return state_->application;
    }
    std::shared_ptr<PendingState> state_;
};

ChoosingProvider::ChoosingProvider(ChooserSettings settings, TellUser tellUser)
    : settings_(std::move(settings)), tellUser_(std::move(tellUser)) {}

// The plugin stays loaded: its objects may outlive this.
ChoosingProvider::~ChoosingProvider() {
    if (!background_)
        return;
    background_->standIn->provider = nullptr;
    background_->outcome.wait();
}

ChoosingProvider::Backend ChoosingProvider::backend() const {
    const Choice choice = choice_ == Choice::Starting ? background_->before : choice_;
    switch (choice) {
    case Choice::Live:
    case Choice::LiveUnanswered:
    case Choice::Lost:
        return Backend::Live;
    case Choice::BuiltIn:
    case Choice::BuiltInForGood:
        return Backend::BuiltIn;
    case Choice::NotMade:
    case Choice::Unanswered:
    case Choice::Starting:
        break;
    }
    return Backend::None;
}

bool ChoosingProvider::mayAskLive() const {
    return choice_ == Choice::NotMade || choice_ == Choice::Live || choice_ == Choice::BuiltIn;
}

bool ChoosingProvider::lettersGoLive() const {
    return choice_ == Choice::Live || choice_ == Choice::LiveUnanswered || choice_ == Choice::Lost;
}

bool ChoosingProvider::lettersGoToEngine() const {
    return choice_ == Choice::BuiltIn || choice_ == Choice::BuiltInForGood;
}

word::Ref<word::Application> ChoosingProvider::startInBackground(Job job) {
    auto outcome = std::async(std::launch::async, [this, job]() -> Outcome {
        if (!live())
            return {};
        try {
            auto application = job == Job::Start ? office_->CreateApplication() : office_->GetObject();
            office_->prepareWriter();
            return {std::move(application), std::nullopt};
        } catch (const AutomationError& error) {
            return {{}, error};
        }
    });
    auto standIn = std::make_shared<PendingState>();
    standIn->provider = this;
    background_ = Background{job, choice_, std::move(outcome), standIn};
    choice_ = Choice::Starting;
    return word::Ref<word::Application>(std::make_shared<PendingApplication>(std::move(standIn)));
}

word::Ref<word::Application> ChoosingProvider::goLive(word::Ref<word::Application> live) {
    choice_ = Choice::Live;
    return mirroredApplication(mirrorState(), std::move(live), mirrorApplication());
}

void ChoosingProvider::goBuiltIn() {
    choice_ = mayAskLive() ? Choice::BuiltIn : Choice::BuiltInForGood;
}

void ChoosingProvider::noAnswer() {
    if (choice_ == Choice::NotMade)
        choice_ = Choice::Unanswered;
    else if (choice_ == Choice::Live)
        choice_ = Choice::LiveUnanswered;
    else if (choice_ == Choice::BuiltIn)
        choice_ = Choice::BuiltInForGood;
}

void ChoosingProvider::wentAway() {
    if (lettersGoLive())
        choice_ = Choice::Lost;
    else if (choice_ == Choice::BuiltIn)
        choice_ = Choice::BuiltInForGood;
}

// The mirrors are the first to know that LibreOffice went away: a call on one of its letters failed.
void ChoosingProvider::catchUp() {
    settlePending();
    noticeLoss();
}

void ChoosingProvider::noticeLoss() {
    if (liveLost())
        wentAway();
}

void ChoosingProvider::settlePending() {
    if (!background_)
        return;
    const bool waits = background_->outcome.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
    if (waits && settings_.whileWaiting)
        settings_.whileWaiting(true);
    Outcome outcome = background_->outcome.get();
    Background background = std::move(*std::exchange(background_, std::nullopt));
    choice_ = background.before;
    if (waits && settings_.whileWaiting)
        settings_.whileWaiting(false);
    PendingState& standIn = *background.standIn;
    standIn.application =
        background.job == Job::Start ? takeStart(std::move(outcome)) : takeAttach(std::move(outcome));
    standIn.settled = true;
    if (standIn.visible && !standIn.application.isEmpty())
        standIn.application->setVisible(*standIn.visible);
}

// As attachLive has it when it waits.
word::Ref<word::Application> ChoosingProvider::takeAttach(Outcome outcome) {
    if (!outcome.error && !outcome.application.isEmpty())
        return goLive(std::move(outcome.application));
    if (outcome.error && outcome.error->number == errors::ApplicationUnavailable)
        noAnswer();
    // Not the user's to hear about until the next attach, which is where it would have been told.
    if (outcome.error && outcome.error->number != errors::CannotCreateObject)
        attachError_ = outcome.error;
    return {};
}

// As CreateApplication has it when it waits.
word::Ref<word::Application> ChoosingProvider::takeStart(Outcome outcome) {
    if (!outcome.error && !outcome.application.isEmpty())
        return goLive(std::move(outcome.application));
    if (outcome.error) {
        tell(outcome.error->description);
        whyBuiltIn_ = outcome.error->description;
    }
    goBuiltIn();
    return engine_.CreateApplication();
}

bool ChoosingProvider::installationCanServe() {
    const OfficeInstallation installation = inspectInstallation(settings_.office.programDirectory);
    if (!installation.installed || !installation.hasWriter ||
        (!settings_.office.headless && !installation.canShowWindows)) {
        whyBuiltIn_ = installation.whyNot;
        return false;
    }
    return true;
}

LiveOffice* ChoosingProvider::live() {
    if (pluginTried_)
        return office_.get();
    pluginTried_ = true;
    // Without LibreOffice there is no runtime for the plugin to load, so it is not even tried.
    const OfficeInstallation installation = inspectInstallation(settings_.office.programDirectory);
    if (!installation.installed) {
        whyBuiltIn_ = installation.whyNot;
        return nullptr;
    }
    loader_.setFileName(pluginPathOf(settings_));
    auto* plugin = qobject_cast<LiveOfficePlugin*>(loader_.instance());
    if (!plugin) {
        whyBuiltIn_ =
            QCoreApplication::translate("ChoosingProvider", "The live word processor could not be loaded: %1")
                .arg(loader_.errorString());
        return nullptr;
    }
    loadedPlugin() = plugin;
    office_ = plugin->createOffice(settings_.office);
    return office_.get();
}

bool endLiveOffice(std::chrono::milliseconds limit) {
    LiveOfficePlugin* const plugin = loadedPlugin().exchange(nullptr);
    return !plugin || plugin->endProcess(limit);
}

bool ChoosingProvider::liveConnected() const {
    return office_ && office_->isConnected();
}

bool ChoosingProvider::canStartLive() {
    return live() && installationCanServe();
}

std::shared_ptr<MirrorState> ChoosingProvider::mirrorState() {
    const int connection = office_->connectionNumber();
    if (mirrors_.empty() || (mirrors_.back().first != connection && !mirrors_.back().second->isLost()))
        mirrors_.emplace_back(connection, std::make_shared<MirrorState>(tellUser_));
    return mirrors_.back().second;
}

bool ChoosingProvider::liveLost() const {
    return !mirrors_.empty() && mirrors_.back().second->isLost();
}

void ChoosingProvider::lose(const AutomationError& error) {
    wentAway();
    if (error.number == errors::ApplicationUnavailable)
        return mirrorState()->lose(error);
    // No LibreOffice answers on the pipe any more: what ended the last connection says more.
    const QString reason = office_->lostReason();
    mirrorState()->lose(AutomationError(
        errors::ApplicationUnavailable,
        reason.isEmpty() ? QCoreApplication::translate("LiveOffice", "LibreOffice is no longer running.")
                         : reason));
}

word::Ref<word::Application> ChoosingProvider::mirrorApplication() {
    try {
        return mirrorEngine_.GetObject();
    } catch (const AutomationError&) {
        return mirrorEngine_.CreateApplication();
    }
}

word::Ref<word::Application> ChoosingProvider::attachLive() {
    if (!mayAskLive() || !live())
        return {};
    try {
        return goLive(office_->GetObject());
    } catch (const AutomationError& error) {
        if (error.number == errors::CannotCreateObject)
            return {};
        if (error.number == errors::ApplicationUnavailable)
            noAnswer();
        throw;
    }
}

// Whether anything listens on the pipe is told at once; connecting to it is not waited for.
word::Ref<word::Application> ChoosingProvider::attachInBackground() {
    if (inspectInstallation(settings_.office.programDirectory).installed &&
        isListening(settings_.office.pipeName))
        return startInBackground(Job::Attach);
    return chosenApplication();
}

// The application of the word processor letters already go to, with no LibreOffice to attach.
word::Ref<word::Application> ChoosingProvider::chosenApplication() {
    if (choice_ == Choice::Lost)
        return mirroredApplication(mirrorState(), {}, mirrorApplication());
    if (lettersGoToEngine())
        return engine_.GetObject();
    noneRunning();
}

word::Ref<word::Application> ChoosingProvider::GetObject() {
    catchUp();
    if (attachError_)
        throw *std::exchange(attachError_, std::nullopt);
    if (settings_.startInBackground && mayAskLive() && !liveConnected())
        return attachInBackground();
    if (auto application = attachLive())
        return application;
    return chosenApplication();
}

word::Ref<word::Application> ChoosingProvider::CreateApplication() {
    catchUp();
    if (settings_.startInBackground && mayAskLive() && installationCanServe())
        return startInBackground(Job::Start);
    if (mayAskLive() && canStartLive()) {
        try {
            return goLive(office_->CreateApplication());
        } catch (const AutomationError& error) {
            tell(error.description);
            whyBuiltIn_ = error.description;
        }
    }
    goBuiltIn();
    return engine_.CreateApplication();
}

void ChoosingProvider::tell(const QString& what) {
    if (tellUser_)
        tellUser_(QCoreApplication::translate(
                      "ChoosingProvider", "%1\n\nTavrin writes your letter with its own word processor "
                                          "instead. It is saved in your documents folder when Tavrin closes.")
                      .arg(what));
}

word::Ref<word::Document> ChoosingProvider::CreateDocument() {
    catchUp();
    if (choice_ == Choice::NotMade) {
        try {
            attachLive();
        } catch (const AutomationError& error) {
            tell(error.description);
        }
    }
    if (lettersGoLive()) {
        if (choice_ != Choice::Lost) {
            try {
                auto live = office_->CreateDocument();
                mirrorApplication();
                return mirroredDocument(mirrorState(), std::move(live), mirrorEngine_.CreateDocument());
            } catch (const AutomationError& error) {
                if (error.number != errors::ApplicationUnavailable &&
                    error.number != errors::CannotCreateObject)
                    throw;
                lose(error);
            }
        }
        mirrorApplication();
        return mirroredDocument(mirrorState(), {}, mirrorEngine_.CreateDocument());
    }
    goBuiltIn();
    return engine_.CreateDocument();
}

word::Ref<word::Global> ChoosingProvider::Global() {
    catchUp();
    if (choice_ == Choice::NotMade)
        attachLive();
    if (!lettersGoLive())
        return engine_.Global();
    word::Ref<word::Global> live;
    if (choice_ != Choice::Lost) {
        try {
            live = office_->Global();
        } catch (const AutomationError& error) {
            if (error.number != errors::ApplicationUnavailable && error.number != errors::CannotCreateObject)
                throw;
            lose(error);
        }
    }
    word::Ref<word::Global> mirror;
    try {
        mirror = mirrorEngine_.Global();
    } catch (const AutomationError&) {
        if (live.isEmpty())
            throw;
    }
    return mirroredGlobal(mirrorState(), std::move(live), std::move(mirror));
}

std::vector<engine::DocumentToHandOver> ChoosingProvider::lettersToHandOver() const {
    std::vector<engine::DocumentToHandOver> letters;
    for (const engine::EngineDocument& document : engine_.documents())
        if (!document.closed)
            letters.push_back({&engine::modelOf(document.document), document.applicationVisible});

    // Mirrors stand in for the letters of a LibreOffice that went away; the user was to see them there.
    std::set<const engine::DocumentModel*> orphaned;
    for (const auto& [connection, state] : mirrors_)
        if (state->isLost())
            for (const auto& document : state->documents)
                orphaned.insert(&engine::modelOf(document));
    for (const engine::EngineDocument& document : mirrorEngine_.documents()) {
        const engine::DocumentModel* model = &engine::modelOf(document.document);
        if (!document.closed && orphaned.count(model))
            letters.push_back({model, true});
    }
    return letters;
}

void ChoosingProvider::confirmLiveLetters() {
    settlePending();
    for (const auto& [connection, state] : mirrors_) {
        if (state->isLost() || state->documents.empty())
            continue;
        if (connection != office_->connectionNumber()) {
            // A later connection replaced this one: the LibreOffice that held these letters went away.
            state->lose(AutomationError(
                errors::ApplicationUnavailable,
                QCoreApplication::translate(
                    "LiveOffice", "The connection to LibreOffice ended: LibreOffice quit or crashed.")));
            continue;
        }
        try {
            office_->checkConnection();
        } catch (const AutomationError& error) {
            if (error.number != errors::ApplicationUnavailable)
                throw;
            state->lose(error);
        }
    }
}

engine::HandOverResult handOverOpenDocuments(ChoosingProvider& provider, const engine::Desktop& desktop) {
    provider.confirmLiveLetters();
    return engine::handOver(provider.lettersToHandOver(), desktop);
}

} // namespace word::live
