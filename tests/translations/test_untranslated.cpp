// Every text a user reads goes through tr(): the sources lupdate reads are searched for string literals
// that read as words ("LibreOffice is no longer running.", "the path names no file") outside a
// translating call. Each one found must be listed, with the reason it is not translated, in
// untranslated-allowed.txt; a message that loses its tr() shows up here even after update_translations
// has dropped it from the .ts files.

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Literal {
    QString text; // as written, adjacent literals joined, escapes kept
    int line = 0;
    QString call; // the function or macro it is an argument of, without its scope
};

bool isIdentifierCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// The name in front of an opening parenthesis: "translate" for "QCoreApplication::translate (".
QString calledName(const QString& source, qsizetype parenthesis) {
    qsizetype end = parenthesis;
    while (end > 0 && source[end - 1].isSpace())
        --end;
    qsizetype begin = end;
    while (begin > 0 && isIdentifierCharacter(source[begin - 1]))
        --begin;
    return source.mid(begin, end - begin);
}

// The string literals of a C++ source with the call each sits in; comments, character literals and
// preprocessor lines are skipped.
class LiteralScanner {
public:
    explicit LiteralScanner(const QString& source) : s_(source) {}

    QList<Literal> literals() {
        while (i_ < s_.size()) {
            if (startsWith(u"//") || atLineStart(u'#'))
                skipPast(u"\n");
            else if (startsWith(u"/*"))
                skipPast(u"*/");
            else if (s_[i_] == u'\'')
                skipCharacterLiteral();
            else if (s_[i_] == u'"')
                found_.append(joinedLiteral());
            else
                followParentheses();
        }
        return found_;
    }

private:
    bool startsWith(QStringView text) const { return QStringView(s_).mid(i_).startsWith(text); }

    bool atLineStart(QChar c) const {
        if (s_[i_] != c)
            return false;
        for (qsizetype k = i_ - 1; k >= 0 && s_[k] != u'\n'; --k)
            if (!s_[k].isSpace())
                return false;
        return true;
    }

    void skipPast(QStringView end) {
        const qsizetype at = s_.indexOf(end, i_ + 1);
        i_ = at < 0 ? s_.size() : at + end.size();
    }

    void skipCharacterLiteral() {
        const bool digitSeparator =
            i_ > 0 && s_[i_ - 1].isDigit() && i_ + 1 < s_.size() && s_[i_ + 1].isDigit();
        if (digitSeparator) {
            ++i_;
            return;
        }
        ++i_;
        while (i_ < s_.size() && s_[i_] != u'\'')
            i_ += s_[i_] == u'\\' ? 2 : 1;
        ++i_;
    }

    QString oneLiteral() {
        const qsizetype start = ++i_;
        while (i_ < s_.size() && s_[i_] != u'"')
            i_ += s_[i_] == u'\\' ? 2 : 1;
        return s_.mid(start, i_++ - start);
    }

    // "a" "b" and u"a" u"b" are one text, as the compiler joins them.
    Literal joinedLiteral() {
        Literal literal{{}, int(QStringView(s_).left(i_).count(u'\n')) + 1, calls_.value(calls_.size() - 1)};
        for (;;) {
            literal.text += oneLiteral();
            qsizetype next = i_;
            while (next < s_.size() && (s_[next].isSpace() || s_[next] == u'u' || s_[next] == u'L'))
                ++next;
            if (next >= s_.size() || s_[next] != u'"')
                return literal;
            i_ = next;
        }
    }

    void followParentheses() {
        if (s_[i_] == u'(')
            calls_.append(calledName(s_, i_));
        else if (s_[i_] == u')' && !calls_.isEmpty())
            calls_.removeLast();
        ++i_;
    }

    const QString& s_;
    qsizetype i_ = 0;
    QStringList calls_;
    QList<Literal> found_;
};

bool isTranslating(const QString& call) {
    static const QSet<QString> translating{u"tr"_s, u"translate"_s, u"QT_TR_NOOP"_s, u"QT_TRANSLATE_NOOP"_s,
                                           u"QT_TRANSLATE_NOOP3"_s};
    return translating.contains(call);
}

bool readsAsWords(const QString& text) {
    static const QRegularExpression twoWords(QStringLiteral("[A-Za-z]{2,} [A-Za-z]{2,}"));
    return text.contains(twoWords);
}

