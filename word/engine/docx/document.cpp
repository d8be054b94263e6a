// The main document part, word/document.xml. Elements are written in the order the schema gives them:
// Word silently ignores an element out of order.

#include "names.h"
#include "writer.h"

#include <QBuffer>
#include <QXmlStreamWriter>

namespace word::engine::docx {

using namespace Qt::Literals::StringLiterals;

namespace {

// Table cells keep 108 twips of white space left and right of their text.
constexpr int cellMarginTwips = 108;
// Lines are drawn 0.75 pt wide, in black.
constexpr int lineWidthEmu = 9525;
// Drawing order of floating shapes, counted up from where Word starts.
constexpr qint64 firstShapeHeight = 251659264;
// VML shapes are numbered from 1025 in Word's own files.
constexpr int firstVmlShape = 1025;

QString number(qint64 value) {
    return QString::number(value);
}

QString alignmentValue(int alignment) {
    switch (alignment) {
    case 1:
        return u"center"_s;
    case 2:
        return u"right"_s;
    case 3:
        return u"both"_s;
    default:
        return u"left"_s;
    }
}

// Line spacing as a multiple of single spacing, in 240ths.
QString lineValue(int lineSpacingRule) {
    switch (lineSpacingRule) {
    case 1:
        return u"360"_s;
    case 2:
        return u"480"_s;
    default:
        return u"240"_s;
    }
}

bool needsPreservedSpace(QStringView text) {
    return text.startsWith(u' ') || text.endsWith(u' ') || text.contains(u"  ");
}

QString vmlPoints(qint64 emuValue) {
    return QString::number(double(emuValue) / 12700, 'f', 2) + u"pt"_s;
}

// A line in the form both drawing languages want: the top-left corner of its bounding box, its size, and
// whether it runs against the axes.
struct LineGeometry {
    qint64 x1, y1, x2, y2;
    qint64 left() const { return std::min(x1, x2); }
    qint64 top() const { return std::min(y1, y2); }
    qint64 width() const { return std::max(x1, x2) - left(); }
    qint64 height() const { return std::max(y1, y2) - top(); }
    bool flipH() const { return x2 < x1; }
    bool flipV() const { return y2 < y1; }
};

LineGeometry geometryOf(const LineShape& line) {
    return {emu(line.beginX, linePositionBounds), emu(line.beginY, linePositionBounds),
            emu(line.endX, linePositionBounds), emu(line.endY, linePositionBounds)};
}

void writeEmpty(QXmlStreamWriter& x, const QString& name) {
    x.writeEmptyElement(name);
}

void writeEmptyWithVal(QXmlStreamWriter& x, const QString& name, const QString& value) {
    x.writeEmptyElement(name);
    x.writeAttribute(u"w:val"_s, value);
}

void writeRunProperties(QXmlStreamWriter& x, const CharFormat& format) {
    x.writeStartElement(u"w:rPr"_s);
    x.writeEmptyElement(u"w:rFonts"_s);
    for (const QString& slot : {u"w:ascii"_s, u"w:hAnsi"_s, u"w:eastAsia"_s, u"w:cs"_s})
        x.writeAttribute(slot, format.fontName);
    if (format.bold) {
        writeEmpty(x, u"w:b"_s);
        writeEmpty(x, u"w:bCs"_s);
    }
    const QString rgb = rgbForColorIndex(format.colorIndex);
    if (!rgb.isEmpty())
        writeEmptyWithVal(x, u"w:color"_s, rgb);
    const QString size = number(halfPoints(format.size));
    writeEmptyWithVal(x, u"w:sz"_s, size);
    writeEmptyWithVal(x, u"w:szCs"_s, size);
    x.writeEndElement();
}

void writeParagraphProperties(QXmlStreamWriter& x, const Paragraph& paragraph) {
    const ParaFormat& f = paragraph.format;
    x.writeStartElement(u"w:pPr"_s);
    if (f.keepWithNext)
        writeEmpty(x, u"w:keepNext"_s);
    if (f.keepTogether)
        writeEmpty(x, u"w:keepLines"_s);
    if (f.pageBreakBefore)
        writeEmpty(x, u"w:pageBreakBefore"_s);
    if (f.widowControl)
        writeEmpty(x, u"w:widowControl"_s);
    else
        writeEmptyWithVal(x, u"w:widowControl"_s, u"0"_s);
    if (f.noLineNumber)
        writeEmpty(x, u"w:suppressLineNumbers"_s);
    if (!f.hyphenation)
        writeEmpty(x, u"w:suppressAutoHyphens"_s);

    x.writeEmptyElement(u"w:spacing"_s);
    x.writeAttribute(u"w:before"_s, number(twips(f.spaceBefore, spacingBounds)));
    x.writeAttribute(u"w:after"_s, number(twips(f.spaceAfter, spacingBounds)));
    x.writeAttribute(u"w:line"_s, lineValue(f.lineSpacingRule));
    x.writeAttribute(u"w:lineRule"_s, u"auto"_s);

    x.writeEmptyElement(u"w:ind"_s);
    x.writeAttribute(u"w:left"_s, number(twips(f.leftIndent, indentBounds)));
    x.writeAttribute(u"w:right"_s, number(twips(f.rightIndent, indentBounds)));
    const int firstLine = twips(f.firstLineIndent, indentBounds);
    if (firstLine >= 0)
        x.writeAttribute(u"w:firstLine"_s, number(firstLine));
    else
        x.writeAttribute(u"w:hanging"_s, number(-firstLine));

    writeEmptyWithVal(x, u"w:jc"_s, alignmentValue(f.alignment));
    if (f.outlineLevel >= 1 && f.outlineLevel <= 9)
        writeEmptyWithVal(x, u"w:outlineLvl"_s, number(f.outlineLevel - 1));
    writeRunProperties(x, paragraph.markFormat);
    x.writeEndElement();
}

// A letter repeats a handful of formats hundreds of times, and the stream writer spends most of its time
// on their attributes. So each distinct format's properties are written once, by a writer of their own,
// and their bytes copied after that (up to a number of formats, past which they are written each time).
template <class Format> class FragmentCache {
public:
    template <class Write> QByteArray fragment(const Format& format, Write write) {
        for (const auto& [known, bytes] : entries_)
            if (known == format)
                return bytes;
        QByteArray bytes;
        QXmlStreamWriter x(&bytes);
        write(x, format);
        if (entries_.size() < capacity)
            entries_.emplace_back(format, bytes);
        return bytes;
    }

private:
    static constexpr std::size_t capacity = 32;
    std::vector<std::pair<Format, QByteArray>> entries_;
};

class DocumentWriter {
public:
    DocumentWriter(QIODevice* out, const DocumentModel& model, Media& media)
        : device_(out), x_(out), model_(model), media_(media) {}

