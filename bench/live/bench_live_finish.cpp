// What a user waits for after Finish with LibreOffice as the word processor: from Finish to the letter
// in a Writer window on the screen. LibreOffice is started behind the wizard, as the program does, 5 s
// before Finish; then Finish runs as the wizard runs it (the second attach, the letter, the program's end
// confirming its live letters), and the clock stops once the X server shows a Writer window and
// LibreOffice has answered one more call, so that all it was asked to do is done.
//
// Needs the full LibreOffice and a display (xvfb-run). Each run starts and ends a LibreOffice of its own,
// on a private pipe and profile.

#include "bench/benchletter.h"
#include "livebench.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace {

using namespace tavrin;

constexpr int SecondsBehindTheWizard = 5;
constexpr int SecondsToShow = 60;

// The Writer windows the X server shows: mapped and viewable, titled "... - LibreOffice Writer".
class Screen {
public:
    Screen() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~Screen() { xcb_disconnect(connection_); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    bool isOpen() const { return xcb_connection_has_error(connection_) == 0; }

    std::set<xcb_window_t> writerWindows() {
        std::set<xcb_window_t> windows;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        collect(screen->root, windows);
        return windows;
    }

    // Waits for a Writer window that is not among those; false when none shows in time.
    bool waitForNewWriterWindow(const std::set<xcb_window_t>& before) {
        const QDeadlineTimer deadline(SecondsToShow * 1000);
        while (!deadline.hasExpired()) {
            for (xcb_window_t window : writerWindows())
                if (!before.contains(window))
                    return true;
            QThread::msleep(2);
        }
        return false;
    }

private:
    void collect(xcb_window_t window, std::set<xcb_window_t>& into) {
        if (isViewable(window) && titleOf(window).endsWith(QLatin1String(" - LibreOffice Writer")))
            into.insert(window);
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr);
        if (!tree)
            return;
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree); ++i)
            collect(children[i], into);
        free(tree);
    }
    bool isViewable(xcb_window_t window) {
        xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, window), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        free(attributes);
        return viewable;
    }
    QString titleOf(xcb_window_t window) {
        xcb_get_property_reply_t* name = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr);
        QString title;
        if (name)
            title = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name)),
                                      xcb_get_property_value_length(name));
        free(name);
        return title;
    }

    xcb_connection_t* connection_;
};

word::live::ChooserSettings programSettings(const QString& profile, const QString& pipe) {
    word::live::ChooserSettings settings = bench::privateOffice(profile, pipe);
    settings.startInBackground = true;
    return settings;
}

bool canShowWriter(benchmark::State& state, Screen& screen) {
    if (!bench::libreOfficeCan(state, bench::Needs::WriterWindows))
        return false;
    if (!screen.isOpen()) {
        state.SkipWithError("No X display to show Writer's window on.");
        return false;
    }
    return true;
}

// One letter per run: a Writer window only counts when it shows the letter Finish wrote.
void finishToShownLetter(benchmark::State& state, Style style) {
    static Screen screen; // one connection to the X server for every run
    if (!canShowWriter(state, screen))
        return;
    QTemporaryDir profile;
    const WizardChoices choices = bench::benchmarkLetter(style);
    std::vector<double> milliseconds;
    for (auto _ : state) {
        const QString pipe = bench::privatePipe("finish");
        QStringList told;
        word::live::ChoosingProvider provider(programSettings(profile.path(), pipe),
                                              [&told](const QString& message) { told.append(message); });
        bench::NoUserInterface ui;
        MBas mBas;
        QTemporaryDir programDirectory;
        {
            Form1 form({provider, mBas, ui, programDirectory.path()});
            form.Command1_Click(); // the wizard opens, LibreOffice starts behind it
            QThread::sleep(SecondsBehindTheWizard);
            const std::set<xcb_window_t> before = screen.writerWindows();

            QElapsedTimer finish;
            finish.start();
            form.Command1_Click();
            mBas.alignment = 0;
            form.Sapolnenie(choices);
            provider.confirmLiveLetters(); // the program's end, before it hands anything over
            const bool shown = screen.waitForNewWriterWindow(before);
            provider.liveOffice()->checkConnection();
            state.SetIterationTime(double(finish.nsecsElapsed()) / 1e9);
            milliseconds.push_back(double(finish.nsecsElapsed()) / 1e6);

            const bool live = provider.backend() == word::live::ChoosingProvider::Backend::Live;
            if (!shown || !live || !told.isEmpty() || !ui.told.isEmpty())
                state.SkipWithError(QStringLiteral("The letter was not shown in Writer: %1 %2 %3")
                                        .arg(shown ? QString() : QStringLiteral("no window showed."),
                                             provider.whyBuiltIn(), (told + ui.told).join(u' '))
                                        .toUtf8()
                                        .constData());
        }
        provider.liveOffice()->shutDown();
        if (state.error_occurred())
            break;
    }
    if (state.error_occurred() || milliseconds.empty())
        return;
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["fastest_ms"] = milliseconds.front();
    state.counters["slowest_ms"] = milliseconds.back();
}
void registerFinish(const std::string& name, Style style) {
    const auto finish = [style](benchmark::State& state) { finishToShownLetter(state, style); };
    benchmark::RegisterBenchmark(("finishToShownLetter/" + name).c_str(), finish)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(5);
}
[[maybe_unused]] const bool registered = (bench::forEachStyle(registerFinish), true);

} // namespace
