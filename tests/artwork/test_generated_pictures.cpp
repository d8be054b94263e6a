// The committed pictures must be what the committed generator draws: a change to the drawing that
// was not followed by a fresh run of the generator fails here.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

class GeneratedPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void committedPicturesMatchTheGenerator_data();
    void committedPicturesMatchTheGenerator();

private:
    QTemporaryDir generated_;
};

void GeneratedPicturesTest::initTestCase() {
    QVERIFY(generated_.isValid());
    QProcess generator;
    generator.start(QStringLiteral(ARTGEN_PATH), {generated_.path()});
    QVERIFY(generator.waitForFinished(120000));
    QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0,
             generator.readAllStandardError().constData());
}

void GeneratedPicturesTest::committedPicturesMatchTheGenerator_data() {
    QTest::addColumn<QString>("name");
    const QDir committed(QStringLiteral(PICTURES_DIR));
    const QStringList names =
        committed.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.bmp")}, QDir::Files);
    QCOMPARE(names.size(), 15);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void GeneratedPicturesTest::committedPicturesMatchTheGenerator() {
    QFETCH(QString, name);
    const QImage committed =
        QImage(QStringLiteral(PICTURES_DIR "/") + name).convertToFormat(QImage::Format_RGB32);
    const QImage drawn = QImage(generated_.path() + u'/' + name).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!committed.isNull());
    QVERIFY2(!drawn.isNull(), "the generator did not write it");
    QCOMPARE(drawn.size(), committed.size());
    // Allow for small differences in rasterising between library versions, not for a changed drawing.
    double total = 0;
    qsizetype farOff = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(committed.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            const int d = std::max({std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                                    std::abs(qBlue(a[x]) - qBlue(b[x]))});
            total += d;
            farOff += d > 64;
        }
    }
    const double pixels = double(drawn.width()) * drawn.height();
    QVERIFY2(total / pixels < 1.5, qPrintable(QStringLiteral("mean difference %1").arg(total / pixels)));
    QVERIFY2(farOff / pixels < 0.005, qPrintable(QStringLiteral("%1 pixels differ strongly").arg(farOff)));
}

QTEST_GUILESS_MAIN(GeneratedPicturesTest)
#include "test_generated_pictures.moc"
