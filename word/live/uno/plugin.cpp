// The plugin's entry point: what QPluginLoader finds in libtavrin_live.so.

#include "liveoffice.h"

#include <QObject>

namespace word::live {

class LiveOfficePluginEntry : public QObject, public LiveOfficePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TavrinLiveOfficePlugin_iid)
    Q_INTERFACES(word::live::LiveOfficePlugin)

public:
    std::unique_ptr<LiveOffice> createOffice(const OfficeSettings& settings) override {
        return std::make_unique<Office>(settings);
    }
    bool endProcess(std::chrono::milliseconds limit) override { return endRuntime(limit); }
};

} // namespace word::live

#include "plugin.moc"
