#pragma once

// The wizard's side bar: a panel listing the steps, with a coloured marker per step, a transparent click
// target over each marker and a rail of thin lines along the markers.

#include <QAbstractButton>
#include <QColor>
#include <QWidget>

namespace tavrin {

// The side bar panel; paints the rail behind the markers.
class SideBar : public QWidget {
    Q_OBJECT
public:
    explicit SideBar(QWidget* parent);

    void setBackColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A small filled shape marking one step; its fill colour tells whether the step is the current one.
class StepMarker : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
public:
    explicit StepMarker(QWidget* parent);

    QColor fillColor() const { return fill_; }
    void setFillColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
};

// A transparent click area over a step's marker. It takes keyboard focus too, so that the steps can be
// reached without a mouse, and shows only a focus frame.
class StepTarget : public QAbstractButton {
    Q_OBJECT
public:
    explicit StepTarget(QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tavrin
