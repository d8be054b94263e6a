// One rule for the encoding of every file of contacts and every letter text: the byte order mark, then
// UTF-16 by its zeros, then UTF-8 where valid, else Windows-1252.

#include "contacts/encoding.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace tavrin::contacts;

namespace {

QByteArray utf16(const QString& text, bool littleEndian) {
    QByteArray bytes;
    for (const QChar c : text) {
        const char low = char(c.unicode() & 0xFF), high = char(c.unicode() >> 8);
        bytes += littleEndian ? QByteArray{&low, 1} + QByteArray{&high, 1}
                              : QByteArray{&high, 1} + QByteArray{&low, 1};
    }
    return bytes;
}

struct EncodingCase {
    const char* name;
    QByteArray bytes;
    Encoding encoding;
    QString text;
};

void PrintTo(const EncodingCase& c, std::ostream* out) {
    *out << c.name;
}

class DecodingText : public testing::TestWithParam<EncodingCase> {};

TEST_P(DecodingText, FindsTheEncodingAndKeepsEveryCharacter) {
    const DecodedText decoded = decodedText(GetParam().bytes);
    EXPECT_EQ(encodingName(decoded.encoding), encodingName(GetParam().encoding));
    EXPECT_EQ(decoded.text, GetParam().text);
}

const QString Sample = QStringLiteral("name,address\nJosé Müller,Straße 1 – Zürich €\n");

INSTANTIATE_TEST_SUITE_P(
    All, DecodingText,
    testing::Values(
        EncodingCase{"Utf8", Sample.toUtf8(), Encoding::Utf8, Sample},
        EncodingCase{"Utf8ByteOrderMark", "\xEF\xBB\xBF" + Sample.toUtf8(), Encoding::Utf8, Sample},
        EncodingCase{"Utf16LittleEndianMark", "\xFF\xFE" + utf16(Sample, true), Encoding::Utf16LittleEndian,
                     Sample},
        EncodingCase{"Utf16BigEndianMark", "\xFE\xFF" + utf16(Sample, false), Encoding::Utf16BigEndian,
                     Sample},
        EncodingCase{"Utf16LittleEndianByItsZeros", utf16(Sample, true), Encoding::Utf16LittleEndian, Sample},
        EncodingCase{"Utf16BigEndianByItsZeros", utf16(Sample, false), Encoding::Utf16BigEndian, Sample},
        EncodingCase{"Utf16OfCyrillicOnly", "\xFF\xFE" + utf16(QStringLiteral("Иван"), true),
                     Encoding::Utf16LittleEndian, QStringLiteral("Иван")},
        EncodingCase{"Windows1252", "Caf\xE9 cr\xE8me \x80 \x93quoted\x94", Encoding::Windows1252,
                     QStringLiteral("Café crème € “quoted”")},
        EncodingCase{"Utf8WithOneStrayByteIsWindows1252",
                     "Gr\xC3\xBC\xC3\x9F"
                     "e \xFC",
                     Encoding::Windows1252, QStringLiteral("GrÃ¼ÃŸe ü")},
        EncodingCase{"Empty", "", Encoding::Utf8, QString()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadingWholeFile, DeviceThatNeverEndsIsRefusedAfterTheLimit) {
    const auto contents = readWholeFile(QStringLiteral("/dev/zero"), 1 << 20);
    ASSERT_FALSE(contents);
    EXPECT_EQ(contents.error().reason, FileReadError::Reason::TooLarge);
}

TEST(ReadingWholeFile, FileAtTheLimitIsReadAndOneByteMoreRefused) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("f")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3000, 'x'));
    file.close();
    const auto whole = readWholeFile(file.fileName(), 3000);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->size(), 3000);
    EXPECT_FALSE(readWholeFile(file.fileName(), 2999));
}

TEST(ReadingWholeFile, MissingFileCannotBeOpened) {
    const auto contents = readWholeFile(QStringLiteral("/nonexistent/x"), 10);
    ASSERT_FALSE(contents);
    EXPECT_EQ(contents.error().reason, FileReadError::Reason::CannotOpen);
    EXPECT_FALSE(contents.error().detail.isEmpty());
}

} // namespace
