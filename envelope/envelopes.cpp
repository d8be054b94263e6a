#include "envelopes.h"

#include "builder/stylecatalog.h"
#include "pdfpages.h"
#include "word/engine/print/lineheights.h"
#include "word/engine/print/pagerenderer.h"
#include "word/engine/print/units.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>

namespace tavrin::envelopes {

namespace {

constexpr qreal PointsPerMillimetre = 72.0 / 25.4;
constexpr float EnvelopeMargin = 15 * PointsPerMillimetre;
constexpr float WriterSize = 8;
constexpr float RecipientSize = 12;
// The writer's corner keeps clear of the recipient's half.
constexpr int MaxWriterLines = 6;

word::engine::Paragraph line(const QString& text, const word::engine::CharFormat& format) {
    word::engine::Paragraph paragraph;
    paragraph.markFormat = format;
    if (!text.isEmpty())
        paragraph.content.push_back(word::engine::TextRun{format, text});
    return paragraph;
}

// A device at the renderer's layout resolution, for measuring as it lays out.
QImage layoutDevice() {
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(word::engine::print::LayoutDotsPerInch / 0.0254));
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    return device;
}

QFont faceAt(const QString& face, float size) {
    QFont font(face);
    font.setPointSizeF(size);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// How tall the renderer makes a single-spaced line of the face, in points.
qreal lineHeight(const QString& face, float size) {
    QImage device = layoutDevice();
    word::engine::print::LineHeights heights(device);
    return heights.of(faceAt(face, size)).height() / 20.0;
}

// The text as far as one line of the width holds it, cut with an ellipsis; the text itself when it fits.
// A little is kept spare for the renderer's own rounding.
QString oneLine(const QString& text, const QString& face, float size, qreal width) {
    QImage device = layoutDevice();
    const QFontMetricsF metrics(faceAt(face, size), &device);
    const qreal devicePixelsPerPoint = word::engine::print::LayoutDotsPerInch / 72.0;
    return metrics.elidedText(text, Qt::ElideRight, 0.98 * width * devicePixelsPerPoint);
}

} // namespace

QByteArray documentsPdf(const std::vector<const word::engine::DocumentModel*>& documents) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PdfPages pdf(&buffer);
    for (const word::engine::DocumentModel* document : documents)
        pdf.add(*document);
    pdf.finish();
    return bytes;
}

QSizeF envelopeSize(const QString& name) {
    const auto millimetres = [](qreal width, qreal height) {
        return QSizeF(width * PointsPerMillimetre, height * PointsPerMillimetre);
    };
    if (name == u"DL")
        return millimetres(220, 110);
    if (name == u"C4")
        return millimetres(324, 229);
    if (name == u"C5")
        return millimetres(229, 162);
    if (name == u"C6")
        return millimetres(162, 114);
    return {9.5 * 72, 4.125 * 72}; // US No. 10
}

QString envelopeFace(const QString& style) {
    const StyleRow* row = styleRowForCommandLineName(style);
    return typefaceOf(row ? row->style : Style::Simple);
}

QPointF recipientBlockOrigin(const QSizeF& size) {
    return {size.width() / 2, size.height() / 2};
}

namespace {

// The recipient's face sizes an envelope tries, largest first, before it leaves lines out.
constexpr std::array<float, 5> RecipientSizes{RecipientSize, 11, 10, 9, 8};

word::engine::DocumentModel envelopeWith(const QSizeF& size, const QString& face, const QStringList& corner,
                                         const QStringList& block, float recipientSize) {
    word::engine::DocumentModel model;
    model.page = {float(size.width()), float(size.height()), EnvelopeMargin,
                  EnvelopeMargin,      EnvelopeMargin,       EnvelopeMargin};
    model.body.clear();

    word::engine::CharFormat writerFormat;
    writerFormat.fontName = face;
    writerFormat.size = WriterSize;
    for (const QString& text : corner)
        model.body.push_back(line(text, writerFormat));

    word::engine::CharFormat recipientFormat = writerFormat;
    recipientFormat.size = recipientSize;
    const QPointF origin = recipientBlockOrigin(size);
    const qreal cornerHeight = corner.size() * lineHeight(face, WriterSize);
    for (qsizetype index = 0; index < block.size(); ++index) {
        word::engine::Paragraph paragraph = line(block.at(index), recipientFormat);
        paragraph.format.leftIndent = float(origin.x()) - EnvelopeMargin;
        paragraph.format.widowControl = false;
        if (index == 0)
            paragraph.format.spaceBefore =
                float(std::max<qreal>(0, origin.y() - EnvelopeMargin - cornerHeight));
        model.body.push_back(paragraph);
    }
    return model;
}

bool onOnePage(const word::engine::DocumentModel& model) {
    return word::engine::print::PageRenderer(model).pageCount() == 1;
}

} // namespace

Envelope envelope(const QSizeF& size, const QString& face, const QStringList& writerLines,
                  const contacts::Contact& recipient) {
    // Each of the writer's lines is one line in the corner: a longer one is cut, not wrapped.
    QStringList corner;
    for (const QString& text : writerLines.mid(0, MaxWriterLines))
        corner << oneLine(text, face, WriterSize, size.width() - 2 * EnvelopeMargin);
    // A name that one line does not hold even in the smallest face is cut to one line.
    const QString name = oneLine(recipient.fullName, face, RecipientSizes.back(),
                                 size.width() - recipientBlockOrigin(size).x() - EnvelopeMargin);
    const bool nameShortened = name != recipient.fullName;
    QStringList block{name};
    block += recipient.addressLines;
    for (const float recipientSize : RecipientSizes)
        if (word::engine::DocumentModel model = envelopeWith(size, face, corner, block, recipientSize);
            onOnePage(model))
            return {std::move(model), 0, nameShortened};

    // Still too long in the smallest face: lines go, those before the last two (the town and the country)
    // first, the name last of all.
    const float smallest = RecipientSizes.back();
    Envelope shortened{envelopeWith(size, face, corner, block, smallest), 0, nameShortened};
    while (block.size() > 1 && !onOnePage(shortened.model)) {
        block.removeAt(std::max<qsizetype>(1, block.size() - 3));
        ++shortened.droppedLines;
        shortened.model = envelopeWith(size, face, corner, block, smallest);
    }
    return shortened;
}

} // namespace tavrin::envelopes
