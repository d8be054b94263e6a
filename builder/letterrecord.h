#pragma once

#include <QString>
#include <QStringList>

namespace tavrin {

// A list with an editable text: choosing position p sets the text to item p, position -1 empties it.
class ListWithText {
public:
    ListWithText(QStringList items, QString text);

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }
    const QStringList& items() const { return items_; }
    // Throws word::AutomationError for a position that is neither -1 nor an item of the list.
    void choose(int position);

private:
    QStringList items_;
    QString text_;
};

// The eight texts of the letter, each starting as its placeholder.
struct LetterRecord {
    LetterRecord();

    QString RecNameText;
    QString RecAddressText;
    ListWithText SalutationText;
    ListWithText ContentText;
    ListWithText Conclusiontext;
    ListWithText ClosingText;
    QString NameText;
    QString AddressText;
};

// The builder's own lists, made from the wizard's with the name marks written as placeholders.
QStringList salutationItems(); // 10 items
QStringList contentItems();    // 8 items
QStringList conclusionItems(); // 8 items
QStringList closingItems();    // 7 items

// Which closing item a position of the wizard's closing list stands for: 0 for the separating entries,
// 1 to 6 for an entry of a closing, and -1 (leave the closing as it is) for anything else.
int closingItemForWizardPosition(int wizardPosition);

} // namespace tavrin
