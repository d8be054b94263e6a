#include "frmmain.h"

#include "accessibletexts.h"
#include "addressbookdialog.h"
#include "builder/ignoreerror.h"
#include "contacts/addressbookloader.h"
#include "pagecontrols.h"
#include "pages.h"
#include "sidebar.h"
#include "twips.h"
#include "wizardhost.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace tavrin {

namespace {

const QSize DesignClientSize(pixels(11532), pixels(8280));
const QSize RunTimeOuterSize(pixels(7752), pixels(5472));
constexpr int PageLeft = 2450;

QFont formFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    return font;
}

} // namespace

FrmMain::FrmMain(WizardHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(tr("Tavrin for Microsoft Word"));
    setFont(formFont());
    setBackground(this, FormColour);
    resize(DesignClientSize);

    buildSideBar();
    buildPages();
    buildButtons();
    setTabOrderInPageOrder();
    connectEvents();
    reportEveryChange();
    updateEnvelopeBox();
}

FrmMain::~FrmMain() = default;

// ---- Building the form ----------------------------------------------------------------------------------

void FrmMain::buildSideBar() {
    // The rule lies under the side bar where the two meet, so it is made first.
    Line6 = new QWidget(this);
    Line6->setObjectName(QStringLiteral("Line6"));
    constexpr int LineWidth = 9;
    Line6->setGeometry(0, pixels(4440) - LineWidth / 2, pixels(11520), LineWidth);
    setBackground(Line6, Qt::black);

    Picture4 = place(new SideBar(this), QStringLiteral("Picture4"), {0, 0, 2430, 4452});

    const TwipsRect markers[PageCount] = {{120, 240, 372, 288},  {348, 732, 288, 288},  {348, 1212, 288, 288},
                                          {348, 1692, 288, 288}, {348, 2172, 288, 288}, {348, 2652, 288, 288},
                                          {348, 3132, 288, 288}, {120, 3588, 288, 288}};
    for (int k = 0; k < PageCount; ++k)
        Shape1[k] = place(new StepMarker(Picture4), indexed("Shape1", k), markers[k]);
    Shape1[0]->setFillColor(CurrentStepColour);
    for (int k = 1; k <= 6; ++k)
        Shape1[k]->setFillColor(OtherStepColour);
    Shape1[7]->setFillColor(LastStepColour);

    // Step k's title; step 0 is titled by Label6(1) and step 1 by Label6(0).
    struct Title {
        int label;
        QPoint twips;
        QString text;
    };
    const Title titles[PageCount] = {
        {1, {600, 252}, tr("Select a Layout")},    {0, {708, 768}, tr("Create a Letterhead")},
        {2, {708, 1250}, tr("Choose Salutation")}, {3, {708, 1720}, tr("Add Sample Text")},
        {4, {708, 2200}, tr("Conclusion")},        {5, {708, 2690}, tr("Choose Closing")},
        {6, {708, 3156}, tr("Add Sender Info")},   {7, {600, 3636}, tr("Choose Style")},
    };
    for (const Title& title : titles) {
        auto* label = new QLabel(title.text, Picture4);
        label->setObjectName(indexed("Label6", title.label));
        const QRect box = pixels({title.twips.x(), title.twips.y(), 2430 - title.twips.x(), 204});
        label->setGeometry(box);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    const TwipsRect targets[PageCount] = {{120, 120, 348, 492},  {240, 720, 468, 396},  {240, 1200, 468, 396},
                                          {240, 1680, 468, 396}, {240, 2160, 468, 396}, {240, 2640, 468, 396},
                                          {240, 3120, 468, 396}, {0, 3480, 468, 516}};
    for (int k = 0; k < PageCount; ++k) {
        Image1[k] = place(new StepTarget(Picture4), indexed("Image1", k), targets[k]);
        Image1[k]->setAccessibleName(titles[k].text);
        Image1[k]->raise();
    }
}

void FrmMain::buildPages() {
    for (int k = 0; k < PageCount; ++k) {
        const int width = k == 7 ? 5280 : 5256;
        Frm[k] = place(new QWidget(this), indexed("Frm", k), {PageLeft, 0, width, 4350});
        setBackground(Frm[k], FormColour);
    }
    layout_ = std::make_unique<LayoutPage>(Frm[0]);
    letterhead_ = std::make_unique<LetterheadPage>(Frm[1]);
    salutation_ = std::make_unique<SampleListPage>(Frm[2], SampleListPage::salutation());
    sampleText_ = std::make_unique<SampleTextPage>(Frm[3]);
    conclusion_ = std::make_unique<SampleListPage>(Frm[4], SampleListPage::conclusion());
    closing_ = std::make_unique<SampleListPage>(Frm[5], SampleListPage::closing());
    sender_ = std::make_unique<SenderPage>(Frm[6]);
    style_ = std::make_unique<StylePage>(Frm[7]);
}

void FrmMain::buildButtons() {
    cmdCancel =
        place(new QPushButton(tr("Cancel"), this), QStringLiteral("cmdCancel"), {3240, 4620, 972, 372});
    cmdBack = place(new QPushButton(tr("< Back"), this), QStringLiteral("cmdBack"), {4320, 4620, 972, 372});
    cmdNext = place(new QPushButton(tr("Next >"), this), QStringLiteral("cmdNext"), {5280, 4620, 972, 372});
    cmdFinish =
        place(new QPushButton(tr("Finish"), this), QStringLiteral("cmdFinish"), {6480, 4620, 972, 372});
    for (QPushButton* button : {cmdCancel, cmdBack, cmdNext, cmdFinish})
        button->setAutoDefault(false);

    // In the free room left of Cancel. Alt+P reaches it, so Tab keeps to the form's own stops; and a click
    // on it leaves the focus in the box the user is typing in.
    cmdPreview =
        place(new QPushButton(tr("&Preview"), this), QStringLiteral("cmdPreview"), {2160, 4620, 972, 372});
    cmdPreview->setAutoDefault(false);
    cmdPreview->setFocusPolicy(Qt::NoFocus);
    cmdPreview->setAccessibleName(tr("Preview"));
    cmdPreview->setAccessibleDescription(tr("Shows or hides the letter as Finish will write it"));
}

// Tab goes through the visible page top to bottom, then the buttons, then the steps of the side bar.
void FrmMain::setTabOrderInPageOrder() {
    QList<QWidget*> order;
    order << layout_->tabOrder() << letterhead_->tabOrder() << salutation_->tabOrder()
          << sampleText_->tabOrder() << conclusion_->tabOrder() << closing_->tabOrder() << sender_->tabOrder()
          << style_->tabOrder();
    order << cmdCancel << cmdBack << cmdNext << cmdFinish;
    for (StepTarget* step : Image1)
        order << step;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FrmMain::connectEvents() {
    connect(cmdNext, &QPushButton::clicked, this, &FrmMain::cmdNext_Click);
    connect(cmdBack, &QPushButton::clicked, this, &FrmMain::cmdBack_Click);
    connect(cmdFinish, &QPushButton::clicked, this, &FrmMain::cmdFinish_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmMain::cmdCancel_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &FrmMain::previewClicked);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, cmdCancel, &QPushButton::click);
    for (short k = 0; k < PageCount; ++k)
        connect(Image1[k], &StepTarget::clicked, this, [this, k] { Image1_Click(k); });

    connect(letterhead_->CheckOmit, &QCheckBox::toggled, this, &FrmMain::CheckOmit_Click);
    connect(sender_->CheckOmit2, &QCheckBox::toggled, this, &FrmMain::CheckOmit2_Click);
    connect(letterhead_->cmdAddressBook, &QPushButton::clicked, this, &FrmMain::cmdAddressBook_Click);
    connect(sender_->cmdFromMyCard, &QPushButton::clicked, this, [this] { sender_->fillFromOwnCard(); });
    connect(salutation_->other, &QCheckBox::toggled, this, &FrmMain::CheckOther1_Click);
    connect(conclusion_->other, &QCheckBox::toggled, this, &FrmMain::CheckOther2_Click);
    connect(closing_->other, &QCheckBox::toggled, this, &FrmMain::CheckOther3_Click);
    for (short k = 0; k < 2; ++k)
        connect(sampleText_->Option1[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                Option1_Click(k);
        });
    // Every pick from the list, the same entry again included.
    connect(sampleText_->ContentCombo, &QComboBox::activated, this, &FrmMain::ContentCombo_Click);
    const auto onSelect = [this](QRadioButton* option, void (FrmMain::*event)()) {
        connect(option, &QRadioButton::toggled, this, [this, event](bool on) {
            if (on)
                (this->*event)();
        });
    };
    onSelect(layout_->OptAlignCenter, &FrmMain::OptAlignCenter_Click);
    onSelect(layout_->OptAlignLeft, &FrmMain::OptAlignLeft_Click);
    onSelect(layout_->OptAlignRight, &FrmMain::OptAlignRight_Click);
    connect(letterhead_->CheckOmit, &QCheckBox::toggled, this, &FrmMain::updateEnvelopeBox);
    connect(letterhead_->RecNameText, &QLineEdit::textChanged, this, &FrmMain::updateEnvelopeBox);
}

void FrmMain::reportEveryChange() {
    for (QWidget* page : Frm) {
        for (auto* box : page->findChildren<QLineEdit*>())
            connect(box, &QLineEdit::textChanged, this, &FrmMain::changed);
        for (auto* box : page->findChildren<QPlainTextEdit*>())
            connect(box, &QPlainTextEdit::textChanged, this, &FrmMain::changed);
        for (auto* list : page->findChildren<QComboBox*>())
            connect(list, &QComboBox::currentIndexChanged, this, &FrmMain::changed);
        for (auto* button : page->findChildren<QAbstractButton*>())
            connect(button, &QAbstractButton::toggled, this, &FrmMain::changed);
    }
}

// ---- Load and unload ------------------------------------------------------------------------------------

void FrmMain::Form_Load() {
    // Attaching to (or starting) the word processor; when none can be started the user is told why and
    // the wizard opens all the same.
    try {
        host_.form1Command1_Click();
    } catch (const word::AutomationError& error) {
        host_.userInterface().messageBox(error.description);
    }
    cmdBack->setEnabled(false);
    setOuterSize(RunTimeOuterSize);
    Picture4->setBackColor(SideBarColour);
    setBackground(Line6, SideBarColour);
    centreOnScreen();
    setPageVisible(0, true);
    for (int k = 1; k < PageCount; ++k)
        setPageVisible(k, false);
    for (QWidget* page : Frm)
        page->move(pixels(PageLeft), page->y());
    for (QWidget* page : Frm)
        page->move(page->x(), 0);
}

void FrmMain::Form_Unload() {
    unloading_ = true;
    host_.unloadFormIcon();
    host_.unloadForm1();
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (!unloading_)
        host_.unloadFrmMain();
    event->accept();
}

// ---- Window size and place ------------------------------------------------------------------------------

// The size is that of the whole window, frame and title bar included where the window manager adds them.
// The pages are laid out for this one size, so the user cannot change it.
void FrmMain::setOuterSize(const QSize& outer) {
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(outer - frame);
}

void FrmMain::centreOnScreen() {
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    move(wholePixels(centredTopLeft(screen->geometry(), frameGeometry().size())));
}

// A window manager tells the frame's size only once the window is on screen; the outer size and the
// centring are done again then, once.
void FrmMain::fitToWindowFrameOnce() {
    if (fittedToFrame_ || (frameGeometry().size() - geometry().size()).isNull())
        return;
    fittedToFrame_ = true;
    setOuterSize(RunTimeOuterSize);
    centreOnScreen();
}

void FrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitToWindowFrameOnce();
}

