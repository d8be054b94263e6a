#include "frmmain.h"

#include "artwork/artwork.h"
#include "builder/ignoreerror.h"
#include "builder/lettertexts.h"
#include "linebreaks.h"
#include "sidebar.h"
#include "thumbnails.h"
#include "twips.h"
#include "wizardhost.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace tavrin {

namespace {

const QSize DesignClientSize(pixels(11532), pixels(8280));
const QSize RunTimeOuterSize(pixels(7752), pixels(5472));
constexpr int PageLeft = 2450;

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont formFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    return font;
}

QFont msSansSerifFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(7.8);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

template <class Control> Control* place(Control* control, const QString& name, const TwipsRect& rect) {
    control->setObjectName(name);
    control->setGeometry(pixels(rect));
    return control;
}

// A caption read out by screen readers: the visible caption without its closing colon or semicolon.
QString spoken(QString caption) {
    while (caption.endsWith(u':') || caption.endsWith(u';'))
        caption.chop(1);
    return caption.trimmed();
}

// A caption that does not fit its box (another font, a translation) grows to the right, as far as the page
// allows, rather than lose its end.
QLabel* addLabel(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect) {
    auto* label = place(new QLabel(caption, page), name, rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int needed = label->sizeHint().width();
    if (needed > label->width())
        label->resize(std::max(label->width(), std::min(needed, page->width() - label->x())),
                      label->height());
    return label;
}

QRadioButton* addOption(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect) {
    auto* option = place(new QRadioButton(caption, page), name, rect);
    setBackground(option, FrmMain::FormColour);
    return option;
}

QCheckBox* addCheck(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect) {
    auto* check = place(new QCheckBox(caption, page), name, rect);
    setBackground(check, FrmMain::FormColour);
    return check;
}

// A drop-down list the user picks from and cannot type into; nothing chosen at first.
QComboBox* addDropDownList(QWidget* page, const QString& name, const QStringList& entries,
                           const TwipsRect& rect) {
    auto* list = place(new QComboBox(page), name, rect);
    list->setEditable(false);
    list->addItems(entries);
    list->setCurrentIndex(-1);
    return list;
}

QLineEdit* addOneLineText(QWidget* page, const QString& name, const TwipsRect& rect) {
    return place(new QLineEdit(page), name, rect);
}

QPlainTextEdit* addMultiLineText(QWidget* page, const QString& name, const TwipsRect& rect,
                                 Qt::ScrollBarPolicy verticalScrollBar) {
    auto* text = place(new QPlainTextEdit(page), name, rect);
    text->setTabChangesFocus(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setVerticalScrollBarPolicy(verticalScrollBar);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return text;
}

QLabel* addPreview(QWidget* page, int index, artwork::StylePreview style, const TwipsRect& rect) {
    auto* picture = place(new QLabel(page), indexed("Picture1", index), rect);
    picture->setPixmap(QPixmap::fromImage(artwork::preview(style)));
    picture->setScaledContents(true);
    return picture;
}

// Names a text box or list after the label in front of it, and lets the label pass focus on to it.
void labelFor(QLabel* label, QWidget* control, const QString& description = {}) {
    label->setBuddy(control);
    control->setAccessibleName(spoken(label->text()));
    if (!description.isEmpty())
        control->setAccessibleDescription(spoken(description));
}

void setCaptionUnderline(QAbstractButton* button, bool underline) {
    QFont font = button->font();
    font.setUnderline(underline);
    button->setFont(font);
}

// A check box's value: 0 unchecked, 1 checked, 2 greyed.
int checkValue(const QCheckBox* check) {
    switch (check->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

bool isCheckedValue(const QCheckBox* check) {
    return isChecked(checkValue(check));
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
}

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
    buildLayoutPage(Frm[0]);
    buildLetterheadPage(Frm[1]);
    buildSalutationPage(Frm[2]);
    buildSampleTextPage(Frm[3]);
    buildConclusionPage(Frm[4]);
    buildClosingPage(Frm[5]);
    buildSenderPage(Frm[6]);
    buildStylePage(Frm[7]);
}

void FrmMain::buildLayoutPage(QWidget* page) {
    addLabel(page, indexed("Label1", 0), tr("Choose a layot:"), {240, 240, 1452, 252});

    const struct {
        LetterLayout layout;
        TwipsRect rect;
    } thumbnails[] = {{LetterLayout::Centered, {240, 840, 1032, 1224}},
                      {LetterLayout::FlushLeft, {1560, 840, 1032, 1224}},
                      {LetterLayout::FlushRight, {2760, 840, 1032, 1224}}};
    for (int k = 0; k < 3; ++k) {
        auto* picture = place(new QLabel(page), indexed("Picture1", k), thumbnails[k].rect);
        // The picture is drawn at 12 twips a pixel; here it is shrunk to fit its box.
        picture->setPixmap(QPixmap::fromImage(layoutThumbnail(thumbnails[k].layout)));
        picture->setScaledContents(true);
    }

    OptAlignCenter =
        addOption(page, QStringLiteral("OptAlignCenter"), tr("Centered"), {240, 2290, 1092, 252});
    OptAlignLeft = addOption(page, QStringLiteral("OptAlignLeft"), tr("Flush left"), {1560, 2290, 1092, 252});
    OptAlignRight =
        addOption(page, QStringLiteral("OptAlignRight"), tr("Flush right"), {2760, 2290, 1455, 252});
    OptAlignCenter->setChecked(true);
    setCaptionUnderline(OptAlignCenter, true);
}

void FrmMain::buildLetterheadPage(QWidget* page) {
    const QString heading = tr("Information about the person you are addressing a letter to;");
    addLabel(page, indexed("Label1", 1), heading, {120, 240, 4572, 204});

    auto* nameLabel = addLabel(page, indexed("Label2", 0), tr("Recipient's name:"), {120, 755, 1452, 252});
    RecNameText = addOneLineText(page, QStringLiteral("RecNameText"), {1530, 720, 3492, 288});
    RecNameText->setFont(msSansSerifFont());
    labelFor(nameLabel, RecNameText, heading);

    auto* addressLabel = addLabel(page, indexed("Label3", 0), tr("Address:"), {120, 1320, 1452, 252});
    RecAddressText = addMultiLineText(page, QStringLiteral("RecAddressText"), {1530, 1320, 3492, 1332},
                                      Qt::ScrollBarAlwaysOff);
    RecAddressText->setFont(msSansSerifFont());
    labelFor(addressLabel, RecAddressText, heading);

    CheckOmit = addCheck(page, QStringLiteral("CheckOmit"), tr("Omit"), {120, 3120, 732, 252});
}

void FrmMain::buildSalutationPage(QWidget* page) {
    const QString heading = tr("Use sample salutation;");
    addLabel(page, indexed("Label1", 2), heading, {120, 240, 2532, 252});
    auto* label = addLabel(page, indexed("Label2", 1), tr("Choose from:"), {120, 720, 1812, 252});
    SalutationCombo = addDropDownList(page, QStringLiteral("SalutationCombo"), texts::salutationEntries(),
                                      {120, 1224, 3492, 288});
    SalutationCombo->setFont(msSansSerifFont());
    labelFor(label, SalutationCombo, heading);
    CheckOther1 = addCheck(page, QStringLiteral("CheckOther1"), tr("Other"), {120, 2160, 852, 252});
}

void FrmMain::buildSampleTextPage(QWidget* page) {
    Option1[0] = addOption(page, indexed("Option1", 0), tr("To write own note"), {120, 240, 1812, 252});
    Option1[1] = addOption(page, indexed("Option1", 1), tr("To use sample content"), {120, 720, 2775, 495});
    Option1[1]->setChecked(true);

    auto* categoryLabel =
        addLabel(page, QStringLiteral("Label5"), tr("Sample categories:"), {120, 1260, 1812, 252});
    contentEntries_ = texts::contentCategories();
    sampleParagraphs_ = texts::sampleParagraphs();
    ContentCombo =
        addDropDownList(page, QStringLiteral("ContentCombo"), contentEntries_, {120, 1560, 3576, 300});
    labelFor(categoryLabel, ContentCombo);

    auto* textLabel = addLabel(page, indexed("Label1", 3), tr("Note content:"), {120, 2180, 1212, 252});
    Text1 = addMultiLineText(page, QStringLiteral("Text1"), {120, 2520, 3570, 1332}, Qt::ScrollBarAlwaysOn);
    labelFor(textLabel, Text1);
}

void FrmMain::buildConclusionPage(QWidget* page) {
    const QString heading = tr("Use sample conclusion;");
    addLabel(page, indexed("Label1", 5), heading, {120, 240, 1932, 252});
    auto* label = addLabel(page, indexed("Label1", 4), tr("Choose from:"), {120, 720, 1932, 252});
    ConclusionCombo = addDropDownList(page, QStringLiteral("ConclusionCombo"), texts::conclusionEntries(),
                                      {120, 1200, 3132, 288});
    ConclusionCombo->setFont(msSansSerifFont());
    labelFor(label, ConclusionCombo, heading);
    CheckOther2 = addCheck(page, QStringLiteral("CheckOther2"), tr("Other"), {120, 2160, 852, 252});
}

void FrmMain::buildClosingPage(QWidget* page) {
    const QString heading = tr("Use sample closing;");
    addLabel(page, indexed("Label1", 7), heading, {120, 240, 1932, 252});
    auto* label = addLabel(page, indexed("Label1", 6), tr("Choose from:"), {120, 720, 1932, 252});
    ClosingCombo = addDropDownList(page, QStringLiteral("ClosingCombo"), texts::closingEntries(),
                                   {120, 1200, 3492, 300});
    labelFor(label, ClosingCombo, heading);
    CheckOther3 = addCheck(page, QStringLiteral("CheckOther3"), tr("Other"), {120, 2160, 852, 252});
}

void FrmMain::buildSenderPage(QWidget* page) {
    const QString heading = tr("Information about the person writing a letter;");
    addLabel(page, indexed("Label1", 8), heading, {120, 240, 3612, 252});

    auto* nameLabel = addLabel(page, indexed("Label2", 2), tr("Name:"), {120, 720, 1092, 372});
    NameText = addOneLineText(page, QStringLiteral("NameText"), {1680, 720, 3330, 372});
    labelFor(nameLabel, NameText, heading);

    auto* placeLabel = addLabel(page, indexed("Label3", 1), tr("Place:"), {120, 1200, 1092, 252});
    AddressText = addMultiLineText(page, QStringLiteral("AddressText"), {1680, 1200, 3330, 852},
                                   Qt::ScrollBarAlwaysOff);
    labelFor(placeLabel, AddressText, heading);

    CheckOmit2 = addCheck(page, QStringLiteral("CheckOmit2"), tr("Omit"), {120, 2160, 852, 252});
    CheckDate = addCheck(page, QStringLiteral("CheckDate"), tr("Date line"), {120, 3120, 1092, 252});
    CheckDate->setChecked(true);
}

void FrmMain::buildStylePage(QWidget* page) {
    addLabel(page, indexed("Label1", 9), tr("Choose style:"), {120, 240, 1692, 252});
    OptSimple =
        addOption(page, QStringLiteral("OptSimple"), tr("Simple (without graphics)"), {120, 600, 2772, 252});
    OptSimple->setChecked(true);

    // The previews stand above the options they show. Like the thumbnails, they were drawn for
    // 12 twips a pixel and are shrunk to fit their boxes.
    addPreview(page, 3, artwork::StylePreview::Classic, {120, 960, 1104, 1116});
    OptClassic = addOption(page, QStringLiteral("OptClassic"), tr("Classic"), {120, 2160, 1092, 252});
    addPreview(page, 7, artwork::StylePreview::Dark, {120, 2640, 1128, 1116});
    OptDark = addOption(page, QStringLiteral("OptDark"), tr("Dark"), {120, 3960, 1332, 252});
    addPreview(page, 4, artwork::StylePreview::Romantic, {1800, 1800, 1116, 1104});
    OptRomantic = addOption(page, QStringLiteral("OptRomantic"), tr("Romantic"), {1800, 3000, 1452, 252});
    addPreview(page, 5, artwork::StylePreview::Elegant, {3600, 960, 1104, 1104});
    OptElegant = addOption(page, QStringLiteral("OptElegant"), tr("Elegant"), {3600, 2160, 1332, 252});
    addPreview(page, 6, artwork::StylePreview::Modernistic, {3600, 2640, 1176, 1176});
    OptModern = addOption(page, QStringLiteral("OptModern"), tr("Modernistic"), {3600, 3960, 1452, 252});
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
}

// Tab goes through the visible page top to bottom, then the buttons, then the steps of the side bar.
void FrmMain::setTabOrderInPageOrder() {
    const QList<QWidget*> order = {
        OptAlignCenter,  OptAlignLeft, OptAlignRight, RecNameText, RecAddressText, CheckOmit,
        SalutationCombo, CheckOther1,  Option1[0],    Option1[1],  ContentCombo,   Text1,
        ConclusionCombo, CheckOther2,  ClosingCombo,  CheckOther3, NameText,       AddressText,
        CheckOmit2,      CheckDate,    OptSimple,     OptClassic,  OptDark,        OptRomantic,
        OptElegant,      OptModern,    cmdCancel,     cmdBack,     cmdNext,        cmdFinish,
        Image1[0],       Image1[1],    Image1[2],     Image1[3],   Image1[4],      Image1[5],
        Image1[6],       Image1[7]};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FrmMain::connectEvents() {
    connect(cmdNext, &QPushButton::clicked, this, &FrmMain::cmdNext_Click);
    connect(cmdBack, &QPushButton::clicked, this, &FrmMain::cmdBack_Click);
    connect(cmdFinish, &QPushButton::clicked, this, &FrmMain::cmdFinish_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmMain::cmdCancel_Click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, cmdCancel, &QPushButton::click);
    for (short k = 0; k < PageCount; ++k)
        connect(Image1[k], &StepTarget::clicked, this, [this, k] { Image1_Click(k); });

    connect(CheckOmit, &QCheckBox::toggled, this, &FrmMain::CheckOmit_Click);
    connect(CheckOmit2, &QCheckBox::toggled, this, &FrmMain::CheckOmit2_Click);
    connect(CheckOther1, &QCheckBox::toggled, this, &FrmMain::CheckOther1_Click);
    connect(CheckOther2, &QCheckBox::toggled, this, &FrmMain::CheckOther2_Click);
    connect(CheckOther3, &QCheckBox::toggled, this, &FrmMain::CheckOther3_Click);
    for (short k = 0; k < 2; ++k)
        connect(Option1[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                Option1_Click(k);
        });
    // Every pick from the list, the same entry again included.
    connect(ContentCombo, &QComboBox::activated, this, &FrmMain::ContentCombo_Click);
    const auto onSelect = [this](QRadioButton* option, void (FrmMain::*event)()) {
        connect(option, &QRadioButton::toggled, this, [this, event](bool on) {
            if (on)
                (this->*event)();
        });
    };
    onSelect(OptAlignCenter, &FrmMain::OptAlignCenter_Click);
    onSelect(OptAlignLeft, &FrmMain::OptAlignLeft_Click);
    onSelect(OptAlignRight, &FrmMain::OptAlignRight_Click);
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
    Frm[0]->setVisible(true);
    for (int k = 1; k < PageCount; ++k)
        Frm[k]->setVisible(false);
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

// A page or marker outside the eight does not exist; a step naming one does nothing.
void FrmMain::setPageVisible(int page, bool visible) {
    if (page >= 0 && page < PageCount)
        Frm[page]->setVisible(visible);
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
    const bool enable = !isCheckedValue(CheckOmit);
    RecNameText->setEnabled(enable);
    RecAddressText->setEnabled(enable);
}

void FrmMain::CheckOmit2_Click() {
    const bool enable = !isCheckedValue(CheckOmit2);
    NameText->setEnabled(enable);
    AddressText->setEnabled(enable);
}

void FrmMain::CheckOther1_Click() {
    SalutationCombo->setEnabled(!isCheckedValue(CheckOther1));
}
void FrmMain::CheckOther2_Click() {
    ConclusionCombo->setEnabled(!isCheckedValue(CheckOther2));
}
void FrmMain::CheckOther3_Click() {
    ClosingCombo->setEnabled(!isCheckedValue(CheckOther3));
}

void FrmMain::Option1_Click(short index) {
    if (index == 0)
        ContentCombo->setEnabled(false);
    else if (index == 1)
        ContentCombo->setEnabled(true);
}

// Every entry is compared, in list order; a category's paragraph replaces whatever the box held.
void FrmMain::ContentCombo_Click() {
    const QString t = ContentCombo->currentText();
    if (t == contentEntries_.value(0))
        Text1->setPlainText(QString());
    for (int k = 1; k <= 7; ++k)
        if (t == contentEntries_.value(k))
            Text1->setPlainText(sampleParagraphs_.value(k));
}

void FrmMain::OptAlignCenter_Click() {
    setCaptionUnderline(OptAlignLeft, false);
    setCaptionUnderline(OptAlignRight, false);
    setCaptionUnderline(OptAlignCenter, true);
}

void FrmMain::OptAlignLeft_Click() {
    setCaptionUnderline(OptAlignLeft, true);
    setCaptionUnderline(OptAlignRight, false);
    setCaptionUnderline(OptAlignCenter, false);
}

void FrmMain::OptAlignRight_Click() {
    setCaptionUnderline(OptAlignLeft, false);
    setCaptionUnderline(OptAlignRight, true);
    setCaptionUnderline(OptAlignCenter, false);
}

// ---- What Finish hands over -----------------------------------------------------------------------------

WizardChoices FrmMain::choices() const {
    WizardChoices c;
    c.optAlignCenter = OptAlignCenter->isChecked();
    c.optAlignLeft = OptAlignLeft->isChecked();
    c.optAlignRight = OptAlignRight->isChecked();

    c.recNameText = RecNameText->text();
    c.recAddressText = withCrLf(RecAddressText->toPlainText());
    c.checkOmit = checkValue(CheckOmit);

    c.salutationCombo = SalutationCombo->currentIndex();
    c.checkOther1 = checkValue(CheckOther1);

    c.option1[0] = Option1[0]->isChecked();
    c.option1[1] = Option1[1]->isChecked();
    c.contentCombo = ContentCombo->currentIndex();
    c.text1 = withCrLf(Text1->toPlainText());

    c.conclusionCombo = ConclusionCombo->currentIndex();
    c.checkOther2 = checkValue(CheckOther2);

    c.closingCombo = ClosingCombo->currentIndex();
    c.checkOther3 = checkValue(CheckOther3);

    c.nameText = NameText->text();
    c.addressText = withCrLf(AddressText->toPlainText());
    c.checkOmit2 = checkValue(CheckOmit2);
    c.checkDate = checkValue(CheckDate);

    c.optSimple = OptSimple->isChecked();
    c.optRomantic = OptRomantic->isChecked();
    c.optDark = OptDark->isChecked();
    c.optClassic = OptClassic->isChecked();
    c.optElegant = OptElegant->isChecked();
    c.optModern = OptModern->isChecked();
    return c;
}

} // namespace tavrin
