#include "livebench.h"

#include "word/live/installation.h"

#include <QCoreApplication>

namespace tavrin::bench {

word::live::ChooserSettings privateOffice(const QString& profile, const QString& pipe) {
    word::live::ChooserSettings settings;
    settings.pluginPath = QStringLiteral(TAVRIN_LIVE_PLUGIN);
    settings.office.programDirectory = QStringLiteral(TAVRIN_LIVE_PROGRAM_DIR);
    settings.office.profileDirectory = profile;
    settings.office.pipeName = pipe;
    return settings;
}

QString privatePipe(const char* purpose) {
    static int count = 0;
    return QStringLiteral("tavrin-bench-%1-%2-%3")
        .arg(QLatin1String(purpose))
        .arg(QCoreApplication::applicationPid())
        .arg(++count);
}

bool libreOfficeCan(benchmark::State& state, Needs needs) {
    const auto installation = word::live::inspectInstallation(QStringLiteral(TAVRIN_LIVE_PROGRAM_DIR));
    const bool can = needs == Needs::WriterWindows ? installation.canShowWindows
                                                   : installation.installed && installation.hasWriter;
    if (!can)
        state.SkipWithError(installation.whyNot.toUtf8().constData());
    return can;
}

} // namespace tavrin::bench

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
