#include "ui/look.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace zt {

void applySpaceLook(QWidget* window) {
    QPalette p = window->palette();
    const QColor black(0, 0, 0), light(225, 225, 235), panel(40, 40, 52), dim(120, 120, 130);
    p.setColor(QPalette::Window, black);
    p.setColor(QPalette::WindowText, light);
    p.setColor(QPalette::Base, QColor(16, 16, 24));
    p.setColor(QPalette::AlternateBase, panel);
    p.setColor(QPalette::Text, light);
    p.setColor(QPalette::Button, panel);
    p.setColor(QPalette::ButtonText, light);
    p.setColor(QPalette::Highlight, QColor(60, 90, 170));
    p.setColor(QPalette::HighlightedText, kWhite);
    p.setColor(QPalette::ToolTipBase, panel);
    p.setColor(QPalette::ToolTipText, light);
    p.setColor(QPalette::Light, QColor(90, 90, 110));
    p.setColor(QPalette::Midlight, QColor(70, 70, 90));
    p.setColor(QPalette::Mid, QColor(55, 55, 70));
    p.setColor(QPalette::Dark, QColor(25, 25, 32));
    p.setColor(QPalette::Shadow, black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dim);
    p.setColor(QPalette::Disabled, QPalette::Button, QColor(24, 24, 30));
    window->setPalette(p);
    window->setAutoFillBackground(true);
}

QLabel* headingLabel(const char* objectName, const QString& text, double scale, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    QFont big = label->font();
    big.setPointSizeF(big.pointSizeF() * scale);
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