void FrmMain::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (addressBooksScheduled_)
        return;
    addressBooksScheduled_ = true;
    QTimer::singleShot(0, this, &FrmMain::startReadingAddressBooks);
}

void FrmMain::startReadingAddressBooks() {
    if (addressBooks_)
        return;
    addressBooks_ = std::make_unique<contacts::AddressBookLoader>(host_.addressBookSources());
    connect(addressBooks_.get(), &contacts::AddressBookLoader::finished, this,
            [this] { sender_->offerOwnCard(addressBooks_->ownCard()); });
    addressBooks_->start();
}

void FrmMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    fitToWindowFrameOnce();
}

// ---- Navigation -----------------------------------------------------------------------------------------

int FrmMain::currentPage() const {
    for (int k = 0; k < PageCount; ++k)
        if (!Frm[k]->isHidden())
            return k;
    return -1;
}

// A page or marker outside the eight does not exist; a step naming one does nothing. The step of the
// page shown says so to a screen reader, as its marker's colour does on the screen.
void FrmMain::setPageVisible(int page, bool visible) {
    if (page < 0 || page >= PageCount)
        return;
    Frm[page]->setVisible(visible);
    Image1[page]->setAccessibleDescription(visible ? accessible::currentStepDescription() : QString());
    if (visible)
        emit changed();
}

