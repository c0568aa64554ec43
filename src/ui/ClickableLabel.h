#pragma once
#include <QLabel>

namespace zt {

// A label the player can click, such as a maximum that fills the amount box when clicked.
// Given a focus policy (see fillFigure), it takes the focus: a dotted frame shows it, and
// Enter or Space press it as a click does.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableLabel(QWidget* parent);

  signals:
    // A left click released over the label, or Enter or Space while it has the focus.
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zt
