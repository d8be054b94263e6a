// Builds a random model (any Unicode, any values, broken rules), writes it, and requires a well-formed
// package that reads back as the model's stored form.

#include "docx_models.h"
#include "package_checks.h"
#include "word/engine/docx.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace word::engine;
    FuzzedDataProvider input(data, size);
    const DocumentModel model = docxtest::randomModel(
        [&](std::uint32_t n) { return n == 0 ? 0 : input.ConsumeIntegralInRange<std::uint32_t>(0, n - 1); });

    const QByteArray package = docxBytes(model);
    fuzzchecks::requireWellFormedPackage(package);
    const DocumentModel stored = docxStoredForm(model);
    fuzzchecks::requireModelRules(stored);
    if (readDocx(package) != stored) {
        std::fprintf(stderr, "the package does not read back as the model's stored form\n");
        std::abort();
    }
    if (docxBytes(stored) != package) {
        std::fprintf(stderr, "the stored form writes other bytes than the model\n");
        std::abort();
    }
    return 0;
}
