// The call sequences the letter layouts rely on, as they make them: through the global object's
// selection and the active document.

#include "builder/macrosabsaz.h"
#include "engine_support.h"

#include <QImage>
#include <QTemporaryDir>

namespace {

using namespace word::engine;
using enginetest::bodyParagraph;
using enginetest::bodyTable;
using enginetest::cellParagraph;
using Lines = std::vector<std::string>;

class LayoutSequence : public ::testing::Test {
protected:
    Engine engine;
    QTemporaryDir folder;
    word::Ref<word::Document> document = engine.CreateDocument();
    word::Ref<word::Global> global;
    word::Ref<word::Selection> selection;

    void SetUp() override {
        document->Activate();
        selection = document->ActiveWindow()->Selection();
        global = engine.Global();
    }

    QString picture(const QString& name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(qRgb(90, 120, 200));
        const QString path = folder.filePath(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    void insertPicture(const QString& path) {
        global->Selection()->InlineShapes()->AddPicture(path, false, true);
    }
    void fontSet(const QString& name, float size) {
        const auto font = selection->Font();
        font->setColorIndex(word::wdBlack);
        font->setName(name);
        font->setSize(size);
    }
    // The shared paragraph format, the builder's own.
    void paragraphFormat(int alignment) { tavrin::letterParagraphFormat(global, alignment); }
    word::Ref<word::Table> bandAtTheStart(int columns) {
        const auto range = global->Selection()->Range();
        const auto table = global->Selection()->Tables()->Add(range, 1, columns);
        selection->Tables()->Item(1)->Borders()->setInsideColorIndex(word::wdWhite);
        selection->Tables()->Item(1)->Borders()->setOutsideColorIndex(word::wdWhite);
        return table;
    }
    word::Ref<word::Cell> cell(int row, int column) {
        return global->ActiveDocument()->Tables()->Item(1)->Cell(row, column);
    }
    const DocumentModel& model() const { return modelOf(document); }
    Lines lines() const { return enginetest::outline(model()); }
};

TEST_F(LayoutSequence, TableAtTheStartOfANewDocument) {
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    selection->EndOf();
    bandAtTheStart(2);
    EXPECT_EQ(lines(), (Lines{"[ | ]", ""}));
    const Table& band = bodyTable(model(), 0);
    EXPECT_EQ(band.insideColorIndex, word::wdWhite);
    EXPECT_EQ(band.outsideColorIndex, word::wdWhite);
    EXPECT_EQ(cellParagraph(model(), 0, 0, 1).format.alignment, word::wdAlignParagraphCenter);
    EXPECT_EQ(bodyParagraph(model(), 1).format.alignment, word::wdAlignParagraphCenter);
}

TEST_F(LayoutSequence, CellSelectedPictureInsertedThenMoveRightIntoTheNextCell) {
    const QString heading = picture("romantic.bmp", 171, 119);
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphLeft);
    selection->EndOf();
    bandAtTheStart(2);
    cell(1, 1)->Select();
    insertPicture(heading);
    selection->MoveRight();
    selection->TypeParagraph();
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphLeft);
    fontSet("Monotype Corsiva", 12);
    paragraphFormat(word::wdAlignParagraphLeft);
    selection->TypeText("Writer\r\nStreet 1");
    selection->EndOf();
    selection->MoveDown();
    selection->TypeParagraph();
    fontSet("Monotype Corsiva", 12);
    selection->TypeText("\r\nRecipient\r\n");
    EXPECT_EQ(lines(), (Lines{"[# | /Writer/Street 1]", "", "", "Recipient", ""}));
    EXPECT_EQ(cellParagraph(model(), 0, 0, 1, 0).markFormat.fontName, "Times New Roman")
        << "the cell's first paragraph was typed before the font was set";
    for (int p = 1; p < 3; ++p) {
        const Paragraph& line = cellParagraph(model(), 0, 0, 1, p);
        EXPECT_EQ(std::get<TextRun>(line.content.at(0)).format,
                  (CharFormat{"Monotype Corsiva", 12, word::wdBlack, false}));
        EXPECT_EQ(line.format.lineSpacingRule, word::wdLineSpace1pt5);
    }
}

TEST_F(LayoutSequence, TextInTheFirstCellThenTheSelectedCellMovesRightToThePictureCell) {
    const QString heading = picture("classic.bmp", 171, 119);
    selection->EndOf();
    bandAtTheStart(2);
    fontSet("Arial", 10);
    paragraphFormat(word::wdAlignParagraphLeft);
    selection->TypeText("\r\n01.02.2026\r\nRecipient\r\nAddress\r\n");
    selection->EndOf();
    cell(1, 1)->Select();
    selection->MoveRight();
    insertPicture(heading);
    selection->EndOf();
    selection->MoveDown();
    selection->TypeParagraph();
    selection->TypeParagraph();
    selection->TypeText("Dear reader,");
    EXPECT_EQ(lines(), (Lines{"[/01.02.2026/Recipient/Address/ | #]", "", "", "Dear reader,"}));
}

TEST_F(LayoutSequence, MoveDownOutOfAOneRowTableAndTypeAfterIt) {
    const QString heading = picture("elegant.bmp", 300, 100);
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    selection->EndOf();
    bandAtTheStart(1);
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    cell(1, 1)->Select();
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    insertPicture(heading);
    selection->MoveDown();
    fontSet("Garamond", 12);
    paragraphFormat(word::wdAlignParagraphLeft);
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    selection->TypeParagraph();
    selection->TypeText("Writer\r\nStreet 1\r\n");
    EXPECT_EQ(lines(), (Lines{"[#]", "", "Writer", "Street 1", ""}));
    for (int block = 1; block < 5; ++block) {
        EXPECT_EQ(bodyParagraph(model(), block).format.alignment, word::wdAlignParagraphCenter);
        EXPECT_EQ(bodyParagraph(model(), block).markFormat.fontName, "Garamond");
    }
}

TEST_F(LayoutSequence, PictureInTheLastCellThenMoveRightLeavesTheTable) {
    const QString heading = picture("dark.bmp", 171, 119);
    const QString rule = picture("darkLine.bmp", 600, 8);
    selection->EndOf();
    bandAtTheStart(2);
    selection->TypeText("\r\n01.02.2026\r\n");
    selection->EndOf();
    cell(1, 2)->Select();
    insertPicture(heading);
    selection->MoveRight();
    selection->EndOf();
    selection->MoveDown();
    insertPicture(rule);
    selection->TypeParagraph();
    EXPECT_EQ(lines(), (Lines{"[/01.02.2026/ | #]", "#", ""}));
    const auto& line = std::get<Picture>(bodyParagraph(model(), 1).content.at(0));
    EXPECT_FLOAT_EQ(line.width, model().page.textWidth()) << "600 px at 96 dpi is wider than the column";
}

TEST_F(LayoutSequence, SampleTextAroundATable) {
    selection->TypeText("A");
    selection->TypeParagraph();
    selection->Font()->setBold(true);
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphRight);
    selection->EndOf();
    global->Selection()->Tables()->Add(global->Selection()->Range(), 1, 2);
    selection->MoveRight();
    selection->TypeParagraph();
    selection->TypeText("B");
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphRight);
    selection->Font()->setColorIndex(word::wdBlue);
    selection->Font()->setSize(20);
    selection->EndOf();
    selection->MoveDown();
    selection->TypeParagraph();
    selection->TypeText("C");
    EXPECT_EQ(lines(), (Lines{"A", "[ | /B]", "", "C"}));
    EXPECT_TRUE(std::get<TextRun>(cellParagraph(model(), 1, 0, 1, 1).content.at(0)).format.bold);
    EXPECT_EQ(bodyParagraph(model(), 3).format.alignment, word::wdAlignParagraphRight);
}

