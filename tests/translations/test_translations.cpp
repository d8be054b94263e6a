// Tavrin under the user's language settings: the translation the program loads at start, the wizard's
// lists and captions in that language, and the letter Finish writes. CTest runs this program once per
// environment and names the language it must end up in (TAVRIN_EXPECTED_LANGUAGE, empty for English).

#include "builder/form1.h"
#include "builder/lettertexts.h"
#include "shell/program.h"
#include "tests/wizard/fakehost.h"
#include "translations/translations.h"
#include "wizard/frmmain.h"
#include "word/engine/docx.h"
#include "word/engine/engine.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace tavrin;

namespace {

QString expectedLanguage() {
    return qEnvironmentVariable("TAVRIN_EXPECTED_LANGUAGE");
}
bool translated() {
    return !expectedLanguage().isEmpty();
}

int sentences(const QString& text) {
    static const QRegularExpression end(QStringLiteral("[.!?](\\s|$)"));
    return int(text.count(end));
}

struct Lists {
    QStringList salutations, categories, paragraphs, conclusions, closings;
};
Lists currentLists() {
    return {texts::salutationEntries(), texts::contentCategories(), texts::sampleParagraphs(),
            texts::conclusionEntries(), texts::closingEntries()};
}

QStringList currentPlaceholders() {
    return {texts::recipientNamePlaceholder(), texts::recipientAddressPlaceholder(),
            texts::salutationPlaceholder(),    texts::contentPlaceholder(),
            texts::conclusionPlaceholder(),    texts::closingPlaceholder(),
            texts::writerNamePlaceholder(),    texts::writerAddressPlaceholder(),
            texts::informationPlaceholder(),   texts::namesPlaceholder(),
            texts::namePlaceholder(),          texts::signatureMark()};
}

// What a caption needs across: its text, and for a check box or option its indicator, for a button its
// frame. Qt's own minimum button width is no part of it: the wizard's buttons are narrower than that.
int neededWidth(const QWidget* control) {
    const QStyle* style = control->style();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->fontMetrics().horizontalAdvance(label->text());
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    const int text = button->fontMetrics().horizontalAdvance(button->text());
    if (qobject_cast<const QPushButton*>(control))
        return text + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control) +
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
    const bool radio = control->inherits("QRadioButton");
    return text +
           style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr,
                              control) +
           style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing,
                              nullptr, control);
}

QString captionOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

// Every control of the wizard that shows a caption, by name, with its place on the form.
QHash<QString, QRect> captionedControls(const QWidget* form) {
    QHash<QString, QRect> controls;
    for (const QWidget* control : form->findChildren<QWidget*>())
        if (!captionOf(control).isEmpty())
            controls.insert(control->objectName(), control->geometry());
    return controls;
}

class RecordingUserInterface : public UserInterface {
public:
    void messageBox(const QString& text) override { messages << text; }
    void resetMousePointer() override {}
    QStringList messages;
};

template <class Control> Control* wizardControl(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == u"FrmMain" && window->isVisible())
            return window->findChild<Control*>(name);
    return nullptr;
}

QString letterText(const word::engine::DocumentModel& model) {
    QStringList lines;
    for (const auto& block : model.body)
        if (const auto* paragraph = std::get_if<word::engine::Paragraph>(&block)) {
            QString line;
            for (const auto& item : paragraph->content)
                if (const auto* run = std::get_if<word::engine::TextRun>(&item))
                    line += run->text;
            lines << line;
        }
    return lines.join(u'\n');
}

// The locale dates are written in: LC_ALL, LC_TIME or LANG, whichever is set first; LANGUAGE picks
// only the language of the texts.
QString timeLocale() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"})
        if (const QString value = qEnvironmentVariable(variable); !value.isEmpty())
            return value.section(u'.', 0, 0);
    return {};
}

