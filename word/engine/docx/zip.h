#pragma once

// The zip container of a package, through libzip, entirely in memory.

#include "word/engine/docx.h"

#include <QByteArray>

#include <memory>
#include <optional>
#include <vector>

struct zip;
struct zip_source;

namespace word::engine::docx {

// Collects entries and packs them. Every entry carries the same fixed time stamp, so equal entries in
// equal order give equal bytes.
class ZipWriter {
public:
    ZipWriter();
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    enum class Compression { Deflate, Store };
    void add(const char* name, QByteArray data, Compression compression);
    QByteArray finish();

private:
    [[noreturn]] void fail() const;

    zip_source* buffer_ = nullptr;
    zip* archive_ = nullptr;
    std::vector<QByteArray> contents_; // kept alive until the archive is written
};

// Reads entries of an untrusted archive within the limits; any fault throws AutomationError BadDocument.
class ZipReader {
public:
    ZipReader(const QByteArray& package, const DocxReadLimits& limits);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // The entry's uncompressed bytes, or nothing when the archive has no entry of that name.
    std::optional<QByteArray> read(const QString& name);

private:
    zip* archive_ = nullptr;
    DocxReadLimits limits_;
    qint64 bytesRead_ = 0;
};

} // namespace word::engine::docx
