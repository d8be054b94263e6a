#pragma once

// A letter no application on the desktop can open, shown in the program's own print preview: the message
// saying where its .docx is above the pages, and the letter printed or saved as PDF from there.

#include "word/engine/model.h"

#include <QDialog>
#include <QPrinter>
#include <QString>

class QAction;
class QPrintPreviewWidget;

namespace tavrin {

class LetterPreview : public QDialog {
    Q_OBJECT
public:
    // docxPath is where the letter is saved: its PDF is suggested beside it.
    LetterPreview(const word::engine::DocumentModel& model, const QString& docxPath, const QString& message,
                  QWidget* parent = nullptr);

    // For a document that is a PDF already: it is only printed from here.
    void leaveOutSavingAsPdf();

private:
    void print();
    void saveAsPdf();

    const word::engine::DocumentModel& model_;
    QString suggestedPdf_;
    QPrinter printer_{QPrinter::HighResolution};
    QPrintPreviewWidget* preview_;
    QAction* saveAsPdf_ = nullptr;
};

// Shows the preview, modal; returns when the user closes it.
void showLetterPreview(const word::engine::DocumentModel& model, const QString& docxPath,
                       const QString& message);

// The envelope no application can open, shown the same way with the message saying where its PDF is.
void showEnvelopePreview(const word::engine::DocumentModel& model, const QString& pdfPath,
                         const QString& message);

} // namespace tavrin
