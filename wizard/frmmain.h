#pragma once

#include <QWidget>

namespace tavrin {

class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(QWidget* parent = nullptr);
};

} // namespace tavrin
