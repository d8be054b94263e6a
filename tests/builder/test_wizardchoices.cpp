// What the wizard's option states mean to the builder: the alignment and the style, taken from the
// snapshot the way the assembly reads them, and set back the way a click on an option sets them.

#include "builder/wizardchoices.h"

#include <QTest>

#include <optional>

using tavrin::Alignment;
using tavrin::Style;
using tavrin::WizardChoices;

Q_DECLARE_METATYPE(std::optional<Alignment>)
Q_DECLARE_METATYPE(std::optional<Style>)

class WizardChoicesTest : public QObject {
    Q_OBJECT
private slots:
    void alignmentFromTheOptions_data();
    void alignmentFromTheOptions();
    void styleFromTheOptions_data();
    void styleFromTheOptions();
    void selectingAnOptionTurnsTheOthersOff();
    void selectingNoneTurnsEveryOptionOff();
};

void WizardChoicesTest::alignmentFromTheOptions_data() {
    QTest::addColumn<QList<bool>>("centerLeftRight");
    QTest::addColumn<std::optional<Alignment>>("expected");
    const auto row = [](const char* name, QList<bool> options, std::optional<Alignment> expected) {
        QTest::newRow(name) << options << expected;
    };
    row("centred", {true, false, false}, Alignment::Center);
    row("left", {false, true, false}, Alignment::Left);
    row("right", {false, false, true}, Alignment::Right);
    row("none on", {false, false, false}, std::nullopt);
    row("left wins over centred", {true, true, false}, Alignment::Left);
    row("right wins over centred", {true, false, true}, Alignment::Right);
    row("left wins over right", {false, true, true}, Alignment::Left);
    row("all on: left", {true, true, true}, Alignment::Left);
}

void WizardChoicesTest::alignmentFromTheOptions() {
    QFETCH(QList<bool>, centerLeftRight);
    QFETCH(std::optional<Alignment>, expected);
    WizardChoices choices;
    choices.optAlignCenter = centerLeftRight[0];
    choices.optAlignLeft = centerLeftRight[1];
    choices.optAlignRight = centerLeftRight[2];
    QCOMPARE(choices.alignment(), expected);
}

void WizardChoicesTest::styleFromTheOptions_data() {
    // The options in the wizard's order: Simple, Romantic, Dark, Classic, Elegant, Modernistic.
    QTest::addColumn<QList<bool>>("options");
    QTest::addColumn<std::optional<Style>>("expected");
    const auto row = [](const char* name, QList<bool> options, std::optional<Style> expected) {
        QTest::newRow(name) << options << expected;
    };
    row("Simple", {1, 0, 0, 0, 0, 0}, Style::Simple);
    row("Romantic", {0, 1, 0, 0, 0, 0}, Style::Romantic);
    row("Dark", {0, 0, 1, 0, 0, 0}, Style::Dark);
    row("Classic", {0, 0, 0, 1, 0, 0}, Style::Classic);
    row("Elegant", {0, 0, 0, 0, 1, 0}, Style::Elegant);
    row("Modernistic", {0, 0, 0, 0, 0, 1}, Style::Modern);
    row("none on", {0, 0, 0, 0, 0, 0}, std::nullopt);
    row("the first in the wizard's order wins", {0, 0, 1, 0, 0, 1}, Style::Dark);
    row("Simple wins over all", {1, 1, 1, 1, 1, 1}, Style::Simple);
}

void WizardChoicesTest::styleFromTheOptions() {
    QFETCH(QList<bool>, options);
    QFETCH(std::optional<Style>, expected);
    WizardChoices choices;
    bool* states[] = {&choices.optSimple,  &choices.optRomantic, &choices.optDark,
                      &choices.optClassic, &choices.optElegant,  &choices.optModern};
    for (qsizetype i = 0; i < options.size(); ++i)
        *states[i] = options[i];
    QCOMPARE(choices.style(), expected);
}

void WizardChoicesTest::selectingAnOptionTurnsTheOthersOff() {
    for (Style style : tavrin::AllStyles) {
        WizardChoices choices;
        choices.optSimple = choices.optRomantic = choices.optDark = choices.optClassic = choices.optElegant =
            choices.optModern = true;
        choices.selectStyle(style);
        QCOMPARE(choices.style(), style);
        const int on = choices.optSimple + choices.optRomantic + choices.optDark + choices.optClassic +
                       choices.optElegant + choices.optModern;
        QCOMPARE(on, 1);
    }
    for (Alignment alignment : {Alignment::Left, Alignment::Center, Alignment::Right}) {
        WizardChoices choices;
        choices.optAlignCenter = choices.optAlignLeft = choices.optAlignRight = true;
        choices.selectAlignment(alignment);
        QCOMPARE(choices.alignment(), alignment);
        QCOMPARE(choices.optAlignCenter + choices.optAlignLeft + choices.optAlignRight, 1);
    }
}

void WizardChoicesTest::selectingNoneTurnsEveryOptionOff() {
    WizardChoices choices;
    choices.optSimple = choices.optRomantic = choices.optDark = choices.optClassic = choices.optElegant =
        choices.optModern = true;
    choices.optAlignCenter = choices.optAlignLeft = choices.optAlignRight = true;
    choices.selectStyle(std::nullopt);
    choices.selectAlignment(std::nullopt);
    QVERIFY(!choices.style());
    QVERIFY(!choices.alignment());
}

QTEST_APPLESS_MAIN(WizardChoicesTest)
#include "test_wizardchoices.moc"
