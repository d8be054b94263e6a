// Saving, closing and opening through the interface, with the .docx writer and reader behind it.

#include "engine_support.h"

#include "word/engine/docx.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

namespace {

using namespace word::engine;
using enginetest::EngineTest;
using enginetest::errorOf;
using Lines = std::vector<std::string>;

class FileTest : public EngineTest {
protected:
    QTemporaryDir folder;

    QString path(const QString& name) const { return folder.filePath(name); }
    word::Ref<word::Documents> documents() { return engine.GetObject()->Documents(); }

    void typeALetter() {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(qRgb(200, 40, 40));
        const QString picture = path("heading.bmp");
        ASSERT_TRUE(image.save(picture, "BMP"));
        selection->ParagraphFormat()->setAlignment(word::wdAlignParagraphCenter);
        const auto table = tableAtStart(1, 2);
        table->Borders()->setInsideColorIndex(word::wdWhite);
        table->Cell(1, 1)->Select();
        selection->InlineShapes()->AddPicture(picture, false, true);
        selection->MoveRight();
        selection->Font()->setName("Garamond");
        selection->TypeText("Writer\r\nStreet 1");
        selection->EndOf();
        selection->MoveDown();
        selection->Font()->setBold(true);
        selection->TypeText("  Dear reader,\r\n\tBody\r\n");
        document->Shapes()->AddLine(50.2f, 300, 540, 300);
    }
};

TEST_F(FileTest, SaveAsGivesTheDocumentItsFileAndOpenReadsItBack) {
    typeALetter();
    const QString file = path("letter.docx");
    document->SaveAs(file);
    EXPECT_EQ(document->FullName(), QFileInfo(file).absoluteFilePath());
    EXPECT_FALSE(engine.documents().at(0).changed);
    const DocumentModel saved = model();
    document->Close();
    const auto opened = documents()->Open(file);
    EXPECT_EQ(modelOf(opened), docxStoredForm(saved));
    EXPECT_EQ(modelOf(opened), saved);
    EXPECT_EQ(enginetest::outline(modelOf(opened)),
              (Lines{"[# | Writer/Street 1]", "  Dear reader,", "\tBody", ""}));
    EXPECT_EQ(opened->FullName(), QFileInfo(file).absoluteFilePath());
    EXPECT_EQ(selectionOf(opened).position, (Position{0, 0, 0, 0, 0})) << "at the start: the first cell";
}

TEST_F(FileTest, OpenedDocumentCanBeEditedAndSavedInPlace) {
    selection->TypeText("first");
    const QString file = path("notes.docx");
    document->SaveAs(file);
    document->Close(false);
    const auto opened = documents()->Open(file);
    const auto typing = opened->ActiveWindow()->Selection();
    typing->EndOf();
    typing->TypeText(" and second");
    opened->Save();
    opened->Close(false);
    EXPECT_EQ(enginetest::outline(modelOf(documents()->Open(file))), Lines{"first and second"});
}

TEST_F(FileTest, OpeningTheSameFileAgainActivatesTheOpenDocument) {
    const QString file = path("once.docx");
    document->SaveAs(file);
    const auto other = documents()->Add();
    const auto again = documents()->Open(file);
    EXPECT_EQ(&modelOf(again), &model());
    EXPECT_EQ(documents()->Count(), 2);
    EXPECT_EQ(&modelOf(engine.Global()->ActiveDocument()), &model());
}

TEST_F(FileTest, CloseWithoutSaveChangesSavesAChangedDocumentThatHasAFile) {
    const QString file = path("kept.docx");
    document->SaveAs(file);
    selection->TypeText("typed after saving");
    document->Close();
    EXPECT_EQ(enginetest::outline(modelOf(documents()->Open(file))), Lines{"typed after saving"});
}

TEST_F(FileTest, CloseWithSaveChangesFalseLeavesTheFileAsItWas) {
    const QString file = path("untouched.docx");
    selection->TypeText("saved");
    document->SaveAs(file);
    selection->TypeText(" and lost");
    document->Close(false);
    EXPECT_EQ(enginetest::outline(modelOf(documents()->Open(file))), Lines{"saved"});
}

TEST_F(FileTest, CloseWithSaveChangesTrueSaves) {
    const QString file = path("saved.docx");
    document->SaveAs(file);
    selection->TypeText("more");
    document->Close(true);
    EXPECT_EQ(enginetest::outline(modelOf(documents()->Open(file))), Lines{"more"});
}

TEST_F(FileTest, FileThatIsNotADocumentFailsAndOpensNothing) {
    const QString file = path("HI.doc");
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("This is not a package.");
    text.close();
    EXPECT_EQ(errorOf([&] { documents()->Open(file); }), word::errors::BadDocument);
    EXPECT_EQ(errorOf([&] { documents()->Open(path("missing.docx")); }), word::errors::FileNotFound);
    EXPECT_EQ(documents()->Count(), 1);
    EXPECT_EQ(&modelOf(engine.Global()->ActiveDocument()), &model());
}

TEST_F(FileTest, SavingIntoAMissingFolderFailsAndKeepsTheDocumentNew) {
    selection->TypeText("x");
    EXPECT_EQ(errorOf([&] { document->SaveAs(path("no/such/folder/letter.docx")); }),
              word::errors::FileNotFound);
    EXPECT_EQ(document->FullName(), "");
    EXPECT_TRUE(engine.documents().at(0).changed);
}

} // namespace
