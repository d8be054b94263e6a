#include "sidebar.h"

#include "twips.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tavrin {

namespace {

QColor menuBarColour() {
    return QApplication::palette("QMenuBar").color(QPalette::Window);
}

// The rail: two uprights joined at both ends, in the menu bar's colour, and a thin dark line inside.
void drawRail(QPainter& painter) {
    QPen rail(menuBarColour());
    rail.setWidth(1);
    painter.setPen(rail);
    painter.drawLine(pixels(240), pixels(372), pixels(240), pixels(3732));
    painter.drawLine(pixels(480), pixels(372), pixels(480), pixels(3732));
    rail.setWidth(2);
    painter.setPen(rail);
    painter.drawLine(pixels(240), pixels(360), pixels(480), pixels(360));
    painter.drawLine(pixels(240), pixels(3720), pixels(480), pixels(3720));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(pixels(250), pixels(480), pixels(250), pixels(3720));
}

} // namespace

SideBar::SideBar(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void SideBar::setBackColor(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void SideBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawRail(painter);
}

StepMarker::StepMarker(QWidget* parent) : QWidget(parent) {}

void StepMarker::setFillColor(const QColor& colour) {
    fill_ = colour;
    update();
}

void StepMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.setBrush(fill_);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

StepTarget::StepTarget(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
}

QSize StepTarget::sizeHint() const {
    return size();
}

void StepTarget::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace tavrin
