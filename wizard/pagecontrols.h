#pragma once

// The wizard's controls as its pages place them: each at its design rectangle in twips, named as the
// form names it, in the form's colours and fonts.

#include "artwork/artwork.h"
#include "twips.h"

#include <QString>
#include <QStringList>

class QAbstractButton;
class QCheckBox;
class QColor;
class QComboBox;
class QFont;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tavrin {

// A control of an indexed family: "Label1(3)".
QString indexed(const char* name, int index);

QFont msSansSerifFont();
void setBackground(QWidget* widget, const QColor& colour);

// Names the control and puts it at its place.
template <class Control> Control* place(Control* control, const QString& name, const TwipsRect& rect) {
    control->setObjectName(name);
    control->setGeometry(pixels(rect));
    return control;
}

QLabel* addLabel(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect);
QRadioButton* addOption(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect);
QCheckBox* addCheck(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect);
// A drop-down list the user picks from and cannot type into; nothing chosen at first.
QComboBox* addDropDownList(QWidget* page, const QString& name, const QStringList& entries,
                           const TwipsRect& rect);
// A button that Return in a text box does not press: the wizard's own buttons keep that.
QPushButton* addButton(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect);
QLineEdit* addOneLineText(QWidget* page, const QString& name, const TwipsRect& rect);
QPlainTextEdit* addMultiLineText(QWidget* page, const QString& name, const TwipsRect& rect,
                                 Qt::ScrollBarPolicy verticalScrollBar);
QLabel* addPreview(QWidget* page, int index, artwork::StylePreview style, const TwipsRect& rect);

// Replaces the box's whole text as one edit of its own, which Undo takes back, rather than starting its
// undo history anew as setting the text does. The box then shows the text from its beginning.
void replaceAllText(QPlainTextEdit* box, const QString& text);

// Names a text box or list after the label in front of it, and lets the label pass focus on to it.
void labelFor(QLabel* label, QWidget* control, const QString& description = {});

void setCaptionUnderline(QAbstractButton* button, bool underline);

// A check box's value: 0 unchecked, 1 checked, 2 greyed.
int checkValue(const QCheckBox* check);
bool isCheckedValue(const QCheckBox* check);

} // namespace tavrin
