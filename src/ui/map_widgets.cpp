#include "ui/map_widgets.h"

#include <QPainter>

namespace zt {

Outline::Outline(QColor colour, int thickness, QWidget* parent)
    : QWidget(parent), colour_(colour), thickness_(thickness) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Outline::setBorderColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void Outline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width(), h = height(), t = thickness_;
    painter.fillRect(0, 0, w, t, colour_);
    painter.fillRect(0, h - t, w, t, colour_);
    painter.fillRect(0, 0, t, h, colour_);
    painter.fillRect(w - t, 0, t, h, colour_);
}

} // namespace zt
