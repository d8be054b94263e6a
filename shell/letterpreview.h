#pragma once

// A letter no application on the desktop can open, shown in the program's own print preview: the message
// saying where its .docx is above the pages, and the letter printed or saved as PDF from there.

#include "word/engine/model.h"

#include <QDialog>
#include <QPrinter>
#include <QString>

class QPrintPreviewWidget;

namespace tavrin {

class LetterPreview : public QDialog {
    Q_OBJECT
public:
    // docxPath is where the letter is saved: its PDF is suggested beside it.
    LetterPreview(const word::engine::DocumentModel& model, const QString& docxPath, const QString& message,
                  QWidget* parent = nullptr);

private:
    void print();
    void saveAsPdf();

    const word::engine::DocumentModel& model_;
    QString suggestedPdf_;
    QPrinter printer_{QPrinter::HighResolution};
    QPrintPreviewWidget* preview_;
};

// Shows the preview, modal; returns when the user closes it.
void showLetterPreview(const word::engine::DocumentModel& model, const QString& docxPath,
                       const QString& message);

} // namespace tavrin
