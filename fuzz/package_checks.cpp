#include "package_checks.h"

#include <QXmlStreamReader>

#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace fuzzchecks {

namespace {

[[noreturn]] void failure(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "check failed: %s %s\n", what, detail.c_str());
    std::abort();
}

bool isWellFormed(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

} // namespace

void requireWellFormedPackage(const QByteArray& package) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(package.constData(), zip_uint64_t(package.size()), 0, &error);
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (!archive)
        failure("the package is not a zip");

    std::set<std::string> names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        const std::string name = zip_get_name(archive, zip_uint64_t(i), 0);
        names.insert(name);
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (!file || zip_fread(file, bytes.data(), stat.size) != zip_int64_t(stat.size))
            failure("an entry cannot be read:", name);
        zip_fclose(file);
        if (!name.starts_with("word/media/") && !isWellFormed(bytes))
            failure("a part is not well-formed XML:", name);
    }
    zip_discard(archive);
    for (const char* required : {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/styles.xml",
                                 "word/settings.xml", "word/_rels/document.xml.rels"})
        if (!names.count(required))
            failure("a part is missing:", required);
}

void requireModelRules(const word::engine::DocumentModel& model) {
    using namespace word::engine;
    if (model.body.empty() || !std::holds_alternative<Paragraph>(model.body.back()))
        failure("the body does not end with a paragraph");
    bool previousWasTable = false;
    for (const Block& block : model.body) {
        const auto* table = std::get_if<Table>(&block);
        if (table && previousWasTable)
            failure("two tables in a row");
        previousWasTable = table != nullptr;
        if (!table)
            continue;
        if (table->rows.empty() || table->columnWidths.empty())
            failure("a table without rows or columns");
        for (const auto& row : table->rows) {
            if (row.size() != table->columnWidths.size())
                failure("a row of another width than the table");
            for (const auto& cell : row)
                if (cell.paragraphs.empty())
                    failure("a cell without a paragraph");
        }
    }
}

} // namespace fuzzchecks
