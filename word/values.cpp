#include "values.h"

#include "automationerror.h"
#include "constants.h"
#include "word/engine/colorindex.h"
#include "word/engine/limits.h"
#include "word/engine/text.h"

#include <cmath>

namespace word::values {

namespace engineLimits = word::engine::limits;

namespace {

[[noreturn]] void invalid(const QString& description) {
    throw AutomationError(errors::InvalidArgument, description);
}

float inRange(float value, float low, float high, const char* what) {
    if (!std::isfinite(value) || value < low || value > high)
        invalid(QStringLiteral("%1 must be from %2 to %3 points; %4 is not allowed.")
                    .arg(QLatin1String(what))
                    .arg(double(low))
                    .arg(double(high))
                    .arg(double(value)));
    return value;
}

int choice(int value, int low, int high, const char* what) {
    if (value < low || value > high)
        invalid(QStringLiteral("%1 must be from %2 to %3; %4 is not allowed.")
                    .arg(QLatin1String(what))
                    .arg(low)
                    .arg(high)
                    .arg(value));
    return value;
}

} // namespace

QString fontName(const QString& name) {
    if (name.trimmed().isEmpty() || name.size() > engineLimits::FontNameLength ||
        !engine::isStorableText(name) || name.contains(u'\t'))
        invalid(QStringLiteral("\"%1\" cannot be a font name.").arg(engine::storableText(name)));
    return name;
}

float fontSize(float points) {
    return std::round(inRange(points, engineLimits::FontSizeMin, engineLimits::FontSizeMax, "A font size") *
                      2) /
           2;
}

int colorIndex(int colorIndex) {
    if (!engine::isColorIndex(colorIndex))
        invalid(QStringLiteral("%1 is not a colour index: use wdAuto (0) or one of the colours 1 to 16.")
                    .arg(colorIndex));
    return colorIndex;
}

int alignment(int alignment) {
    return choice(alignment, wdAlignParagraphLeft, wdAlignParagraphJustify, "The alignment");
}

float indent(float points, const char* what) {
    return inRange(points, -engineLimits::IndentMax, engineLimits::IndentMax, what);
}

float spacing(float points, const char* what) {
    return inRange(points, 0, engineLimits::SpacingMax, what);
}

int lineSpacingRule(int rule) {
    return choice(rule, wdLineSpaceSingle, wdLineSpaceDouble, "The line spacing rule");
}

int outlineLevel(int level) {
    return choice(level, wdOutlineLevel1, wdOutlineLevelBodyText, "The outline level");
}

float lineCoordinate(float points) {
    return inRange(points, -engineLimits::ShapeCoordinateMax, engineLimits::ShapeCoordinateMax,
                   "A line's coordinate");
}

float centimetres(float centimetres) {
    if (!std::isfinite(centimetres))
        invalid(QStringLiteral("%1 is not a length in centimetres.").arg(double(centimetres)));
    return centimetres;
}

int tableSize(int rows, int columns) {
    if (rows < 1 || rows > engineLimits::TableRows || columns < 1 || columns > engineLimits::TableColumns ||
        rows * columns > engineLimits::TableCells)
        invalid(QStringLiteral("A table of %1 rows and %2 columns cannot be made: from 1 to %3 rows, 1 to %4 "
                               "columns and at most %5 cells.")
                    .arg(rows)
                    .arg(columns)
                    .arg(engineLimits::TableRows)
                    .arg(engineLimits::TableColumns)
                    .arg(engineLimits::TableCells));
    return rows * columns;
}

void embeddedPicture(bool linkToFile, bool saveWithDocument) {
    if (linkToFile)
        invalid(QStringLiteral(
            "Linked pictures are not supported; a picture can only be embedded in the document."));
    if (!saveWithDocument)
        invalid(QStringLiteral("A picture that is not linked must be saved with the document."));
}

} // namespace word::values
