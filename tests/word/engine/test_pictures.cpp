// InlineShapes.AddPicture: reading, embedding, sizing and failing without a trace.

#include "engine_support.h"

#include "word/engine/limits.h"
#include "word/engine/picture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace word::engine;
using enginetest::bodyParagraph;
using enginetest::cellParagraph;
using enginetest::EngineTest;
using enginetest::errorOf;
using Lines = std::vector<std::string>;

constexpr int DotsPerMetreAt150Dpi = 5906;

QImage pattern(int width, int height, int dotsPerMetre = DotsPerMetreAt150Dpi) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x + y) % 256));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

class PictureTest : public EngineTest {
public:
    QTemporaryDir folder;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    QString writeImage(const QString& name, const QImage& image, const char* format) {
        return write(name, encoded(image, format));
    }
    // A FIFO with no writer: opening or reading it the ordinary way waits for ever.
    QString fifo(const QString& name) {
        const QString path = folder.filePath(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    }
    QString link(const QString& name, const QString& target) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(QFile::link(target, path));
        return path;
    }
    // Past the size limit, without taking the disk space.
    QString sparse(const QString& name) {
        const QString path = write(name, encoded(pattern(4, 4), "PNG"));
        EXPECT_TRUE(QFile::resize(path, word::engine::limits::PictureFileBytes + 1));
        return path;
    }
    word::Ref<word::InlineShape> add(const QString& path) {
        return selection->InlineShapes()->AddPicture(path, false, true);
    }
    const Picture& pictureAt(const Paragraph& paragraph, std::size_t index = 0) {
        return std::get<Picture>(paragraph.content.at(index));
    }
};

TEST_F(PictureTest, JpegAndPngAreEmbeddedAsTheyAre) {
    const QByteArray jpeg = encoded(pattern(40, 20), "JPEG");
    const QByteArray png = encoded(pattern(30, 10), "PNG");
    add(write("photo.bmp", jpeg)); // the name does not matter, the content does
    add(write("drawing.png", png));
    const Paragraph& paragraph = bodyParagraph(model(), 0);
    EXPECT_EQ(pictureAt(paragraph, 0).data, jpeg);
    EXPECT_EQ(pictureAt(paragraph, 0).mimeType, "image/jpeg");
    EXPECT_EQ(pictureAt(paragraph, 0).pixelWidth, 40);
    EXPECT_EQ(pictureAt(paragraph, 1).data, png);
    EXPECT_EQ(pictureAt(paragraph, 1).mimeType, "image/png");
}

class ConvertedPicture : public PictureTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ConvertedPicture, BecomesAPngWithTheSamePixels) {
    const QImage image = pattern(33, 17);
    add(writeImage("picture", image, GetParam()));
    const Picture& picture = pictureAt(bodyParagraph(model(), 0));
    EXPECT_EQ(picture.mimeType, "image/png");
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(picture.data, "PNG"));
    EXPECT_EQ(decoded.size(), image.size());
    if (QByteArray(GetParam()) == "BMP") {
        EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), image);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, ConvertedPicture, ::testing::Values("BMP", "PPM", "XPM"));

TEST_F(PictureTest, SizeComesFromThePixelsAndTheStatedResolution) {
    const auto shape = add(writeImage("wide.bmp", pattern(300, 150), "BMP"));
    const Picture& picture = pictureAt(bodyParagraph(model(), 0));
    EXPECT_NEAR(picture.width, 300 * 72 / 150.0, 0.05);
    EXPECT_NEAR(picture.height, 150 * 72 / 150.0, 0.05);
    EXPECT_EQ(shape->Width(), picture.width);
    EXPECT_EQ(shape->Height(), picture.height);
}

TEST_F(PictureTest, WithoutAStatedResolutionA96DpiIsAssumed) {
    QByteArray bmp = encoded(pattern(96, 48), "BMP");
    std::fill(bmp.begin() + 38, bmp.begin() + 46, '\0'); // pixels per metre, horizontal and vertical
    add(write("plain.bmp", bmp));
    const Picture& picture = pictureAt(bodyParagraph(model(), 0));
    EXPECT_FLOAT_EQ(picture.width, 72);
    EXPECT_FLOAT_EQ(picture.height, 36);
}