    void write() {
        x_.writeStartDocument(u"1.0"_s, true);
        x_.writeStartElement(u"w:document"_s);
        declareNamespaces();
        x_.writeStartElement(u"w:body"_s);
        bool shapesWritten = false;
        for (const Block& block : model_.body) {
            if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
                writeParagraph(*paragraph, shapesWritten ? nullptr : &model_.shapes);
                shapesWritten = true;
            } else {
                writeTable(std::get<Table>(block));
            }
        }
        writeSection();
        x_.writeEndElement();
        x_.writeEndElement();
        x_.writeEndDocument();
    }

private:
    void declareNamespaces() {
        const std::pair<QString, const QString*> declarations[] = {
            {u"xmlns:w"_s, &names::w},     {u"xmlns:r"_s, &names::r},     {u"xmlns:wp"_s, &names::wp},
            {u"xmlns:a"_s, &names::a},     {u"xmlns:pic"_s, &names::pic}, {u"xmlns:wps"_s, &names::wps},
            {u"xmlns:mc"_s, &names::mc},   {u"xmlns:v"_s, &names::v},     {u"xmlns:o"_s, &names::o},
            {u"xmlns:w10"_s, &names::w10},
        };
        for (const auto& [attribute, uri] : declarations)
            x_.writeAttribute(attribute, *uri);
    }

