#pragma once

// The built-in engine's document: what a letter is made of, free of any file format.
// The engine's operations (engine.h) edit it; the .docx writer and reader (docx.h) turn it into a package
// and back.

#include <QByteArray>
#include <QString>

#include <variant>
#include <vector>

namespace word::engine {

struct CharFormat {
    QString fontName = QStringLiteral("Times New Roman");
    float size = 10.0f; // points
    int colorIndex = 0; // WdColorIndex; 0 is automatic
    bool bold = false;

    bool operator==(const CharFormat&) const = default;
};

struct ParaFormat {
    int alignment = 0;                                          // WdParagraphAlignment
    float leftIndent = 0, rightIndent = 0, firstLineIndent = 0; // points
    float spaceBefore = 0, spaceAfter = 0;                      // points
    int lineSpacingRule = 0;                                    // WdLineSpacing
    bool widowControl = true;
    bool keepWithNext = false;
    bool keepTogether = false;
    bool pageBreakBefore = false;
    bool noLineNumber = false;
    bool hyphenation = true;
    int outlineLevel = 10; // WdOutlineLevel, body text

    bool operator==(const ParaFormat&) const = default;
};

struct TextRun {
    CharFormat format;
    QString text; // never holds a paragraph end; a tab stays a tab

    bool operator==(const TextRun&) const = default;
};

struct Picture {
    QByteArray data;  // the encoded picture as embedded (PNG or JPEG)
    QString mimeType; // "image/png" or "image/jpeg"
    int pixelWidth = 0, pixelHeight = 0;
    float width = 0, height = 0; // displayed size in points

    bool operator==(const Picture&) const = default;
};

using Inline = std::variant<TextRun, Picture>;

struct Paragraph {
    ParaFormat format;
    CharFormat markFormat; // formatting of the paragraph mark
    std::vector<Inline> content;

    bool operator==(const Paragraph&) const = default;
};

struct TableCell {
    std::vector<Paragraph> paragraphs; // at least one

    bool operator==(const TableCell&) const = default;
};

struct Table {
    std::vector<std::vector<TableCell>> rows; // rows of cells; every row has the same number of cells
    std::vector<float> columnWidths;          // points
    int insideColorIndex = 0;                 // 0 is automatic (black)
    int outsideColorIndex = 0;

    bool operator==(const Table&) const = default;
};

using Block = std::variant<Paragraph, Table>;

struct LineShape {
    float beginX = 0, beginY = 0, endX = 0, endY = 0; // points from the page's top-left corner

    bool operator==(const LineShape&) const = default;
};

struct PageSetup {
    float width = 595.3f, height = 841.9f; // points; A4 unless the locale measures in inches
    float topMargin = 72, bottomMargin = 72, leftMargin = 90, rightMargin = 90;

    float textWidth() const { return width - leftMargin - rightMargin; }
    bool operator==(const PageSetup&) const = default;
};

struct DocumentModel {
    PageSetup page;
    std::vector<Block> body; // never empty: at least one paragraph, and a paragraph after every table
    std::vector<LineShape> shapes;

    bool operator==(const DocumentModel&) const = default;
};

} // namespace word::engine
