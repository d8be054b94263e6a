// Reading a package back into the model: what the writer writes, and the same members from packages
// written elsewhere. Containers the model has no place for (hyperlinks, content controls, insertions) are
// read through; everything else it cannot hold is passed over.

#include "format.h"
#include "names.h"
#include "xmlcursor.h"
#include "zip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <map>

namespace word::engine {

using namespace docx;
using namespace Qt::Literals::StringLiterals;

namespace {

[[noreturn]] void badDocument(const QString& reason) {
    throw AutomationError(errors::BadDocument,
                          QStringLiteral("The file is not a document that can be opened: %1.").arg(reason));
}

// Part names inside the package, resolved the way relationship targets are.
QString folderOf(const QString& partName) {
    const qsizetype slash = partName.lastIndexOf(u'/');
    return slash < 0 ? QString() : partName.left(slash + 1);
}

QString resolveTarget(const QString& sourcePart, const QString& target) {
    const QString path = target.startsWith(u'/') ? target.mid(1) : folderOf(sourcePart) + target;
    QString cleaned = QDir::cleanPath(path);
    while (cleaned.startsWith(u"../"))
        cleaned = cleaned.mid(3);
    return cleaned;
}

QString relationshipsPartOf(const QString& partName) {
    return folderOf(partName) + u"_rels/"_s + partName.mid(folderOf(partName).size()) + u".rels"_s;
}

struct Relationship {
    QString type;
    QString targetPart;
};

// The relationships of a part, by id; external targets are left out.
std::map<QString, Relationship> readRelationships(ZipReader& zip, const QString& sourcePart,
                                                  const DocxReadLimits& limits) {
    std::map<QString, Relationship> relationships;
    const QString relsPart = relationshipsPartOf(sourcePart);
    const std::optional<QByteArray> xml = zip.read(relsPart);
    if (!xml)
        return relationships;
    XmlCursor x(*xml, relsPart, limits.xmlDepth);
    x.enterRoot();
    const int rootDepth = x.depth();
    while (x.nextChild(rootDepth)) {
        if (x.is(names::packageRelationships, u"Relationship") &&
            x.attribute({}, u"TargetMode").value_or(QString()) != u"External") {
            const QString id = x.attribute({}, u"Id").value_or(QString());
            relationships[id] = {x.attribute({}, u"Type").value_or(QString()),
                                 resolveTarget(sourcePart, x.attribute({}, u"Target").value_or(QString()))};
        }
        x.skip();
    }
    x.finish();
    return relationships;
}

const Relationship* findByType(const std::map<QString, Relationship>& relationships, QStringView typeName) {
    for (const auto& [id, relationship] : relationships)
        if (relationship.type.endsWith(u'/' + typeName.toString()))
            return &relationship;
    return nullptr;
}

int lineSpacingRuleFor(qint64 line) {
    if (line <= 300)
        return 0;
    return line <= 420 ? 1 : 2;
}

int alignmentFor(QStringView jc) {
    if (jc == u"center")
        return 1;
    if (jc == u"right" || jc == u"end")
        return 2;
    if (jc == u"both" || jc == u"distribute")
        return 3;
    return 0;
}

// Reads the formatting elements that the document part and the style defaults share.
class PropertiesReader {
public:
    explicit PropertiesReader(XmlCursor& x) : x_(x) {}

    void readRunProperties(CharFormat& format) {
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            if (x_.is(names::w, u"rFonts"))
                readFonts(format);
            else if (x_.is(names::w, u"b"))
                format.bold = x_.onOffValue(names::w);
            else if (x_.is(names::w, u"color"))
                format.colorIndex = colorIndexForRgb(x_.attribute(names::w, u"val").value_or(QString()));
            else if (x_.is(names::w, u"sz"))
                if (const auto size = x_.integerAttribute(names::w, u"val"))
                    format.size = pointsFromHalfPoints(*size);
        }
    }

