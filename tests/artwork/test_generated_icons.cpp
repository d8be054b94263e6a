// SPDX-License-Identifier: GPL-3.0-or-later
// The committed PNG renderings of the application icon must be what the generator draws from the
// committed SVG, at the sizes desktops look for.

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

const QString IconName = QStringLiteral("io.github.tavrin.Tavrin");

QString pngPath(const QString& root, int size) {
    return QStringLiteral("%1/%2x%2/apps/%3.png").arg(root).arg(size).arg(IconName);
}

} // namespace

class GeneratedIconsTest : public QObject {
    Q_OBJECT

    QTemporaryDir generated_;

private slots:
    void initTestCase() {
        QVERIFY(generated_.isValid());
        QProcess generator;
        generator.start(QStringLiteral(ARTGEN_PATH),
                        {QStringLiteral("--icons"),
                         QStringLiteral(ICONS_DIR "/scalable/apps/") + IconName + QStringLiteral(".svg"),
                         generated_.path()});
        QVERIFY(generator.waitForFinished(120000));
        QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0,
                 generator.readAllStandardError().constData());
    }

    void committedIconsMatchTheGenerator_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
            QTest::addRow("%dx%d", size, size) << size;
    }

    void committedIconsMatchTheGenerator() {
        QFETCH(int, size);
        const QImage committed = QImage(pngPath(QStringLiteral(ICONS_DIR), size));
        const QImage drawn = QImage(pngPath(generated_.path(), size));
        QVERIFY2(!committed.isNull(), "no committed rendering");
        QVERIFY2(!drawn.isNull(), "the generator did not write it");
        QCOMPARE(committed.size(), QSize(size, size));
        QCOMPARE(drawn.size(), committed.size());
        QVERIFY(committed.hasAlphaChannel());
        const QImage a = drawn.convertToFormat(QImage::Format_ARGB32);
        const QImage b = committed.convertToFormat(QImage::Format_ARGB32);
        // Allow for small differences in rasterising between library versions, not for a changed drawing.
        double total = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                total += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                   std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            }
        const double mean = total / (double(size) * size);
        QVERIFY2(mean < 1.5, qPrintable(QStringLiteral("mean difference %1").arg(mean)));
        // The corners are the transparent ground, the middle is the sheet.
        QCOMPARE(qAlpha(b.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(b.pixel(size / 2, size / 2)), 255);
    }
};

QTEST_GUILESS_MAIN(GeneratedIconsTest)
#include "test_generated_icons.moc"
