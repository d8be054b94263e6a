#include "handoverdialogs.h"

#include "letterpreview.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace tavrin {

using word::engine::SavePlace;

SavePlace askWhereToSave(const QString& suggestedPath, const QString& why) {
    QFileDialog dialog(nullptr, why);
    dialog.setObjectName(QStringLiteral("SaveLetter"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name that is taken is not replaced: the letter gets the next free one, which the message names.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(QCoreApplication::translate("HandOverDialogs", "Word documents (*.docx)"));
    dialog.setDefaultSuffix(QStringLiteral("docx"));
    dialog.setDirectory(QFileInfo(suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        return {SavePlace::Answer::Chosen, dialog.selectedFiles().constFirst()};
    return {userDiscardsTheLetter() ? SavePlace::Answer::Discard : SavePlace::Answer::Keep};
}

bool userDiscardsTheLetter() {
    QMessageBox question(QMessageBox::Question, QCoreApplication::applicationName(),
                         QCoreApplication::translate(
                             "HandOverDialogs",
                             "Do you want to discard the letter? If you keep it, it is saved in your home "
                             "folder."));
    question.setObjectName(QStringLiteral("DiscardLetter"));
    QPushButton* keep = question.addButton(QCoreApplication::translate("HandOverDialogs", "Keep the Letter"),
                                           QMessageBox::AcceptRole);
    QPushButton* discard = question.addButton(QCoreApplication::translate("HandOverDialogs", "Discard"),
                                              QMessageBox::DestructiveRole);
    question.setDefaultButton(keep);
    question.setEscapeButton(keep);
    question.exec();
    return question.clickedButton() == discard;
}

word::engine::Desktop withDialogs(word::engine::Desktop desktop) {
    desktop.askWhereToSave = askWhereToSave;
    desktop.showInstead = showLetterPreview;
    return desktop;
}

} // namespace tavrin
