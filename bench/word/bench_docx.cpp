// Writing a typical letter (about thirty paragraphs, a two-cell heading table, two lines across the page,
// with or without three pictures) as a package, to bytes and to a file; and reading it back.

#include "docx_models.h"
#include "word/engine/docx.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

using namespace word::engine;

void BM_DocxBytes(benchmark::State& state) {
    const DocumentModel model = docxtest::letterModel(state.range(0) != 0);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray package = docxBytes(model);
        bytes = std::size_t(package.size());
        benchmark::DoNotOptimize(package.constData());
    }
    state.counters["package_bytes"] = double(bytes);
}
BENCHMARK(BM_DocxBytes)->ArgName("pictures")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SaveDocx(benchmark::State& state) {
    const DocumentModel model = docxtest::letterModel(state.range(0) != 0);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("letter.docx"));
    for (auto _ : state)
        saveDocx(model, path);
}
BENCHMARK(BM_SaveDocx)->ArgName("pictures")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ReadDocx(benchmark::State& state) {
    const QByteArray package = docxBytes(docxtest::letterModel(state.range(0) != 0));
    for (auto _ : state) {
        const DocumentModel model = readDocx(package);
        benchmark::DoNotOptimize(model.body.data());
    }
}
BENCHMARK(BM_ReadDocx)->ArgName("pictures")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
