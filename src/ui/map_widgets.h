#pragma once
#include "ui/ClickableLabel.h"

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace zt {

// A square frame drawn around a map cell or around the whole map; only its border is
// painted and it lets clicks through to what lies beneath.
class Outline : public QWidget {
    Q_OBJECT
  public:
    Outline(QColor colour, int thickness, QWidget* parent);
    void setBorderColour(const QColor& colour);
    QColor borderColour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    int thickness_;
};

// A galaxy's picture on the map; a left click on it reports `clicked`.
class MapPicture : public ClickableLabel {
    Q_OBJECT
  public:
    using ClickableLabel::ClickableLabel;
};

} // namespace zt
