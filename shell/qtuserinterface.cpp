#include "qtuserinterface.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace tavrin {

void QtUserInterface::messageBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtUserInterface::resetMousePointer() {
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace tavrin
