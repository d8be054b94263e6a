#include "pagecontrols.h"

#include "accessibletexts.h"
#include "builder/wizardchoices.h"
#include "frmmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace tavrin {

namespace {

// A caption read out by screen readers: the visible caption without its closing colon or semicolon.
QString spoken(QString caption) {
    while (caption.endsWith(u':') || caption.endsWith(u';'))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont msSansSerifFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(7.8);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

// A caption that does not fit its box (another font, a translation) grows to the right, as far as the page
// allows, rather than lose its end.
QLabel* addLabel(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect) {
    auto* label = place(new QLabel(caption, page), name, rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int needed = label->sizeHint().width();
    if (needed > label->width())
        label->resize(std::max(label->width(), std::min(needed, page->width() - label->x())),
                      label->height());
    return label;
}

QRadioButton* addOption(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect) {
    auto* option = place(new QRadioButton(caption, page), name, rect);
    setBackground(option, FrmMain::FormColour);
    return option;
}

QCheckBox* addCheck(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect) {
    auto* check = place(new QCheckBox(caption, page), name, rect);
    setBackground(check, FrmMain::FormColour);
    return check;
}

QComboBox* addDropDownList(QWidget* page, const QString& name, const QStringList& entries,
                           const TwipsRect& rect) {
    auto* list = place(new QComboBox(page), name, rect);
    list->setEditable(false);
    list->addItems(entries);
    list->setCurrentIndex(-1);
    return list;
}

QPushButton* addButton(QWidget* page, const QString& name, const QString& caption, const TwipsRect& rect) {
    auto* button = place(new QPushButton(caption, page), name, rect);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* addOneLineText(QWidget* page, const QString& name, const TwipsRect& rect) {
    return place(new QLineEdit(page), name, rect);
}

QPlainTextEdit* addMultiLineText(QWidget* page, const QString& name, const TwipsRect& rect,
                                 Qt::ScrollBarPolicy verticalScrollBar) {
    auto* text = place(new QPlainTextEdit(page), name, rect);
    text->setTabChangesFocus(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setVerticalScrollBarPolicy(verticalScrollBar);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return text;
}

void replaceAllText(QPlainTextEdit* box, const QString& text) {
    QTextCursor cursor(box->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    box->moveCursor(QTextCursor::Start);
}

QLabel* addPreview(QWidget* page, int index, artwork::StylePreview style, const TwipsRect& rect) {
    auto* picture = place(new QLabel(page), indexed("Picture1", index), rect);
    picture->setPixmap(QPixmap::fromImage(artwork::preview(style)));
    picture->setScaledContents(true);
    picture->setAccessibleName(accessible::previewName(style));
    return picture;
}

void labelFor(QLabel* label, QWidget* control, const QString& description) {
    label->setBuddy(control);
    control->setAccessibleName(spoken(label->text()));
    if (!description.isEmpty())
        control->setAccessibleDescription(spoken(description));
}

void setCaptionUnderline(QAbstractButton* button, bool underline) {
    QFont font = button->font();
    font.setUnderline(underline);
    button->setFont(font);
}

int checkValue(const QCheckBox* check) {
    switch (check->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

bool isCheckedValue(const QCheckBox* check) {
    return isChecked(checkValue(check));
}

} // namespace tavrin