TEST_F(LayoutSequence, PlainLetterFromTopToBottom) {
    const auto times = [&] { fontSet("Times New Roman", 10); };
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphRight);
    times();
    paragraphFormat(word::wdAlignParagraphRight);
    selection->TypeText("01.02.2026\r\nRecipient\r\nAddress\r\n\r\n\r\n\r\n");
    selection->EndOf();
    selection->MoveDown();
    selection->TypeParagraph();
    selection->TypeText("Dear reader,\r\nBody\r\n\r\n\r\n");
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphRight);
    times();
    paragraphFormat(word::wdAlignParagraphRight);
    selection->EndOf();
    selection->TypeText("\r\nConclusion\r\nClosing\r\nWriter\r\nStreet 1\r\n");
    selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphRight);
    times();
    paragraphFormat(word::wdAlignParagraphRight);
    selection->TypeParagraph();
    selection->EndOf();
    EXPECT_EQ(lines(), (Lines{"01.02.2026", "Recipient", "Address", "", "", "", "", "Dear reader,", "Body",
                              "", "", "", "Conclusion", "Closing", "Writer", "Street 1", "", ""}));
    const CharFormat times10{"Times New Roman", 10, word::wdBlack, false};
    for (const Block& block : model().body) {
        const auto& paragraph = std::get<Paragraph>(block);
        EXPECT_EQ(paragraph.markFormat, times10);
        EXPECT_EQ(paragraph.format.alignment, word::wdAlignParagraphRight);
        EXPECT_EQ(paragraph.format.lineSpacingRule, word::wdLineSpace1pt5);
        for (const Inline& item : paragraph.content)
            EXPECT_EQ(std::get<TextRun>(item).format, times10);
    }
}

} // namespace
