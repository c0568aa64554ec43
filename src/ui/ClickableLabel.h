#pragma once
#include <QLabel>

namespace zt {

// A label the player can click, such as a maximum that fills the amount box when clicked.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableLabel(QWidget* parent);

  signals:
    // A left click released over the label.
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zt
