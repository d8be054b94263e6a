#include "pages.h"

#include "accessibletexts.h"
#include "addressbookdialog.h"
#include "builder/lettertexts.h"
#include "builder/stylecatalog.h"
#include "frmmain.h"
#include "linebreaks.h"
#include "pagecontrols.h"
#include "thumbnails.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tavrin {

// The pages' texts are the form's own: they are translated as FrmMain's.

LayoutPage::LayoutPage(QWidget* page) {
    addLabel(page, indexed("Label1", 0), FrmMain::tr("Choose a layot:"), {240, 240, 1452, 252});

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
        picture->setAccessibleName(accessible::thumbnailName(thumbnails[k].layout));
    }

    OptAlignCenter =
        addOption(page, QStringLiteral("OptAlignCenter"), FrmMain::tr("Centered"), {240, 2290, 1092, 252});
    OptAlignLeft =
        addOption(page, QStringLiteral("OptAlignLeft"), FrmMain::tr("Flush left"), {1560, 2290, 1092, 252});
    OptAlignRight =
        addOption(page, QStringLiteral("OptAlignRight"), FrmMain::tr("Flush right"), {2760, 2290, 1455, 252});
    OptAlignCenter->setChecked(true);
    setCaptionUnderline(OptAlignCenter, true);
}

QList<QWidget*> LayoutPage::tabOrder() const {
    return {OptAlignCenter, OptAlignLeft, OptAlignRight};
}

void LayoutPage::handOver(WizardChoices& c) const {
    c.optAlignCenter = OptAlignCenter->isChecked();
    c.optAlignLeft = OptAlignLeft->isChecked();
    c.optAlignRight = OptAlignRight->isChecked();
}

LetterheadPage::LetterheadPage(QWidget* page) {
    const QString heading = FrmMain::tr("Information about the person you are addressing a letter to;");
    addLabel(page, indexed("Label1", 1), heading, {120, 240, 4572, 204});

    auto* nameLabel =
        addLabel(page, indexed("Label2", 0), FrmMain::tr("Recipient's name:"), {120, 755, 1452, 252});
    RecNameText = addOneLineText(page, QStringLiteral("RecNameText"), {1530, 720, 3492, 288});
    RecNameText->setFont(msSansSerifFont());
    labelFor(nameLabel, RecNameText, heading);

    auto* addressLabel =
        addLabel(page, indexed("Label3", 0), FrmMain::tr("Address:"), {120, 1320, 1452, 252});
    RecAddressText = addMultiLineText(page, QStringLiteral("RecAddressText"), {1530, 1320, 3492, 1332},
                                      Qt::ScrollBarAlwaysOff);
    RecAddressText->setFont(msSansSerifFont());
    labelFor(addressLabel, RecAddressText, heading);

    CheckOmit = addCheck(page, QStringLiteral("CheckOmit"), FrmMain::tr("Omit"), {120, 3120, 732, 252});
    CheckOmit->setAccessibleDescription(accessible::recipientOmitDescription());

    // Under the address box, flush with its right edge.
    cmdAddressBook = addButton(page, QStringLiteral("cmdAddressBook"), FrmMain::tr("Address Book..."),
                               {3522, 2760, 1500, 372});
    cmdAddressBook->setAccessibleName(FrmMain::tr("Address Book"));
    cmdAddressBook->setAccessibleDescription(
        FrmMain::tr("Fills in the recipient's name and address from your address books"));
}

QList<QWidget*> LetterheadPage::tabOrder() const {
    return {RecNameText, RecAddressText, cmdAddressBook, CheckOmit};
}

void LetterheadPage::fill(const PickedAddress& picked) const {
    RecNameText->setText(picked.name);
    replaceAllText(RecAddressText, picked.addressLines.join(u'\n'));
}

void LetterheadPage::handOver(WizardChoices& c) const {
    c.recNameText = RecNameText->text();
    c.recAddressText = withCrLf(RecAddressText->toPlainText());
    c.checkOmit = checkValue(CheckOmit);
}

SampleListPage::Design SampleListPage::salutation() {
    return {2,
            FrmMain::tr("Use sample salutation;"),
            {120, 240, 2532, 252},
            indexed("Label2", 1),
            {120, 720, 1812, 252},
            QStringLiteral("SalutationCombo"),
            texts::salutationEntries(),
            {120, 1224, 3492, 288},
            true,
            QStringLiteral("CheckOther1"),
            &WizardChoices::salutationCombo,
            &WizardChoices::checkOther1};
}

SampleListPage::Design SampleListPage::conclusion() {
    return {5,
            FrmMain::tr("Use sample conclusion;"),
            {120, 240, 1932, 252},
            indexed("Label1", 4),
            {120, 720, 1932, 252},
            QStringLiteral("ConclusionCombo"),
            texts::conclusionEntries(),
            {120, 1200, 3132, 288},
            true,
            QStringLiteral("CheckOther2"),
            &WizardChoices::conclusionCombo,
            &WizardChoices::checkOther2};
}

