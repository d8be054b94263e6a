#pragma once

#include "preview/letterfollower.h"
#include "preview/letterrenderer.h"
#include "preview/previewwindow.h"
#include "preview/wizardpreview.h"
#include "tests/wizard/wizardfixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace tavrin::testing {

// A shown wizard on a fake host with its preview attached, as the program gives it one.
struct PreviewedWizard : Wizard {
    preview::WizardPreview* preview;

    PreviewedWizard() : preview(preview::attachPreview(*form)) { form->show(); }

    preview::PreviewWindow* window() const { return preview->window(); }
    preview::PagesView* view() const { return preview->window()->pagesView(); }

    // Opens the preview and waits until it shows the wizard's state.
    bool openAndSettle() {
        preview->open();
        return settle();
    }
    // Waits until every change is rendered and shown.
    bool settle() const {
        return QTest::qWaitFor([&] { return preview->follower()->upToDate(); }, 10'000);
    }

    // What the preview shows of page one, as drawn on the screen.
    QImage shownPageOne() const {
        const QImage drawn = view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return drawn.copy(view()->pageRect(0));
    }

    // The same change the user makes, on whichever control it is: typing into a box, the entry of a list,
    // a click on an option or a check box.
    void change(const QString& name, const QString& value) const {
        QWidget* widget = control(name);
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            QTest::keyClicks(line, value);
        else if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
            QTest::keyClicks(box, value);
        else if (qobject_cast<QComboBox*>(widget))
            choose(name, value.toInt());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->click();
        else
            qFatal("cannot change %s", qPrintable(name));
    }
};

} // namespace tavrin::testing
