#pragma once

// The parts of a package, each written as XML from a repaired model (format.h).

#include "format.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace word::engine::docx {

struct MediaPart {
    QByteArray data;
    PictureType type;
    QString fileName;       // "image1.png", under word/media/
    QString relationshipId; // from the main document part
};

// The pictures of a document, one part for each distinct picture.
class Media {
public:
    // The relationship id of the part holding the picture, added on first use.
    const QString& relationshipFor(const Picture& picture);
    const std::vector<MediaPart>& parts() const { return parts_; }
    bool uses(PictureType type) const;

    // The main document's relationships to styles and settings come first.
    static constexpr int firstRelationship = 3;

private:
    std::vector<MediaPart> parts_;
};

QByteArray documentXml(const DocumentModel& repairedModel, Media& media);
// The parts below depend on nothing but the media; those that depend on nothing are written once.
QByteArray contentTypesXml(const Media& media);
QByteArray packageRelationshipsXml();
QByteArray documentRelationshipsXml(const Media& media);
QByteArray stylesXml();
QByteArray settingsXml();
QByteArray corePropertiesXml();
QByteArray extendedPropertiesXml();

} // namespace word::engine::docx
