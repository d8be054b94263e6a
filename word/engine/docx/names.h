#pragma once

// Namespaces, relationship types and content types of a word processing package.

#include <QString>

namespace word::engine::docx::names {

inline const QString w = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
inline const QString r =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
inline const QString wp =
    QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
inline const QString a = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
inline const QString pic = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
inline const QString wps =
    QStringLiteral("http://schemas.microsoft.com/office/word/2010/wordprocessingShape");
inline const QString mc = QStringLiteral("http://schemas.openxmlformats.org/markup-compatibility/2006");
inline const QString v = QStringLiteral("urn:schemas-microsoft-com:vml");
inline const QString o = QStringLiteral("urn:schemas-microsoft-com:office:office");
inline const QString w10 = QStringLiteral("urn:schemas-microsoft-com:office:word");
inline const QString packageRelationships =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
inline const QString contentTypes =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types");

inline const QString officeDocumentType =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument");
inline const QString stylesType =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles");
inline const QString settingsType =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings");
inline const QString imageType =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/image");
inline const QString corePropertiesType =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties");
inline const QString extendedPropertiesType =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties");

inline const QString pictureGraphic =
    QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
inline const QString shapeGraphic = wps;

} // namespace word::engine::docx::names
