#pragma once

// The wizard's live preview: the Preview button shows or hides it, and while it is shown it follows every
// change of the wizard. Nothing of it (the engine, the renderer, the window) is made before it first opens,
// so the wizard opens as fast as without it. Cancel, Finish and closing the wizard close it too.

#include <QObject>
#include <QRect>

namespace tavrin {
class FrmMain;
}

namespace tavrin::preview {

class LetterFollower;
class PreviewWindow;

class WizardPreview : public QObject {
    Q_OBJECT
public:
    // Lives as long as the wizard.
    explicit WizardPreview(FrmMain& wizard);
    ~WizardPreview() override;

    void toggle();
    void open();
    void close();
    bool isOpen() const;

    // Null until the preview first opens.
    PreviewWindow* window() const { return window_; }
    LetterFollower* follower() const { return follower_; }
    // The resolution the pages are rendered at, in device pixels.
    qreal dotsPerInch() const { return dotsPerInch_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeOnFirstOpen();
    void placeBesideWizard();

    FrmMain& wizard_;
    PreviewWindow* window_ = nullptr;
    LetterFollower* follower_ = nullptr;
    qreal dotsPerInch_ = 0;
};

// Gives the wizard its preview; the wizard owns it.
WizardPreview* attachPreview(FrmMain& wizard);

} // namespace tavrin::preview