    // Reads pPr into format; its rPr, the paragraph mark's formatting, into markFormat when given.
    void readParagraphProperties(ParaFormat& format, CharFormat* markFormat) {
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            if (x_.is(names::w, u"keepNext"))
                format.keepWithNext = x_.onOffValue(names::w);
            else if (x_.is(names::w, u"keepLines"))
                format.keepTogether = x_.onOffValue(names::w);
            else if (x_.is(names::w, u"pageBreakBefore"))
                format.pageBreakBefore = x_.onOffValue(names::w);
            else if (x_.is(names::w, u"widowControl"))
                format.widowControl = x_.onOffValue(names::w);
            else if (x_.is(names::w, u"suppressLineNumbers"))
                format.noLineNumber = x_.onOffValue(names::w);
            else if (x_.is(names::w, u"suppressAutoHyphens"))
                format.hyphenation = !x_.onOffValue(names::w);
            else if (x_.is(names::w, u"spacing"))
                readSpacing(format);
            else if (x_.is(names::w, u"ind"))
                readIndents(format);
            else if (x_.is(names::w, u"jc"))
                format.alignment = alignmentFor(x_.attribute(names::w, u"val").value_or(QString()));
            else if (x_.is(names::w, u"outlineLvl"))
                readOutlineLevel(format);
            else if (x_.is(names::w, u"rPr") && markFormat)
                readRunProperties(*markFormat);
        }
    }

private:
    void readFonts(CharFormat& format) {
        for (QStringView slot : {u"ascii", u"hAnsi", u"cs", u"eastAsia"}) {
            if (const auto name = x_.attribute(names::w, slot)) {
                format.fontName = *name;
                return;
            }
        }
    }

    void readSpacing(ParaFormat& format) {
        if (const auto before = x_.integerAttribute(names::w, u"before"))
            format.spaceBefore = pointsFromTwips(*before);
        if (const auto after = x_.integerAttribute(names::w, u"after"))
            format.spaceAfter = pointsFromTwips(*after);
        if (const auto line = x_.integerAttribute(names::w, u"line")) {
            const QString rule = x_.attribute(names::w, u"lineRule").value_or(u"auto"_s);
            format.lineSpacingRule = rule == u"auto" ? lineSpacingRuleFor(*line) : 0;
        }
    }

    void readIndents(ParaFormat& format) {
        const auto either = [&](QStringView name, QStringView alternative) {
            auto value = x_.integerAttribute(names::w, name);
            return value ? value : x_.integerAttribute(names::w, alternative);
        };
        if (const auto left = either(u"left", u"start"))
            format.leftIndent = pointsFromTwips(*left);
        if (const auto right = either(u"right", u"end"))
            format.rightIndent = pointsFromTwips(*right);
        if (const auto firstLine = x_.integerAttribute(names::w, u"firstLine"))
            format.firstLineIndent = pointsFromTwips(*firstLine);
        if (const auto hanging = x_.integerAttribute(names::w, u"hanging"))
            format.firstLineIndent = pointsFromTwips(-*hanging);
    }

    void readOutlineLevel(ParaFormat& format) {
        const qint64 level = x_.integerAttribute(names::w, u"val").value_or(9);
        format.outlineLevel = level >= 0 && level <= 8 ? int(level) + 1 : 10;
    }

    XmlCursor& x_;
};

// The formats a paragraph starts from before its own properties: the document's defaults.
struct Defaults {
    CharFormat character;
    ParaFormat paragraph;
};

Defaults readDefaults(const std::optional<QByteArray>& stylesXml, const QString& partName, int maxDepth) {
    Defaults defaults;
    defaults.paragraph.widowControl = false; // off unless the document says otherwise
    if (!stylesXml)
        return defaults;
    XmlCursor x(*stylesXml, partName, maxDepth);
    PropertiesReader properties(x);
    x.enterRoot();
    const int rootDepth = x.depth();
    while (x.nextChild(rootDepth)) {
        if (!x.is(names::w, u"docDefaults"))
            continue;
        const int defaultsDepth = x.depth();
        while (x.nextChild(defaultsDepth)) {
            const bool character = x.is(names::w, u"rPrDefault");
            if (!character && !x.is(names::w, u"pPrDefault"))
                continue;
            const int depth = x.depth();
            while (x.nextChild(depth)) {
                if (character && x.is(names::w, u"rPr"))
                    properties.readRunProperties(defaults.character);
                else if (!character && x.is(names::w, u"pPr"))
                    properties.readParagraphProperties(defaults.paragraph, nullptr);
            }
        }
    }
    x.finish();
    return defaults;
}

