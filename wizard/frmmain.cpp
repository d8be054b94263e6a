#include "frmmain.h"

namespace tavrin {

FrmMain::FrmMain(QWidget* parent) : QWidget(parent) {
    setWindowTitle(tr("Tavrin for Microsoft Word"));
}

} // namespace tavrin
