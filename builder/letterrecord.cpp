#include "letterrecord.h"

#include "lettertexts.h"

namespace tavrin {

ListWithText::ListWithText(QStringList items, QString text)
    : items_(std::move(items)), text_(std::move(text)) {}

void ListWithText::choose(int position) {
    text_ = position >= 0 ? items_.value(position) : QString();
}

LetterRecord::LetterRecord()
    : RecNameText(texts::RecipientNamePlaceholder), RecAddressText(texts::RecipientAddressPlaceholder),
      SalutationText(salutationItems(), texts::SalutationPlaceholder),
      ContentText(contentItems(), texts::ContentPlaceholder),
      Conclusiontext(conclusionItems(), texts::ConclusionPlaceholder),
      ClosingText(closingItems(), texts::ClosingPlaceholder), NameText(texts::WriterNamePlaceholder),
      AddressText(texts::WriterAddressPlaceholder) {}

QStringList salutationItems() {
    return {};
}
QStringList contentItems() {
    return {};
}
QStringList conclusionItems() {
    return {};
}
QStringList closingItems() {
    return {};
}
int closingItemForWizardPosition(int) {
    return -1;
}

} // namespace tavrin
