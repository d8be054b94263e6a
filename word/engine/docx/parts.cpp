// The package's smaller parts: content types, relationships, styles, settings, properties.

#include "names.h"
#include "writer.h"

#include <QXmlStreamWriter>

namespace word::engine::docx {

using namespace Qt::Literals::StringLiterals;

namespace {

// Writes one XML part; build() adds the root element and what it holds.
template <class Build> QByteArray xmlPart(Build build) {
    QByteArray xml;
    QXmlStreamWriter x(&xml);
    x.writeStartDocument(u"1.0"_s, true);
    build(x);
    x.writeEndDocument();
    return xml;
}

void writeRelationship(QXmlStreamWriter& x, const QString& id, const QString& type, const QString& target) {
    x.writeEmptyElement(u"Relationship"_s);
    x.writeAttribute(u"Id"_s, id);
    x.writeAttribute(u"Type"_s, type);
    x.writeAttribute(u"Target"_s, target);
}

void writeContentType(QXmlStreamWriter& x, const QString& element, const QString& key, const QString& value,
                      const QString& type) {
    x.writeEmptyElement(element);
    x.writeAttribute(key, value);
    x.writeAttribute(u"ContentType"_s, type);
}

} // namespace

const QString& Media::relationshipFor(const Picture& picture) {
    for (const MediaPart& part : parts_)
        if (part.data == picture.data)
            return part.relationshipId;
    const PictureType type = pictureType(picture.data);
    const QString number = QString::number(parts_.size() + 1);
    parts_.push_back({picture.data, type, u"image"_s + number + u'.' + fileExtension(type),
                      u"rId"_s + QString::number(firstRelationship + qsizetype(parts_.size()))});
    return parts_.back().relationshipId;
}

bool Media::uses(PictureType type) const {
    return std::any_of(parts_.begin(), parts_.end(),
                       [type](const MediaPart& part) { return part.type == type; });
}

QByteArray contentTypesXml(const Media& media) {
    return xmlPart([&](QXmlStreamWriter& x) {
        x.writeStartElement(u"Types"_s);
        x.writeAttribute(u"xmlns"_s, names::contentTypes);
        const auto defaultType = [&](const QString& extension, const QString& type) {
            writeContentType(x, u"Default"_s, u"Extension"_s, extension, type);
        };
        defaultType(u"rels"_s, u"application/vnd.openxmlformats-package.relationships+xml"_s);
        defaultType(u"xml"_s, u"application/xml"_s);
        for (PictureType type : {PictureType::Png, PictureType::Jpeg})
            if (media.uses(type))
                defaultType(fileExtension(type), mimeType(type));
        const auto override = [&](const QString& part, const QString& type) {
            writeContentType(x, u"Override"_s, u"PartName"_s, part, type);
        };
        override(u"/word/document.xml"_s,
                 u"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"_s);
        override(u"/word/styles.xml"_s,
                 u"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"_s);
        override(u"/word/settings.xml"_s,
                 u"application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"_s);
        override(u"/docProps/core.xml"_s, u"application/vnd.openxmlformats-package.core-properties+xml"_s);
        override(u"/docProps/app.xml"_s,
                 u"application/vnd.openxmlformats-officedocument.extended-properties+xml"_s);
        x.writeEndElement();
    });
}

QByteArray packageRelationshipsXml() {
    static const QByteArray part = xmlPart([](QXmlStreamWriter& x) {
        x.writeStartElement(u"Relationships"_s);
        x.writeAttribute(u"xmlns"_s, names::packageRelationships);
        writeRelationship(x, u"rId1"_s, names::officeDocumentType, u"word/document.xml"_s);
        writeRelationship(x, u"rId2"_s, names::corePropertiesType, u"docProps/core.xml"_s);
        writeRelationship(x, u"rId3"_s, names::extendedPropertiesType, u"docProps/app.xml"_s);
        x.writeEndElement();
    });
    return part;
}

QByteArray documentRelationshipsXml(const Media& media) {
    return xmlPart([&](QXmlStreamWriter& x) {
        x.writeStartElement(u"Relationships"_s);
        x.writeAttribute(u"xmlns"_s, names::packageRelationships);
        writeRelationship(x, u"rId1"_s, names::stylesType, u"styles.xml"_s);
        writeRelationship(x, u"rId2"_s, names::settingsType, u"settings.xml"_s);
        for (const MediaPart& part : media.parts())
            writeRelationship(x, part.relationshipId, names::imageType, u"media/"_s + part.fileName);
        x.writeEndElement();
    });
}

// Both word processors fall back on their own defaults (Calibri 11 pt, space after paragraphs) unless
// the document states them. These are the model's defaults: Times New Roman 10 pt, single spacing.
QByteArray stylesXml() {
    static const QByteArray part = xmlPart([](QXmlStreamWriter& x) {
        const CharFormat font;
        x.writeStartElement(u"w:styles"_s);
        x.writeAttribute(u"xmlns:w"_s, names::w);
        x.writeStartElement(u"w:docDefaults"_s);
        x.writeStartElement(u"w:rPrDefault"_s);
        x.writeStartElement(u"w:rPr"_s);
        x.writeEmptyElement(u"w:rFonts"_s);
        for (const QString& slot : {u"w:ascii"_s, u"w:hAnsi"_s, u"w:eastAsia"_s, u"w:cs"_s})
            x.writeAttribute(slot, font.fontName);
        const QString size = QString::number(halfPoints(font.size));
        for (const QString& name : {u"w:sz"_s, u"w:szCs"_s}) {
            x.writeEmptyElement(name);
            x.writeAttribute(u"w:val"_s, size);
        }
        x.writeEndElement();
        x.writeEndElement(); // w:rPrDefault
        x.writeStartElement(u"w:pPrDefault"_s);
        x.writeStartElement(u"w:pPr"_s);
        x.writeEmptyElement(u"w:spacing"_s);
        x.writeAttribute(u"w:after"_s, u"0"_s);
        x.writeAttribute(u"w:line"_s, u"240"_s);
        x.writeAttribute(u"w:lineRule"_s, u"auto"_s);
        x.writeEndElement();
        x.writeEndElement(); // w:pPrDefault
        x.writeEndElement(); // w:docDefaults

        x.writeStartElement(u"w:style"_s);
        x.writeAttribute(u"w:type"_s, u"paragraph"_s);
        x.writeAttribute(u"w:default"_s, u"1"_s);
        x.writeAttribute(u"w:styleId"_s, u"Normal"_s);
        x.writeEmptyElement(u"w:name"_s);
        x.writeAttribute(u"w:val"_s, u"Normal"_s);
        x.writeEmptyElement(u"w:qFormat"_s);
        x.writeEndElement();

        x.writeStartElement(u"w:style"_s);
        x.writeAttribute(u"w:type"_s, u"table"_s);
        x.writeAttribute(u"w:default"_s, u"1"_s);
        x.writeAttribute(u"w:styleId"_s, u"TableNormal"_s);
        x.writeEmptyElement(u"w:name"_s);
        x.writeAttribute(u"w:val"_s, u"Normal Table"_s);
        x.writeStartElement(u"w:tblPr"_s);
        x.writeEmptyElement(u"w:tblInd"_s);
        x.writeAttribute(u"w:w"_s, u"0"_s);
        x.writeAttribute(u"w:type"_s, u"dxa"_s);
        x.writeStartElement(u"w:tblCellMar"_s);
        for (const auto& [side, width] :
             {std::pair{u"w:top"_s, u"0"_s}, std::pair{u"w:left"_s, u"108"_s},
              std::pair{u"w:bottom"_s, u"0"_s}, std::pair{u"w:right"_s, u"108"_s}}) {
            x.writeEmptyElement(side);
            x.writeAttribute(u"w:w"_s, width);
            x.writeAttribute(u"w:type"_s, u"dxa"_s);
        }
        x.writeEndElement(); // w:tblCellMar
        x.writeEndElement(); // w:tblPr
        x.writeEndElement(); // w:style
        x.writeEndElement(); // w:styles
    });
    return part;
}

// Without compatibilityMode 15 LibreOffice draws table borders 5.5 pt left of the margin.
QByteArray settingsXml() {
    static const QByteArray part = xmlPart([](QXmlStreamWriter& x) {
        x.writeStartElement(u"w:settings"_s);
        x.writeAttribute(u"xmlns:w"_s, names::w);
        x.writeEmptyElement(u"w:defaultTabStop"_s);
        x.writeAttribute(u"w:val"_s, u"720"_s);
        x.writeStartElement(u"w:compat"_s);
        x.writeEmptyElement(u"w:compatSetting"_s);
        x.writeAttribute(u"w:name"_s, u"compatibilityMode"_s);
        x.writeAttribute(u"w:uri"_s, u"http://schemas.microsoft.com/office/word"_s);
        x.writeAttribute(u"w:val"_s, u"15"_s);
        x.writeEndElement();
        x.writeEndElement();
    });
    return part;
}

// No dates: the same document always gives the same bytes.
QByteArray corePropertiesXml() {
    static const QByteArray part = xmlPart([](QXmlStreamWriter& x) {
        x.writeEmptyElement(u"cp:coreProperties"_s);
        x.writeAttribute(u"xmlns:cp"_s,
                         u"http://schemas.openxmlformats.org/package/2006/metadata/core-properties"_s);
        x.writeAttribute(u"xmlns:dc"_s, u"http://purl.org/dc/elements/1.1/"_s);
    });
    return part;
}

QByteArray extendedPropertiesXml() {
    static const QByteArray part = xmlPart([](QXmlStreamWriter& x) {
        x.writeStartElement(u"Properties"_s);
        x.writeAttribute(u"xmlns"_s,
                         u"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"_s);
        x.writeTextElement(u"Application"_s, u"Tavrin"_s);
        x.writeEndElement();
    });
    return part;
}

} // namespace word::engine::docx
