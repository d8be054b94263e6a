// SPDX-License-Identifier: GPL-3.0-or-later
#include "icons.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace artgen {

const QList<int>& iconSizes() {
    static const QList<int> sizes{16, 22, 24, 32, 48, 64, 128, 256, 512};
    return sizes;
}

QImage renderIcon(const QString& svgPath, int size) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return {};
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

bool writeIcons(const QString& svgPath, const QString& iconsRoot) {
    QTextStream errors(stderr);
    const QString name = QFileInfo(svgPath).completeBaseName();
    for (int size : iconSizes()) {
        const QImage icon = renderIcon(svgPath, size);
        if (icon.isNull()) {
            errors << "cannot draw " << svgPath << Qt::endl;
            return false;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(iconsRoot).arg(size);
        const QString path = folder + u'/' + name + QStringLiteral(".png");
        QImageWriter writer(path, "PNG");
        if (!QDir().mkpath(folder) || !writer.write(icon)) {
            errors << "cannot write " << path << ": " << writer.errorString() << Qt::endl;
            return false;
        }
    }
    return true;
}

} // namespace artgen
