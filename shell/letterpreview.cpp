#include "letterpreview.h"

#include "word/automationerror.h"
#include "word/engine/print/printing.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace tavrin {

namespace {

QString pdfBeside(const QString& docxPath) {
    const QFileInfo docx(docxPath);
    return docx.dir().filePath(docx.completeBaseName() + QStringLiteral(".pdf"));
}

} // namespace

LetterPreview::LetterPreview(const word::engine::DocumentModel& model, const QString& docxPath,
                             const QString& message, QWidget* parent)
    : QDialog(parent), model_(model), suggestedPdf_(pdfBeside(docxPath)),
      preview_(new QPrintPreviewWidget(&printer_, this)) {
    setObjectName(QStringLiteral("LetterPreview"));
    setWindowTitle(tr("The letter: print preview"));

    auto* where = new QLabel(message, this);
    where->setObjectName(QStringLiteral("message"));
    where->setTextFormat(Qt::PlainText);
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse); // the path can be copied

    auto* tools = new QToolBar(this);
    QAction* printing = tools->addAction(tr("Print..."), this, &LetterPreview::print);
    printing->setObjectName(QStringLiteral("print"));
    saveAsPdf_ = tools->addAction(tr("Save as PDF..."), this, &LetterPreview::saveAsPdf);
    saveAsPdf_->setObjectName(QStringLiteral("saveAsPdf"));
    tools->addSeparator();
    tools->addAction(tr("Zoom In"), preview_, [this] { preview_->zoomIn(); });
    tools->addAction(tr("Zoom Out"), preview_, [this] { preview_->zoomOut(); });
    tools->addAction(tr("Fit Width"), preview_, &QPrintPreviewWidget::fitToWidth);

    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* target) { word::engine::print::paintDocument(model_, *target); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(tools);
    layout->addWidget(preview_, 1);
    layout->addWidget(buttons);
    resize(720, 860);
}

void LetterPreview::leaveOutSavingAsPdf() {
    saveAsPdf_->setVisible(false);
}

void LetterPreview::print() {
    QPrintDialog choose(&printer_, this);
    if (choose.exec() == QDialog::Accepted)
        preview_->print();
}

void LetterPreview::saveAsPdf() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the letter as PDF"), suggestedPdf_,
                                                      tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    try {
        word::engine::print::writePdf(model_, path);
    } catch (const word::AutomationError& error) {
        QMessageBox::warning(this, QCoreApplication::applicationName(), error.description);
    }
}

void showLetterPreview(const word::engine::DocumentModel& model, const QString& docxPath,
                       const QString& message) {
    LetterPreview preview(model, docxPath, message);
    preview.exec();
}

void showEnvelopePreview(const word::engine::DocumentModel& model, const QString& pdfPath,
                         const QString& message) {
    LetterPreview preview(model, pdfPath, message);
    preview.setObjectName(QStringLiteral("EnvelopePreview"));
    preview.setWindowTitle(LetterPreview::tr("The envelope: print preview"));
    preview.leaveOutSavingAsPdf();
    preview.exec();
}

} // namespace tavrin