// The short date form a letter writer of the locale expects.
QString dateFormOf(const QString& localeName) {
    static const QHash<QString, QString> forms = {{QStringLiteral("ru_RU"), QStringLiteral("dd.MM.yyyy")},
                                                  {QStringLiteral("de_DE"), QStringLiteral("dd.MM.yy")},
                                                  {QStringLiteral("en_US"), QStringLiteral("M/d/yy")},
                                                  {QStringLiteral("en_GB"), QStringLiteral("dd/MM/yyyy")},
                                                  {QStringLiteral("fr_FR"), QStringLiteral("dd/MM/yyyy")}};
    return forms.value(localeName);
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

    std::optional<Translations> translations_;
    Lists english_;
    QStringList englishPlaceholders_;
    QHash<QString, QRect> englishControls_;
    QTemporaryDir home_;

private slots:
    void initTestCase() {
        testing::FakeHost host;
        englishControls_ = captionedControls(std::make_unique<FrmMain>(host).get());
        english_ = currentLists();
        englishPlaceholders_ = currentPlaceholders();
        translations_.emplace(); // from the system's UI languages, as the program does at start
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/.config")).toLocal8Bit());
    }

    void loadsTheFirstShippedLanguageOrNone() {
        QCOMPARE(translations_->language(), expectedLanguage());
        // Qt's own texts come in the same language, or not at all.
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        if (expectedLanguage() == u"ru")
            QCOMPARE(cancel, QStringLiteral("Отмена"));
        else if (expectedLanguage() == u"de")
            QCOMPARE(cancel, QStringLiteral("Abbrechen"));
        else
            QCOMPARE(cancel, QStringLiteral("Cancel"));
    }

    void listsKeepTheirShape_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("english");
        const Lists lists = currentLists();
        QTest::newRow("salutations") << lists.salutations << english_.salutations;
        QTest::newRow("categories") << lists.categories << english_.categories;
        QTest::newRow("paragraphs") << lists.paragraphs << english_.paragraphs;
        QTest::newRow("conclusions") << lists.conclusions << english_.conclusions;
        QTest::newRow("closings") << lists.closings << english_.closings;
    }
    void listsKeepTheirShape() {
        QFETCH(QStringList, list);
        QFETCH(QStringList, english);
        if (!translated()) {
            QCOMPARE(list, english);
            return;
        }
        QCOMPARE(list.size(), english.size());
        for (qsizetype p = 0; p < list.size(); ++p) {
            const QString& entry = list[p];
            if (english[p].trimmed().isEmpty()) {
                QCOMPARE(entry, english[p]); // the empty entries and the single space
                continue;
            }
            QVERIFY2(!entry.trimmed().isEmpty() && entry.trimmed() == entry, qPrintable(entry));
            QVERIFY2(!entry.contains(u'\n') && !entry.contains(u'\r'), qPrintable(entry));
            QCOMPARE(entry.count(texts::NameMark), english[p].count(texts::NameMark));
            const qsizetype mark = english[p].indexOf(texts::NameMark);
            if (mark == 0)
                QVERIFY2(entry.startsWith(texts::NameMark), qPrintable(entry));
            else if (mark > 0)
                QVERIFY2(entry.contains(u' ' + texts::NameMark), qPrintable(entry));
            if (english[p] != texts::NameMark)
                QVERIFY2(entry != english[p], qPrintable(entry + QStringLiteral(" is still English")));
        }
        QCOMPARE(QSet<QString>(list.begin(), list.end()).size(),
                 QSet<QString>(english.begin(), english.end()).size());
    }

    void sampleParagraphsReadAsTheEnglishDo_data() {
        QTest::addColumn<int>("category");
        for (int k = 1; k <= 7; ++k)
            QTest::addRow("category %d", k) << k;
    }
    void sampleParagraphsReadAsTheEnglishDo() {
        QFETCH(int, category);
        const QString paragraph = texts::sampleParagraphs().at(category);
        const int count = sentences(paragraph);
        QVERIFY2(count >= 3 && count <= 5, qPrintable(QStringLiteral("%1: %2").arg(count).arg(paragraph)));
        QVERIFY(paragraph.at(0).isUpper());
        if (category == 5) {
            QCOMPARE(paragraph.count(texts::InformationMark), 1);
            QCOMPARE(paragraph.count(u'_'), 1);
            QVERIFY2(paragraph.startsWith(paragraph.section(u' ', 0, 0) + texts::InformationMark),
                     qPrintable(paragraph));
        } else {
            QVERIFY(!paragraph.contains(u'_'));
        }
    }

    // A German closing takes no comma; a Russian letter opens with a form of "Дорогой" or "Уважаемый" and
    // ends with "С уважением," or a warmer form.
    void salutationsAndClosingsFollowTheLanguage() {
        const Lists lists = currentLists();
        if (expectedLanguage() == u"de") {
            for (const QString& line : lists.closings)
                QVERIFY2(!line.endsWith(u','), qPrintable(line));
            QCOMPARE(lists.closings[14], QStringLiteral("Mit freundlichen Grüßen"));
        } else if (expectedLanguage() == u"ru") {
            for (int k = 1; k <= 6; ++k)
                QVERIFY2(lists.salutations[k].startsWith(QStringLiteral("Дорог")) ||
                             lists.salutations[k].startsWith(QStringLiteral("Уважаем")),
                         qPrintable(lists.salutations[k]));
            QCOMPARE(lists.closings[14], QStringLiteral("С уважением,"));
        } else {
            QCOMPARE(lists.closings[14], QStringLiteral("Sincerely yours,"));
        }
    }

    void placeholdersStayBracketed() {
        const QStringList placeholders = currentPlaceholders();
        if (!translated()) {
            QCOMPARE(placeholders, englishPlaceholders_);
            return;
        }
        for (qsizetype k = 0; k < placeholders.size(); ++k) {
            const QString& placeholder = placeholders[k];
            QVERIFY2(placeholder.startsWith(u'[') && placeholder.trimmed().endsWith(u']'),
                     qPrintable(placeholder));
            QCOMPARE(placeholder.count(u'['), 1);
            QCOMPARE(placeholder.count(u']'), 1);
            QCOMPARE(placeholder.endsWith(u' '), englishPlaceholders_[k].endsWith(u' '));
            QVERIFY2(placeholder != englishPlaceholders_[k], qPrintable(placeholder));
        }
    }

    // Translated captions are shortened to fit; no control is moved or made larger for them.
    void everyCaptionFitsItsControl() {
        testing::FakeHost host;
        FrmMain form(host);
        form.Form_Load();
        QCOMPARE(form.windowTitle() == u"Tavrin for Microsoft Word", !translated());
        const QHash<QString, QRect> controls = captionedControls(&form);
        QCOMPARE(QSet<QString>(controls.keyBegin(), controls.keyEnd()),
                 QSet<QString>(englishControls_.keyBegin(), englishControls_.keyEnd()));
        QStringList misfits;
        for (const QWidget* control : form.findChildren<QWidget*>()) {
            const QString caption = captionOf(control);
            if (caption.isEmpty())
                continue;
            const QString what = QStringLiteral("%1 \"%2\": %3 of %4 pixels")
                                     .arg(control->objectName(), caption)
                                     .arg(neededWidth(control))
                                     .arg(control->width());
            if (qEnvironmentVariableIsSet("TAVRIN_SHOW_CAPTIONS"))
                qInfo("%s", qPrintable(what));
            // A label whose English caption is wider than its box has grown to the right; a translation
            // may leave it narrower, never wider.
            const QRect english = englishControls_.value(control->objectName());
            if (control->pos() != english.topLeft() || control->height() != english.height() ||
                control->width() > english.width())
                misfits << what + QStringLiteral(", moved or grown from ") + QString::number(english.width());
            else if (neededWidth(control) > control->width())
                misfits << what;
        }
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));
    }

    // The category the user picks is shown whole in its list.
    void everyCategoryFitsItsList() {
        testing::FakeHost host;
        FrmMain form(host);
        auto* list = form.findChild<QComboBox*>(QStringLiteral("ContentCombo"));
        QVERIFY(list);
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width();
        for (int k = 1; k < list->count(); ++k) {
            const int needed = list->fontMetrics().horizontalAdvance(list->itemText(k));
            QVERIFY2(needed <= room,
                     qPrintable(
                         QStringLiteral("%1: %2 of %3 pixels").arg(list->itemText(k)).arg(needed).arg(room)));
        }
    }

    void finishWritesTheLetterInTheLanguage() {
        QDir documents(home_.path() + QStringLiteral("/Documents"));
        documents.removeRecursively();
        QTimer::singleShot(0, [] {
            auto* salutation = wizardControl<QComboBox>(QStringLiteral("SalutationCombo"));
            auto* closing = wizardControl<QComboBox>(QStringLiteral("ClosingCombo"));
            auto* style = wizardControl<QAbstractButton>(QStringLiteral("OptElegant"));
            auto* finish = wizardControl<QPushButton>(QStringLiteral("cmdFinish"));
            QVERIFY(salutation && closing && style && finish);
            style->setChecked(true); // a style that signs the letter
            salutation->setCurrentIndex(4);
            closing->setCurrentIndex(14);
            QTest::mouseClick(finish, Qt::LeftButton);
        });
        word::engine::Engine wordProcessor;
        RecordingUserInterface ui;
        word::engine::Desktop desktop;
        desktop.documentsFolder = documents.path();
        desktop.open = [](const QString&) { return word::engine::Opened(); };
        desktop.print = [](const QString&) {};
        QCOMPARE(runProgram(
                     wordProcessor, ui,
                     [&] { return word::engine::handOverOpenDocuments(wordProcessor, desktop); }, desktop),
                 0);
        QCOMPARE(ui.messages, QStringList());

        const QStringList letters = documents.entryList({QStringLiteral("*.docx")}, QDir::Files);
        QCOMPARE(letters.size(), 1);
        const QString letter = letterText(word::engine::openDocx(documents.filePath(letters.first())));
        const Lists lists = currentLists();
        const QString dateForm = dateFormOf(timeLocale());
        QVERIFY2(!dateForm.isEmpty(), qPrintable(timeLocale()));
        for (const QString& expected :
             {texts::recipientNamePlaceholder(), texts::recipientAddressPlaceholder(),
              texts::contentPlaceholder(), texts::signatureMark(), lists.salutations[4], lists.closings[14],
              QDate::currentDate().toString(dateForm)})
            QVERIFY2(letter.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + letter));
        QCOMPARE(letter.contains(QStringLiteral("[Click here and type")), !translated());
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
