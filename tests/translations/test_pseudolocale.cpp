// What a user reads, under a made-up language in which every translation of the .ts files is its English
// text in brackets: whatever still reads as English outside the brackets bypassed tr(). The wizard's
// pages catch the one-word captions ("Omit", "Dark") that test_untranslated cannot tell from names.

#include "tests/wizard/wizardfixture.h"
#ifdef TAVRIN_LIVE
#include "word/live/mirror.h"
#endif

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTextEdit>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;
using namespace tavrin::testing;

namespace {

const QString Opening = u"\u27e6"_s, Closing = u"\u27e7"_s;

// Each text of the .ts files translated as itself in brackets; Qt's own texts (its contexts begin with
// a Q) likewise, since Qt's translations are not Tavrin's to check.
class PseudoTranslator : public QTranslator {
public:
    explicit PseudoTranslator(const QStringList& tsFiles) {
        for (const QString& path : tsFiles)
            readTexts(path);
    }

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        const QString text = QString::fromUtf8(source);
        if (text.trimmed().isEmpty())
            return {};
        const QString in = QString::fromUtf8(context);
        if (!in.startsWith(u'Q') && !texts_.contains(in + u'\n' + text))
            return {};
        return Opening + text + Closing;
    }

private:
    void readTexts(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        QXmlStreamReader ts(&file);
        QString context;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == u"name")
                context = ts.readElementText();
            else if (ts.name() == u"source")
                texts_.insert(context + u'\n' + ts.readElementText());
        }
        if (ts.hasError())
            qFatal("%s: %s", qPrintable(path), qPrintable(ts.errorString()));
    }

    QSet<QString> texts_;
};

// The English a text still holds once every bracketed part is taken out, innermost first.
QString englishLeft(QString text) {
    static const QRegularExpression innermost(u"\u27e6[^\u27e6\u27e7]*\u27e7"_s);
    while (text.contains(innermost))
        text.remove(innermost);
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return text.contains(word) ? text.trimmed() : QString();
}

QStringList textsOf(const QWidget* widget) {
    QStringList texts{widget->toolTip()};
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        texts << label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        texts << button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        texts << box->title();
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        texts << line->text() << line->placeholderText();
    if (const auto* edit = qobject_cast<const QTextEdit*>(widget))
        texts << edit->toPlainText();
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        for (int k = 0; k < list->count(); ++k)
            texts << list->itemText(k);
    return texts;
}

// "Frm(3): Label2(1): Name:" for each text of the shown controls that is still English.
QStringList englishShownIn(const QWidget* form, const QWidget* page) {
    QStringList english;
    for (const QWidget* widget : form->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(form))
            continue;
        for (const QString& text : textsOf(widget))
            if (const QString left = englishLeft(text); !left.isEmpty())
                english << u"%1: %2: %3"_s.arg(page->objectName(), widget->objectName(), left);
    }
    return english;
}

} // namespace

class PseudoLocale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        translator_ = std::make_unique<PseudoTranslator>(QStringLiteral(TS_FILES).split(u'|'));
        QVERIFY(QCoreApplication::installTranslator(translator_.get()));
    }

    void bracketsAreTakenOut_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("left");
        QTest::newRow("translated") << Opening + u"Omit"_s + Closing << QString();
        QTest::newRow("nested") << Opening + u"Saved in "_s + Opening + u"your folder"_s + Closing + Closing
                                << QString();
        QTest::newRow("an argument in English")
            << Opening + u"LibreOffice stopped: "_s + Closing + u"the pipe broke"_s << u"the pipe broke"_s;
        QTest::newRow("numbers and marks") << u"12/09/2026 - 3"_s << QString();
    }
    void bracketsAreTakenOut() {
        QFETCH(QString, text);
        QFETCH(QString, left);
        QCOMPARE(englishLeft(text), left);
    }

    void theTranslatorMarksOnlyTavrinsTexts() {
        QCOMPARE(QCoreApplication::translate("tavrin::FrmMain", "Omit"), Opening + u"Omit"_s + Closing);
        QCOMPARE(QCoreApplication::translate("tavrin::FrmMain", "A caption no .ts file has"),
                 u"A caption no .ts file has"_s);
    }

    void everyPageOfTheWizard() {
        Wizard wizard;
        wizard.form->show();
        QStringList english;
        for (int k = 0; k < tavrin::FrmMain::PageCount; ++k) {
            for (int other = 0; other < tavrin::FrmMain::PageCount; ++other)
                wizard.page(other)->setVisible(other == k);
            english << englishShownIn(wizard.form.get(), wizard.page(k));
        }
        english << englishLeft(wizard.form->windowTitle());
        english.removeAll(QString());
        QVERIFY2(english.isEmpty(), qPrintable(u"Shown in English:\n"_s + english.join(u'\n')));
    }

#ifdef TAVRIN_LIVE
    void theMessageWhenLibreOfficeStops() {
        QStringList told;
        word::live::MirrorState state([&told](const QString& message) { told << message; });
        state.lose(word::AutomationError(word::errors::ApplicationUnavailable, u"#9"_s));
        QCOMPARE(told.size(), 1);
        QCOMPARE(englishLeft(told.first()), QString());
    }
#endif

private:
    std::unique_ptr<PseudoTranslator> translator_;
};

QTEST_MAIN(PseudoLocale)
#include "test_pseudolocale.moc"