QList<Literal> untranslatedTexts(const QString& source) {
    QList<Literal> untranslated;
    for (const Literal& literal : LiteralScanner(source).literals())
        if (readsAsWords(literal.text) && !isTranslating(literal.call))
            untranslated.append(literal);
    return untranslated;
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

QStringList translatedSources() {
    return readText(QStringLiteral(TRANSLATED_SOURCES)).split(u'\n', Qt::SkipEmptyParts);
}

QSet<QString> allowedTexts() {
    QSet<QString> allowed;
    for (const QString& line : readText(QStringLiteral(ALLOWED_TEXTS)).split(u'\n'))
        if (!line.isEmpty() && !line.startsWith(u'#'))
            allowed.insert(line);
    return allowed;
}

QString relativePath(const QString& path) {
    return path.mid(QStringLiteral(SOURCE_ROOT "/").size());
}

} // namespace

class UntranslatedTexts : public QObject {
    Q_OBJECT

private slots:
    void findsTextsOutsideTr_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("untranslated");
        QTest::newRow("tr") << u"label->setText(tr(\"Keep the Letter\"));"_s << QStringList{};
        QTest::newRow("translate with a context")
            << u"QCoreApplication::translate(\"HandOver\", \"the path names no file\").arg(x)"_s
            << QStringList{};
        QTest::newRow("marked for a list")
            << u"QT_TRANSLATE_NOOP(\"LetterTexts\", \"Dear World,\"),"_s << QStringList{};
        QTest::newRow("literal") << u"throw Error(QStringLiteral(\"The file is damaged.\"));"_s
                                 << QStringList{u"The file is damaged."_s};
        QTest::newRow("argument of a translated text")
            << u"tr(\"Saved in %1.\").arg(QStringLiteral(\"your home folder\"))"_s
            << QStringList{u"your home folder"_s};
        QTest::newRow("joined lines") << u"f(u\"LibreOffice stopped \"\n  u\"working.\"_s);"_s
                                      << QStringList{u"LibreOffice stopped working."_s};
        QTest::newRow("escaped quote") << u"f(QStringLiteral(\"\\\"%1\\\" is not a file\"), ')');"_s
                                       << QStringList{u"\\\"%1\\\" is not a file"_s};
        QTest::newRow("after a digit separator")
            << u"int n = 200'000; f(QStringLiteral(\"Too many cells.\"));"_s
            << QStringList{u"Too many cells."_s};
        QTest::newRow("comments, includes, identifiers")
            << u"#include \"a file.h\"\n// \"Not this\"\n/* \"nor this\" */ const char c = '\"';"_s
            << QStringList{};
    }
    void findsTextsOutsideTr() {
        QFETCH(QString, source);
        QFETCH(QStringList, untranslated);
        QStringList found;
        for (const Literal& literal : untranslatedTexts(source))
            found.append(literal.text);
        QCOMPARE(found, untranslated);
    }

    void everyMessageGoesThroughTr_data() {
        QTest::addColumn<QString>("path");
        for (const QString& path : translatedSources())
            QTest::newRow(qPrintable(relativePath(path))) << path;
    }
    void everyMessageGoesThroughTr() {
        QFETCH(QString, path);
        static const QSet<QString> allowed = allowedTexts();
        QStringList untranslated;
        for (const Literal& literal : untranslatedTexts(readText(path)))
            if (!allowed.contains(literal.text))
                untranslated.append(
                    u"%1:%2: %3"_s.arg(relativePath(path)).arg(literal.line).arg(literal.text));
        if (!untranslated.isEmpty())
            QFAIL(qPrintable(u"Texts outside tr() (translate them, or list them with the reason in "
                             "untranslated-allowed.txt):\n"_s +
                             untranslated.join(u'\n')));
    }

    // An entry no source has any more would let a new message of the same words through unseen.
    void everyAllowedTextIsInTheSources() {
        QSet<QString> inSources;
        for (const QString& path : translatedSources())
            for (const Literal& literal : untranslatedTexts(readText(path)))
                inSources.insert(literal.text);
        QStringList stale;
        for (const QString& text : allowedTexts())
            if (!inSources.contains(text))
                stale.append(text);
        stale.sort();
        QVERIFY2(stale.isEmpty(), qPrintable(u"Allowed, but in no source:\n"_s + stale.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(UntranslatedTexts)
#include "test_untranslated.moc"
