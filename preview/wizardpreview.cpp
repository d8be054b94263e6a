#include "wizardpreview.h"

#include "letterfollower.h"
#include "placement.h"
#include "previewwindow.h"
#include "wizard/frmmain.h"

#include <QEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tavrin::preview {

namespace {

// Legible on a screen of ordinary height (12 point text is nine pixels high), and narrow enough to fit
// beside the wizard on a screen 1600 pixels wide. On a lower screen the scale comes down so that page one
// still shows whole, though not below half of it.
constexpr qreal LegibleDotsPerInch = 56;
constexpr qreal SmallestDotsPerInch = 30;
// The larger of A4 and US Letter, in points, whichever the letter is laid out on.
const QSizeF LargestPage(612, 842);
// Room the window's frame, title and margins take from the screen's height.
constexpr int WindowChrome = 80;

qreal pixelsPerInchFor(const QRect& available) {
    const qreal fitting = (available.height() - WindowChrome) * 72.0 / LargestPage.height();
    return std::clamp(fitting, SmallestDotsPerInch, LegibleDotsPerInch);
}

QSize pixelSize(const QSizeF& points, qreal dotsPerInch) {
    return QSize(int(std::ceil(points.width() * dotsPerInch / 72)),
                 int(std::ceil(points.height() * dotsPerInch / 72)));
}

QMargins frameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                    frame.bottom() - inner.bottom());
}

} // namespace

WizardPreview::WizardPreview(FrmMain& wizard) : QObject(&wizard), wizard_(wizard) {
    connect(&wizard, &FrmMain::previewClicked, this, &WizardPreview::toggle);
    connect(&wizard, &FrmMain::changed, this, [this] {
        if (isOpen())
            follower_->changed();
    });
    wizard.installEventFilter(this);
}

WizardPreview::~WizardPreview() = default;

bool WizardPreview::isOpen() const {
    return window_ && window_->isVisible();
}

void WizardPreview::toggle() {
    if (isOpen())
        close();
    else
        open();
}

void WizardPreview::open() {
    makeOnFirstOpen();
    placeBesideWizard();
    window_->show();
    follower_->changed();
}

void WizardPreview::close() {
    if (window_)
        window_->hide();
}

// Hidden by Cancel, Finish or its own closing, the wizard takes its preview with it. A window manager's
// hiding (minimizing) leaves it to the user.
bool WizardPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &wizard_ && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return false;
}

void WizardPreview::makeOnFirstOpen() {
    if (window_)
        return;
    const QScreen* screen = wizard_.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const qreal ratio = screen ? screen->devicePixelRatio() : 1;
    const qreal logicalDotsPerInch = pixelsPerInchFor(available);
    dotsPerInch_ = logicalDotsPerInch * ratio;

    window_ = new PreviewWindow(pixelSize(LargestPage, logicalDotsPerInch), &wizard_);
    follower_ = new LetterFollower([this] { return wizard_.choices(); }, dotsPerInch_, this);
    connect(follower_, &LetterFollower::rendered, window_,
            [this, ratio](const RenderedLetter& letter, const WizardChoices&) {
                std::vector<QImage> pages = letter.pages;
                for (QImage& page : pages)
                    page.setDevicePixelRatio(ratio);
                window_->showLetter(std::move(pages), letter.text);
            });
}

void WizardPreview::placeBesideWizard() {
    const QScreen* screen = wizard_.screen();
    if (!screen)
        return;
    // The preview's frame is taken to be the wizard's: both are the window manager's ordinary frame.
    const QMargins frame = frameOf(wizard_);
    const QSize outer = window_->size().grownBy(frame);
    const QRect placed = previewPlacement(wizard_.frameGeometry(), outer, screen->availableGeometry());
    window_->resize(placed.size().shrunkBy(frame));
    window_->move(placed.topLeft());
}

WizardPreview* attachPreview(FrmMain& wizard) {
    return new WizardPreview(wizard);
}

} // namespace tavrin::preview
