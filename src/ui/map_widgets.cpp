#include "ui/map_widgets.h"

#include "core/game_state.h"

#include <QAccessibleWidget>
#include <QPainter>

#include <cstdlib>
#include <tuple>

namespace zt {

Outline::Outline(QColor colour, int thickness, QWidget* parent, bool dashed)
    : QWidget(parent), colour_(colour), thickness_(thickness), dashed_(dashed) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Outline::setBorderColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void Outline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width(), h = height(), t = thickness_;
    if (dashed_) {
        QPen pen(colour_, t, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRectF(t / 2.0, t / 2.0, w - t, h - t));
        return;
    }
    painter.fillRect(0, 0, w, t, colour_);
    painter.fillRect(0, h - t, w, t, colour_);
    painter.fillRect(0, 0, t, h, colour_);
    painter.fillRect(w - t, 0, t, h, colour_);
}

void MapPicture::setSpokenName(const QString& name) {
    if (name == spokenName_) return;
    spokenName_ = name;
    // Only a listening screen reader is told, so a game without one does no extra work.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

MapCanvas::MapCanvas(QSize usualSize, QWidget* parent) : QWidget(parent), usualSize_(usualSize) {
    // Tab reaches the map; a click on a picture does not take the focus, so a mouse player
    // never sees the keyboard's marker.
    setFocusPolicy(Qt::TabFocus);
}

QList<MapPicture*> MapCanvas::shownPictures() const {
    QList<MapPicture*> shown;
    for (MapPicture* picture : findChildren<MapPicture*>(Qt::FindDirectChildrenOnly))
        if (!picture->isHidden()) shown << picture;
    return shown;
}

int nextCellToward(int fromCell, MapDirection direction,
                   const std::function<bool(int)>& hasGalaxy) {
    int best = fromCell;
    std::tuple<bool, bool, int, int, int> bestRank;
    for (int cell = 1; cell <= kCells; ++cell) {
        if (cell == fromCell || !hasGalaxy(cell)) continue;
        const int dx = cellColumn(cell) - cellColumn(fromCell);
        const int dy = cellRow(cell) - cellRow(fromCell);
        const bool horizontal = direction == MapDirection::left || direction == MapDirection::right;
        const bool backwards = direction == MapDirection::left || direction == MapDirection::up;
        const int along = (horizontal ? dx : dy) * (backwards ? -1 : 1);
        const int across = std::abs(horizontal ? dy : dx);
        if (along <= 0) continue;
        // Sideways along the row first; up and down a row at a time, so that every galaxy
        // can be reached from every other.
        const auto rank = horizontal ? std::tuple{across > 0, across > along,
                                                  along * along + across * across, across, cell}
                                     : std::tuple{false, false, along, across, cell};
        if (best == fromCell || rank < bestRank) {
            best = cell;
            bestRank = rank;
        }
    }
    return best;
}

namespace {

// A galaxy's picture: a button named after the galaxy, whose press picks it.
class PictureAccess : public QAccessibleWidget {
  public:
    explicit PictureAccess(MapPicture* picture) : QAccessibleWidget(picture, QAccessible::Button) {}
    MapPicture* picture() const { return static_cast<MapPicture*>(widget()); }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? picture()->spokenName() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.focused = picture()->isMarked() && picture()->parentWidget()->hasFocus();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) picture()->press();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// The map's drawing area: its galaxies' pictures are its children, the marked one its focus.
class CanvasAccess : public QAccessibleWidget {
  public:
    explicit CanvasAccess(MapCanvas* canvas) : QAccessibleWidget(canvas, QAccessible::Grouping) {}
    MapCanvas* canvas() const { return static_cast<MapCanvas*>(widget()); }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Map") : QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(canvas()->shownPictures().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<MapPicture*> shown = canvas()->shownPictures();
        if (index < 0 || index >= shown.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(shown[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return static_cast<int>(
            canvas()->shownPictures().indexOf(qobject_cast<MapPicture*>(child->object())));
    }
    QAccessibleInterface* focusChild() const override {
        if (!canvas()->hasFocus()) return nullptr;
        for (MapPicture* picture : canvas()->shownPictures())
            if (picture->isMarked()) return QAccessible::queryAccessibleInterface(picture);
        return nullptr;
    }
};

} // namespace

QAccessibleInterface* mapAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("zt::MapPicture"))
        return new PictureAccess(static_cast<MapPicture*>(object));
    if (className == QLatin1String("zt::MapCanvas"))
        return new CanvasAccess(static_cast<MapCanvas*>(object));
    return nullptr;
}

} // namespace zt
