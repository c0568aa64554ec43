#pragma once
#include "core/game_state.h"

#include <QGroupBox>
#include <QPixmap>

#include <array>

class QLabel;
class QTimer;

namespace zt {

class GameSession;
class MapPicture;
class Outline;
struct GoodSearch;

// The map (`Frame1`): 42 cells, each with its galaxy's picture (`mapImage_N`), name
// (`mapImageLabel_N`) and box (`mapOutline_N`), and the red flash around the whole grid as a
// flight starts. A click on a picture picks that galaxy as the destination.
class MapView : public QGroupBox {
    Q_OBJECT
  public:
    MapView(GameSession& session, QWidget* parent);

    // One tick of the red flash around the map.
    void zoomTimer_Timer();
    // Ends the flash at once (the window is closing).
    void stopFlash();

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

    GameSession& session_;
    std::array<MapPicture*, kCells> mapImage_{};
    std::array<QLabel*, kCells> mapImageLabel_{};
    std::array<Outline*, kCells> mapOutline_{};
    std::array<QPixmap, kGalaxies> pictures_;
    Outline* zoomGraphic_ = nullptr;
    QTimer* zoomTimer_ = nullptr;
    int zoomTicks_ = 0;
};

} // namespace zt