void FrmMain::setMarkerColour(int step, const QColor& colour) {
    if (step >= 0 && step < PageCount)
        Shape1[step]->setFillColor(colour);
}

void FrmMain::ShowNextPage(short n) {
    setPageVisible(n, false);
    setPageVisible(n + 1, true);
    setMarkerColour(n, OtherStepColour);
    setMarkerColour(n + 1, CurrentStepColour);
    setMarkerColour(0, FirstStepColour);
    if (n == 6)
        cmdNext->setEnabled(false);
}

void FrmMain::ShowPreviousPage(short n) {
    setPageVisible(n, false);
    setPageVisible(n - 1, true);
    setMarkerColour(0, FirstStepColour);
    setMarkerColour(n, OtherStepColour);
    setMarkerColour(n - 1, CurrentStepColour);
    setMarkerColour(7, LastStepColour);
    if (n == 7)
        cmdNext->setEnabled(true);
}

void FrmMain::cmdNext_Click() {
    cmdBack->setEnabled(true);
    const int c = currentPage();
    if (c >= 0 && c <= 6)
        ShowNextPage(short(c));
}

void FrmMain::cmdBack_Click() {
    const int c = currentPage();
    if (c == 0)
        return;
    if (c == 1) {
        ShowPreviousPage(1);
        cmdBack->setEnabled(false);
    } else if (c >= 2 && c <= 7) {
        ShowPreviousPage(short(c));
    }
}

