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

    // Only the main document is worth packing: the other parts are a few hundred bytes each, and every
    // packed entry costs a compressor set-up that takes longer than writing the part.
    using enum ZipWriter::Compression;
    ZipWriter zip;
    zip.add("[Content_Types].xml", contentTypesXml(media), Store);
    zip.add("_rels/.rels", packageRelationshipsXml(), Store);
    zip.add("word/document.xml", std::move(document), Deflate);
    zip.add("word/_rels/document.xml.rels", documentRelationshipsXml(media), Store);
    zip.add("word/styles.xml", stylesXml(), Store);
    zip.add("word/settings.xml", settingsXml(), Store);
    for (const MediaPart& part : media.parts())
        zip.add(("word/media/" + part.fileName).toUtf8().constData(), part.data, Store);
    zip.add("docProps/core.xml", corePropertiesXml(), Store);
    zip.add("docProps/app.xml", extendedPropertiesXml(), Store);
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
