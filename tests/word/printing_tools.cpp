#include "printing_tools.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <cmath>

namespace word::testing {

namespace {

struct ProgramRun {
    int exitCode = -1;
    QByteArray output;
};

ProgramRun run(const QString& program, const QStringList& arguments, int timeoutMs = 180000) {
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
}

QString tool(const char* name) {
    return requireProgram(QString::fromLatin1(name));
}

// A box blur over (2 * radius + 1) pixels square, on 8-bit grey.
QImage smoothed(const QImage& image, int radius) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QImage out(grey.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        uchar* target = out.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            int sum = 0, count = 0;
            for (int dy = -radius; dy <= radius; ++dy) {
                const int sy = y + dy;
                if (sy < 0 || sy >= grey.height())
                    continue;
                const uchar* row = grey.constScanLine(sy);
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int sx = x + dx;
                    if (sx < 0 || sx >= grey.width())
                        continue;
                    sum += row[sx];
                    ++count;
                }
            }
            target[x] = uchar(sum / count);
        }
    }
    return out;
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

QString pdfText(const QString& pdf, int page) {
    QStringList arguments{QStringLiteral("-layout")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    arguments << pdf << QStringLiteral("-");
    return QString::fromUtf8(run(tool("pdftotext"), arguments).output);
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

double differingShare(const QImage& a, const QImage& b) {
    const QSize common = a.size().boundedTo(b.size());
    if (a.isNull() || b.isNull() || (a.size() - common).width() > 2 || (a.size() - common).height() > 2 ||
        (b.size() - common).width() > 2 || (b.size() - common).height() > 2)
        return 1;
    const QImage sa = smoothed(a.copy(QRect(QPoint(), common)), 1),
                 sb = smoothed(b.copy(QRect(QPoint(), common)), 1);
    constexpr int Ink = 192, Difference = 64;
    qint64 inked = 0, differing = 0;
    for (int y = 0; y < sa.height(); ++y) {
        const uchar* ra = sa.constScanLine(y);
        const uchar* rb = sb.constScanLine(y);
        for (int x = 0; x < sa.width(); ++x) {
            if (ra[x] >= Ink && rb[x] >= Ink)
                continue;
            ++inked;
            if (std::abs(int(ra[x]) - int(rb[x])) > Difference)
                ++differing;
        }
    }
    return inked == 0 ? 0 : double(differing) / double(inked);
}

} // namespace word::testing
