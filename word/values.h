#pragma once

// The values the interface accepts, with the ranges and the errors both word processors promise: the
// built-in engine and LibreOffice check them here, so that a layout fails, and skips, the same steps on
// either word processor.

#include <QString>

namespace word::values {

// Each returns the value to store, or throws AutomationError (errors::InvalidArgument).
QString fontName(const QString& name);
float fontSize(float points); // rounded to half points
int colorIndex(int colorIndex);
int alignment(int alignment);
float indent(float points, const char* what);
float spacing(float points, const char* what);
int lineSpacingRule(int rule);
int outlineLevel(int level);
float lineCoordinate(float points);
float centimetres(float centimetres);
int tableSize(int rows, int columns); // returns the number of cells
// A picture is embedded in the document and saved with it; nothing else is accepted.
void embeddedPicture(bool linkToFile, bool saveWithDocument);

} // namespace word::values
