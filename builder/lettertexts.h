#pragma once

// The letter's fixed wording, kept in one place: the wizard's sample lists and the placeholders that the
// letter assembly types where the user gave nothing. The builder's own lists are made from the wizard's
// (letterrecord.h), so the two always agree.

#include <QString>
#include <QStringList>

namespace tavrin::texts {

// Placeholders typed into the letter as plain text, in the user's language.
QString recipientNamePlaceholder();    // "[Click here and type recipient's name]"
QString recipientAddressPlaceholder(); // "[Click here and type recipient's address]"
QString salutationPlaceholder();       // "[Click here and type your salutation]"
QString contentPlaceholder();          // "[Click here and type the contents of your letter]"
QString conclusionPlaceholder();       // "[Click here and type your conclusion]"
QString closingPlaceholder();          // "[Click here and type your closing]"
QString writerNamePlaceholder();       // "[Click here and type your name] ", a space after the bracket
QString writerAddressPlaceholder();    // "[Click here and type your address]"
QString informationPlaceholder();      // "[Click here and type your information.]"
QString namesPlaceholder();            // "[Click here and type names.]"
QString namePlaceholder();             // "[Click here and type name.]"
QString signatureMark();               // "[Signature]"
// The word the builder's "other" list items begin with: "Other."
QString otherMark();

// The wizard's name mark: where a name goes in a salutation or closing entry.
inline const QString NameMark = QStringLiteral("_");
// The mark in a sample paragraph where the user's own information goes.
inline const QString InformationMark = QStringLiteral(" _ ");

// The wizard's lists, entry 0 empty in each. Translated through Qt's translation function.
QStringList salutationEntries(); // 9 entries
QStringList contentCategories(); // 8 entries: empty, then seven category names
QStringList sampleParagraphs();  // 8 entries: empty, then the paragraph of each category in list order
QStringList conclusionEntries(); // 7 entries
QStringList closingEntries();    // 17 entries; a closing spans one to three entries

// Closing k (1 to 6) occupies these entries of closingEntries().
struct EntrySpan {
    int first;
    int last;
};
inline constexpr EntrySpan ClosingSpans[6] = {{1, 2}, {4, 5}, {7, 8}, {10, 12}, {14, 14}, {16, 16}};

} // namespace tavrin::texts
