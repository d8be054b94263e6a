#include "choosingprovider.h"

#include "installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <set>

namespace word::live {

namespace {

const QString PluginFileName = QStringLiteral("libtavrin_live.so");

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
    throw AutomationError(errors::CannotCreateObject,
                          QStringLiteral("No word processor is running, so there is nothing to attach to."));
}

} // namespace

ChoosingProvider::ChoosingProvider(ChooserSettings settings, TellUser tellUser)
    : settings_(std::move(settings)), tellUser_(std::move(tellUser)) {}

ChoosingProvider::~ChoosingProvider() = default; // the plugin stays loaded: its objects may outlive this

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
            QStringLiteral("The live word processor could not be loaded: %1").arg(loader_.errorString());
        return nullptr;
    }
    office_ = plugin->createOffice(settings_.office);
    return office_.get();
}

bool ChoosingProvider::canStartLive() {
    if (!live())
        return false;
    const OfficeInstallation installation = inspectInstallation(settings_.office.programDirectory);
    if (!installation.hasWriter || (!settings_.office.headless && !installation.canShowWindows)) {
        whyBuiltIn_ = installation.whyNot;
        return false;
    }
    return true;
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
    if (error.number == errors::ApplicationUnavailable)
        return mirrorState()->lose(error);
    // No LibreOffice answers on the pipe any more: what ended the last connection says more.
    const QString reason = office_->lostReason();
    mirrorState()->lose(
        AutomationError(errors::ApplicationUnavailable,
                        reason.isEmpty() ? QStringLiteral("LibreOffice is no longer running.") : reason));
}

word::Ref<word::Application> ChoosingProvider::mirrorApplication() {
    try {
        return mirrorEngine_.GetObject();
    } catch (const AutomationError&) {
        return mirrorEngine_.CreateApplication();
    }
}

word::Ref<word::Application> ChoosingProvider::attachLive() {
    if (liveUnanswered_ || liveLost() || !live())
        return {};
    try {
        auto application = office_->GetObject();
        backend_ = Backend::Live;
        return mirroredApplication(mirrorState(), std::move(application), mirrorApplication());
    } catch (const AutomationError& error) {
        if (error.number == errors::CannotCreateObject)
            return {};
        if (error.number == errors::ApplicationUnavailable)
            liveUnanswered_ = true;
        throw;
    }
}

word::Ref<word::Application> ChoosingProvider::GetObject() {
    if (auto application = attachLive())
        return application;
    if (backend_ == Backend::Live && liveLost())
        return mirroredApplication(mirrorState(), {}, mirrorApplication());
    if (backend_ == Backend::BuiltIn)
        return engine_.GetObject();
    noneRunning();
}

word::Ref<word::Application> ChoosingProvider::CreateApplication() {
    if (!liveUnanswered_ && !liveLost() && canStartLive()) {
        try {
            auto application = office_->CreateApplication();
            backend_ = Backend::Live;
            return mirroredApplication(mirrorState(), std::move(application), mirrorApplication());
        } catch (const AutomationError& error) {
            tell(error.description);
            whyBuiltIn_ = error.description;
        }
    }
    backend_ = Backend::BuiltIn;
    return engine_.CreateApplication();
}

void ChoosingProvider::tell(const QString& what) {
    if (tellUser_)
        tellUser_(
            QStringLiteral("%1\n\nTavrin writes your letter with its own word processor instead. It is saved "
                           "in your documents folder when Tavrin closes.")
                .arg(what));
}

word::Ref<word::Document> ChoosingProvider::CreateDocument() {
    if (backend_ == Backend::None) {
        try {
            attachLive();
        } catch (const AutomationError& error) {
            tell(error.description);
        }
    }
    if (backend_ == Backend::Live) {
        if (!liveLost()) {
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
    backend_ = Backend::BuiltIn;
    return engine_.CreateDocument();
}

word::Ref<word::Global> ChoosingProvider::Global() {
    if (backend_ == Backend::None)
        attachLive();
    if (backend_ != Backend::Live)
        return engine_.Global();
    word::Ref<word::Global> live;
    if (!liveLost()) {
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

engine::HandOverResult handOverOpenDocuments(const ChoosingProvider& provider,
                                             const engine::Desktop& desktop) {
    return engine::handOver(provider.lettersToHandOver(), desktop);
}

} // namespace word::live