// The pictures the document part refers to, read once each.
class PictureParts {
public:
    PictureParts(ZipReader& zip, const std::map<QString, Relationship>& relationships)
        : zip_(zip), relationships_(relationships) {}

    std::optional<QByteArray> data(const QString& relationshipId) {
        const auto relationship = relationships_.find(relationshipId);
        if (relationship == relationships_.end() || !relationship->second.type.endsWith(u"/image"))
            return std::nullopt;
        const QString& part = relationship->second.targetPart;
        auto cached = cache_.find(part);
        if (cached == cache_.end())
            cached = cache_.emplace(part, zip_.read(part)).first;
        return cached->second;
    }

private:
    ZipReader& zip_;
    const std::map<QString, Relationship>& relationships_;
    std::map<QString, std::optional<QByteArray>> cache_;
};

class DocumentReader {
public:
    DocumentReader(XmlCursor& x, const Defaults& defaults, PictureParts& pictures,
                   const DocxReadLimits& limits)
        : x_(x), properties_(x), defaults_(defaults), pictures_(pictures), limits_(limits) {}

    DocumentModel read() {
        x_.enterRoot();
        if (!x_.is(names::w, u"document"))
            x_.fail(u"has no document element"_s);
        const int rootDepth = x_.depth();
        while (x_.nextChild(rootDepth))
            if (x_.is(names::w, u"body"))
                readBlocks(model_.body);
        x_.finish();
        return std::move(model_);
    }

private:
    // Block-level content: of the body, or of a container inside it.
    void readBlocks(std::vector<Block>& blocks) {
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            if (x_.is(names::w, u"p"))
                blocks.emplace_back(readParagraph());
            else if (x_.is(names::w, u"tbl"))
                blocks.emplace_back(readTable());
            else if (x_.is(names::w, u"sectPr"))
                readSection();
            else if (isContainer())
                readBlocks(blocks);
        }
    }

    bool isContainer() const {
        return x_.is(names::w, u"sdt") || x_.is(names::w, u"sdtContent") || x_.is(names::w, u"customXml") ||
               x_.is(names::w, u"hyperlink") || x_.is(names::w, u"ins") || x_.is(names::w, u"smartTag") ||
               x_.is(names::w, u"fldSimple");
    }

    Paragraph readParagraph() {
        if (++paragraphs_ > limits_.paragraphs)
            badDocument(u"it holds more than %1 paragraphs"_s.arg(limits_.paragraphs));
        Paragraph paragraph{defaults_.paragraph, defaults_.character, {}};
        readParagraphContent(paragraph);
        return paragraph;
    }

    void readParagraphContent(Paragraph& paragraph) {
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            if (x_.is(names::w, u"pPr"))
                properties_.readParagraphProperties(paragraph.format, &paragraph.markFormat);
            else if (x_.is(names::w, u"r"))
                readRun(paragraph.content);
            else if (isContainer())
                readParagraphContent(paragraph);
        }
    }

    void readRun(std::vector<Inline>& content) {
        TextRun run{defaults_.character, {}};
        const auto endText = [&] {
            if (!run.text.isEmpty())
                content.emplace_back(run);
            run.text.clear();
        };
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            if (x_.is(names::w, u"rPr")) {
                properties_.readRunProperties(run.format);
            } else if (x_.is(names::w, u"t")) {
                run.text += x_.text();
            } else if (x_.is(names::w, u"tab")) {
                run.text += u'\t';
            } else if (x_.is(names::w, u"drawing")) {
                endText();
                readDrawing(content);
            } else if (x_.is(names::mc, u"AlternateContent")) {
                endText();
                readAlternateContent(content);
            }
        }
        endText();
    }

    // Takes the first choice this reader understands, the drawing of current word processors.
    void readAlternateContent(std::vector<Inline>& content) {
        const int depth = x_.depth();
        bool chosen = false;
        while (x_.nextChild(depth)) {
            if (chosen || !x_.is(names::mc, u"Choice") || x_.attribute({}, u"Requires") != u"wps")
                continue;
            chosen = true;
            const int choiceDepth = x_.depth();
            while (x_.nextChild(choiceDepth))
                if (x_.is(names::w, u"drawing"))
                    readDrawing(content);
        }
    }

    void readDrawing(std::vector<Inline>& content) {
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            if (x_.is(names::wp, u"inline"))
                readInlinePicture(content);
            else if (x_.is(names::wp, u"anchor"))
                readAnchoredLine();
        }
    }

    void readInlinePicture(std::vector<Inline>& content) {
        Picture picture;
        std::optional<QString> embed;
        x_.forEachDescendant([&] {
            if (x_.is(names::wp, u"extent")) {
                picture.width = pointsFromEmu(x_.integerAttribute({}, u"cx").value_or(0));
                picture.height = pointsFromEmu(x_.integerAttribute({}, u"cy").value_or(0));
            } else if (x_.is(names::a, u"blip") && !embed) {
                embed = x_.attribute(names::r, u"embed");
            }
        });
        if (!embed)
            return;
        if (std::optional<QByteArray> data = pictures_.data(*embed)) {
            picture.data = *data;
            content.emplace_back(std::move(picture));
        }
    }

    // A straight line placed on the page; other floating objects are passed over.
    void readAnchoredLine() {
        std::optional<qint64> left, top;
        qint64 width = 0, height = 0;
        bool flipH = false, flipV = false, isLine = false;
        QString positioning;
        x_.forEachDescendant([&] {
            if (x_.is(names::wp, u"positionH") || x_.is(names::wp, u"positionV")) {
                const bool horizontal = x_.is(names::wp, u"positionH");
                if (x_.attribute({}, u"relativeFrom") != u"page")
                    return;
                const int depth = x_.depth();
                while (x_.nextChild(depth)) {
                    if (!x_.is(names::wp, u"posOffset"))
                        continue;
                    bool ok = false;
                    const qint64 offset = x_.text().trimmed().toLongLong(&ok);
                    if (ok)
                        (horizontal ? left : top) = offset;
                }
            } else if (x_.is(names::wp, u"extent")) {
                width = x_.integerAttribute({}, u"cx").value_or(0);
                height = x_.integerAttribute({}, u"cy").value_or(0);
            } else if (x_.is(names::a, u"xfrm")) {
                flipH = x_.attribute({}, u"flipH") == u"1";
                flipV = x_.attribute({}, u"flipV") == u"1";
            } else if (x_.is(names::a, u"prstGeom")) {
                isLine = x_.attribute({}, u"prst") == u"line";
            }
        });
        if (!isLine || !left || !top)
            return;
        model_.shapes.push_back(
            {pointsFromEmu(*left + (flipH ? width : 0)), pointsFromEmu(*top + (flipV ? height : 0)),
             pointsFromEmu(*left + (flipH ? 0 : width)), pointsFromEmu(*top + (flipV ? 0 : height))});
    }

    Table readTable() {
        Table table;
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            if (x_.is(names::w, u"tblPr")) {
                readTableProperties(table);
            } else if (x_.is(names::w, u"tblGrid")) {
                readGrid(table);
            } else if (x_.is(names::w, u"tr")) {
                table.rows.push_back(readRow());
                columns_ = std::max(columns_, qint64(table.rows.back().size()));
            }
            checkCells(table);
        }
        tableCells_ += cellsOf(table);
        columns_ = 0;
        return table;
    }

    // The cells the table will have once every row is as wide as the widest row or the grid.
    qint64 cellsOf(const Table& table) const {
        return qint64(table.rows.size()) * std::max({columns_, qint64(table.columnWidths.size()), qint64(1)});
    }

    void checkCells(const Table& table) const {
        if (tableCells_ + cellsOf(table) > limits_.tableCells)
            badDocument(u"it holds more than %1 table cells"_s.arg(limits_.tableCells));
    }

    void readTableProperties(Table& table) {
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            if (!x_.is(names::w, u"tblBorders"))
                continue;
            const int bordersDepth = x_.depth();
            while (x_.nextChild(bordersDepth)) {
                const int colorIndex = colorIndexForRgb(x_.attribute(names::w, u"color").value_or(QString()));
                if (x_.is(names::w, u"top"))
                    table.outsideColorIndex = colorIndex;
                else if (x_.is(names::w, u"insideH"))
                    table.insideColorIndex = colorIndex;
            }
        }
    }

    void readGrid(Table& table) {
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            if (!x_.is(names::w, u"gridCol"))
                continue;
            if (tableCells_ + qint64(table.columnWidths.size()) >= limits_.tableCells)
                badDocument(u"it holds more than %1 table cells"_s.arg(limits_.tableCells));
            table.columnWidths.push_back(pointsFromTwips(x_.integerAttribute(names::w, u"w").value_or(0)));
        }
    }

    std::vector<TableCell> readRow() {
        std::vector<TableCell> row;
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            if (!x_.is(names::w, u"tc"))
                continue;
            if (tableCells_ + qint64(row.size()) >= limits_.tableCells)
                badDocument(u"it holds more than %1 table cells"_s.arg(limits_.tableCells));
            TableCell cell;
            const int cellDepth = x_.depth();
            while (x_.nextChild(cellDepth))
                if (x_.is(names::w, u"p"))
                    cell.paragraphs.push_back(readParagraph());
            row.push_back(std::move(cell));
        }
        return row;
    }

    void readSection() {
        PageSetup& page = model_.page;
        const int depth = x_.depth();
        while (x_.nextChild(depth)) {
            const auto twipsOf = [&](QStringView name, float& points) {
                if (const auto value = x_.integerAttribute(names::w, name))
                    points = pointsFromTwips(*value);
            };
            if (x_.is(names::w, u"pgSz")) {
                twipsOf(u"w", page.width);
                twipsOf(u"h", page.height);
            } else if (x_.is(names::w, u"pgMar")) {
                twipsOf(u"top", page.topMargin);
                twipsOf(u"right", page.rightMargin);
                twipsOf(u"bottom", page.bottomMargin);
                twipsOf(u"left", page.leftMargin);
            }
        }
    }

    XmlCursor& x_;
    PropertiesReader properties_;
    const Defaults& defaults_;
    PictureParts& pictures_;
    const DocxReadLimits& limits_;
    DocumentModel model_;
    qint64 paragraphs_ = 0;
    qint64 tableCells_ = 0; // of the tables read so far
    qint64 columns_ = 0;    // the widest row so far of the table being read
};

} // namespace

