// Draws the style pictures and the style previews and writes them in the formats the program
// embeds: progressive JFIF 1.02 JPEGs at 72 dpi, and 24-bit uncompressed bitmaps.
//
//   artgen OUTPUT_FOLDER [--look LOOK_FOLDER]
//
// With --look it also writes enlarged PNG copies of what was written, the previews side by side and
// mock letter pages, for looking at the artwork.
//
//   artgen --icons ICON_SVG ICONS_ROOT
//
// draws the application icon's PNG renderings from its SVG, under ICONS_ROOT/<size>x<size>/apps/.

#include "icons.h"
#include "jpegfile.h"
#include "mockletters.h"
#include "pictures.h"
#include "previews.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

constexpr int JpegQuality = 92;
constexpr int DotsPerMeterAt72Dpi = 2835;

QTextStream& errors() {
    static QTextStream stream(stderr);
    return stream;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        errors() << "cannot write " << path << ": " << file.errorString() << Qt::endl;
        return false;
    }
    return true;
}

QImage writeJpeg(const QString& path, const QImage& picture) {
    const QByteArray bytes = artgen::progressiveJfif(picture, JpegQuality);
    if (bytes.isEmpty() || !writeBytes(path, bytes))
        return {};
    return QImage::fromData(bytes, "JPEG");
}

QImage writeBitmap(const QString& path, QImage picture) {
    picture = picture.convertToFormat(QImage::Format_RGB32);
    picture.setDotsPerMeterX(DotsPerMeterAt72Dpi);
    picture.setDotsPerMeterY(DotsPerMeterAt72Dpi);
    QImageWriter writer(path, "BMP");
    if (!writer.write(picture)) {
        errors() << "cannot write " << path << ": " << writer.errorString() << Qt::endl;
        return {};
    }
    return QImage(path, "BMP");
}

void look(const QString& folder, const QString& name, const QImage& written) {
    if (folder.isEmpty() || written.isNull())
        return;
    auto save = [&](const QImage& part, int zoom, const QString& suffix) {
        part.scaled(part.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(folder + u'/' + name + suffix + QStringLiteral(".png"));
    };
    if (written.width() <= 400) {
        save(written, 4, {});
        return;
    }
    // A strip: its two ends and its middle up close, and the whole scaled down to a text column's
    // width, as a letter shows it.
    const int part = 180;
    save(written.copy(0, 0, part, written.height()), 4, QStringLiteral("-start"));
    save(written.copy((written.width() - part) / 2, 0, part, written.height()), 4, QStringLiteral("-middle"));
    save(written.copy(written.width() - part, 0, part, written.height()), 4, QStringLiteral("-end"));
    save(written.scaledToWidth(415, Qt::SmoothTransformation), 2, QStringLiteral("-in-column"));
}

// The five previews side by side: at their own size, at twice it, and shrunk into boxes of the
// style page's size on its form colour, as the wizard shows them.
void lookTogether(const QString& folder, const QList<QImage>& previews) {
    const int cell = 2 * 98 + 12;
    QImage sheet(previews.size() * cell + 12, 98 + 2 * 98 + 2 * 80 + 48, QImage::Format_RGB32);
    sheet.fill(QColor(209, 207, 192));
    QPainter p(&sheet);
    int x = 12;
    for (const QImage& preview : previews) {
        p.drawImage(x, 12, preview);
        p.drawImage(QRect(x, 98 + 24, preview.width() * 2, preview.height() * 2), preview);
        const QImage boxed =
            preview.scaled(preview.size() * 0.8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        p.drawImage(QRect(x, 3 * 98 + 36, boxed.width() * 2, boxed.height() * 2), boxed);
        x += cell;
    }
    p.end();
    sheet.save(folder + QStringLiteral("/previews.png"));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 4 && arguments[1] == QStringLiteral("--icons"))
        return artgen::writeIcons(arguments[2], arguments[3]) ? 0 : 1;
    if (arguments.size() != 2 && !(arguments.size() == 4 && arguments[2] == QStringLiteral("--look"))) {
        errors() << "usage: artgen OUTPUT_FOLDER [--look LOOK_FOLDER]\n"
                    "       artgen --icons ICON_SVG ICONS_ROOT"
                 << Qt::endl;
        return 2;
    }
    const QString out = arguments[1];
    const QString lookFolder = arguments.size() == 4 ? arguments[3] : QString();
    QDir().mkpath(out);
    if (!lookFolder.isEmpty())
        QDir().mkpath(lookFolder);

    bool ok = true;
    auto jpeg = [&](const QString& name, const QImage& picture) {
        const QImage written = writeJpeg(out + u'/' + name + QStringLiteral(".jpg"), picture);
        ok = ok && !written.isNull();
        look(lookFolder, name, written);
        return written;
    };
    auto bitmap = [&](const QString& name, const QImage& picture) {
        const QImage written = writeBitmap(out + u'/' + name + QStringLiteral(".bmp"), picture);
        ok = ok && !written.isNull();
        look(lookFolder, name, written);
        return written;
    };

    artgen::StylePictures pictures;
    pictures.classic = jpeg(QStringLiteral("classic"), artgen::classicHeading());
    pictures.elegant = jpeg(QStringLiteral("elegant"), artgen::elegantHeading());
    pictures.elegantLine = jpeg(QStringLiteral("elegantLine"), artgen::elegantLine());
    pictures.elegantDown = jpeg(QStringLiteral("elegantDown"), artgen::elegantDown());
    pictures.romantic = jpeg(QStringLiteral("romantic"), artgen::romanticHeading());
    pictures.romanticLine = jpeg(QStringLiteral("romanticLine"), artgen::romanticLine());
    pictures.dark = jpeg(QStringLiteral("dark"), artgen::darkHeading());
    pictures.darkLine = bitmap(QStringLiteral("darkLine"), artgen::darkLine());
    pictures.modern = jpeg(QStringLiteral("modern"), artgen::modernHeading());
    pictures.modernLine = jpeg(QStringLiteral("modernLine"), artgen::modernLine());
    if (!ok)
        return 1;

    const QList<QImage> previews{
        bitmap(QStringLiteral("previewClassic"), artgen::classicPreview(pictures)),
        bitmap(QStringLiteral("previewDark"), artgen::darkPreview(pictures)),
        bitmap(QStringLiteral("previewRomantic"), artgen::romanticPreview(pictures)),
        bitmap(QStringLiteral("previewElegant"), artgen::elegantPreview(pictures)),
        bitmap(QStringLiteral("previewModernistic"), artgen::modernisticPreview(pictures)),
    };
    if (!lookFolder.isEmpty()) {
        lookTogether(lookFolder, previews);
        artgen::classicLetter(pictures).save(lookFolder + QStringLiteral("/letterClassic.png"));
        artgen::darkLetter(pictures).save(lookFolder + QStringLiteral("/letterDark.png"));
        artgen::romanticLetter(pictures).save(lookFolder + QStringLiteral("/letterRomantic.png"));
        artgen::elegantLetter(pictures).save(lookFolder + QStringLiteral("/letterElegant.png"));
        artgen::modernLetter(pictures).save(lookFolder + QStringLiteral("/letterModern.png"));
    }
    return ok ? 0 : 1;
}
