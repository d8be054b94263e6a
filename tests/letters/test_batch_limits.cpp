// tavrin-letters at its limits: names and addresses of any length, envelopes that must stay one page,
// PDFs that store each picture once, scratch files, signals and folders it cannot write to.

#include "letters/newfiles.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

using namespace tavrin::letters;

namespace {

// --- File names ---------------------------------------------------------------------------------------

struct NameCase {
    const char* name;
    QString personName;
    QString expected;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.name;
}

class FileNames : public testing::TestWithParam<NameCase> {};

TEST_P(FileNames, AreSafeAndShortEnough) {
    const QString baseName = fileBaseName(GetParam().personName);
    EXPECT_EQ(baseName, GetParam().expected);
    EXPECT_LE(baseName.toUtf8().size(), 200);
}

const QString Emoji = QStringLiteral("\U0001F339"); // four bytes of UTF-8, two UTF-16 units

INSTANTIATE_TEST_SUITE_P(
    All, FileNames,
    testing::Values(NameCase{"Plain", "Ann Lee", "Ann Lee"},
                    NameCase{"ForbiddenCharacters", "AC/DC: \"Live\"?\t*<>|\\", "AC_DC_ _Live________"},
                    NameCase{"LeadingAndTrailingDotsAndSpaces", " ..Ann. . ", "Ann"},
                    NameCase{"NothingLeft", " . . ", "Letter"},
                    NameCase{"DotsBeforeASlashStay", "../../etc", "_.._etc"},
                    NameCase{"HugeAscii", QString(10'000'000, u'a'), QString(200, u'a')},
                    NameCase{"HugeTwoByte", QString(5'000'000, u'é'), QString(100, u'é')},
                    NameCase{"HugeThreeByte", QString(3'000'000, u'€'), QString(66, u'€')},
                    NameCase{"HugePairsNeverSplit", u'a' + Emoji.repeated(2'000'000),
                             u'a' + Emoji.repeated(49)},
                    NameCase{"HugeDotsThenName", QString(10'000'000, u'.') + QStringLiteral("Ann"), "Ann"},
                    NameCase{"CutBeforeTrailingSpaces", QString(199, u'a') + QString(1'000'000, u' ') + u'b',
                             QString(199, u'a')}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
