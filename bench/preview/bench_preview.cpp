// How long the preview lags the wizard: from a change of one control (the recipient's name set anew) to
// the preview's new image being ready in its window, for each style. Each change is timed on its own, on
// the wall clock (the rendering runs on a worker thread); the median and the 95th percentile of the
// changes are reported as counters, in milliseconds.

#include "preview/letterfollower.h"
#include "preview/previewwindow.h"
#include "preview/wizardpreview.h"
#include "tests/wizard/fakehost.h"
#include "wizard/frmmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace {

using namespace tavrin;

const char* const StyleOptions[] = {"OptSimple",  "OptRomantic", "OptDark",
                                    "OptClassic", "OptElegant",  "OptModern"};

void waitUntilShown(const preview::LetterFollower& follower) {
    while (!follower.upToDate())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(fraction * double(values.size())))];
}

void changeToPreviewImage(benchmark::State& state, Style style) {
    testing::FakeHost host;
    FrmMain wizard(host);
    wizard.Form_Load();
    preview::WizardPreview* preview = preview::attachPreview(wizard);
    wizard.show();
    wizard.findChild<QRadioButton*>(QString::fromLatin1(StyleOptions[int(style)]))->click();
    preview->open();
    waitUntilShown(*preview->follower());

    auto* name = wizard.findChild<QLineEdit*>(QStringLiteral("RecNameText"));
    std::vector<double> milliseconds;
    int change = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        name->setText(QStringLiteral("Recipient %1").arg(++change));
        waitUntilShown(*preview->follower());
        milliseconds.push_back(double(clock.nsecsElapsed()) / 1e6);
        state.SetIterationTime(milliseconds.back() / 1e3);
    }
    state.counters["median_ms"] = percentile(milliseconds, 0.5);
    state.counters["p95_ms"] = percentile(milliseconds, 0.95);
    state.counters["pages"] = double(preview->window()->pagesView()->pages().size());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (Style style : AllStyles)
        benchmark::RegisterBenchmark(("changeToPreviewImage/" + styleName(style).toStdString()).c_str(),
                                     changeToPreviewImage, style)
            ->UseManualTime()
            ->Iterations(200)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