SampleListPage::Design SampleListPage::closing() {
    return {7,
            FrmMain::tr("Use sample closing;"),
            {120, 240, 1932, 252},
            indexed("Label1", 6),
            {120, 720, 1932, 252},
            QStringLiteral("ClosingCombo"),
            texts::closingEntries(),
            {120, 1200, 3492, 300},
            false,
            QStringLiteral("CheckOther3"),
            &WizardChoices::closingCombo,
            &WizardChoices::checkOther3};
}

SampleListPage::SampleListPage(QWidget* page, const Design& design)
    : position_(design.position), otherValue_(design.otherValue) {
    addLabel(page, indexed("Label1", design.headingIndex), design.heading, design.headingRect);
    auto* label = addLabel(page, design.listLabelName, FrmMain::tr("Choose from:"), design.listLabelRect);
    list = addDropDownList(page, design.listName, design.entries, design.listRect);
    if (design.listInMsSansSerif)
        list->setFont(msSansSerifFont());
    labelFor(label, list, design.heading);
    other = addCheck(page, design.otherName, FrmMain::tr("Other"), {120, 2160, 852, 252});
}

QList<QWidget*> SampleListPage::tabOrder() const {
    return {list, other};
}

void SampleListPage::handOver(WizardChoices& c) const {
    c.*position_ = list->currentIndex();
    c.*otherValue_ = checkValue(other);
}

SampleTextPage::SampleTextPage(QWidget* page) {
    Option1[0] =
        addOption(page, indexed("Option1", 0), FrmMain::tr("To write own note"), {120, 240, 1812, 252});
    Option1[1] =
        addOption(page, indexed("Option1", 1), FrmMain::tr("To use sample content"), {120, 720, 2775, 495});
    Option1[1]->setChecked(true);

    auto* categoryLabel =
        addLabel(page, QStringLiteral("Label5"), FrmMain::tr("Sample categories:"), {120, 1260, 1812, 252});
    contentEntries = texts::contentCategories();
    sampleParagraphs = texts::sampleParagraphs();
    ContentCombo =
        addDropDownList(page, QStringLiteral("ContentCombo"), contentEntries, {120, 1560, 3576, 300});
    labelFor(categoryLabel, ContentCombo);

    auto* textLabel =
        addLabel(page, indexed("Label1", 3), FrmMain::tr("Note content:"), {120, 2180, 1212, 252});
    Text1 = addMultiLineText(page, QStringLiteral("Text1"), {120, 2520, 3570, 1332}, Qt::ScrollBarAlwaysOn);
    labelFor(textLabel, Text1);
}

QList<QWidget*> SampleTextPage::tabOrder() const {
    return {Option1[0], Option1[1], ContentCombo, Text1};
}

void SampleTextPage::handOver(WizardChoices& c) const {
    c.option1[0] = Option1[0]->isChecked();
    c.option1[1] = Option1[1]->isChecked();
    c.contentCombo = ContentCombo->currentIndex();
    c.text1 = withCrLf(Text1->toPlainText());
}

SenderPage::SenderPage(QWidget* page) {
    const QString heading = FrmMain::tr("Information about the person writing a letter;");
    addLabel(page, indexed("Label1", 8), heading, {120, 240, 3612, 252});

    auto* nameLabel = addLabel(page, indexed("Label2", 2), FrmMain::tr("Name:"), {120, 720, 1092, 372});
    NameText = addOneLineText(page, QStringLiteral("NameText"), {1680, 720, 3330, 372});
    labelFor(nameLabel, NameText, heading);

    auto* placeLabel = addLabel(page, indexed("Label3", 1), FrmMain::tr("Place:"), {120, 1200, 1092, 252});
    AddressText = addMultiLineText(page, QStringLiteral("AddressText"), {1680, 1200, 3330, 852},
                                   Qt::ScrollBarAlwaysOff);
    labelFor(placeLabel, AddressText, heading);

    CheckOmit2 = addCheck(page, QStringLiteral("CheckOmit2"), FrmMain::tr("Omit"), {120, 2160, 852, 252});
    CheckOmit2->setAccessibleDescription(accessible::senderOmitDescription());
    CheckDate = addCheck(page, QStringLiteral("CheckDate"), FrmMain::tr("Date line"), {120, 3120, 1092, 252});
    CheckDate->setChecked(true);

    // Under the address box, flush with its right edge; usable once the address books are read.
    cmdFromMyCard = addButton(page, QStringLiteral("cmdFromMyCard"), FrmMain::tr("From My Card"),
                              {3510, 2160, 1500, 372});
    cmdFromMyCard->setAccessibleName(FrmMain::tr("From My Card"));
    cmdFromMyCard->setEnabled(false);
    cmdFromMyCard->setToolTip(FrmMain::tr("Looking for your own card..."));

    CheckEnvelope =
        addCheck(page, QStringLiteral("CheckEnvelope"), FrmMain::tr("Envelope"), {120, 3480, 1800, 252});
    CheckEnvelope->setAccessibleName(FrmMain::tr("Envelope"));
}

