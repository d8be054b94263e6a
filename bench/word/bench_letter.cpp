// A typical letter as a layout builds it: about thirty operations with a two-cell heading table, three
// pictures (bitmaps, converted to PNG on insertion) and two drawn rules; with and without the pictures,
// and with and without turning the document into a .docx package at the end.

#include "builder/macrosabsaz.h"
#include "word/engine/docx.h"
#include "word/engine/engine.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

using namespace word;

struct Pictures {
    QTemporaryDir folder;
    QString heading, line, ornament;

    Pictures() {
        heading = write("heading.bmp", 171, 119);
        line = write("line.bmp", 560, 12);
        ornament = write("ornament.bmp", 200, 40);
    }
    // Smooth shading with a few shapes, like the style artwork.
    QString write(const QString& name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, width, height);
        gradient.setColorAt(0, QColor(120, 20, 60));
        gradient.setColorAt(1, QColor(250, 230, 200));
        painter.fillRect(image.rect(), gradient);
        painter.setPen(QPen(QColor(40, 40, 40), 2));
        for (int i = 0; i < 6; ++i)
            painter.drawEllipse(QPoint(width * i / 6 + 10, height / 2), height / 3, height / 3);
        painter.end();
        const QString path = folder.filePath(name);
        image.save(path, "BMP");
        return path;
    }
};

const Pictures& pictures() {
    static const Pictures files;
    return files;
}

void fontSet(const Ref<Selection>& selection) {
    const auto font = selection->Font();
    font->setColorIndex(wdBlack);
    font->setName(QStringLiteral("Monotype Corsiva"));
    font->setSize(12);
}

Ref<Document> buildLetter(engine::Engine& engine, bool withPictures) {
    const auto document = engine.CreateDocument();
    document->Activate();
    const auto selection = document->ActiveWindow()->Selection();
    const auto global = engine.Global();
    selection->ParagraphFormat()->setAlignment(wdAlignParagraphLeft);
    selection->EndOf();
    global->Selection()->Tables()->Add(global->Selection()->Range(), 1, 2);
    selection->Tables()->Item(1)->Borders()->setInsideColorIndex(wdWhite);
    selection->Tables()->Item(1)->Borders()->setOutsideColorIndex(wdWhite);
    global->ActiveDocument()->Tables()->Item(1)->Cell(1, 1)->Select();
    if (withPictures)
        global->Selection()->InlineShapes()->AddPicture(pictures().heading, false, true);
    selection->MoveRight();
    selection->TypeParagraph();
    fontSet(selection);
    tavrin::letterParagraphFormat(global, wdAlignParagraphLeft);
    selection->TypeText(QStringLiteral("Jane Writer\r\n12 High Street\r\nLittle Town"));
    selection->EndOf();
    selection->MoveDown();
    selection->TypeParagraph();
    fontSet(selection);
    tavrin::letterParagraphFormat(global, wdAlignParagraphLeft);
    selection->TypeText(QStringLiteral("\r\n01.02.2026\r\nJohn Recipient\r\n34 Low Road\r\nBig City\r\n"));
    selection->TypeParagraph();
    selection->EndOf();
    if (withPictures)
        global->Selection()->InlineShapes()->AddPicture(pictures().line, false, true);
    selection->TypeParagraph();
    selection->TypeText(QStringLiteral(
        "\r\nDear John,\r\nThank you for your letter of last week. It was a pleasure to hear from you again, "
        "and "
        "I am glad that the garden is doing well after the long winter.\r\n\r\nWith kind regards,\r\nJane\r\n"
        "[Signature]\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    fontSet(selection);
    tavrin::letterParagraphFormat(global, wdAlignParagraphLeft);
    selection->TypeParagraph();
    selection->EndOf();
    if (withPictures)
        global->Selection()->InlineShapes()->AddPicture(pictures().ornament, false, true);
    const auto shapes = global->ActiveDocument()->Shapes();
    shapes->AddLine(50.2f, 306, 540, 306)->Select();
    shapes->AddLine(50.2f, 700, 540, 700)->Select();
    engine.GetObject()->setVisible(true);
    return document;
}

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void letter(benchmark::State& state) {
    const bool withPictures = state.range(0) != 0;
    const bool saved = state.range(1) != 0;
    pictures();
    const long baseline = peakResidentKilobytes();
    std::size_t packageSize = 0;
    for (auto _ : state) {
        engine::Engine engine;
        const auto document = buildLetter(engine, withPictures);
        if (saved)
            packageSize = std::size_t(engine::docxBytes(engine::modelOf(document)).size());
        benchmark::DoNotOptimize(document);
    }
    state.counters["peak_kB_above_start"] = double(peakResidentKilobytes() - baseline);
    state.counters["package_bytes"] = double(packageSize);
}

BENCHMARK(letter)
    ->ArgNames({"pictures", "saved"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
