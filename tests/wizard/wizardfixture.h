#pragma once

#include "fakehost.h"
#include "wizard/frmmain.h"

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QTest>

#include <memory>

namespace tavrin::testing {

// A loaded wizard on a fake host, and ways to reach its controls by their names.
struct Wizard {
    FakeHost host;
    std::unique_ptr<FrmMain> form;

    explicit Wizard(bool load = true) : form(std::make_unique<FrmMain>(host)) {
        if (load)
            form->Form_Load();
    }

    template <class W = QWidget> W* control(const QString& name) const {
        auto* widget = form->findChild<W*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QWidget* page(int k) const { return control(QStringLiteral("Frm(%1)").arg(k)); }
    QAbstractButton* button(const QString& name) const { return control<QAbstractButton>(name); }
    QColor marker(int k) const {
        return control(QStringLiteral("Shape1(%1)").arg(k))->property("fillColor").value<QColor>();
    }
    void clickStep(int k) const { button(QStringLiteral("Image1(%1)").arg(k))->click(); }

    QList<int> visiblePages() const {
        QList<int> pages;
        for (int k = 0; k < FrmMain::PageCount; ++k)
            if (!page(k)->isHidden())
                pages << k;
        return pages;
    }

    // Picks an entry of a drop-down list the way the user does.
    void choose(const QString& list, int position) const {
        auto* combo = control<QComboBox>(list);
        combo->setCurrentIndex(position);
        emit combo->activated(position);
    }
};

} // namespace tavrin::testing
