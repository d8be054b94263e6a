// The word processor connection: attaching to the running application or starting one, and the hidden
// form's developer actions. Apart from Command1_Click none of them traps an error: a failing call ends
// the action and reaches the caller.

#include "form1.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>

namespace tavrin {

namespace {

const QString CarriageReturnLineFeed = QStringLiteral("\r\n");

// The three lines Command6_Click types, each saying where it should land.
const QString SampleTextA = QStringLiteral("Sample A: above the table.");
const QString SampleTextB = QStringLiteral("Sample B: in the table's second cell.");
const QString SampleTextC = QStringLiteral("Sample C: below the table.");

// What attaching to the running application gave: the application, or the error it raised.
struct AttachResult {
    word::Ref<word::Application> application;
    std::optional<word::AutomationError> error;
};

AttachResult attachToRunningApplication(word::Provider& provider) {
    try {
        return {provider.GetObject(), std::nullopt};
    } catch (const word::AutomationError& error) {
        return {{}, error};
    }
}

} // namespace

void Form1::Command1_Click() {
    // Held only while this action runs: an application that was already running is not kept.
    const AttachResult running = attachToRunningApplication(services_.word);
    if (!running.error)
        return;
    if (running.error->number == word::errors::CannotCreateObject) {
        // A failure here is not this action's to report: it reaches the caller.
        applicationRef = services_.word.CreateApplication();
        applicationRef->setVisible(true);
        return;
    }
    services_.ui.messageBox(running.error->description + CarriageReturnLineFeed +
                            QCoreApplication::translate("Form1", "Error"));
    services_.ui.resetMousePointer();
}

void Form1::Command2_Click() {
    documentRef = services_.word.CreateDocument();
}

void Form1::Command3_Click() {
    documentRef->Activate();
    documentRef->PrintPreview();
    documentRef->PrintOut();
}

void Form1::Command4_Click() {
    documentRef->Activate();
    documentRef->Close(false);
}

void Form1::Command5_Click() {
    applicationRef = services_.word.Global()->Application();
    documentRef = applicationRef->Documents()->Open(QDir(services_.programDirectory).filePath("HI.doc"));
}

void Form1::Command6_Click() {
    const std::int32_t alignment = services_.mBas.alignment;

    documentRef = applicationRef->Documents()->Add();
    documentRef->Activate();
    word::Ref<word::Selection> selection = documentRef->ActiveWindow()->Selection();

    selection->TypeText(SampleTextA);
    selection->TypeParagraph();
    selection->Font()->setBold(true);
    selection->ParagraphFormat()->setAlignment(alignment);
    selection->EndOf();

    word::Ref<word::Selection> globalSelection = services_.word.Global()->Selection();
    rangeRef = globalSelection->Range();
    globalSelection->Tables()->Add(rangeRef, 1, 2);

    selection->MoveRight();

    selection->TypeParagraph();
    selection->TypeText(SampleTextB);
    selection->ParagraphFormat()->setAlignment(alignment);
    selection->Font()->setColorIndex(word::wdBlue);
    selection->Font()->setSize(20);

    selection->EndOf();
    selection->MoveDown();

    selection->TypeParagraph();
    selection->TypeText(SampleTextC);
    selection->ParagraphFormat()->setAlignment(alignment);
    selection->Font()->setColorIndex(word::wdBlue);
    selection->Font()->setSize(20);

    selection->EndOf();
}

void Form1::Command7_Click() {
    documentRef->Activate();
    documentRef->Save();
    documentRef->Close();
}

void Form1::Command8_Click() {
    TemplateStyl();
}

} // namespace tavrin
