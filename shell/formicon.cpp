#include "formicon.h"

#include "formregistry.h"
#include "wizard/twips.h"

#include <QScreen>

namespace tavrin {

FormIcon::FormIcon(FormRegistry& forms) : forms_(forms) {
    setObjectName(QStringLiteral("FormIcon"));
    setWindowTitle(tr("Tavrin"));
    setWindowIcon(applicationIcon());
    resize(pixels(780), pixels(24));
}

QIcon FormIcon::applicationIcon() {
    return QIcon(QStringLiteral(":/tavrin/tavrin.xpm"));
}

void FormIcon::Form_Load() {
    if (const QScreen* screen = this->screen())
        move(x(), screen->geometry().bottom() + 1 + pixels(1000));
    forms_.form1();
    forms_.showFrmMain();
}

} // namespace tavrin
