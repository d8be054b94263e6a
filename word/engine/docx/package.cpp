// The whole package: its parts in a fixed order, zipped.

#include "writer.h"
#include "zip.h"

namespace word::engine {

using namespace docx;

QByteArray docxBytes(const DocumentModel& model) {
    DocumentModel repaired = model;
    repair(repaired);

    Media media;
    QByteArray document = documentXml(repaired, media);

    ZipWriter zip;
    zip.add("[Content_Types].xml", contentTypesXml(media));
    zip.add("_rels/.rels", packageRelationshipsXml());
    zip.add("word/document.xml", std::move(document));
    zip.add("word/_rels/document.xml.rels", documentRelationshipsXml(media));
    zip.add("word/styles.xml", stylesXml());
    zip.add("word/settings.xml", settingsXml());
    for (const MediaPart& part : media.parts())
        zip.add(("word/media/" + part.fileName).toUtf8().constData(), part.data,
                ZipWriter::Compression::Store);
    zip.add("docProps/core.xml", corePropertiesXml());
    zip.add("docProps/app.xml", extendedPropertiesXml());
    return zip.finish();
}

DocumentModel docxStoredForm(const DocumentModel& model) {
    DocumentModel stored = model;
    repair(stored);
    quantize(stored);
    takePixelSizesFromData(stored);
    return stored;
}

} // namespace word::engine
