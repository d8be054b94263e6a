#pragma once

// The wizard's eight pages. Each builds its controls into the page rectangle FrmMain gives it, in the
// order, at the places and under the names of the form, tells the order Tab takes through them, and hands
// over what they hold at Finish. The events and the navigation stay with FrmMain.

#include "builder/wizardchoices.h"
#include "contacts/owncard.h"
#include "twips.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tavrin {

struct PickedAddress;

// Page 0: the three layout thumbnails over the alignment options.
struct LayoutPage {
    explicit LayoutPage(QWidget* page);
    void handOver(WizardChoices& choices) const;
    QList<QWidget*> tabOrder() const;

    QRadioButton* OptAlignCenter = nullptr;
    QRadioButton* OptAlignLeft = nullptr;
    QRadioButton* OptAlignRight = nullptr;
};

// Page 1: the recipient's name and address.
struct LetterheadPage {
    explicit LetterheadPage(QWidget* page);
    void handOver(WizardChoices& choices) const;
    QList<QWidget*> tabOrder() const;

    // Puts the name and address picked from the address book into the boxes, where the user can still
    // change them.
    void fill(const PickedAddress& picked) const;

    QLineEdit* RecNameText = nullptr;
    QPlainTextEdit* RecAddressText = nullptr;
    QCheckBox* CheckOmit = nullptr;
    QPushButton* cmdAddressBook = nullptr;
};

// Pages 2, 4 and 5: a heading, a list of samples to choose from, and Other for a text of the user's own.
struct SampleListPage {
    struct Design {
        int headingIndex; // the heading is Label1(headingIndex)
        QString heading;
        TwipsRect headingRect;
        QString listLabelName;
        TwipsRect listLabelRect;
        QString listName;
        QStringList entries;
        TwipsRect listRect;
        bool listInMsSansSerif;
        QString otherName;
        // Where the list position and the Other box go in the snapshot.
        int WizardChoices::*position;
        int WizardChoices::*otherValue;
    };
    static Design salutation();
    static Design conclusion();
    static Design closing();

    SampleListPage(QWidget* page, const Design& design);
    void handOver(WizardChoices& choices) const;
    QList<QWidget*> tabOrder() const;

    QComboBox* list = nullptr;
    QCheckBox* other = nullptr;

private:
    int WizardChoices::*position_;
    int WizardChoices::*otherValue_;
};

// Page 3: the user's own note or a sample paragraph from a list of categories.
struct SampleTextPage {
    explicit SampleTextPage(QWidget* page);
    void handOver(WizardChoices& choices) const;
    QList<QWidget*> tabOrder() const;

    std::array<QRadioButton*, 2> Option1{};
    QComboBox* ContentCombo = nullptr;
    QPlainTextEdit* Text1 = nullptr;

    // The list's entries and the paragraph of each, as put into the list.
    QStringList contentEntries;
    QStringList sampleParagraphs;
};

// Page 6: the writer's name and address, the date line, and whether Finish makes the envelope too.
struct SenderPage {
    explicit SenderPage(QWidget* page);
    void handOver(WizardChoices& choices) const;
    QList<QWidget*> tabOrder() const;

    // The envelope box is enabled when nothing stands in the way; otherwise it says why, and keeps its
    // tick for when the envelope can be made again.
    void allowEnvelope(const QString& whyNot);
    bool envelopeWanted() const;
    // The user's own card, once the address books are read: From My Card takes its name, and its address
    // where it has one; with nothing to take the button says why.
    void offerOwnCard(const contacts::OwnCard& card);
    // The button follows the boxes: off while they are.
    void enableFromMyCard(bool boxesEnabled);
    void fillFromOwnCard() const;

    QLineEdit* NameText = nullptr;
    QPlainTextEdit* AddressText = nullptr;
    QCheckBox* CheckOmit2 = nullptr;
    QCheckBox* CheckDate = nullptr;
    QCheckBox* CheckEnvelope = nullptr;
    QPushButton* cmdFromMyCard = nullptr;

private:
    std::optional<contacts::OwnCard> ownCard_; // none until the address books are read
    bool boxesEnabled_ = true;
};

// Page 7: the six styles, five of them under their previews.
struct StylePage {
    explicit StylePage(QWidget* page);
    void handOver(WizardChoices& choices) const;
    QList<QWidget*> tabOrder() const;

    // Each style's option, in the order the page makes them and Tab takes them.
    std::vector<std::pair<Style, QRadioButton*>> options;

private:
    QRadioButton* addStyleOption(QWidget* page, Style style, const QString& name, const QString& caption,
                                 const TwipsRect& rect);
};

} // namespace tavrin
