#include "docx_testing.h"

#include <zip.h>

#include <stdexcept>

namespace docxtest {

namespace {

// The package's archive, read-only, or null when it is not a zip.
zip_t* openArchive(const QByteArray& package) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(package.constData(), zip_uint64_t(package.size()), 0, &error);
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    zip_error_fini(&error);
    if (!archive)
        zip_source_free(source);
    return archive;
}

} // namespace

QByteArray partOf(const QByteArray& package, const std::string& name) {
    zip_t* archive = openArchive(package);
    if (!archive)
        throw std::runtime_error("not a zip");
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_stat(archive, name.c_str(), 0, &stat) == 0) {
        zip_file_t* file = zip_fopen(archive, name.c_str(), 0);
        bytes.resize(qsizetype(stat.size));
        zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
    }
    zip_discard(archive);
    return bytes;
}

std::vector<std::string> entryNames(const QByteArray& package) {
    zip_t* archive = openArchive(package);
    std::vector<std::string> names;
    if (!archive)
        return names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i)
        names.emplace_back(zip_get_name(archive, zip_uint64_t(i), 0));
    zip_discard(archive);
    return names;
}

QByteArray zipOf(const std::vector<std::pair<std::string, QByteArray>>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    zip_source_keep(buffer);
    for (const auto& [name, data] : entries) {
        zip_source_t* source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
    }
    zip_close(archive);
    zip_stat_t stat;
    zip_source_stat(buffer, &stat);
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    zip_source_open(buffer);
    zip_source_read(buffer, bytes.data(), stat.size);
    zip_source_close(buffer);
    zip_source_free(buffer);
    return bytes;
}

QByteArray withPart(const QByteArray& package, const std::string& name, const QByteArray& data) {
    std::vector<std::pair<std::string, QByteArray>> entries;
    bool replaced = false;
    for (const std::string& entry : entryNames(package)) {
        if (entry == name) {
            entries.emplace_back(entry, data);
            replaced = true;
        } else {
            entries.emplace_back(entry, partOf(package, entry));
        }
    }
    if (!replaced)
        entries.emplace_back(name, data);
    return zipOf(entries);
}

QByteArray withoutPart(const QByteArray& package, const std::string& name) {
    std::vector<std::pair<std::string, QByteArray>> entries;
    for (const std::string& entry : entryNames(package))
        if (entry != name)
            entries.emplace_back(entry, partOf(package, entry));
    return zipOf(entries);
}

QByteArray element(const QByteArray& xml, const QByteArray& tag, int occurrence) {
    const QByteArray open = "<" + tag;
    qsizetype start = -1;
    for (int i = 0; i <= occurrence; ++i) {
        start = xml.indexOf(open, start + 1);
        while (start >= 0) {
            const char next = xml.at(start + open.size());
            if (next == ' ' || next == '>' || next == '/')
                break;
            start = xml.indexOf(open, start + 1);
        }
        if (start < 0)
            return {};
    }
    const qsizetype tagEnd = xml.indexOf('>', start);
    if (xml.at(tagEnd - 1) == '/')
        return xml.mid(start, tagEnd + 1 - start);
    // Matching end tag, counting nested elements of the same name.
    int depth = 1;
    qsizetype position = tagEnd;
    const QByteArray close = "</" + tag + ">";
    while (depth > 0) {
        const qsizetype nextOpen = xml.indexOf(open, position + 1);
        const qsizetype nextClose = xml.indexOf(close, position + 1);
        if (nextClose < 0)
            return {};
        if (nextOpen >= 0 && nextOpen < nextClose) {
            const char next = xml.at(nextOpen + open.size());
            const qsizetype openEnd = xml.indexOf('>', nextOpen);
            if ((next == ' ' || next == '>') && xml.at(openEnd - 1) != '/')
                ++depth;
            position = nextOpen;
        } else {
            --depth;
            position = nextClose;
        }
    }
    return xml.mid(start, position + close.size() - start);
}

} // namespace docxtest
