#include "letterfollower.h"

#include <QtConcurrent/QtConcurrentRun>

namespace tavrin::preview {

LetterFollower::LetterFollower(Snapshot snapshot, qreal dotsPerInch, QObject* parent)
    : QObject(parent), snapshot_(std::move(snapshot)), dotsPerInch_(dotsPerInch) {
    // A burst of changes made in one go (a paste, a choice that fills the note box) is read once.
    trigger_.setSingleShot(true);
    trigger_.setInterval(0);
    connect(&trigger_, &QTimer::timeout, this, &LetterFollower::startRendering);
    connect(&inFlight_, &QFutureWatcher<Result>::finished, this, &LetterFollower::renderingDone);
}

LetterFollower::~LetterFollower() {
    inFlight_.waitForFinished();
}

void LetterFollower::changed() {
    outOfDate_ = true;
    if (!rendering_)
        trigger_.start();
}

bool LetterFollower::upToDate() const {
    return !outOfDate_ && !rendering_ && !trigger_.isActive();
}

void LetterFollower::startRendering() {
    if (rendering_ || !outOfDate_)
        return;
    outOfDate_ = false;
    rendering_ = true;
    ++renderings_;
    const qreal dotsPerInch = dotsPerInch_;
    inFlight_.setFuture(QtConcurrent::run([choices = snapshot_(), dotsPerInch] {
        return Result{renderLetter(choices, dotsPerInch), choices};
    }));
}

void LetterFollower::renderingDone() {
    rendering_ = false;
    const Result result = inFlight_.result();
    // What changed meanwhile is rendered next; the letter just made is still shown until then.
    if (outOfDate_)
        trigger_.start();
    emit rendered(result.letter, result.choices);
}

} // namespace tavrin::preview
