#include "ui/look.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

// sRGB to linear light, per channel.
double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// Fusion, with the edges of controls and the focus ring made to stand out on black. Fusion
// draws an edge a shade darker than the Window colour, which is black here; these controls
// paint no ground of their own, so they are drawn with a Window colour from which that shade
// comes out as edgeColour(). Fusion's own focus rectangle is nearly transparent; ours is a
// solid ring in the selection colour.
class SpaceStyle : public QProxyStyle {
  public:
    SpaceStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        switch (element) {
        case PE_FrameFocusRect:
            if (option->state & State_KeyboardFocusChange) {
                painter->save();
                painter->setRenderHint(QPainter::Antialiasing, true);
                painter->setPen(QPen(option->palette.color(QPalette::Highlight), 1.5));
                painter->setBrush(Qt::NoBrush);
                painter->drawRoundedRect(QRectF(option->rect).adjusted(0.75, 0.75, -0.75, -0.75), 2,
                                         2);
                painter->restore();
            }
            return;
        case PE_IndicatorRadioButton:
        case PE_IndicatorCheckBox:
        case PE_PanelButtonCommand:
            if (withEdges<QStyleOptionButton>(element, option, painter, widget)) return;
            break;
        case PE_Frame:
            // The frames of lists and text boxes; plain frames only group things and stay dark.
            if (qobject_cast<const QAbstractScrollArea*>(widget)) {
                drawEdge(option->rect, painter);
                return;
            }
            break;
        case PE_PanelMenu: // a menu, a window of its own, is framed on the black
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            drawEdge(option->rect, painter);
            return;
        case PE_FrameLineEdit:
            if (withEdges<QStyleOptionFrame>(element, option, painter, widget)) return;
            break;
        default:
            break;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

  private:
    // Filled rather than stroked, so that no scale factor rounds the edge away under the
    // contents.
    static void drawEdge(const QRect& r, QPainter* painter) {
        for (const QRect& side :
             {QRect(r.left(), r.top(), r.width(), 1), QRect(r.left(), r.bottom(), r.width(), 1),
              QRect(r.left(), r.top(), 1, r.height()), QRect(r.right(), r.top(), 1, r.height())})
            painter->fillRect(side, edgeColour());
    }

    template <class Option>
    bool withEdges(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const {
        const auto* typed = qstyleoption_cast<const Option*>(option);
        if (!typed) return false;
        Option lit(*typed);
        lit.palette.setColor(QPalette::Window, edgeColour().lighter(140));
        QProxyStyle::drawPrimitive(element, &lit, painter, widget);
        return true;
    }
};

// Gives the whole program the style and the palette, once: menus, message boxes and file
// dialogs are windows of their own and take the program's palette, not their parent's.
void useSpaceLookEverywhere() {
    static const bool done = [] {
        QApplication::setStyle(new SpaceStyle);
        QApplication::setPalette(spacePalette());
        return true;
    }();
    (void)done;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double one = luminance(a), other = luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor edgeColour() {
    return {128, 128, 140};
}

QPalette spacePalette() {
    QPalette p;
    const QColor black(0, 0, 0), light(225, 225, 235), panel(40, 40, 52);
    p.setColor(QPalette::Window, black);
    p.setColor(QPalette::WindowText, light);
    p.setColor(QPalette::Base, QColor(16, 16, 24));
    p.setColor(QPalette::AlternateBase, panel);
    p.setColor(QPalette::Text, light);
    p.setColor(QPalette::PlaceholderText, QColor(140, 140, 150));
    p.setColor(QPalette::Button, panel);
    p.setColor(QPalette::ButtonText, light);
    // Light enough for the ring Fusion draws around a focused button or box (a shade darker)
    // to stand out on black, dark enough for white text on a chosen row.
    p.setColor(QPalette::Highlight, QColor(30, 120, 200));
    p.setColor(QPalette::HighlightedText, kWhite);
    p.setColor(QPalette::ToolTipBase, panel);
    p.setColor(QPalette::ToolTipText, light);
    p.setColor(QPalette::Link, QColor(110, 170, 255));
    p.setColor(QPalette::Light, QColor(90, 90, 110));
    p.setColor(QPalette::Midlight, QColor(70, 70, 90));
    p.setColor(QPalette::Mid, QColor(55, 55, 70));
    p.setColor(QPalette::Dark, QColor(25, 25, 32));
    p.setColor(QPalette::Shadow, black);
    // Greyed captions are still read (what a button would do), so they stay legible.
    const QColor dim(140, 140, 150);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dim);
    p.setColor(QPalette::Disabled, QPalette::Button, QColor(24, 24, 30));
    return p;
}

void applySpaceLook(QWidget* window) {
    useSpaceLookEverywhere();
    window->setPalette(spacePalette());
    window->setAutoFillBackground(true);
}

QFont scaledFont(QFont font, double scale) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else {
        font.setPixelSize(qRound(font.pixelSize() * scale));
    }
    return font;
}

int charsWide(const QWidget* widget, int characters) {
    return widget->fontMetrics().averageCharWidth() * characters;
}

int linesHigh(const QWidget* widget, double lines) {
    return qRound(widget->fontMetrics().lineSpacing() * lines);
}

QLabel* headingLabel(const char* objectName, const QString& text, double scale, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    QFont big = scaledFont(label->font(), scale);
    big.setBold(true);
    label->setFont(big);
    label->setAlignment(Qt::AlignCenter);
    setTextColour(label, kYellow);
    return label;
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

QIcon gameIcon() {
    // The pictures are built into the program, so the build tree and every install show the
    // same icon. Title bars and window lists draw it at 64 pixels at most; the larger ones
    // (a window's icon is sent whole to the window manager, costing some 20 ms and 5 MB at
    // start-up) are left to the icon theme, where the desktop's menu finds them.
    QIcon icon;
    for (int size : kWindowIconSizes)
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/" ZT_APP_ID ".png").arg(size),
                     QSize(size, size));
    return icon;
}

} // namespace zt
