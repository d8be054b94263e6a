#include "letterfollower.h"

namespace tavrin::preview {

LetterFollower::LetterFollower(Snapshot snapshot, qreal dotsPerInch, QObject* parent)
    : QObject(parent), snapshot_(std::move(snapshot)), dotsPerInch_(dotsPerInch) {
    // A burst of changes made in one go (a paste, a choice that fills the note box) is read once.
    trigger_.setSingleShot(true);
    trigger_.setInterval(0);
    connect(&trigger_, &QTimer::timeout, this, &LetterFollower::startRendering);
    worker_.setMaxThreadCount(1);
}

// A letter handed back after this is dropped with the events still posted to this object.
LetterFollower::~LetterFollower() {
    worker_.waitForDone();
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
    worker_.start([this, choices = snapshot_(), dotsPerInch = dotsPerInch_] {
        RenderedLetter letter = renderLetter(choices, dotsPerInch);
        QMetaObject::invokeMethod(
            this, [this, letter = std::move(letter), choices] { renderingDone(letter, choices); },
            Qt::QueuedConnection);
    });
}

void LetterFollower::renderingDone(const RenderedLetter& letter, const WizardChoices& choices) {
    rendering_ = false;
    // What changed meanwhile is rendered next; the letter just made is still shown until then.
    if (outOfDate_)
        trigger_.start();
    emit rendered(letter, choices);
}

} // namespace tavrin::preview
