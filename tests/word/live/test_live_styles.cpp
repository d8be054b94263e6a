// Every style built live in LibreOffice Writer gives the letter the built-in engine gives: the same
// paragraphs in the same order with the same formats, fonts, tables, pictures and lines. Both letters are
// saved as .docx by their own word processor (the live one through Writer's filter) and read back with
// the engine's reader.

#include "livetesting.h"
#include "tests/builder/styles/styledletter.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavrin::testing {
namespace {

enum class Variant { EverythingCentred, RightWithoutRecipientOrDate, LeftWithoutWriterAllPlaceholders };

struct Case {
    Style style;
    Variant variant;
};

std::string nameOf(const ::testing::TestParamInfo<Case>& info) {
    static const char* variants[] = {"EverythingCentred", "RightWithoutRecipientOrDate",
                                     "LeftWithoutWriterAllPlaceholders"};
    return styleName(info.param.style).toStdString() + "_" + variants[int(info.param.variant)];
}

WizardChoices choicesFor(const Case& c) {
    WizardChoices choices = sampleChoices(c.style);
    switch (c.variant) {
    case Variant::EverythingCentred:
        break;
    case Variant::RightWithoutRecipientOrDate:
        choices.selectAlignment(Alignment::Right);
        choices.checkOmit = 1;
        choices.checkDate = 0;
        break;
    case Variant::LeftWithoutWriterAllPlaceholders:
        choices.selectAlignment(Alignment::Left);
        choices.checkOmit2 = 1;
        choices.recNameText.clear();
        choices.recAddressText.clear();
        choices.text1.clear();
        choices.nameText.clear();
        choices.addressText.clear();
        break;
    }
    return choices;
}

// One LibreOffice for the whole run, started by the first letter.
PrivateOffice* office = nullptr;

int borderColour(const word::Ref<word::Document>& document, bool inside) {
    const auto borders = document->Tables()->Item(1)->Borders();
    return inside ? borders->InsideColorIndex() : borders->OutsideColorIndex();
}

class LiveStyles : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        if (const auto why = whyLiveTestsCannotRun())
            GTEST_SKIP() << "Live tests need LibreOffice: " << why->toStdString();
    }
    QTemporaryDir folder;
};

TEST_P(LiveStyles, LiveLetterIsTheBuiltInEnginesLetter) {
    const WizardChoices choices = choicesFor(GetParam());

    word::engine::Engine engine;
    LetterRun onEngine(engine);
    onEngine.build(choices);
    const word::Ref<word::Document> engineLetter = engine.Global()->ActiveDocument();
    const auto expected = readBack(engineLetter, folder.path(), QStringLiteral("engine.docx"));

    ToldMessages told;
    word::live::ChoosingProvider provider(office->settings(), told.teller());
    LetterRun live(provider);
    live.build(choices);
    ASSERT_EQ(provider.backend(), word::live::ChoosingProvider::Backend::Live)
        << provider.whyBuiltIn().toStdString();
    EXPECT_TRUE(told.messages.isEmpty()) << told.messages.join(u'\n').toStdString();
    // The assembly unloads Form1, which lets its references go: the letter is the active document.
    const word::Ref<word::Document> liveLetter = provider.Global()->ActiveDocument();
    ASSERT_FALSE(liveLetter.isEmpty());
    const auto actual = readBack(liveLetter, folder.path(), QStringLiteral("live.docx"));

    const QStringList differences = documentDifferences(expected, actual);
    EXPECT_TRUE(differences.isEmpty()) << differences.join(u'\n').toStdString();
    if (GetParam().style != Style::Simple) {
        EXPECT_EQ(borderColour(liveLetter, true), borderColour(engineLetter, true));
        EXPECT_EQ(borderColour(liveLetter, false), borderColour(engineLetter, false));
    }
    // The picture files are gone, as after a letter of the engine.
    EXPECT_EQ(live.programDirectory.path().isEmpty(), false);
    EXPECT_TRUE(QDir(live.programDirectory.path()).isEmpty(QDir::Files | QDir::Hidden));
    liveLetter->Close(false);
}

std::vector<Case> allCases() {
    std::vector<Case> cases;
    for (Style style : AllStyles)
        for (Variant variant : {Variant::EverythingCentred, Variant::RightWithoutRecipientOrDate,
                                Variant::LeftWithoutWriterAllPlaceholders})
            cases.push_back({style, variant});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, LiveStyles, ::testing::ValuesIn(allCases()), nameOf);

} // namespace
} // namespace tavrin::testing

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        tavrin::testing::PrivateOffice office(QStringLiteral("styles"));
        tavrin::testing::office = &office;
        result = RUN_ALL_TESTS();
    }
    return tavrin::testing::endLiveOfficeCleanly() ? result : 1;
}
