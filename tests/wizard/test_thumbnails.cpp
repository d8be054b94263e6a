// The page pictures of the layout page.

#include "artwork/artwork.h"
#include "wizard/thumbnails.h"
#include "wizardfixture.h"

#include <QLabel>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// The smallest rectangle holding every pixel of the colour within the given rows.
QRect boundsOf(const QImage& image, const QColor& colour, int fromRow = 0) {
    QRect bounds;
    for (int y = fromRow; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class ThumbnailsTest : public QObject {
    Q_OBJECT
private slots:
    void drawing_data() {
        QTest::addColumn<LetterLayout>("layout");
        QTest::addColumn<QString>("blockSide");
        QTest::addColumn<QString>("footSide");
        QTest::newRow("centered") << LetterLayout::Centered << "centre"
                                  << "left";
        QTest::newRow("flush left") << LetterLayout::FlushLeft << "left"
                                    << "left";
        QTest::newRow("flush right") << LetterLayout::FlushRight << "right"
                                     << "right";
    }
    void drawing() {
        QFETCH(LetterLayout, layout);
        QFETCH(QString, blockSide);
        QFETCH(QString, footSide);
        const QImage image = layoutThumbnail(layout);
        QCOMPARE(image.size(), QSize(86, 102));
        QCOMPARE(image.depth(), 24);

        const QRect block = boundsOf(image, thumbnail::HeadingBlock);
        QVERIFY(!block.isEmpty());
        QVERIFY(block.bottom() < image.height() / 4);
        const int leftGap = block.left();
        const int rightGap = image.width() - 1 - block.right();
        if (blockSide == u"centre")
            QVERIFY(qAbs(leftGap - rightGap) <= 1);
        else if (blockSide == u"left")
            QVERIFY(leftGap < rightGap / 3);
        else
            QVERIFY(rightGap < leftGap / 3);

        const QRect foot = boundsOf(image, thumbnail::FootLine);
        QVERIFY(foot.top() > image.height() * 3 / 4);
        QVERIFY(foot.width() < image.width() / 2);
        QCOMPARE(boundsOf(image, thumbnail::FootLine, foot.top()).height(), foot.height());
        if (footSide == u"left")
            QVERIFY(foot.right() < image.width() / 2);
        else
            QVERIFY(foot.left() > image.width() / 2);
    }

    void layoutPageShowsThem() {
        Wizard w;
        const LetterLayout layouts[] = {LetterLayout::Centered, LetterLayout::FlushLeft,
                                        LetterLayout::FlushRight};
        for (int k = 0; k < 3; ++k) {
            auto* picture = w.control<QLabel>(QStringLiteral("Picture1(%1)").arg(k));
            QCOMPARE(picture->parentWidget(), w.page(0));
            QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
                     layoutThumbnail(layouts[k]));
        }
    }

    void stylePageShowsEachStylesPreview_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<artwork::StylePreview>("style");
        QTest::newRow("Classic") << 3 << artwork::StylePreview::Classic;
        QTest::newRow("Romantic") << 4 << artwork::StylePreview::Romantic;
        QTest::newRow("Elegant") << 5 << artwork::StylePreview::Elegant;
        QTest::newRow("Modernistic") << 6 << artwork::StylePreview::Modernistic;
        QTest::newRow("Dark") << 7 << artwork::StylePreview::Dark;
    }

    void stylePageShowsEachStylesPreview() {
        QFETCH(int, index);
        QFETCH(artwork::StylePreview, style);
        Wizard w;
        auto* picture = w.control<QLabel>(QStringLiteral("Picture1(%1)").arg(index));
        QCOMPARE(picture->parentWidget(), w.page(7));
        const QImage expected = artwork::preview(style);
        QVERIFY(!expected.isNull());
        QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
                 expected.convertToFormat(QImage::Format_RGB888));
    }
};

QTEST_MAIN(ThumbnailsTest)
#include "test_thumbnails.moc"