    // Puts bytes written elsewhere into the document. The stream writer has no buffer of its own: once the
    // open start tag is closed, what goes to the device next stands where the writer is.
    void copy(const QByteArray& fragment) {
        x_.writeCharacters(QString());
        device_->write(fragment);
    }

    void empty(const QString& name) { x_.writeEmptyElement(name); }
    void empty(const QString& name, const QString& attribute, const QString& value) {
        x_.writeEmptyElement(name);
        x_.writeAttribute(attribute, value);
    }

    // Paragraphs

    void writeParagraph(const Paragraph& paragraph, const std::vector<LineShape>* anchoredShapes) {
        x_.writeStartElement(u"w:p"_s);
        copy(paragraphProperties_.fragment(Paragraph{paragraph.format, paragraph.markFormat, {}},
                                           writeParagraphProperties));
        if (anchoredShapes)
            for (const LineShape& line : *anchoredShapes)
                writeLine(line);
        for (const Inline& content : paragraph.content) {
            if (const auto* run = std::get_if<TextRun>(&content))
                writeTextRun(*run);
            else
                writePicture(std::get<Picture>(content));
        }
        x_.writeEndElement();
    }

    // A run's text with each tab as its own element.
    void writeTextRun(const TextRun& run) {
        x_.writeStartElement(u"w:r"_s);
        copy(runProperties_.fragment(run.format, writeRunProperties));
        const QStringView text(run.text);
        qsizetype start = 0;
        while (start <= text.size()) {
            qsizetype tab = text.indexOf(u'\t', start);
            if (tab < 0)
                tab = text.size();
            if (tab > start)
                writeText(text.sliced(start, tab - start));
            if (tab < text.size())
                empty(u"w:tab"_s);
            start = tab + 1;
        }
        x_.writeEndElement();
    }

    void writeText(QStringView text) {
        x_.writeStartElement(u"w:t"_s);
        if (needsPreservedSpace(text))
            x_.writeAttribute(u"xml:space"_s, u"preserve"_s);
        x_.writeCharacters(text.toString());
        x_.writeEndElement();
    }

    // Pictures

    void writePicture(const Picture& picture) {
        const QString& relationshipId = media_.relationshipFor(picture);
        const QString id = number(nextDrawingId_++);
        const QString cx = number(emu(picture.width, pictureBounds));
        const QString cy = number(emu(picture.height, pictureBounds));

        x_.writeStartElement(u"w:r"_s);
        x_.writeStartElement(u"w:drawing"_s);
        x_.writeStartElement(u"wp:inline"_s);
        for (const QString& distance : {u"distT"_s, u"distB"_s, u"distL"_s, u"distR"_s})
            x_.writeAttribute(distance, u"0"_s);
        writeExtent(u"wp:extent"_s, cx, cy);
        writeNoEffectExtent();
        x_.writeEmptyElement(u"wp:docPr"_s);
        x_.writeAttribute(u"id"_s, id);
        x_.writeAttribute(u"name"_s, u"Picture "_s + id);
        x_.writeStartElement(u"wp:cNvGraphicFramePr"_s);
        empty(u"a:graphicFrameLocks"_s, u"noChangeAspect"_s, u"1"_s);
        x_.writeEndElement();

        x_.writeStartElement(u"a:graphic"_s);
        x_.writeStartElement(u"a:graphicData"_s);
        x_.writeAttribute(u"uri"_s, names::pictureGraphic);
        x_.writeStartElement(u"pic:pic"_s);
        x_.writeStartElement(u"pic:nvPicPr"_s);
        x_.writeEmptyElement(u"pic:cNvPr"_s);
        x_.writeAttribute(u"id"_s, id);
        x_.writeAttribute(u"name"_s, u"Picture "_s + id);
        empty(u"pic:cNvPicPr"_s);
        x_.writeEndElement();
        x_.writeStartElement(u"pic:blipFill"_s);
        empty(u"a:blip"_s, u"r:embed"_s, relationshipId);
        x_.writeStartElement(u"a:stretch"_s);
        empty(u"a:fillRect"_s);
        x_.writeEndElement();
        x_.writeEndElement();
        x_.writeStartElement(u"pic:spPr"_s);
        writeTransform(0, 0, cx, cy, false, false);
        writePresetGeometry(u"rect"_s);
        x_.writeEndElement();
        x_.writeEndElement(); // pic:pic
        x_.writeEndElement(); // a:graphicData
        x_.writeEndElement(); // a:graphic
        x_.writeEndElement(); // wp:inline
        x_.writeEndElement(); // w:drawing
        x_.writeEndElement(); // w:r
    }