DocumentModel readDocx(const QByteArray& package, const DocxReadLimits& limits) {
    ZipReader zip(package, limits);

    QString mainPart = u"word/document.xml"_s;
    const auto packageRelationships = readRelationships(zip, {}, limits);
    if (const Relationship* main = findByType(packageRelationships, u"officeDocument"))
        mainPart = main->targetPart;
    const std::optional<QByteArray> mainXml = zip.read(mainPart);
    if (!mainXml)
        badDocument(u"it has no main document part"_s);

    const auto relationships = readRelationships(zip, mainPart, limits);
    const Relationship* styles = findByType(relationships, u"styles");
    const Defaults defaults =
        styles ? readDefaults(zip.read(styles->targetPart), styles->targetPart, limits.xmlDepth)
               : readDefaults(std::nullopt, {}, limits.xmlDepth);

    PictureParts pictures(zip, relationships);
    XmlCursor x(*mainXml, mainPart, limits.xmlDepth);
    DocumentModel model = DocumentReader(x, defaults, pictures, limits).read();
    model.body.shrink_to_fit();
    repair(model);
    quantize(model);
    takePixelSizesFromData(model);
    return model;
}

DocumentModel openDocx(const QString& path, const DocxReadLimits& limits) {
    const QFileInfo info(path);
    if (!info.exists())
        throw AutomationError(errors::FileNotFound, u"The file %1 does not exist."_s.arg(path));
    if (!info.isFile())
        badDocument(u"%1 is not a file"_s.arg(path));
    if (info.size() > limits.fileSize)
        badDocument(u"%1 is larger than %2 bytes"_s.arg(path).arg(limits.fileSize));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AutomationError(errors::FileAccess,
                              u"The file %1 cannot be read: %2."_s.arg(path, file.errorString()));
    const QByteArray package = file.read(limits.fileSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw AutomationError(errors::FileAccess,
                              u"The file %1 cannot be read: %2."_s.arg(path, file.errorString()));
    return readDocx(package, limits);
}

} // namespace word::engine
