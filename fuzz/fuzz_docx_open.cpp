// Feeds any bytes to the package reader: it either fails with an AutomationError BadDocument or returns a
// model that keeps the model's rules and survives its own round trip.
//
// Mutated zips rarely get past their checksums, so the first byte chooses what the rest is: the package
// itself (even), or the main document part of an otherwise sound package (odd), which lets the fuzzer reach
// the XML reading.

#include "package_checks.h"
#include "word/engine/docx.h"

#include <zip.h>

#include <cstdio>
#include <cstdlib>

namespace {

QByteArray packageAround(const QByteArray& documentXml) {
    static const QByteArray contentTypes =
        R"(<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>)";
    static const QByteArray rels =
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/)"
        R"(officeDocument" Target="word/document.xml"/></Relationships>)";
    static const QByteArray documentRels =
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/)"
        R"(styles" Target="styles.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/)"
        R"(officeDocument/2006/relationships/image" Target="media/image1.png"/></Relationships>)";
    static const QByteArray styles =
        R"(<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:docDefaults>)"
        R"(<w:rPrDefault><w:rPr><w:sz w:val="24"/></w:rPr></w:rPrDefault></w:docDefaults></w:styles>)";
    static const QByteArray png = QByteArray::fromBase64(
        "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==");

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    zip_source_keep(buffer);
    const std::pair<const char*, const QByteArray*> entries[] = {
        {"[Content_Types].xml", &contentTypes}, {"_rels/.rels", &rels},
        {"word/document.xml", &documentXml},    {"word/_rels/document.xml.rels", &documentRels},
        {"word/styles.xml", &styles},           {"word/media/image1.png", &png}};
    for (const auto& [name, data] : entries)
        zip_file_add(archive, name,
                     zip_source_buffer(archive, data->constData(), zip_uint64_t(data->size()), 0), 0);
    zip_close(archive);
    zip_stat_t stat;
    zip_source_stat(buffer, &stat);
    QByteArray package(qsizetype(stat.size), Qt::Uninitialized);
    zip_source_open(buffer);
    zip_source_read(buffer, package.data(), stat.size);
    zip_source_close(buffer);
    zip_source_free(buffer);
    return package;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace word::engine;
    if (size == 0)
        return 0;
    const QByteArray rest = QByteArray(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const QByteArray input = data[0] % 2 == 0 ? rest : packageAround(rest);

    DocumentModel model;
    try {
        model = readDocx(input);
    } catch (const word::AutomationError& error) {
        if (error.number != word::errors::BadDocument) {
            std::fprintf(stderr, "unexpected error %d: %s\n", error.number, error.what());
            std::abort();
        }
        return 0;
    }
    fuzzchecks::requireModelRules(model);
    const QByteArray package = docxBytes(model);
    fuzzchecks::requireWellFormedPackage(package);
    if (readDocx(package) != model) {
        std::fprintf(stderr, "a model read from a package does not survive its own round trip\n");
        std::abort();
    }
    return 0;
}