    void writeExtent(const QString& name, const QString& cx, const QString& cy) {
        x_.writeEmptyElement(name);
        x_.writeAttribute(u"cx"_s, cx);
        x_.writeAttribute(u"cy"_s, cy);
    }

    void writeNoEffectExtent() {
        x_.writeEmptyElement(u"wp:effectExtent"_s);
        for (const QString& side : {u"l"_s, u"t"_s, u"r"_s, u"b"_s})
            x_.writeAttribute(side, u"0"_s);
    }

    void writeTransform(qint64 x, qint64 y, const QString& cx, const QString& cy, bool flipH, bool flipV) {
        x_.writeStartElement(u"a:xfrm"_s);
        if (flipH)
            x_.writeAttribute(u"flipH"_s, u"1"_s);
        if (flipV)
            x_.writeAttribute(u"flipV"_s, u"1"_s);
        x_.writeEmptyElement(u"a:off"_s);
        x_.writeAttribute(u"x"_s, number(x));
        x_.writeAttribute(u"y"_s, number(y));
        writeExtent(u"a:ext"_s, cx, cy);
        x_.writeEndElement();
    }

    void writePresetGeometry(const QString& preset) {
        x_.writeStartElement(u"a:prstGeom"_s);
        x_.writeAttribute(u"prst"_s, preset);
        empty(u"a:avLst"_s);
        x_.writeEndElement();
    }

    // Lines: a DrawingML shape for current word processors, VML for older ones.

    void writeLine(const LineShape& line) {
        const LineGeometry g = geometryOf(line);
        const int shapeIndex = nextShapeIndex_++;
        const QString height = number(firstShapeHeight + shapeIndex);
        x_.writeStartElement(u"w:r"_s);
        x_.writeStartElement(u"mc:AlternateContent"_s);
        x_.writeStartElement(u"mc:Choice"_s);
        x_.writeAttribute(u"Requires"_s, u"wps"_s);
        writeDrawingLine(g, height);
        x_.writeEndElement();
        x_.writeStartElement(u"mc:Fallback"_s);
        writeVmlLine(g, height, shapeIndex);
        x_.writeEndElement();
        x_.writeEndElement();
        x_.writeEndElement();
    }

