#pragma once

// The progress bar tavrin-letters draws on a terminal: letters done of all, the rate and the time left,
// redrawn in place on one line at most ten times a second. Other output goes above it, and it is gone
// once every letter is done, before the summary.

#include <QString>

#include <functional>

namespace tavrin::letters {

// The bar's line, e.g. "[#########---------------] 4000/10000 letters, 2000/s, 0:03 left".
QString progressLine(int done, int total, double seconds);

class ProgressBar {
public:
    using Print = std::function<void(const QString&)>;
    using Clock = std::function<double()>; // seconds since any fixed moment

    // print writes to the terminal the bar is on.
    ProgressBar(Print print, Clock clock);

    // Redraws the bar unless it was drawn less than a tenth of a second ago; clears it for good when
    // everything is done.
    void update(int done, int total);

    // Prints text (whole lines) where the bar is and draws the bar again below it. print writes to the
    // same terminal as the bar.
    void printAbove(const Print& print, const QString& text);

private:
    void clear();

    Print print_;
    Clock clock_;
    double start_;
    double drawnAt_ = 0;
    QString shown_; // the line on screen; empty when none
    bool finished_ = false;
};

} // namespace tavrin::letters
