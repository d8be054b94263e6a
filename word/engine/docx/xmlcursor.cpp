#include "xmlcursor.h"

#include "word/automationerror.h"

namespace word::engine::docx {

XmlCursor::XmlCursor(const QByteArray& xml, const QString& partName, int maxDepth)
    : xml_(xml), partName_(partName), maxDepth_(maxDepth) {}

void XmlCursor::fail(const QString& reason) const {
    throw AutomationError(
        errors::BadDocument,
        QStringLiteral("The file is not a document that can be opened: %1 %2.").arg(partName_, reason));
}

void XmlCursor::advance() {
    switch (xml_.readNext()) {
    case QXmlStreamReader::StartElement:
        if (++depth_ > maxDepth_)
            fail(QStringLiteral("nests elements more than %1 deep").arg(maxDepth_));
        break;
    case QXmlStreamReader::EndElement:
        --depth_;
        break;
    case QXmlStreamReader::DTD:
        fail(QStringLiteral("declares a document type"));
    case QXmlStreamReader::Invalid:
        fail(QStringLiteral("is not well-formed XML (%1, line %2)")
                 .arg(xml_.errorString())
                 .arg(xml_.lineNumber()));
    case QXmlStreamReader::EndDocument:
        if (depth_ != 0)
            fail(QStringLiteral("ends early"));
        break;
    default:
        break;
    }
}

void XmlCursor::enterRoot() {
    while (xml_.tokenType() != QXmlStreamReader::StartElement) {
        if (xml_.atEnd())
            fail(QStringLiteral("has no root element"));
        advance();
    }
}

bool XmlCursor::nextChild(int parentDepth) {
    while (depth_ > parentDepth)
        skip();
    if (depth_ < parentDepth)
        return false;
    for (;;) {
        if (xml_.atEnd())
            fail(QStringLiteral("ends early"));
        advance();
        if (depth_ < parentDepth)
            return false;
        if (xml_.tokenType() == QXmlStreamReader::StartElement)
            return true;
    }
}

void XmlCursor::finish() {
    while (!xml_.atEnd())
        advance();
}

std::optional<QString> XmlCursor::attribute(const QString& namespaceUri, QStringView localName) const {
    for (const QXmlStreamAttribute& attribute : xml_.attributes())
        if (attribute.name() == localName && attribute.namespaceUri() == namespaceUri)
            return attribute.value().toString();
    return std::nullopt;
}

std::optional<qint64> XmlCursor::integerAttribute(const QString& namespaceUri, QStringView localName) const {
    const std::optional<QString> text = attribute(namespaceUri, localName);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const qint64 value = text->trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool XmlCursor::onOffValue(const QString& namespaceUri) const {
    const std::optional<QString> value = attribute(namespaceUri, u"val");
    return !value || !(*value == u"0" || *value == u"false" || *value == u"off");
}

void XmlCursor::skip() {
    const int elementDepth = depth_;
    while (depth_ >= elementDepth)
        advance();
}

QString XmlCursor::text() {
    const int elementDepth = depth_;
    QString text;
    while (advance(), depth_ >= elementDepth)
        if (depth_ == elementDepth && xml_.tokenType() == QXmlStreamReader::Characters)
            text += xml_.text();
    return text;
}

} // namespace word::engine::docx