    void writeDrawingLine(const LineGeometry& g, const QString& height) {
        const QString id = number(nextDrawingId_++);
        const QString cx = number(g.width());
        const QString cy = number(g.height());
        x_.writeStartElement(u"w:drawing"_s);
        x_.writeStartElement(u"wp:anchor"_s);
        for (const QString& distance : {u"distT"_s, u"distB"_s, u"distL"_s, u"distR"_s})
            x_.writeAttribute(distance, u"0"_s);
        x_.writeAttribute(u"simplePos"_s, u"0"_s);
        x_.writeAttribute(u"relativeHeight"_s, height);
        x_.writeAttribute(u"behindDoc"_s, u"0"_s);
        x_.writeAttribute(u"locked"_s, u"0"_s);
        x_.writeAttribute(u"layoutInCell"_s, u"1"_s);
        x_.writeAttribute(u"allowOverlap"_s, u"1"_s);
        x_.writeEmptyElement(u"wp:simplePos"_s);
        x_.writeAttribute(u"x"_s, u"0"_s);
        x_.writeAttribute(u"y"_s, u"0"_s);
        writePagePosition(u"wp:positionH"_s, g.left());
        writePagePosition(u"wp:positionV"_s, g.top());
        writeExtent(u"wp:extent"_s, cx, cy);
        writeNoEffectExtent();
        empty(u"wp:wrapNone"_s);
        x_.writeEmptyElement(u"wp:docPr"_s);
        x_.writeAttribute(u"id"_s, id);
        x_.writeAttribute(u"name"_s, u"Line "_s + id);
        empty(u"wp:cNvGraphicFramePr"_s);

        x_.writeStartElement(u"a:graphic"_s);
        x_.writeStartElement(u"a:graphicData"_s);
        x_.writeAttribute(u"uri"_s, names::shapeGraphic);
        x_.writeStartElement(u"wps:wsp"_s);
        empty(u"wps:cNvCnPr"_s);
        x_.writeStartElement(u"wps:spPr"_s);
        writeTransform(0, 0, cx, cy, g.flipH(), g.flipV());
        writePresetGeometry(u"line"_s);
        x_.writeStartElement(u"a:ln"_s);
        x_.writeAttribute(u"w"_s, number(lineWidthEmu));
        x_.writeStartElement(u"a:solidFill"_s);
        empty(u"a:srgbClr"_s, u"val"_s, u"000000"_s);
        x_.writeEndElement();
        x_.writeEndElement(); // a:ln
        x_.writeEndElement(); // wps:spPr
        empty(u"wps:bodyPr"_s);
        x_.writeEndElement(); // wps:wsp
        x_.writeEndElement(); // a:graphicData
        x_.writeEndElement(); // a:graphic
        x_.writeEndElement(); // wp:anchor
        x_.writeEndElement(); // w:drawing
    }

    void writePagePosition(const QString& name, qint64 offset) {
        x_.writeStartElement(name);
        x_.writeAttribute(u"relativeFrom"_s, u"page"_s);
        x_.writeTextElement(u"wp:posOffset"_s, number(offset));
        x_.writeEndElement();
    }

    void writeVmlLine(const LineGeometry& g, const QString& height, int shapeIndex) {
        x_.writeStartElement(u"w:pict"_s);
        x_.writeStartElement(u"v:line"_s);
        x_.writeAttribute(u"id"_s, u"_x0000_s"_s + number(firstVmlShape + shapeIndex));
        x_.writeAttribute(u"style"_s, u"position:absolute;z-index:"_s + height +
                                          u";mso-position-horizontal-relative:page"
                                          u";mso-position-vertical-relative:page"_s);
        x_.writeAttribute(u"from"_s, vmlPoints(g.x1) + u',' + vmlPoints(g.y1));
        x_.writeAttribute(u"to"_s, vmlPoints(g.x2) + u',' + vmlPoints(g.y2));
        x_.writeAttribute(u"strokecolor"_s, u"#000000"_s);
        x_.writeAttribute(u"strokeweight"_s, u"0.75pt"_s);
        x_.writeEmptyElement(u"w10:wrap"_s);
        x_.writeAttribute(u"anchorx"_s, u"page"_s);
        x_.writeAttribute(u"anchory"_s, u"page"_s);
        x_.writeEndElement();
        x_.writeEndElement();
    }

    // Tables

    void writeTable(const Table& table) {
        std::vector<QString> widths;
        qint64 totalWidth = 0;
        for (float width : table.columnWidths) {
            const int w = twips(width, columnBounds);
            totalWidth += w;
            widths.push_back(number(w));
        }

        x_.writeStartElement(u"w:tbl"_s);
        x_.writeStartElement(u"w:tblPr"_s);
        writeWidth(u"w:tblW"_s, number(totalWidth));
        writeBorders(table);
        empty(u"w:tblLayout"_s, u"w:type"_s, u"fixed"_s);
        x_.writeStartElement(u"w:tblCellMar"_s);
        writeWidth(u"w:left"_s, number(cellMarginTwips));
        writeWidth(u"w:right"_s, number(cellMarginTwips));
        x_.writeEndElement();
        x_.writeEndElement(); // w:tblPr

        x_.writeStartElement(u"w:tblGrid"_s);
        for (const QString& width : widths)
            empty(u"w:gridCol"_s, u"w:w"_s, width);
        x_.writeEndElement();

        for (const auto& row : table.rows) {
            x_.writeStartElement(u"w:tr"_s);
            for (std::size_t column = 0; column < row.size(); ++column) {
                x_.writeStartElement(u"w:tc"_s);
                x_.writeStartElement(u"w:tcPr"_s);
                writeWidth(u"w:tcW"_s, widths[column]);
                x_.writeEndElement();
                for (const Paragraph& paragraph : row[column].paragraphs)
                    writeParagraph(paragraph, nullptr);
                x_.writeEndElement();
            }
            x_.writeEndElement();
        }
        x_.writeEndElement(); // w:tbl
    }

