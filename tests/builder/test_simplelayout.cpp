// The Simple layout on the built-in engine's document, from the wizard's snapshot through Finish's own
// sequence: paragraph texts in order, every paragraph's format, and the font of every run and mark.

#include "builder/form1.h"
#include "builder/ignoreerror.h"
#include "builder/lettertexts.h"
#include "word/engine/engine.h"

#include <QDate>
#include <QLocale>
#include <QTest>

#include <functional>

using tavrin::WizardChoices;
using Changes = std::function<void(WizardChoices&)>;
Q_DECLARE_METATYPE(Changes)

namespace {

namespace t = tavrin::texts;

class SilentUi : public tavrin::UserInterface {
public:
    void messageBox(const QString& text) override { messages.append(text); }
    void resetMousePointer() override {}
    QStringList messages;
};

QString paragraphText(const word::engine::Paragraph& paragraph) {
    QString text;
    for (const word::engine::Inline& piece : paragraph.content)
        text += std::get<word::engine::TextRun>(piece).text;
    return text;
}

const word::engine::CharFormat TimesTenBlack{QStringLiteral("Times New Roman"), 10.0f, word::wdBlack, false};

word::engine::ParaFormat letterFormat(int alignment) {
    word::engine::ParaFormat format;
    format.alignment = alignment;
    format.lineSpacingRule = word::wdLineSpace1pt5;
    return format;
}

// A letter with short texts, so that the expected paragraphs read at a glance.
WizardChoices letter(const Changes& changes) {
    WizardChoices c;
    c.recNameText = "Ann";
    c.recAddressText = "1 High St\r\nLeeds";
    c.checkOther1 = 1;
    c.text1 = "Body.";
    c.checkOther2 = 1;
    c.checkOther3 = 1;
    c.nameText = "Bob";
    c.addressText = "Kyiv";
    changes(c);
    return c;
}

} // namespace

class SimpleLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void writesTheLetter_data();
    void writesTheLetter();
};

void SimpleLayoutTest::writesTheLetter_data() {
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<bool>("alreadyRunning");
    QTest::addColumn<QStringList>("paragraphs"); // "{date}" stands for today's short date
    QTest::addColumn<int>("alignment");

    const QString S = t::salutationPlaceholder(), C = t::conclusionPlaceholder(), L = t::closingPlaceholder();
    const QStringList closingBlock{C, L, "Bob", "Kyiv", "", ""};
    const QStringList body = QStringList{S, "Body.", "", "", ""} + closingBlock;
    const QStringList recipient{"Ann", "1 High St", "Leeds", "", "", "", ""};

    QTest::newRow("date line, then the recipient's name")
        << Changes([](WizardChoices&) {}) << false << QStringList{"{date}"} + recipient + body << 1;
    QTest::newRow("recipient left out: no date either, the empty paragraph, then the salutation")
        << Changes([](WizardChoices& c) { c.checkOmit = 1; }) << false << QStringList{""} + body << 1;
    QTest::newRow("no date line: empty first line, name on the second") << Changes([](WizardChoices& c) {
        c.checkDate = 0, c.optAlignCenter = false, c.optAlignRight = true;
    }) << false << QStringList{""} + recipient + body << 2;
    QTest::newRow("greyed date box counts as unchecked") << Changes([](WizardChoices& c) { c.checkDate = 2; })
                                                         << false << QStringList{""} + recipient + body << 1;
    QTest::newRow("writer left out: the block ends with the closing") << Changes([](WizardChoices& c) {
        c.checkOmit2 = 1, c.optAlignCenter = false, c.optAlignLeft = true;
    }) << false << QStringList{"{date}"} + recipient + QStringList{S, "Body.", "", "", "", C, L, "", ""}
                                                                      << 0;
    QTest::newRow("empty salutation: empty line, then the body")
        << Changes([](WizardChoices& c) { c.checkOther1 = 0; }) << false
        << QStringList{"{date}"} + recipient + QStringList{"", "Body.", "", "", ""} + closingBlock << 1;
    QTest::newRow("application already running: written into it, visibility left")
        << Changes([](WizardChoices&) {}) << true << QStringList{"{date}"} + recipient + body << 1;
}

void SimpleLayoutTest::writesTheLetter() {
    QFETCH(Changes, changes);
    QFETCH(bool, alreadyRunning);
    QFETCH(QStringList, paragraphs);
    QFETCH(int, alignment);

    word::engine::Engine engine;
    tavrin::MBas mBas;
    SilentUi ui;
    tavrin::Form1 form({engine, mBas, ui, QString()});
    if (alreadyRunning)
        engine.CreateApplication();

    tavrin::ignoreError([&] { form.Command1_Click(); });
    mBas.alignment = 0;
    const QString before = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    tavrin::ignoreError([&] { form.Sapolnenie(letter(changes)); });
    const QString after = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);

    QVERIFY(ui.messages.isEmpty());
    QVERIFY(!form.isLoaded());
    const std::vector<word::engine::EngineDocument> documents = engine.documents();
    QCOMPARE(documents.size(), 1u);
    QCOMPARE(documents[0].applicationVisible, !alreadyRunning);
    QVERIFY(!documents[0].closed); // unloading Form1 closes nothing
    const word::engine::DocumentModel& model = word::engine::modelOf(documents[0].document);

    QStringList texts;
    for (const word::engine::Block& block : model.body) {
        const auto& paragraph = std::get<word::engine::Paragraph>(block);
        texts.append(paragraphText(paragraph));
        QCOMPARE(paragraph.format, letterFormat(alignment));
        QCOMPARE(paragraph.markFormat, TimesTenBlack);
        for (const word::engine::Inline& piece : paragraph.content)
            QCOMPARE(std::get<word::engine::TextRun>(piece).format, TimesTenBlack);
    }
    if (paragraphs.first() == "{date}") {
        QVERIFY2(texts.first() == before || texts.first() == after, qPrintable(texts.first()));
        QVERIFY(!texts.first().isEmpty());
        paragraphs.first() = texts.first();
    }
    QCOMPARE(texts, paragraphs);
    QVERIFY(model.shapes.empty());
}

QTEST_GUILESS_MAIN(SimpleLayoutTest)
#include "test_simplelayout.moc"
