// The wording of the wizard's sample lists and the rules it has to keep.

#include "builder/lettertexts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

using namespace tavrin;

namespace {

int sentences(const QString& text) {
    static const QRegularExpression end(QStringLiteral("[.!?](\\s|$)"));
    return int(text.count(end));
}

class GermanTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override {
        if (QByteArray(context) == "LetterTexts" && QByteArray(sourceText) == "Sincerely yours,")
            return QStringLiteral("Mit freundlichen Grüßen");
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class LetterTextsTest : public QObject {
    Q_OBJECT
private slots:
    void listSizesAndEmptyFirstEntries_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("size");
        QTest::newRow("salutations") << texts::salutationEntries() << 9;
        QTest::newRow("categories") << texts::contentCategories() << 8;
        QTest::newRow("paragraphs") << texts::sampleParagraphs() << 8;
        QTest::newRow("conclusions") << texts::conclusionEntries() << 7;
        QTest::newRow("closings") << texts::closingEntries() << 17;
    }
    void listSizesAndEmptyFirstEntries() {
        QFETCH(QStringList, list);
        QFETCH(int, size);
        QCOMPARE(list.size(), size);
        QCOMPARE(list.first(), QString());
        for (qsizetype i = 0; i < list.size(); ++i)
            QVERIFY2(!list[i].contains(u'\n') && !list[i].contains(u'\r'), qPrintable(list[i]));
    }

    void salutations() {
        const QStringList s = texts::salutationEntries();
        QCOMPARE(s.mid(1, 6), (QStringList{"To Whom It May Concern,", "To _", "Dear _", "Dear Mom and Dad,",
                                           "Dear Family and Friends,", "Dear World,"}));
        QCOMPARE(s[7].size(), 43);
        QCOMPARE(s[8].size(), 46);
        for (int k : {7, 8}) {
            QCOMPARE(sentences(s[k]), 1);
            QVERIFY(s[k].at(0).isUpper());
            QVERIFY(!s[k].contains(u'_'));
        }
    }

    void categoryNames() {
        const QStringList categories = texts::contentCategories();
        static const QRegularExpression keywords(QStringLiteral("^[A-Za-z]+(/[A-Za-z]+){0,2}$"));
        for (int k = 1; k <= 7; ++k)
            QVERIFY2(keywords.match(categories[k]).hasMatch(), qPrintable(categories[k]));
        // The content list finds a category's paragraph by its exact text, so no two may be alike.
        QCOMPARE(QSet<QString>(categories.begin(), categories.end()).size(), categories.size());
    }

    void sampleParagraphs_data() {
        QTest::addColumn<int>("category");
        for (int k = 1; k <= 7; ++k)
            QTest::addRow("paragraph %d", k) << k;
    }
    void sampleParagraphs() {
        QFETCH(int, category);
        const QString paragraph = texts::sampleParagraphs().at(category);
        QVERIFY2(paragraph.size() >= 117 && paragraph.size() <= 192,
                 qPrintable(QString::number(paragraph.size())));
        const int count = sentences(paragraph);
        QVERIFY2(count >= 3 && count <= 5, qPrintable(QString::number(count)));
        QVERIFY(paragraph.at(0).isUpper());
        QCOMPARE(paragraph.trimmed(), paragraph);
        if (category == 5) {
            QCOMPARE(paragraph.count(texts::InformationMark), 1);
            QCOMPARE(paragraph.count(u'_'), 1);
            const QString firstWord = paragraph.section(u' ', 0, 0);
            QVERIFY(paragraph.startsWith(firstWord + texts::InformationMark));
        } else {
            QVERIFY(!paragraph.contains(u'_'));
        }
    }

    void conclusions() {
        const QStringList conclusions = texts::conclusionEntries();
        for (int k = 1; k <= 6; ++k) {
            QVERIFY2(conclusions[k].size() >= 5 && conclusions[k].size() <= 21, qPrintable(conclusions[k]));
            QVERIFY(!conclusions[k].contains(u'_'));
        }
    }

    // Per entry: - empty, s a single space, n a name first, i a name after the opening words, l a plain line.
    void closingEntries() {
        const QString kinds = QStringLiteral("-ln-llsnl-ill-l-l");
        const QStringList entries = texts::closingEntries();
        for (int p = 0; p < entries.size(); ++p) {
            const QString& entry = entries[p];
            const QChar kind = kinds.at(p);
            if (kind == u'-' || kind == u's') {
                QCOMPARE(entry, kind == u's' ? QStringLiteral(" ") : QString());
                continue;
            }
            QVERIFY2(!entry.isEmpty() && entry.trimmed() == entry, qPrintable(entry));
            QVERIFY2(entry.count(u'_') == (kind == u'l' ? 0 : 1), qPrintable(entry));
            const qsizetype mark = entry.indexOf(texts::NameMark);
            if (kind == u'n')
                QCOMPARE(mark, 0);
            if (kind == u'i')
                QVERIFY2(mark > 1 && entry.at(mark - 1) == u' ', qPrintable(entry));
        }
    }

    // The closings' spans cover exactly the entries that are not separators.
    void closingSpans() {
        const QStringList entries = texts::closingEntries();
        QList<int> owner(entries.size(), 0);
        for (int k = 0; k < 6; ++k)
            for (int p = texts::ClosingSpans[k].first; p <= texts::ClosingSpans[k].last; ++p)
                owner[p] = k + 1;
        for (int p = 0; p < entries.size(); ++p)
            QCOMPARE(owner[p] == 0, entries[p].trimmed().isEmpty());
    }

    void entriesAreTranslatedButSeparatorsKept() {
        GermanTranslator german;
        QCoreApplication::installTranslator(&german);
        const QStringList closings = texts::closingEntries();
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(closings[14], QStringLiteral("Mit freundlichen Grüßen"));
        QCOMPARE(closings[6], QStringLiteral(" "));
        QCOMPARE(closings[16], texts::closingEntries().at(16));
    }
};

QTEST_MAIN(LetterTextsTest)
#include "test_lettertexts.moc"