    void writeWidth(const QString& name, const QString& twipsValue) {
        x_.writeEmptyElement(name);
        x_.writeAttribute(u"w:w"_s, twipsValue);
        x_.writeAttribute(u"w:type"_s, u"dxa"_s);
    }

    void writeBorders(const Table& table) {
        QString outside = rgbForColorIndex(table.outsideColorIndex);
        QString inside = rgbForColorIndex(table.insideColorIndex);
        if (outside.isEmpty())
            outside = u"auto"_s;
        if (inside.isEmpty())
            inside = u"auto"_s;
        x_.writeStartElement(u"w:tblBorders"_s);
        for (const QString& edge : {u"w:top"_s, u"w:left"_s, u"w:bottom"_s, u"w:right"_s})
            writeBorder(edge, outside);
        for (const QString& edge : {u"w:insideH"_s, u"w:insideV"_s})
            writeBorder(edge, inside);
        x_.writeEndElement();
    }

    void writeBorder(const QString& edge, const QString& color) {
        x_.writeEmptyElement(edge);
        x_.writeAttribute(u"w:val"_s, u"single"_s);
        x_.writeAttribute(u"w:sz"_s, u"4"_s);
        x_.writeAttribute(u"w:space"_s, u"0"_s);
        x_.writeAttribute(u"w:color"_s, color);
    }

    // Page

    void writeSection() {
        const PageSetup& page = model_.page;
        x_.writeStartElement(u"w:sectPr"_s);
        x_.writeEmptyElement(u"w:pgSz"_s);
        x_.writeAttribute(u"w:w"_s, number(twips(page.width, pageSideBounds)));
        x_.writeAttribute(u"w:h"_s, number(twips(page.height, pageSideBounds)));
        x_.writeEmptyElement(u"w:pgMar"_s);
        x_.writeAttribute(u"w:top"_s, number(twips(page.topMargin, marginBounds)));
        x_.writeAttribute(u"w:right"_s, number(twips(page.rightMargin, marginBounds)));
        x_.writeAttribute(u"w:bottom"_s, number(twips(page.bottomMargin, marginBounds)));
        x_.writeAttribute(u"w:left"_s, number(twips(page.leftMargin, marginBounds)));
        x_.writeAttribute(u"w:header"_s, u"720"_s);
        x_.writeAttribute(u"w:footer"_s, u"720"_s);
        x_.writeAttribute(u"w:gutter"_s, u"0"_s);
        empty(u"w:cols"_s, u"w:space"_s, u"720"_s);
        x_.writeEndElement();
    }

    QIODevice* device_;
    QXmlStreamWriter x_;
    FragmentCache<Paragraph> paragraphProperties_; // keyed by paragraphs without content
    FragmentCache<CharFormat> runProperties_;
    const DocumentModel& model_;
    Media& media_;
    int nextDrawingId_ = 1; // shared by pictures and shapes: ids must be unique in the document
    int nextShapeIndex_ = 0;
};

} // namespace

QByteArray documentXml(const DocumentModel& repairedModel, Media& media) {
    // The stream writer fills its device a piece at a time: room reserved up front saves most of its time.
    QByteArray xml;
    xml.reserve(8192 + qsizetype(repairedModel.body.size()) * 1024);
    QBuffer buffer(&xml);
    buffer.open(QIODevice::WriteOnly);
    DocumentWriter(&buffer, repairedModel, media).write();
    return xml;
}

} // namespace word::engine::docx