QList<QWidget*> SenderPage::tabOrder() const {
    return {NameText, AddressText, cmdFromMyCard, CheckOmit2, CheckDate, CheckEnvelope};
}

void SenderPage::offerOwnCard(const contacts::OwnCard& card) {
    ownCard_ = card;
    if (card.isEmpty())
        cmdFromMyCard->setToolTip(
            FrmMain::tr("Neither your address book nor your user account gives your name"));
    else if (!card.address)
        cmdFromMyCard->setToolTip(FrmMain::tr(
            "Fills in your name from your user account; your address book has no card of your own"));
    else
        cmdFromMyCard->setToolTip(FrmMain::tr("Fills in your name and address from your own card"));
    cmdFromMyCard->setAccessibleDescription(cmdFromMyCard->toolTip());
    enableFromMyCard(boxesEnabled_);
}

void SenderPage::enableFromMyCard(bool boxesEnabled) {
    boxesEnabled_ = boxesEnabled;
    cmdFromMyCard->setEnabled(boxesEnabled && ownCard_ && !ownCard_->isEmpty());
}

void SenderPage::fillFromOwnCard() const {
    if (!ownCard_ || ownCard_->isEmpty())
        return;
    NameText->setText(ownCard_->name);
    if (ownCard_->address)
        replaceAllText(
            AddressText,
            contacts::linesForLetter(ownCard_->address->address, QLocale().territory()).join(u'\n'));
}

void SenderPage::allowEnvelope(const QString& whyNot) {
    CheckEnvelope->setEnabled(whyNot.isEmpty());
    const QString tip =
        whyNot.isEmpty() ? FrmMain::tr("Finish also makes the envelope for this letter, as a PDF beside it")
                         : whyNot;
    CheckEnvelope->setToolTip(tip);
    CheckEnvelope->setAccessibleDescription(tip);
}

bool SenderPage::envelopeWanted() const {
    return CheckEnvelope->isEnabled() && isCheckedValue(CheckEnvelope);
}

void SenderPage::handOver(WizardChoices& c) const {
    c.nameText = NameText->text();
    c.addressText = withCrLf(AddressText->toPlainText());
    c.checkOmit2 = checkValue(CheckOmit2);
    c.checkDate = checkValue(CheckDate);
}

StylePage::StylePage(QWidget* page) {
    addLabel(page, indexed("Label1", 9), FrmMain::tr("Choose style:"), {120, 240, 1692, 252});
    addStyleOption(page, Style::Simple, QStringLiteral("OptSimple"), FrmMain::tr("Simple (without graphics)"),
                   {120, 600, 2772, 252})
        ->setChecked(true);

    // The previews stand above the options they show, each the one its style's row names. Like the
    // thumbnails, they were drawn for 12 twips a pixel and are shrunk to fit their boxes.
    addPreview(page, 3, *styleRow(Style::Classic).preview, {120, 960, 1104, 1116});
    addStyleOption(page, Style::Classic, QStringLiteral("OptClassic"), FrmMain::tr("Classic"),
                   {120, 2160, 1092, 252});
    addPreview(page, 7, *styleRow(Style::Dark).preview, {120, 2640, 1128, 1116});
    addStyleOption(page, Style::Dark, QStringLiteral("OptDark"), FrmMain::tr("Dark"), {120, 3960, 1332, 252});
    addPreview(page, 4, *styleRow(Style::Romantic).preview, {1800, 1800, 1116, 1104});
    addStyleOption(page, Style::Romantic, QStringLiteral("OptRomantic"), FrmMain::tr("Romantic"),
                   {1800, 3000, 1452, 252});
    addPreview(page, 5, *styleRow(Style::Elegant).preview, {3600, 960, 1104, 1104});
    addStyleOption(page, Style::Elegant, QStringLiteral("OptElegant"), FrmMain::tr("Elegant"),
                   {3600, 2160, 1332, 252});
    addPreview(page, 6, *styleRow(Style::Modern).preview, {3600, 2640, 1176, 1176});
    addStyleOption(page, Style::Modern, QStringLiteral("OptModern"), FrmMain::tr("Modernistic"),
                   {3600, 3960, 1452, 252});
}

QRadioButton* StylePage::addStyleOption(QWidget* page, Style style, const QString& name,
                                        const QString& caption, const TwipsRect& rect) {
    auto* option = addOption(page, name, caption, rect);
    options.emplace_back(style, option);
    return option;
}

QList<QWidget*> StylePage::tabOrder() const {
    QList<QWidget*> order;
    for (const auto& [style, option] : options)
        order << option;
    return order;
}

void StylePage::handOver(WizardChoices& c) const {
    for (const auto& [style, option] : options)
        c.*styleRow(style).option = option->isChecked();
}

} // namespace tavrin
