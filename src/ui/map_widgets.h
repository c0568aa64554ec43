#pragma once
#include "ui/ClickableLabel.h"

#include <QColor>
#include <QLabel>
#include <QWidget>

#include <functional>

class QAccessibleInterface;

namespace zt {

// A square frame drawn around a map cell or around the whole map; only its border is
// painted and it lets clicks through to what lies beneath. A dashed frame is the keyboard's
// marker, drawn inside the cell's box so that it never covers the box.
class Outline : public QWidget {
    Q_OBJECT
  public:
    Outline(QColor colour, int thickness, QWidget* parent, bool dashed = false);
    void setBorderColour(const QColor& colour);
    QColor borderColour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    int thickness_;
    bool dashed_;
};

// A galaxy's picture on the map; a left click on it, or a screen reader's press, reports
// `clicked`. Screen readers know it as a button named by `spokenName` (the galaxy and what
// it is to the player), focused while the keyboard's marker is on it in the focused map.
class MapPicture : public ClickableLabel {
    Q_OBJECT
  public:
    using ClickableLabel::ClickableLabel;
    // A new name is told to a screen reader that listens.
    void setSpokenName(const QString& name);
    const QString& spokenName() const { return spokenName_; }
    void setMarked(bool marked) { marked_ = marked; }
    bool isMarked() const { return marked_; }
    void press() { emit clicked(); }

  private:
    QString spokenName_;
    bool marked_ = false;
};

// The map's drawing area, which takes the keyboard. Screen readers see its galaxies' pictures
// as its only children: empty cells, names, boxes and the flash are left out.
class MapCanvas : public QWidget {
    Q_OBJECT
  public:
    // `usualSize` is the map's size when nothing makes it grow or shrink.
    MapCanvas(QSize usualSize, QWidget* parent);
    QSize sizeHint() const override { return usualSize_; }
    // The galaxies' pictures in cell order.
    QList<MapPicture*> shownPictures() const;

  private:
    QSize usualSize_;
};

// The arrow keys' directions on the map.
enum class MapDirection { left, right, up, down };

// The cell the marker moves to from `fromCell` (1..42) in `direction`, skipping empty cells.
// Left and right: the nearest galaxy of the same row that way, else the nearest within 45
// degrees, else the nearest that way. Up and down: the next row that way with a galaxy, the
// galaxy of it closest to the column. Ties go to the cell listed first; `fromCell` itself
// when no galaxy lies that way.
int nextCellToward(int fromCell, MapDirection direction, const std::function<bool(int)>& hasGalaxy);

// How screen readers see the map as described above: the interface of a map canvas or
// picture, nullptr for any other object (asked by the game's accessibility factory).
QAccessibleInterface* mapAccessible(const QString& className, QObject* object);

} // namespace zt
