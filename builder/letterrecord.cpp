#include "letterrecord.h"

#include "lettertexts.h"
#include "word/automationerror.h"

namespace tavrin {

ListWithText::ListWithText(QStringList items, QString text)
    : items_(std::move(items)), text_(std::move(text)) {}

void ListWithText::choose(int position) {
    if (position == -1) {
        text_.clear();
        return;
    }
    if (position < 0 || position >= items_.size())
        throw word::AutomationError(word::errors::InvalidArgument,
                                    QStringLiteral("The list has no item at position %1.").arg(position));
    text_ = items_.at(position);
}

LetterRecord::LetterRecord()
    : RecNameText(texts::recipientNamePlaceholder()), RecAddressText(texts::recipientAddressPlaceholder()),
      SalutationText(salutationItems(), texts::salutationPlaceholder()),
      ContentText(contentItems(), texts::contentPlaceholder()),
      Conclusiontext(conclusionItems(), texts::conclusionPlaceholder()),
      ClosingText(closingItems(), texts::closingPlaceholder()), NameText(texts::writerNamePlaceholder()),
      AddressText(texts::writerAddressPlaceholder()) {}

namespace {

// The wizard's lists count their entries from 0; a shorter list than expected yields empty items rather
// than reading past its end.
QString entry(const QStringList& entries, int position) {
    return entries.value(position);
}

QString withNameMarkAs(QString text, const QString& placeholder) {
    return text.replace(texts::NameMark, placeholder);
}

QString otherItem(const QString& prefix) {
    return prefix + texts::informationPlaceholder();
}

// Closing 1 greets several people; closings 3 and 4 name one.
QString namePlaceholderOfClosing(int closing) {
    return closing == 1 ? texts::namesPlaceholder() : texts::namePlaceholder();
}

constexpr int SalutationEntryCount = 9;
constexpr int ContentEntryCount = 8;
constexpr int ConclusionEntryCount = 7;
constexpr int ClosingCount = 6;
// The wizard's closing list ends with the last line of the last closing.
constexpr int LastClosingEntry = texts::ClosingSpans[ClosingCount - 1].last;

} // namespace

QStringList salutationItems() {
    const QStringList entries = texts::salutationEntries();
    QStringList items;
    for (int position = 0; position < SalutationEntryCount; ++position)
        items.append(withNameMarkAs(entry(entries, position), texts::namesPlaceholder() + QLatin1Char(' ')));
    items[8].prepend(QStringLiteral("- "));
    items.append(otherItem(QStringLiteral("- ") + texts::otherMark() + QLatin1Char(' ')));
    return items;
}

QStringList contentItems() {
    const QStringList entries = texts::contentCategories();
    QStringList items;
    for (int position = 0; position < ContentEntryCount; ++position)
        items.append(entry(entries, position));
    return items;
}

QStringList conclusionItems() {
    const QStringList entries = texts::conclusionEntries();
    QStringList items;
    for (int position = 0; position < ConclusionEntryCount; ++position)
        items.append(entry(entries, position));
    items.append(otherItem(texts::otherMark() + QLatin1Char(' ')));
    return items;
}

QStringList closingItems() {
    const QStringList entries = texts::closingEntries();
    QStringList items{QString()};
    for (int closing = 1; closing <= ClosingCount; ++closing) {
        const texts::EntrySpan span = texts::ClosingSpans[closing - 1];
        QStringList lines;
        for (int position = span.first; position <= span.last; ++position)
            lines.append(entry(entries, position));
        items.append(withNameMarkAs(lines.join(QLatin1Char(' ')), namePlaceholderOfClosing(closing)));
    }
    return items;
}

int closingItemForWizardPosition(int wizardPosition) {
    if (wizardPosition < 0 || wizardPosition > LastClosingEntry)
        return -1;
    for (int closing = 1; closing <= ClosingCount; ++closing) {
        const texts::EntrySpan span = texts::ClosingSpans[closing - 1];
        if (wizardPosition >= span.first && wizardPosition <= span.last)
            return closing;
    }
    return 0;
}

} // namespace tavrin
