#pragma once
#include "core/game_state.h"
#include "market/search.h"

#include <QFont>
#include <QGroupBox>
#include <QPixmap>

#include <array>
#include <optional>

class QLabel;
class QTimer;

namespace zt {

class GameSession;
class MapCanvas;
class MapPicture;
class Outline;

// The map (`Frame1`): 42 cells, each with its galaxy's picture (`mapImage_N`), name
// (`mapImageLabel_N`) and box (`mapOutline_N`), and the red flash around the whole grid as a
// flight starts. A click on a picture picks that galaxy as the destination. The map grows
// and shrinks with the window, its cells square. It takes the keyboard: the arrow keys move
// a dashed cyan marker (`mapFocusMarker`) from galaxy to galaxy, and Enter or Space picks
// the marked one as a click does.
class MapView : public QGroupBox {
    Q_OBJECT
  public:
    MapView(GameSession& session, QWidget* parent);

    // One tick of the red flash around the map.
    void zoomTimer_Timer();
    // Ends the flash at once (the window is closing).
    void stopFlash();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Pictures and names from the layout, then the usual boxes.
    void rebuild();
    // Red around the current galaxy, white around the destination picked, every other box
    // hidden.
    void showUsualOutlines();
    void showPicked(int previousCell);
    void showSearch(const GoodSearch& found);
    void showBox(int cell, const QColor& colour);
    const QPixmap& galaxyPicture(int galaxy);
    // Every cell's place, picture and name at the canvas's size.
    void placeCells();
    void showPicture(int cell);
    // What a screen reader says of each galaxy: its name, then whether it is the current
    // location, the destination, or supplies or demands the good searched for.
    void nameGalaxies();
    bool handleKey(int key);
    // The keyboard's marker on `cell` (kNoCell: none), drawn while the keyboard holds the map.
    void markCell(int cell);
    void placeMarker();
    void markHere();

    GameSession& session_;
    MapCanvas* canvas_ = nullptr;
    std::array<MapPicture*, kCells> mapImage_{};
    std::array<QLabel*, kCells> mapImageLabel_{};
    std::array<Outline*, kCells> mapOutline_{};
    std::array<QPixmap, kGalaxies> pictures_;
    Outline* zoomGraphic_ = nullptr;
    Outline* marker_ = nullptr;
    QTimer* zoomTimer_ = nullptr;
    int zoomTicks_ = 0;
    int markedCell_ = kNoCell;
    // The marker shows once the keyboard brought the focus or moved on the map, not when the
    // window merely hands the focus to its first control, so a mouse player never sees it.
    bool keyboardFocus_ = false;
    int picturePixels_ = 0;            // the side of a picture at the present size
    QFont nameFont_;                   // the names' font at the usual size
    std::optional<GoodSearch> search_; // the search on show
};

} // namespace zt
