#include "zip.h"

#include <zip.h>

namespace word::engine::docx {

namespace {

// 1980-01-01 00:00:00, the first moment a zip time stamp can hold.
constexpr zip_uint16_t fixedDosTime = 0;
constexpr zip_uint16_t fixedDosDate = (0 << 9) | (1 << 5) | 1;

// Level 1 packs a letter's XML nearly as small as the default level, in a fraction of the time.
constexpr zip_uint32_t deflateLevel = 1;

[[noreturn]] void badDocument(const QString& reason) {
    throw AutomationError(errors::BadDocument,
                          QStringLiteral("The file is not a document that can be opened: %1.").arg(reason));
}

} // namespace

ZipWriter::ZipWriter() {
    zip_error_t error;
    zip_error_init(&error);
    buffer_ = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (buffer_)
        archive_ = zip_open_from_source(buffer_, ZIP_TRUNCATE, &error);
    if (!archive_) {
        const QString reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        if (buffer_)
            zip_source_free(buffer_);
        throw AutomationError(errors::FileAccess,
                              QStringLiteral("The document could not be packed: %1.").arg(reason));
    }
    zip_error_fini(&error);
    zip_source_keep(buffer_); // the packed bytes are read from it after the archive is closed
}

ZipWriter::~ZipWriter() {
    if (archive_)
        zip_discard(archive_);
    zip_source_free(buffer_);
}

void ZipWriter::fail() const {
    const QString reason = QString::fromUtf8(zip_strerror(archive_));
    throw AutomationError(errors::FileAccess,
                          QStringLiteral("The document could not be packed: %1.").arg(reason));
}

void ZipWriter::add(const char* name, QByteArray data, Compression compression) {
    contents_.push_back(std::move(data));
    const QByteArray& bytes = contents_.back();
    zip_source_t* source = zip_source_buffer(archive_, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    if (!source)
        fail();
    const zip_int64_t index = zip_file_add(archive_, name, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        fail();
    }
    const auto entry = zip_uint64_t(index);
    const bool stored = compression == Compression::Store;
    if (zip_set_file_compression(archive_, entry, stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                 stored ? 0 : deflateLevel) != 0 ||
        zip_file_set_dostime(archive_, entry, fixedDosTime, fixedDosDate, 0) != 0)
        fail();
}

QByteArray ZipWriter::finish() {
    if (zip_close(archive_) != 0)
        fail();
    archive_ = nullptr;

    zip_stat_t stat;
    zip_stat_init(&stat);
    QByteArray packed;
    if (zip_source_stat(buffer_, &stat) == 0 && zip_source_open(buffer_) == 0) {
        packed.resize(qsizetype(stat.size));
        const zip_int64_t got = zip_source_read(buffer_, packed.data(), stat.size);
        zip_source_close(buffer_);
        if (got == zip_int64_t(stat.size))
            return packed;
    }
    throw AutomationError(errors::FileAccess, QStringLiteral("The document could not be packed."));
}

ZipReader::ZipReader(const QByteArray& package, const DocxReadLimits& limits) : limits_(limits) {
    if (package.size() > limits.fileSize)
        badDocument(QStringLiteral("it is larger than %1 bytes").arg(limits.fileSize));

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(package.constData(), zip_uint64_t(package.size()), 0, &error);
    if (source) {
        archive_ = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (!archive_)
            zip_source_free(source);
    }
    const QString reason = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    if (!archive_)
        badDocument(QStringLiteral("it is not a readable zip package (%1)").arg(reason));

    const zip_int64_t entries = zip_get_num_entries(archive_, 0);
    if (entries > limits.entryCount) {
        zip_discard(archive_);
        badDocument(QStringLiteral("it holds more than %1 entries").arg(limits.entryCount));
    }
}

ZipReader::~ZipReader() {
    zip_discard(archive_);
}

std::optional<QByteArray> ZipReader::read(const QString& name) {
    const zip_int64_t index = zip_name_locate(archive_, name.toUtf8().constData(), ZIP_FL_ENC_UTF_8);
    if (index < 0)
        return std::nullopt;

    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, zip_uint64_t(index), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        badDocument(QStringLiteral("the entry %1 cannot be read").arg(name));
    // The stated size may lie; the reading below stops at the limits whatever it says.
    const qint64 allowed = std::min(limits_.partSize, limits_.totalSize - bytesRead_);
    if (stat.size > zip_uint64_t(allowed))
        badDocument(QStringLiteral("the entry %1 unpacks to more than the reader allows").arg(name));

    zip_file_t* file = zip_fopen_index(archive_, zip_uint64_t(index), 0);
    if (!file)
        badDocument(QStringLiteral("the entry %1 cannot be unpacked (%2)")
                        .arg(name, QString::fromUtf8(zip_strerror(archive_))));

    QByteArray bytes(qsizetype(stat.size) + 1, Qt::Uninitialized); // one more byte tells a lying size
    qint64 filled = 0;
    zip_int64_t got = 0;
    while (filled < bytes.size() &&
           (got = zip_fread(file, bytes.data() + filled, zip_uint64_t(bytes.size() - filled))) > 0)
        filled += got;
    zip_fclose(file);
    if (got < 0 || filled != qint64(stat.size))
        badDocument(QStringLiteral("the entry %1 is damaged").arg(name));
    bytes.truncate(filled);
    bytesRead_ += filled;
    return bytes;
}

} // namespace word::engine::docx
