#include "progressbar.h"

#include <cmath>

namespace tavrin::letters {

namespace {

constexpr int BarWidth = 24;
constexpr double SecondsBetweenDraws = 0.1;
// Back to the start of the line, and everything after the cursor erased.
const QString StartOfLine = QStringLiteral("\r");
const QString EraseToEnd = QStringLiteral("\033[K");

QString clockTime(double seconds) {
    const qint64 whole = qint64(std::ceil(seconds));
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2").arg(whole / 60 % 60).arg(whole % 60, 2, 10, QChar(u'0'));
    return whole >= 3600 ? QStringLiteral("%1:%2").arg(whole / 3600).arg(minutesAndSeconds, 5, QChar(u'0'))
                         : minutesAndSeconds;
}

} // namespace

QString progressLine(int done, int total, double seconds) {
    const double share = total > 0 ? double(done) / total : 1;
    const int filled = int(share * BarWidth);
    QString line = u'[' + QString(filled, u'#') + QString(BarWidth - filled, u'-') + u']' +
                   QStringLiteral(" %1/%2 letters").arg(done).arg(total);
    // Until a letter is done there is no rate to tell the time left by.
    if (done == 0 || seconds <= 0)
        return line;
    const double rate = done / seconds;
    return line + QStringLiteral(", %1/s, %2 left")
                      .arg(qint64(std::lround(rate)))
                      .arg(clockTime((total - done) / rate));
}

ProgressBar::ProgressBar(Print print, Clock clock)
    : print_(std::move(print)), clock_(std::move(clock)), start_(clock_()) {}

void ProgressBar::update(int done, int total) {
    if (finished_)
        return;
    if (done >= total) {
        clear();
        finished_ = true;
        return;
    }
    const double now = clock_();
    if (!shown_.isEmpty() && now - drawnAt_ < SecondsBetweenDraws)
        return;
    drawnAt_ = now;
    shown_ = progressLine(done, total, now - start_);
    print_(StartOfLine + shown_ + EraseToEnd);
}

void ProgressBar::printAbove(const Print& print, const QString& text) {
    const QString line = shown_;
    clear();
    print(text);
    if (!line.isEmpty()) {
        shown_ = line;
        print_(shown_ + EraseToEnd);
    }
}

void ProgressBar::clear() {
    if (shown_.isEmpty())
        return;
    print_(StartOfLine + EraseToEnd);
    shown_.clear();
}

} // namespace tavrin::letters
