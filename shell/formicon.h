#pragma once

#include <QIcon>
#include <QWidget>

namespace tavrin {

class FormRegistry;

// The start-up form: it bears the program's title and icon, stays out of view for the whole run and
// starts the wizard when it loads.
class FormIcon : public QWidget {
    Q_OBJECT
public:
    explicit FormIcon(FormRegistry& forms);

    // The start-up: moves below the screen, loads Form1 hidden and shows the wizard.
    void Form_Load();

    // The program's icon: 32 x 32 pixels in 16 colours.
    static QIcon applicationIcon();

private:
    FormRegistry& forms_;
};

} // namespace tavrin
