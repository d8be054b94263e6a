// Drives a document through the interface with random operations: typing any Unicode, paragraph ends,
// fonts and paragraph formats with any values, moves, tables, cells and lines. Every failure must be an
// AutomationError, the document must keep the model's rules, and its package must be well-formed and read
// back as the model's stored form.

#include "package_checks.h"
#include "word/engine/docx.h"
#include "word/engine/engine.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace word;

QString anyText(FuzzedDataProvider& input) {
    const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, 40);
    QString text;
    for (std::size_t i = 0; i < length; ++i)
        text.append(QChar(input.ConsumeIntegral<char16_t>()));
    return text;
}

float anyFloat(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.ConsumeFloatingPoint<float>()
                               : float(input.ConsumeIntegralInRange<int>(-2000, 2000)) / 2;
}

void step(FuzzedDataProvider& input, const Ref<Document>& document, const Ref<Selection>& selection) {
    switch (input.ConsumeIntegralInRange<int>(0, 17)) {
    case 0:
        selection->TypeText(anyText(input));
        break;
    case 1:
        selection->TypeParagraph();
        break;
    case 2:
        selection->MoveRight();
        break;
    case 3:
        selection->MoveDown();
        break;
    case 4:
        selection->EndOf();
        break;
    case 5:
        selection->Font()->setName(anyText(input));
        break;
    case 6:
        selection->Font()->setSize(anyFloat(input));
        break;
    case 7:
        selection->Font()->setColorIndex(input.ConsumeIntegralInRange<int>(-2, 18));
        break;
    case 8:
        selection->Font()->setBold(input.ConsumeBool());
        break;
    case 9:
        selection->ParagraphFormat()->setAlignment(input.ConsumeIntegralInRange<int>(-1, 4));
        break;
    case 10:
        selection->ParagraphFormat()->setLeftIndent(anyFloat(input));
        break;
    case 11:
        selection->ParagraphFormat()->setSpaceAfter(anyFloat(input));
        break;
    case 12:
        selection->ParagraphFormat()->setLineSpacingRule(input.ConsumeIntegralInRange<int>(-1, 3));
        break;
    case 13:
        selection->Tables()->Add(selection->Range(), input.ConsumeIntegralInRange<int>(0, 4),
                                 input.ConsumeIntegralInRange<int>(0, 4));
        break;
    case 14: {
        const auto tables = document->Tables();
        tables->Item(input.ConsumeIntegralInRange<int>(1, tables->Count() + 1))
            ->Cell(input.ConsumeIntegralInRange<int>(0, 4), input.ConsumeIntegralInRange<int>(0, 4))
            ->Select();
        break;
    }
    case 15: {
        const auto tables = document->Tables();
        const auto borders =
            tables->Item(input.ConsumeIntegralInRange<int>(1, tables->Count() + 1))->Borders();
        borders->setInsideColorIndex(input.ConsumeIntegralInRange<int>(-1, 17));
        break;
    }
    case 16:
        document->Shapes()
            ->AddLine(anyFloat(input), anyFloat(input), anyFloat(input), anyFloat(input))
            ->Select();
        break;
    default:
        selection->ParagraphFormat()->setOutlineLevel(input.ConsumeIntegralInRange<int>(0, 11));
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace word::engine;
    FuzzedDataProvider input(data, size);
    Engine engine;
    const auto document = engine.CreateDocument();
    const auto selection = document->ActiveWindow()->Selection();
    for (int i = 0; i < 64 && input.remaining_bytes() > 0; ++i) {
        try {
            step(input, document, selection);
        } catch (const AutomationError&) {
            // A refused operation is fine; anything else escaping is a fault.
        }
    }
    const DocumentModel& model = modelOf(document);
    fuzzchecks::requireModelRules(model);
    const QByteArray package = docxBytes(model);
    fuzzchecks::requireWellFormedPackage(package);
    if (readDocx(package) != docxStoredForm(model)) {
        std::fprintf(stderr, "the package does not read back as the document's stored form\n");
        std::abort();
    }
    return 0;
}
