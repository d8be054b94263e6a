#include "printing_tools.h"
#include "tests/word/programs.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>

namespace word::testing {

namespace {

using wordtest::ProgramRun;

ProgramRun run(const QString& program, const QStringList& arguments, int timeoutMs = 180000) {
    return wordtest::runProgram(program, arguments, timeoutMs, QProcess::SeparateChannels);
}

QString tool(const char* name) {
    return requireProgram(QString::fromLatin1(name));
}

} // namespace

QString requireProgram(const QString& name) {
    const QString path = QStandardPaths::findExecutable(name);
    EXPECT_FALSE(path.isEmpty()) << name.toStdString() << " is missing: run tools/setup.sh --tests";
    return path;
}

int pdfPageCount(const QString& pdf) {
    const ProgramRun info = run(tool("pdfinfo"), {pdf});
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(info.output));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QSizeF pdfPageSize(const QString& pdf) {
    const ProgramRun info = run(tool("pdfinfo"), {pdf});
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                           QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(info.output));
    return size.hasMatch() ? QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) : QSizeF();
}

QString pdfText(const QString& pdf, int page) {
    QStringList arguments{QStringLiteral("-layout")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    arguments << pdf << QStringLiteral("-");
    return QString::fromUtf8(run(tool("pdftotext"), arguments).output);
}

QHash<QString, QPointF> pdfWordPositions(const QString& pdf) {
    QHash<QString, QPointF> words;
    QXmlStreamReader xml(
        run(tool("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")})
            .output);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"word") {
            const QPointF at(xml.attributes().value(QStringLiteral("xMin")).toDouble(),
                             xml.attributes().value(QStringLiteral("yMin")).toDouble());
            words.insert(xml.readElementText(), at);
        }
    return words;
}

// pdfimages -list: page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
std::vector<QSizeF> pdfPictureSizes(const QString& pdf) {
    std::vector<QSizeF> sizes;
    const QStringList lines =
        QString::fromUtf8(run(tool("pdfimages"), {QStringLiteral("-list"), pdf}).output).split(u'\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(u' ');
        if (fields.size() < 14 || fields[2] != QStringLiteral("image"))
            continue;
        const double xPpi = fields[12].toDouble(), yPpi = fields[13].toDouble();
        if (xPpi > 0 && yPpi > 0)
            sizes.emplace_back(fields[3].toDouble() / xPpi * 72, fields[4].toDouble() / yPpi * 72);
    }
    return sizes;
}

QImage pdfPageImage(const QString& pdf, int page, int dotsPerInch) {
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    run(tool("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dotsPerInch),
                           QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                           QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".pgm"));
}

QString libreOfficePdf(const QString& docx, const QString& folder) {
    const QString profile = QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("profile"))).toString();
    const ProgramRun conversion =
        run(tool("soffice"), {QStringLiteral("-env:UserInstallation=") + profile,
                              QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                              QStringLiteral("pdf"), QStringLiteral("--outdir"), folder, docx});
    const QString pdf = QDir(folder).filePath(QFileInfo(docx).completeBaseName() + QStringLiteral(".pdf"));
    EXPECT_TRUE(QFileInfo::exists(pdf)) << conversion.output.constData();
    return QFileInfo::exists(pdf) ? pdf : QString();
}

QStringList wordLines(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString words = line.simplified();
        if (!words.isEmpty())
            lines << words;
    }
    return lines;
}

std::vector<QRectF> inkBands(const QImage& page, qreal dotsPerInch) {
    constexpr int Dark = 128;
    const qreal pointsPerPixel = 72 / dotsPerInch;
    const int mergedGap = int(std::ceil(dotsPerInch / 72)); // a point
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    std::vector<QRectF> bands;
    QRect band;
    int lastInkedRow = -mergedGap - 2;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        int left = -1, right = -1;
        for (int x = 0; x < grey.width(); ++x)
            if (row[x] < Dark) {
                left = left < 0 ? x : left;
                right = x;
            }
        if (left < 0)
            continue;
        const QRect rowInk(QPoint(left, y), QPoint(right, y));
        if (band.isValid() && y - lastInkedRow <= mergedGap + 1) {
            band = band.united(rowInk);
        } else {
            if (band.isValid())
                bands.emplace_back(band);
            band = rowInk;
        }
        lastInkedRow = y;
    }
    if (band.isValid())
        bands.emplace_back(band);
    for (QRectF& b : bands)
        b = QRectF(b.topLeft() * pointsPerPixel, b.size() * pointsPerPixel);
    return bands;
}

::testing::AssertionResult sameInkBands(const std::vector<QRectF>& ours, const std::vector<QRectF>& theirs,
                                        qreal tolerance) {
    const auto describe = [](const QRectF& band) {
        return QStringLiteral("y %1-%2 x %3-%4")
            .arg(band.top(), 0, 'f', 1)
            .arg(band.bottom(), 0, 'f', 1)
            .arg(band.left(), 0, 'f', 1)
            .arg(band.right(), 0, 'f', 1)
            .toStdString();
    };
    if (ours.size() != theirs.size())
        return ::testing::AssertionFailure() << ours.size() << " bands of ink against " << theirs.size();
    for (std::size_t i = 0; i < ours.size(); ++i) {
        const QRectF &a = ours[i], &b = theirs[i];
        if (std::abs(a.top() - b.top()) > tolerance || std::abs(a.bottom() - b.bottom()) > tolerance ||
            std::abs(a.left() - b.left()) > tolerance || std::abs(a.right() - b.right()) > tolerance)
            return ::testing::AssertionFailure()
                   << "band " << i + 1 << ": " << describe(a) << " against " << describe(b);
    }
    return ::testing::AssertionSuccess();
}

} // namespace word::testing