void FrmMain::Image1_Click(short index) {
    for (int i = 0; i < PageCount; ++i) {
        setMarkerColour(i, OtherStepColour);
        setPageVisible(i, false);
    }
    setPageVisible(index, true);
    setMarkerColour(7, LastStepColour);
    setMarkerColour(0, FirstStepColour);
    setMarkerColour(index, CurrentStepColour);
    if (index == 0) {
        cmdBack->setEnabled(false);
        cmdNext->setEnabled(true);
    } else if (index >= 1 && index <= 6) {
        cmdBack->setEnabled(true);
        cmdNext->setEnabled(true);
    } else if (index == 7) {
        cmdBack->setEnabled(true);
        cmdNext->setEnabled(false);
    }
}

void FrmMain::cmdFinish_Click() {
    WizardHost& host = host_;
    // Ordered first, so that the envelope is painted while the letter is written.
    if (sender_->envelopeWanted())
        host.orderEnvelope(choices());
    BuildLetter();
    host.unloadFrmMain();
}

void FrmMain::cmdCancel_Click() {
    WizardHost& host = host_;
    host.unloadFrmMain();
    host.endProgram();
}

void FrmMain::BuildLetter() {
    ignoreError([&] { host_.form1Command1_Click(); });
    ignoreError([&] { host_.mBas().alignment = 0; });
    ignoreError([&] { host_.form1Sapolnenie(choices()); });
}

