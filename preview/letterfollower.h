#pragma once

// Keeps a rendering of the letter in step with the wizard without ever holding the user up. A change only
// marks the letter out of date; once control is back in the event loop the wizard's state is read and
// rendered on a worker thread. At most one rendering is in flight: changes made meanwhile are gathered,
// and when it is done the newest state is rendered next.

#include "builder/wizardchoices.h"
#include "letterrenderer.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>

namespace tavrin::preview {

class LetterFollower : public QObject {
    Q_OBJECT
public:
    using Snapshot = std::function<WizardChoices()>;

    LetterFollower(Snapshot snapshot, qreal dotsPerInch, QObject* parent = nullptr);
    // Waits for a rendering in flight.
    ~LetterFollower() override;

    // The letter is out of date.
    void changed();

    // Renderings started so far.
    int renderings() const { return renderings_; }
    // Nothing in flight and nothing waiting.
    bool upToDate() const;

signals:
    // A rendering is ready: the letter for `choices`.
    void rendered(const tavrin::preview::RenderedLetter& letter, const tavrin::WizardChoices& choices);

private:
    void startRendering();
    void renderingDone(const RenderedLetter& letter, const WizardChoices& choices);

    Snapshot snapshot_;
    qreal dotsPerInch_;
    QTimer trigger_;
    QThreadPool worker_; // one thread, made on the first rendering
    bool outOfDate_ = false;
    bool rendering_ = false; // from the start until its letter is taken
    int renderings_ = 0;
};

} // namespace tavrin::preview
