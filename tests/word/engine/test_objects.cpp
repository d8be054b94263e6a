// The provider, applications, documents, the global object, empty handles and argument checks.

#include "engine_support.h"

#include "word/engine/colorindex.h"

#include <cmath>
#include <limits>

namespace {

using namespace word::engine;
using enginetest::EngineTest;
using enginetest::errorOf;
using Lines = std::vector<std::string>;

// --- Provider ---------------------------------------------------------------------------------------

TEST(Provider, WithoutAnApplicationAttachingFailsWith429) {
    Engine engine;
    EXPECT_EQ(errorOf([&] { engine.GetObject(); }), word::errors::CannotCreateObject);
    EXPECT_EQ(errorOf([&] { engine.Global(); }), word::errors::CannotCreateObject);
}

TEST(Provider, CreatedApplicationIsHiddenAndIsTheOneAttachedTo) {
    Engine engine;
    const auto created = engine.CreateApplication();
    EXPECT_FALSE(created->Visible());
    const auto attached = engine.GetObject();
    attached->setVisible(true);
    EXPECT_TRUE(created->Visible());
    EXPECT_EQ(created->Documents()->Count(), 0);
}

TEST(Provider, CreateDocumentStartsAHiddenApplicationWhenNoneRuns) {
    Engine engine;
    const auto document = engine.CreateDocument();
    const auto application = engine.GetObject();
    EXPECT_FALSE(application->Visible());
    EXPECT_EQ(application->Documents()->Count(), 1);
    EXPECT_EQ(engine.Global()->ActiveDocument()->FullName(), "");
    engine.CreateDocument();
    EXPECT_EQ(application->Documents()->Count(), 2) << "a second document joins the running application";
}

TEST(Provider, GlobalWithoutADocumentFails) {
    Engine engine;
    engine.CreateApplication();
    const auto global = engine.Global();
    EXPECT_EQ(errorOf([&] { global->ActiveDocument(); }), word::errors::CommandFailed);
    EXPECT_EQ(errorOf([&] { global->Selection(); }), word::errors::CommandFailed);
    EXPECT_FLOAT_EQ(global->CentimetersToPoints(0), 0);
}

TEST(Provider, CentimetresToPoints) {
    Engine engine;
    engine.CreateApplication();
    const auto global = engine.Global();
    EXPECT_EQ(global->CentimetersToPoints(0), 0.0f);
    EXPECT_FLOAT_EQ(global->CentimetersToPoints(2.54f), 72);
    EXPECT_FLOAT_EQ(global->CentimetersToPoints(-1), -72 / 2.54f);
    EXPECT_EQ(errorOf([&] { global->CentimetersToPoints(std::nanf("")); }), word::errors::InvalidArgument);
}

TEST(Provider, HandlesOutliveTheEngine) {
    word::Ref<word::Selection> selection;
    {
        Engine engine;
        selection = engine.CreateDocument()->ActiveWindow()->Selection();
    }
    selection->TypeText("still here");
    EXPECT_EQ(selection->Range()->Text(), "");
}

// --- Documents and the active one -------------------------------------------------------------------

TEST_F(EngineTest, AddedDocumentBecomesActiveAndActivateSwitchesBack) {
    const auto application = engine.GetObject();
    const auto second = application->Documents()->Add();
    engine.Global()->Selection()->TypeText("second");
    document->Activate();
    engine.Global()->Selection()->TypeText("first");
    EXPECT_EQ(lines(), Lines{"first"});
    EXPECT_EQ(enginetest::outline(modelOf(second)), Lines{"second"});
    EXPECT_EQ(application->Documents()->Count(), 2);
}

TEST_F(EngineTest, ClosingWithoutSavingRemovesTheDocumentAndActivatesTheOther) {
    const auto application = engine.GetObject();
    const auto second = application->Documents()->Add();
    second->Close(false);
    EXPECT_EQ(application->Documents()->Count(), 1);
    engine.Global()->Selection()->TypeText("into the first");
    EXPECT_EQ(lines(), Lines{"into the first"});
    document->Close(false);
    EXPECT_EQ(errorOf([&] { engine.Global()->ActiveDocument(); }), word::errors::CommandFailed);
}

TEST_F(EngineTest, EveryCallOnAClosedDocumentFails) {
    const auto font = selection->Font();
    const auto paragraphs = selection->ParagraphFormat();
    const auto tables = document->Tables();
    const auto table = tableAtStart(1, 1);
    const auto range = selection->Range();
    const auto window = document->ActiveWindow();
    document->Close(false);
    const std::vector<std::function<void()>> calls = {
        [&] { document->Activate(); },
        [&] { document->ActiveWindow(); },
        [&] { document->Tables(); },
        [&] { document->Shapes(); },
        [&] { document->Save(); },
        [&] { document->Close(false); },
        [&] { (void)document->FullName(); },
        [&] { window->Selection(); },
        [&] { selection->TypeText("x"); },
        [&] { selection->TypeParagraph(); },
        [&] { selection->MoveRight(); },
        [&] { selection->MoveDown(); },
        [&] { selection->EndOf(); },
        [&] { selection->Range(); },
        [&] { font->setBold(true); },
        [&] { (void)font->Name(); },
        [&] { paragraphs->setAlignment(1); },
        [&] { tables->Count(); },
        [&] { table->Cell(1, 1); },
        [&] { table->Borders(); },
        [&] { (void)range->Text(); },
    };
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(errorOf(calls[i]), word::errors::CommandFailed) << "call " << i;
    EXPECT_TRUE(engine.documents().at(0).closed);
}

TEST_F(EngineTest, PrintingIsNotAvailable) {
    EXPECT_EQ(errorOf([&] { document->PrintPreview(); }), word::errors::PrintingFailed);
    EXPECT_EQ(errorOf([&] { document->PrintOut(); }), word::errors::PrintingFailed);
}

TEST_F(EngineTest, NewDocumentCannotBeSavedWithoutAName) {
    selection->TypeText("letter");
    EXPECT_EQ(errorOf([&] { document->Save(); }), word::errors::CommandFailed);
    EXPECT_EQ(errorOf([&] { document->Close(true); }), word::errors::CommandFailed);
    EXPECT_EQ(errorOf([&] { document->SaveAs(" "); }), word::errors::InvalidArgument);
    EXPECT_FALSE(engine.documents().at(0).closed) << "a failed save leaves the document open";
    document->Close(); // changes, but no file of its own: closed without saving
    EXPECT_TRUE(engine.documents().at(0).closed);
}

TEST_F(EngineTest, DocumentsListTellsVisibilityClosingAndChanges) {
    const auto application = engine.GetObject();
    const auto second = application->Documents()->Add();
    selection->TypeText("x");
    second->Close(false);
    application->setVisible(true);
    const auto documents = engine.documents();
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_TRUE(documents[0].applicationVisible);
    EXPECT_FALSE(documents[0].closed);
    EXPECT_TRUE(documents[0].changed);
    EXPECT_TRUE(documents[1].closed);
    EXPECT_FALSE(documents[1].changed);
    EXPECT_EQ(&modelOf(documents[0].document), &model());
}

TEST_F(EngineTest, OpeningAMissingFileFails) {
    EXPECT_EQ(errorOf([&] { engine.GetObject()->Documents()->Open(""); }), word::errors::FileNotFound);
    EXPECT_EQ(errorOf([&] { engine.GetObject()->Documents()->Open("/nonexistent/HI.doc"); }),
              word::errors::FileNotFound);
    EXPECT_EQ(engine.GetObject()->Documents()->Count(), 1);
}

// --- Page -------------------------------------------------------------------------------------------

TEST(Page, MetricIsA4AndImperialIsLetterWithClassicMargins) {
    const PageSetup a4 = pageSetupFor(QLocale::MetricSystem);
    EXPECT_NEAR(a4.width, 595.3, 0.05);
    EXPECT_NEAR(a4.height, 841.9, 0.05);
    for (const auto system : {QLocale::ImperialUSSystem, QLocale::ImperialUKSystem}) {
        const PageSetup letter = pageSetupFor(system);
        EXPECT_EQ(letter.width, 612);
        EXPECT_EQ(letter.height, 792);
    }
    for (const PageSetup& page : {a4, pageSetupFor(QLocale::ImperialUSSystem)}) {
        EXPECT_EQ(page.topMargin, 72);
        EXPECT_EQ(page.bottomMargin, 72);
        EXPECT_EQ(page.leftMargin, 90);
        EXPECT_EQ(page.rightMargin, 90);
    }
}

TEST_F(EngineTest, NewDocumentUsesThePageOfTheSystemLocale) {
    EXPECT_EQ(model().page, pageSetupFor(QLocale::system().measurementSystem()));
}

// --- Empty handles ----------------------------------------------------------------------------------

TEST(EmptyHandle, EveryCallFailsWithObjectNotSet) {
    const std::vector<std::function<void()>> calls = {
        [] { word::Ref<word::Application>()->Documents(); },
        [] { word::Ref<word::Document>()->Activate(); },
        [] { word::Ref<word::Selection>()->TypeText("x"); },
        [] { word::Ref<word::Font>()->setBold(true); },
        [] { word::Ref<word::Table>()->Cell(1, 1); },
        [] { word::Ref<word::Shape>()->Select(); },
        [] { word::Ref<word::Global>()->CentimetersToPoints(0); },
        [] { modelOf(word::Ref<word::Document>()); },
        [] { selectionOf(word::Ref<word::Document>()); },
    };
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(errorOf(calls[i]), word::errors::ObjectNotSet) << "call " << i;
}

// --- Colour indexes ---------------------------------------------------------------------------------

class ColorIndexes : public ::testing::TestWithParam<std::pair<int, QRgb>> {};

TEST_P(ColorIndexes, MapToTheStandardColours) {
    EXPECT_TRUE(isColorIndex(GetParam().first));
    EXPECT_EQ(rgbOfColorIndex(GetParam().first),
              std::optional<QRgb>(
                  qRgb(qRed(GetParam().second), qGreen(GetParam().second), qBlue(GetParam().second))));
}

INSTANTIATE_TEST_SUITE_P(
    Standard, ColorIndexes,
    ::testing::Values(std::pair{word::wdBlack, 0x000000u}, std::pair{word::wdBlue, 0x0000FFu},
                      std::pair{word::wdTurquoise, 0x00FFFFu}, std::pair{word::wdBrightGreen, 0x00FF00u},
                      std::pair{word::wdPink, 0xFF00FFu}, std::pair{word::wdRed, 0xFF0000u},
                      std::pair{word::wdYellow, 0xFFFF00u}, std::pair{word::wdWhite, 0xFFFFFFu},
                      std::pair{word::wdDarkBlue, 0x000080u}, std::pair{word::wdTeal, 0x008080u},
                      std::pair{word::wdGreen, 0x008000u}, std::pair{word::wdViolet, 0x800080u},
                      std::pair{word::wdDarkRed, 0x800000u}, std::pair{word::wdDarkYellow, 0x808000u},
                      std::pair{word::wdGray50, 0x808080u}, std::pair{word::wdGray25, 0xC0C0C0u}));

TEST(ColorIndex, AutomaticHasNoColourAndOthersAreNoIndexes) {
    EXPECT_TRUE(isColorIndex(word::wdAuto));
    EXPECT_EQ(rgbOfColorIndex(word::wdAuto), std::nullopt);
    for (int notAnIndex : {-1, 17, 9999999}) {
        EXPECT_FALSE(isColorIndex(notAnIndex));
        EXPECT_EQ(rgbOfColorIndex(notAnIndex), std::nullopt);
    }
}

// --- Values outside what an operation accepts -------------------------------------------------------

struct BadValue {
    const char* name;
    std::function<void(EngineTest&, word::Ref<word::Selection>&, word::Ref<word::Document>&)> call;
};

class ValueOutsideTheRange : public EngineTest, public ::testing::WithParamInterface<BadValue> {};

TEST_P(ValueOutsideTheRange, FailsWithInvalidArgumentAndChangesNothing) {
    const auto table = tableAtStart(1, 1);
    selection->TypeText("text");
    const DocumentModel before = model();
    EXPECT_EQ(errorOf([&] { GetParam().call(*this, selection, document); }), word::errors::InvalidArgument);
    EXPECT_EQ(model(), before);
}

using S = word::Ref<word::Selection>&;
using D = word::Ref<word::Document>&;
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, ValueOutsideTheRange,
    ::testing::Values(
        BadValue{"EmptyFontName", [](EngineTest&, S s, D) { s->Font()->setName(""); }},
        BadValue{"BlankFontName", [](EngineTest&, S s, D) { s->Font()->setName("   "); }},
        BadValue{"LongFontName", [](EngineTest&, S s, D) { s->Font()->setName(QString(256, u'A')); }},
        BadValue{"FontNameWithControl",
                 [](EngineTest&, S s, D) {
                     s->Font()->setName("Ari\x01"
                                        "al");
                 }},
        BadValue{"FontNameWithBreak", [](EngineTest&, S s, D) { s->Font()->setName("Ari\r\nal"); }},
        BadValue{"FontSizeZero", [](EngineTest&, S s, D) { s->Font()->setSize(0); }},
        BadValue{"FontSizeTooLarge", [](EngineTest&, S s, D) { s->Font()->setSize(1638.5f); }},
        BadValue{"FontSizeNaN", [](EngineTest&, S s, D) { s->Font()->setSize(NaN); }},
        BadValue{"ColorIndex17", [](EngineTest&, S s, D) { s->Font()->setColorIndex(17); }},
        BadValue{"InsideBorderColor",
                 [](EngineTest&, S, D d) { d->Tables()->Item(1)->Borders()->setInsideColorIndex(17); }},
        BadValue{"OutsideBorderColor",
                 [](EngineTest&, S, D d) { d->Tables()->Item(1)->Borders()->setOutsideColorIndex(-2); }},
        BadValue{"Alignment4", [](EngineTest&, S s, D) { s->ParagraphFormat()->setAlignment(4); }},
        BadValue{"LeftIndentTooLarge",
                 [](EngineTest&, S s, D) { s->ParagraphFormat()->setLeftIndent(1585); }},
        BadValue{"RightIndentNaN", [](EngineTest&, S s, D) { s->ParagraphFormat()->setRightIndent(NaN); }},
        BadValue{"SpaceBeforeNegative",
                 [](EngineTest&, S s, D) { s->ParagraphFormat()->setSpaceBefore(-1); }},
        BadValue{"SpaceAfterInfinite",
                 [](EngineTest&, S s, D) { s->ParagraphFormat()->setSpaceAfter(Infinity); }},
        BadValue{"LineSpacingRule3",
                 [](EngineTest&, S s, D) { s->ParagraphFormat()->setLineSpacingRule(3); }},
        BadValue{"OutlineLevel11", [](EngineTest&, S s, D) { s->ParagraphFormat()->setOutlineLevel(11); }},
        BadValue{"LineNaN", [](EngineTest&, S, D d) { d->Shapes()->AddLine(NaN, 0, 10, 10); }},
        BadValue{"LineFarOff", [](EngineTest&, S, D d) { d->Shapes()->AddLine(0, 0, 16001, 10); }}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Shapes -----------------------------------------------------------------------------------------

TEST_F(EngineTest, LinesAreKeptInPageCoordinatesAndSelectable) {
    const auto shapes = document->Shapes();
    shapes->AddLine(50.2f, 270, 540, 270);
    const auto second = shapes->AddLine(50.2f, 700, 540, 700);
    EXPECT_EQ(shapes->Count(), 2);
    ASSERT_EQ(model().shapes.size(), 2u);
    EXPECT_EQ(model().shapes[0], (LineShape{50.2f, 270, 540, 270}));
    second->Select();
    EXPECT_EQ(where().kind, SelectionState::Kind::Shape);
    EXPECT_EQ(where().shape, 1);
}

TEST_F(EngineTest, WithAShapeSelectedTextOperationsFail) {
    document->Shapes()->AddLine(0, 0, 10, 10)->Select();
    EXPECT_EQ(errorOf([&] { selection->TypeText("x"); }), word::errors::CommandFailed);
    EXPECT_EQ(errorOf([&] { selection->TypeParagraph(); }), word::errors::CommandFailed);
    EXPECT_EQ(errorOf([&] { selection->Font()->setBold(true); }), word::errors::CommandFailed);
    EXPECT_EQ(errorOf([&] { selection->ParagraphFormat()->setAlignment(1); }), word::errors::CommandFailed);
    EXPECT_EQ(selection->Tables()->Count(), 0);
    EXPECT_EQ(lines(), Lines{""});
}

} // namespace
