// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application icon's PNG renderings, drawn from its scalable SVG.

#include <QImage>
#include <QList>
#include <QString>

namespace artgen {

// The pixel sizes of the PNG renderings, the sizes desktops look for in the hicolor theme.
const QList<int>& iconSizes();

// The SVG drawn into a square of size pixels on a transparent ground; a null image when it cannot be read.
QImage renderIcon(const QString& svgPath, int size);

// Writes every rendering under iconsRoot/<size>x<size>/apps/<name>.png, the theme's layout, where name is
// the SVG's file name without its extension. False, with a message on standard error, when one fails.
bool writeIcons(const QString& svgPath, const QString& iconsRoot);

} // namespace artgen