// ---- Page events ----------------------------------------------------------------------------------------

void FrmMain::CheckOmit_Click() {
    const bool enable = !isCheckedValue(letterhead_->CheckOmit);
    letterhead_->RecNameText->setEnabled(enable);
    letterhead_->RecAddressText->setEnabled(enable);
    letterhead_->cmdAddressBook->setEnabled(enable);
}

void FrmMain::CheckOmit2_Click() {
    const bool enable = !isCheckedValue(sender_->CheckOmit2);
    sender_->NameText->setEnabled(enable);
    sender_->AddressText->setEnabled(enable);
    sender_->enableFromMyCard(enable);
}

void FrmMain::CheckOther1_Click() {
    salutation_->list->setEnabled(!isCheckedValue(salutation_->other));
}
void FrmMain::CheckOther2_Click() {
    conclusion_->list->setEnabled(!isCheckedValue(conclusion_->other));
}
void FrmMain::CheckOther3_Click() {
    closing_->list->setEnabled(!isCheckedValue(closing_->other));
}

void FrmMain::Option1_Click(short index) {
    if (index == 0)
        sampleText_->ContentCombo->setEnabled(false);
    else if (index == 1)
        sampleText_->ContentCombo->setEnabled(true);
}

// Every entry is compared, in list order; a category's paragraph replaces whatever the box held, as one
// edit that Undo in the box takes back, so that text the user typed is never lost to a choice in the list.
void FrmMain::ContentCombo_Click() {
    const QString t = sampleText_->ContentCombo->currentText();
    if (t == sampleText_->contentEntries.value(0))
        replaceAllText(sampleText_->Text1, QString());
    for (int k = 1; k <= 7; ++k)
        if (t == sampleText_->contentEntries.value(k))
            replaceAllText(sampleText_->Text1, sampleText_->sampleParagraphs.value(k));
}

void FrmMain::OptAlignCenter_Click() {
    setCaptionUnderline(layout_->OptAlignLeft, false);
    setCaptionUnderline(layout_->OptAlignRight, false);
    setCaptionUnderline(layout_->OptAlignCenter, true);
}

void FrmMain::OptAlignLeft_Click() {
    setCaptionUnderline(layout_->OptAlignLeft, true);
    setCaptionUnderline(layout_->OptAlignRight, false);
    setCaptionUnderline(layout_->OptAlignCenter, false);
}

void FrmMain::OptAlignRight_Click() {
    setCaptionUnderline(layout_->OptAlignLeft, false);
    setCaptionUnderline(layout_->OptAlignRight, true);
    setCaptionUnderline(layout_->OptAlignCenter, false);
}

// An envelope needs someone to go to: the box says so while the recipient is left out or has no name.
void FrmMain::updateEnvelopeBox() {
    if (isCheckedValue(letterhead_->CheckOmit))
        sender_->allowEnvelope(tr("No envelope: the recipient is omitted from this letter"));
    else if (letterhead_->RecNameText->text().trimmed().isEmpty())
        sender_->allowEnvelope(tr("No envelope yet: it needs the recipient's name"));
    else
        sender_->allowEnvelope({});
}

void FrmMain::cmdAddressBook_Click() {
    startReadingAddressBooks();
    AddressBookDialog dialog(*addressBooks_, QLocale().territory(), this);
    if (dialog.exec() == QDialog::Accepted)
        letterhead_->fill(dialog.picked());
}

// ---- What Finish hands over -----------------------------------------------------------------------------

WizardChoices FrmMain::choices() const {
    WizardChoices c;
    layout_->handOver(c);
    letterhead_->handOver(c);
    salutation_->handOver(c);
    sampleText_->handOver(c);
    conclusion_->handOver(c);
    closing_->handOver(c);
    sender_->handOver(c);
    style_->handOver(c);
    return c;
}

} // namespace tavrin
