#pragma once

// Walks an untrusted XML part element by element. Any fault of the XML (malformed, a document type
// declaration, nesting deeper than allowed, an early end) throws AutomationError BadDocument.

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <optional>

namespace word::engine::docx {

class XmlCursor {
public:
    XmlCursor(const QByteArray& xml, const QString& partName, int maxDepth);

    // Moves to the root element.
    void enterRoot();
    // Moves to the next child element of the element open at parentDepth (skipping whatever is left of
    // the previous child); false once that element has ended.
    bool nextChild(int parentDepth);
    // Reads the rest of the part, so that a fault after the last element read is found too.
    void finish();

    int depth() const { return depth_; }
    bool is(const QString& namespaceUri, QStringView localName) const {
        return xml_.name() == localName && xml_.namespaceUri() == namespaceUri;
    }
    std::optional<QString> attribute(const QString& namespaceUri, QStringView localName) const;
    std::optional<qint64> integerAttribute(const QString& namespaceUri, QStringView localName) const;
    // An on/off property: present without a value means on.
    bool onOffValue(const QString& namespaceUri) const;

    // Skips the current element with everything in it.
    void skip();
    // The character data directly inside the current element; moves past its end.
    QString text();
    // Calls visit() at every element inside the current element, in document order; moves past its end.
    template <class Visit> void forEachDescendant(Visit visit) {
        const int elementDepth = depth_;
        while (advance(), depth_ >= elementDepth)
            if (xml_.tokenType() == QXmlStreamReader::StartElement)
                visit();
    }

    [[noreturn]] void fail(const QString& reason) const;

private:
    void advance();

    QXmlStreamReader xml_;
    QString partName_;
    int maxDepth_;
    int depth_ = 0;
};

} // namespace word::engine::docx
