#include "wizard/frmmain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tavrin::FrmMain wizard;
    wizard.show();
    return app.exec();
}
