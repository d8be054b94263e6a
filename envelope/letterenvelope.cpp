#include "letterenvelope.h"

#include "builder/stylecatalog.h"
#include "contacts/postaladdress.h"
#include "envelopes.h"
#include "word/automationerror.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cstdint>
#include <new>
#ifdef __GLIBC__
#include <langinfo.h>
#endif

namespace tavrin::envelopes {

namespace {

// The papers of the United States, Canada and the countries that follow them; a letter on any of them is
// 8.5 inches wide and fits a No. 10 folded in three, as an A4 letter fits a DL.
constexpr std::array NorthAmericanPapers{
    QPageSize::Letter,  QPageSize::LetterSmall, QPageSize::LetterExtra, QPageSize::LetterPlus,
    QPageSize::Legal,   QPageSize::LegalExtra,  QPageSize::Executive,   QPageSize::ExecutiveStandard,
    QPageSize::Tabloid, QPageSize::Ledger};

QStringList lines(const QString& crLfText) {
    return contacts::nonEmptyLines({crLfText});
}

} // namespace

QString envelopeForPaper(const QPageSize& paper) {
    for (const QPageSize::PageSizeId northAmerican : NorthAmericanPapers)
        if (paper.id() == northAmerican)
            return QStringLiteral("10");
    return QStringLiteral("DL");
}

QPageSize localePaper() {
#ifdef __GLIBC__
    // glibc answers these two with a number in place of the text pointer.
    const auto millimetres = [](nl_item item) {
        return int(reinterpret_cast<std::intptr_t>(nl_langinfo(item)));
    };
    const int width = millimetres(_NL_PAPER_WIDTH), height = millimetres(_NL_PAPER_HEIGHT);
    if (width > 0 && height > 0)
        return QPageSize(QSizeF(width, height), QPageSize::Millimeter, {}, QPageSize::FuzzyMatch);
#endif
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

LetterEnvelope letterEnvelope(const WizardChoices& choices, const QPageSize& paper) {
    LetterEnvelope envelope;
    envelope.size = envelopeSize(envelopeForPaper(paper));
    envelope.face = typefaceOf(choices.style().value_or(Style::Simple));
    if (!isChecked(choices.checkOmit2))
        envelope.writerLines = lines(choices.nameText) + lines(choices.addressText);
    envelope.recipient.fullName = choices.recNameText.trimmed();
    envelope.recipient.addressLines = lines(choices.recAddressText);
    return envelope;
}

tavrin::Expected<PaintedEnvelope, QString> paintEnvelope(const LetterEnvelope& envelope) {
    try {
        Envelope laidOut =
            envelopes::envelope(envelope.size, envelope.face, envelope.writerLines, envelope.recipient);
        PaintedEnvelope painted{std::move(laidOut.model), {}, laidOut.droppedLines};
        painted.pdf = documentsPdf({&painted.model});
        return painted;
    } catch (const word::AutomationError& error) {
        return tavrin::Unexpected(error.description);
    } catch (const std::bad_alloc&) {
        return tavrin::Unexpected(QCoreApplication::translate("Envelope", "there was not enough memory"));
    }
}

QString envelopeFileName(QDate day, int number) {
    const QString date = day.toString(Qt::ISODate);
    if (number == 1)
        return QStringLiteral("Envelope %1.pdf").arg(date);
    return QStringLiteral("Envelope %1 (%2).pdf").arg(date).arg(number);
}

} // namespace tavrin::envelopes
