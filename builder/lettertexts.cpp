#include "lettertexts.h"

#include <QCoreApplication>

#include <cstddef>

namespace tavrin::texts {

namespace {

// Translation context of every list entry below.
constexpr char Context[] = "LetterTexts";

// The empty and blank entries that separate samples stay as they are in every language.
template <std::size_t N> QStringList translated(const char* const (&entries)[N]) {
    QStringList list;
    list.reserve(int(N));
    for (const char* entry : entries) {
        const QString source = QString::fromUtf8(entry);
        list.append(source.trimmed().isEmpty() ? source : QCoreApplication::translate(Context, entry));
    }
    return list;
}

// "_" marks where a name goes.
const char* const SalutationSource[] = {
    "",
    QT_TRANSLATE_NOOP("LetterTexts", "To Whom It May Concern,"),
    QT_TRANSLATE_NOOP("LetterTexts", "To _"),
    QT_TRANSLATE_NOOP("LetterTexts", "Dear _"),
    QT_TRANSLATE_NOOP("LetterTexts", "Dear Mom and Dad,"),
    QT_TRANSLATE_NOOP("LetterTexts", "Dear Family and Friends,"),
    QT_TRANSLATE_NOOP("LetterTexts", "Dear World,"),
    QT_TRANSLATE_NOOP("LetterTexts", "I hope this letter finds you safe and well."),
    QT_TRANSLATE_NOOP("LetterTexts", "It was so good to hear from you after so long!"),
};

const char* const CategorySource[] = {
    "",
    QT_TRANSLATE_NOOP("LetterTexts", "Thanks/Gratitude"),
    QT_TRANSLATE_NOOP("LetterTexts", "Birthday/Congratulations"),
    QT_TRANSLATE_NOOP("LetterTexts", "Family/News"),
    QT_TRANSLATE_NOOP("LetterTexts", "Travel/Holiday"),
    QT_TRANSLATE_NOOP("LetterTexts", "Invitation/Party/Celebration"),
    QT_TRANSLATE_NOOP("LetterTexts", "Apology"),
    QT_TRANSLATE_NOOP("LetterTexts", "Friendship/Memories"),
};

// One paragraph per category, in the categories' order. The invitation's " _ " is where the user's own
// information (a date, a place) goes.
const char* const ParagraphSource[] = {
    "",
    QT_TRANSLATE_NOOP("LetterTexts",
                      "Thank you so much for your kind and thoughtful gift. It made my whole week "
                      "brighter! I feel lucky to have a friend like you. You are always in my "
                      "thoughts."),
    QT_TRANSLATE_NOOP("LetterTexts",
                      "Happy birthday! I hope your day is full of laughter, good food and the people "
                      "you love most. May the coming year bring you health, joy and many happy "
                      "surprises."),
    QT_TRANSLATE_NOOP("LetterTexts",
                      "We are all well here and as busy as ever. The children are growing fast, and "
                      "the garden is in full bloom. We often talk about you. How we wish you were "
                      "here with us!"),
    QT_TRANSLATE_NOOP("LetterTexts",
                      "Our trip was wonderful from start to finish. We walked for miles, ate far too "
                      "much and watched the sun set over the sea every evening. I will show you the "
                      "photos soon."),
    QT_TRANSLATE_NOOP("LetterTexts",
                      "On _ we are having a small party at our home, and it would not be the same "
                      "without you. There will be good food, music and old friends. Please say you "
                      "will come!"),
    QT_TRANSLATE_NOOP("LetterTexts",
                      "I am truly sorry for what I said the last time we met. It was unkind and "
                      "unfair, and you did not deserve it. I hope you can forgive me, because your "
                      "friendship means a great deal to me."),
    QT_TRANSLATE_NOOP("LetterTexts",
                      "Today I found an old photograph of us laughing on the beach. What a summer "
                      "that was! It brought back so many happy memories. I miss you. Let us meet "
                      "again soon."),
};

const char* const ConclusionSource[] = {
    "",
    QT_TRANSLATE_NOOP("LetterTexts", "Write back soon!"),
    QT_TRANSLATE_NOOP("LetterTexts", "Take good care!"),
    QT_TRANSLATE_NOOP("LetterTexts", "Hope to see you soon!"),
    QT_TRANSLATE_NOOP("LetterTexts", "Keep in touch!"),
    QT_TRANSLATE_NOOP("LetterTexts", "Stay well!"),
    QT_TRANSLATE_NOOP("LetterTexts", "Miss you lots!"),
};

// Six closings over seventeen lines (see ClosingSpans); the empty lines and the single space keep them
// apart. "_" marks where a name goes.
const char* const ClosingSource[] = {
    "",
    QT_TRANSLATE_NOOP("LetterTexts", "With love from"),
    QT_TRANSLATE_NOOP("LetterTexts", "_"),
    "",
    QT_TRANSLATE_NOOP("LetterTexts", "With warmest thoughts"),
    QT_TRANSLATE_NOOP("LetterTexts", "and all my love,"),
    " ",
    QT_TRANSLATE_NOOP("LetterTexts", "_ and I"),
    QT_TRANSLATE_NOOP("LetterTexts", "send you our love."),
    "",
    QT_TRANSLATE_NOOP("LetterTexts", "Say hello to _ for me,"),
    QT_TRANSLATE_NOOP("LetterTexts", "and take good care"),
    QT_TRANSLATE_NOOP("LetterTexts", "of yourself."),
    "",
    QT_TRANSLATE_NOOP("LetterTexts", "Sincerely yours,"),
    "",
    QT_TRANSLATE_NOOP("LetterTexts", "Best wishes,"),
};

} // namespace

QString recipientNamePlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type recipient's name]");
}
QString recipientAddressPlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type recipient's address]");
}
QString salutationPlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type your salutation]");
}
QString contentPlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type the contents of your letter]");
}
QString conclusionPlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type your conclusion]");
}
QString closingPlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type your closing]");
}
// The space after the bracket keeps the writer's name apart from what follows it on the line.
QString writerNamePlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type your name]") + QLatin1Char(' ');
}
QString writerAddressPlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type your address]");
}
QString informationPlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type your information.]");
}
QString namesPlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type names.]");
}
QString namePlaceholder() {
    return QCoreApplication::translate("LetterTexts", "[Click here and type name.]");
}
QString signatureMark() {
    return QCoreApplication::translate("LetterTexts", "[Signature]");
}
QString otherMark() {
    return QCoreApplication::translate("LetterTexts", "Other.");
}

QStringList salutationEntries() {
    return translated(SalutationSource);
}
QStringList contentCategories() {
    return translated(CategorySource);
}
QStringList sampleParagraphs() {
    return translated(ParagraphSource);
}
QStringList conclusionEntries() {
    return translated(ConclusionSource);
}
QStringList closingEntries() {
    return translated(ClosingSource);
}

} // namespace tavrin::texts
