#include "letterrenderer.h"

#include "artwork/artwork.h"
#include "builder/form1.h"
#include "builder/ignoreerror.h"
#include "word/engine/engine.h"
#include "word/engine/print/pagerenderer.h"

#include <QStringList>

namespace tavrin::preview {

namespace {

// A letter that is only looked at tells the user nothing: a failing step just leaves its part out, as it
// would in the letter Finish writes.
class Silent : public UserInterface {
public:
    void messageBox(const QString&) override {}
    void resetMousePointer() override {}
};

void addParagraphText(const word::engine::Paragraph& paragraph, QStringList& lines) {
    QString line;
    for (const word::engine::Inline& part : paragraph.content)
        if (const auto* run = std::get_if<word::engine::TextRun>(&part))
            line += run->text;
    if (!line.trimmed().isEmpty())
        lines << line;
}

} // namespace

// The road Finish takes (attach, alignment reset, letter assembly, each step's failure ignored), on an
// engine that takes the pictures by name from memory.
word::engine::DocumentModel buildLetter(const WizardChoices& choices) {
    word::engine::Engine engine;
    engine.takePicturesFrom(artwork::bitmapNamed);
    MBas mBas;
    Silent ui;
    Form1 form({engine, mBas, ui, QString(), artwork::PictureHandOver::InMemory});
    ignoreError([&] { form.Command1_Click(); });
    mBas.alignment = 0;
    ignoreError([&] { form.Sapolnenie(choices); });
    const std::vector<word::engine::EngineDocument> documents = engine.documents();
    if (documents.empty())
        return {};
    return word::engine::modelOf(documents.back().document);
}

RenderedLetter renderLetter(const WizardChoices& choices, qreal dotsPerInch) {
    RenderedLetter letter;
    if (!choices.style())
        return letter;
    const word::engine::DocumentModel model = buildLetter(choices);
    const word::engine::print::PageRenderer renderer(model);
    for (int page = 0; page < renderer.pageCount(); ++page)
        letter.pages.push_back(renderer.pageImage(page, dotsPerInch));
    letter.text = readingText(model);
    return letter;
}

QString readingText(const word::engine::DocumentModel& model) {
    QStringList lines;
    for (const word::engine::Block& block : model.body) {
        if (const auto* paragraph = std::get_if<word::engine::Paragraph>(&block)) {
            addParagraphText(*paragraph, lines);
            continue;
        }
        for (const auto& row : std::get<word::engine::Table>(block).rows)
            for (const word::engine::TableCell& cell : row)
                for (const word::engine::Paragraph& paragraph : cell.paragraphs)
                    addParagraphText(paragraph, lines);
    }
    return lines.join(u'\n');
}

} // namespace tavrin::preview