TEST_F(PictureTest, WiderThanTheTextColumnIsScaledDownProportionally) {
    add(writeImage("huge.png", pattern(2000, 500), "PNG"));
    const Picture& picture = pictureAt(bodyParagraph(model(), 0));
    EXPECT_FLOAT_EQ(picture.width, model().page.textWidth());
    EXPECT_NEAR(picture.height, model().page.textWidth() / 4, 0.01);
}

TEST_F(PictureTest, InACellItIsScaledToTheCellLessItsMargins) {
    const auto table = tableAtStart(1, 2);
    table->Cell(1, 2)->Select();
    add(writeImage("huge.png", pattern(2000, 1000), "PNG"));
    const Picture& picture = pictureAt(cellParagraph(model(), 0, 0, 1));
    EXPECT_NEAR(picture.width, model().page.textWidth() / 2 - 10.8f, 0.01);
    EXPECT_NEAR(picture.height, picture.width / 2, 0.01);
}

TEST_F(PictureTest, SelectedCellReceivesThePictureAndTheInsertionPointGoesAfterIt) {
    const auto table = tableAtStart(1, 2);
    table->Cell(1, 1)->Select();
    add(writeImage("heading.bmp", pattern(50, 50), "BMP"));
    EXPECT_EQ(where().kind, SelectionState::Kind::InsertionPoint);
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[#^ | ]", ""}));
}

TEST_F(PictureTest, APictureIsOneCharacter) {
    const QString path = writeImage("dot.png", pattern(4, 4), "PNG");
    const auto start = selection->Range();
    add(path);
    selection->TypeText("ab");
    document->Tables()->Add(start, 1, 1);
    selection->MoveRight(); // to the start of the paragraph after the table
    selection->MoveRight();
    selection->TypeText("^");
    EXPECT_EQ(lines(), (Lines{"[]", "#^ab"}));
}

TEST_F(PictureTest, TheFileIsReadAtTheTimeOfTheCall) {
    const QString path = writeImage("changing.png", pattern(8, 8), "PNG");
    const QByteArray first = encoded(pattern(8, 8), "PNG");
    add(path);
    writeImage("changing.png", pattern(16, 16), "PNG");
    add(path);
    QFile::remove(path);
    const Paragraph& paragraph = bodyParagraph(model(), 0);
    EXPECT_EQ(pictureAt(paragraph, 0).data, first);
    EXPECT_EQ(pictureAt(paragraph, 1).pixelWidth, 16);
}

// The engine's picture source is asked first; a name it does not hold is a file's name as before. The
// document started before the source was given takes from it too.
TEST_F(PictureTest, ThePictureSourceIsAskedByNameBeforeAnyFile) {
    const QByteArray held = encoded(pattern(12, 6), "BMP");
    const QString file = writeImage("on disk.png", pattern(9, 9), "PNG");
    QStringList asked;
    engine.takePicturesFrom([&](const QString& name) -> std::optional<QByteArray> {
        asked << name;
        return name == u"memory:strip" ? std::optional(held) : std::nullopt;
    });
    add(QStringLiteral("memory:strip"));
    add(file);
    EXPECT_EQ(errorOf([&] { add(QStringLiteral("memory:unknown")); }), word::errors::FileNotFound);

    EXPECT_EQ(asked, (QStringList{"memory:strip", file, "memory:unknown"}));
    const Paragraph& paragraph = bodyParagraph(model(), 0);
    ASSERT_EQ(paragraph.content.size(), 2u);
    EXPECT_EQ(pictureAt(paragraph, 0), decodePicture(held, QStringLiteral("strip")));
    EXPECT_EQ(pictureAt(paragraph, 0).pixelWidth, 12);
    EXPECT_EQ(pictureAt(paragraph, 1).pixelWidth, 9);
}

TEST_F(PictureTest, CountIsThePicturesOfTheSelectedCell) {
    const auto table = tableAtStart(1, 2);
    const QString path = writeImage("dot.png", pattern(4, 4), "PNG");
    add(path);
    add(path);
    EXPECT_EQ(selection->InlineShapes()->Count(), 0) << "an insertion point holds no picture";
    table->Cell(1, 1)->Select();
    EXPECT_EQ(selection->InlineShapes()->Count(), 2);
}

struct BadPicture {
    const char* name;
    int error;
    std::function<QString(PictureTest&)> file;
    bool linkToFile = false;
    bool saveWithDocument = true;
};

class PictureThatFails : public PictureTest, public ::testing::WithParamInterface<BadPicture> {};

// Ends the test program instead of letting a read that blocks hang it.
class Watchdog {
public:
    explicit Watchdog(unsigned seconds) { ::alarm(seconds); }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
    ~Watchdog() { ::alarm(0); }
};

TEST_P(PictureThatFails, LeavesTheDocumentAsItWas) {
    const auto& c = GetParam();
    const Watchdog watchdog(10);
    selection->TypeText("kept");
    const DocumentModel before = model();
    const QString path = c.file(*this);
    EXPECT_EQ(errorOf([&] { selection->InlineShapes()->AddPicture(path, c.linkToFile, c.saveWithDocument); }),
              c.error);
    EXPECT_EQ(model(), before);
}

QByteArray truncatedPng() {
    const QByteArray png = encoded(pattern(64, 64), "PNG");
    return png.left(png.size() / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PictureThatFails,
    ::testing::Values(
        BadPicture{"Missing", word::errors::FileNotFound,
                   [](PictureTest& t) { return t.folder.filePath("none.bmp"); }},
        BadPicture{"EmptyName", word::errors::FileNotFound, [](PictureTest&) { return QString(); }},
        BadPicture{"NotAPicture", word::errors::InvalidPicture,
                   [](PictureTest& t) { return t.write("letter.bmp", "Dear reader, this is text."); }},
        BadPicture{"EmptyFile", word::errors::InvalidPicture,
                   [](PictureTest& t) { return t.write("empty.png", ""); }},
        BadPicture{"Truncated", word::errors::InvalidPicture,
                   [](PictureTest& t) { return t.write("cut.png", truncatedPng()); }},
        BadPicture{"Folder", word::errors::InvalidPicture, [](PictureTest& t) { return t.folder.path(); }},
        BadPicture{"Fifo", word::errors::InvalidPicture, [](PictureTest& t) { return t.fifo("a.png"); }},
        BadPicture{
            "LinkToAPicture", word::errors::InvalidPicture,
            [](PictureTest& t) { return t.link("a.png", t.writeImage("real.png", pattern(4, 4), "PNG")); }},
        BadPicture{"LinkToAFifo", word::errors::InvalidPicture,
                   [](PictureTest& t) { return t.link("a.png", t.fifo("real.png")); }},
        BadPicture{"TooLarge", word::errors::InvalidPicture,
                   [](PictureTest& t) { return t.sparse("huge.png"); }},
        BadPicture{"Linked", word::errors::InvalidArgument,
                   [](PictureTest& t) { return t.writeImage("a.png", pattern(4, 4), "PNG"); }, true},
        BadPicture{"NotSavedWithTheDocument", word::errors::InvalidArgument,
                   [](PictureTest& t) { return t.writeImage("a.png", pattern(4, 4), "PNG"); }, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Read as an unprivileged user: run as root, the test drops to nobody in a child process, since root
// reads any file whatever its permissions.
TEST_F(PictureTest, UnreadableFileFailsWithFileAccess) {
    constexpr uid_t Nobody = 65534;
    constexpr int CannotDropPrivileges = 90, NoError = 91, OtherError = 92, Refused = 93;
    const QString path = writeImage("locked.png", pattern(4, 4), "PNG");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner | QFileDevice::ExeOther));
    if (::geteuid() != 0) {
        EXPECT_EQ(errorOf([&] { add(path); }), word::errors::FileAccess);
        return;
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(CannotDropPrivileges);
        try {
            readPicture(path);
        } catch (const word::AutomationError& error) {
            ::_exit(error.number == word::errors::FileAccess ? Refused : OtherError);
        }
        ::_exit(NoError);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), Refused);
}

TEST_F(PictureTest, WithAShapeSelectedThePictureFails) {
    const QString path = writeImage("a.png", pattern(4, 4), "PNG");
    document->Shapes()->AddLine(0, 0, 10, 10)->Select();
    EXPECT_EQ(errorOf([&] { add(path); }), word::errors::CommandFailed);
    EXPECT_EQ(lines(), Lines{""});
}

} // namespace
