#include "ui/MapView.h"

#include "ui/GameSession.h"
#include "ui/look.h"
#include "ui/map_widgets.h"
#include "ui/media_files.h"

#include <QAccessible>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace zt {

namespace {

// The map's geometry in pixels at its usual size: each cell's box, the distance between
// boxes, the picture inside a box, the name beneath it and the margin left for the flash
// around the whole grid. Every figure scales with the map.
constexpr int kBox = 88;
constexpr int kPitchX = 94;
constexpr int kPitchY = 92;
constexpr int kPicture = 64;
constexpr int kPictureTop = 4;
constexpr int kNameHeight = 17;
constexpr int kMargin = 6;
constexpr int kFlashThickness = 3;
constexpr int kBoxThickness = 2;
constexpr QSize kUsualSize(2 * kMargin + (kColumns - 1) * kPitchX + kBox,
                           2 * kMargin + (kRows - 1) * kPitchY + kBox);
// The smallest map, as a share of the usual size, and the smallest share of the usual name
// size, so that names stay readable.
constexpr double kSmallest = 0.7;
constexpr double kSmallestNames = 0.9;
// The keyboard's marker: dashed cyan (15:1 against the black ground), inside the box.
const QColor kMarkerColour(0, 255, 255);
constexpr int kMarkerInset = 4;
constexpr int kMarkerThickness = 2;

const QColor kGreen(0, 255, 0);

int scaled(double k, int pixels) {
    return static_cast<int>(std::lround(k * pixels));
}

} // namespace

MapView::MapView(GameSession& session, QWidget* parent)
    : QGroupBox(QStringLiteral("Map"), parent), session_(session) {
    setObjectName(QStringLiteral("Frame1"));
    canvas_ = new MapCanvas(kUsualSize, this);
    canvas_->setObjectName(QStringLiteral("mapCanvas"));
    canvas_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    canvas_->setMinimumSize(scaled(kSmallest, kUsualSize.width()),
                            scaled(kSmallest, kUsualSize.height()));
    canvas_->resize(kUsualSize);
    nameFont_ = scaledFont(canvas_->font(), 0.85);
    for (int i = 0; i < kCells; ++i) {
        const QString index = QString::number(i);

        auto* box = new Outline(kRed, kBoxThickness, canvas_);
        box->setObjectName(QStringLiteral("mapOutline_") + index);
        box->hide();
        mapOutline_[static_cast<std::size_t>(i)] = box;

        auto* picture = new MapPicture(canvas_);
        picture->setObjectName(QStringLiteral("mapImage_") + index);
        picture->hide();
        connect(picture, &MapPicture::clicked, this,
                [this, i] { session_.pickDestination(i + 1); });
        mapImage_[static_cast<std::size_t>(i)] = picture;

        auto* name = new QLabel(canvas_);
        name->setObjectName(QStringLiteral("mapImageLabel_") + index);
        name->setAlignment(Qt::AlignCenter);
        name->setTextFormat(Qt::PlainText);
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
        name->hide();
        mapImageLabel_[static_cast<std::size_t>(i)] = name;
    }
    zoomGraphic_ = new Outline(kRed, kFlashThickness, canvas_);
    zoomGraphic_->setObjectName(QStringLiteral("zoomGraphic"));
    zoomGraphic_->hide();
    marker_ = new Outline(kMarkerColour, kMarkerThickness, canvas_, true);
    marker_->setObjectName(QStringLiteral("mapFocusMarker"));
    marker_->hide();
    zoomTimer_ = new QTimer(this);
    zoomTimer_->setObjectName(QStringLiteral("zoomTimer"));
    zoomTimer_->setInterval(200);
    connect(zoomTimer_, &QTimer::timeout, this, &MapView::zoomTimer_Timer);
    placeCells();
    canvas_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(canvas_);

    connect(&session_, &GameSession::layoutChanged, this, &MapView::rebuild);
    connect(&session_, &GameSession::destinationPicked, this, [this](int previousCell) {
        showPicked(previousCell);
        nameGalaxies();
        // A pick by mouse brings the marker along; a new reckoning of the route leaves it.
        if (previousCell != session_.state().selectedCell) markCell(session_.state().selectedCell);
    });
    connect(&session_, &GameSession::mapFlashStarted, this, [this] {
        zoomTicks_ = 0;
        zoomTimer_->start();
    });
    connect(&session_, &GameSession::departed, this, [this](int from) {
        mapOutline_[static_cast<std::size_t>(session_.state().galaxies[from].cell() - 1)]->hide();
        nameGalaxies();
    });
    connect(&session_, &GameSession::arrived, this, [this](int to) {
        showBox(session_.state().galaxies[to].cell(), kRed);
        nameGalaxies();
        markHere();
    });
    connect(&session_, &GameSession::searchShown, this, &MapView::showSearch);
    connect(&session_, &GameSession::searchEnded, this, [this] {
        search_.reset();
        showUsualOutlines();
        nameGalaxies();
    });
}

const QPixmap& MapView::galaxyPicture(int galaxy) {
    QPixmap& picture = pictures_[static_cast<std::size_t>(galaxy - 1)];
    if (picture.isNull())
        picture = loadPicture(
            QDir(session_.dataFolder()).filePath(QStringLiteral("Graphics/%1.jpg").arg(galaxy)));
    return picture;
}

void MapView::rebuild() {
    const GameState& state = session_.state();
    search_.reset();
    for (int cell = 1; cell <= kCells; ++cell) {
        const auto i = static_cast<std::size_t>(cell - 1);
        const int g = state.cellGalaxy[cell];
        if (g >= 1 && g <= kGalaxies) {
            showPicture(cell);
            mapImage_[i]->show();
            mapImageLabel_[i]->setText(QString::fromStdString(state.galaxies[g].name));
            mapImageLabel_[i]->show();
        } else {
            mapImage_[i]->clear();
            mapImage_[i]->hide();
            mapImageLabel_[i]->clear();
            mapImageLabel_[i]->hide();
        }
    }
    showUsualOutlines();
    nameGalaxies();
    markHere();
    if (QAccessible::isActive()) {
        QAccessibleEvent reordered(canvas_, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }
}

void MapView::placeCells() {
    const QSize room = canvas_->size();
    const double k = std::min(room.width() / double(kUsualSize.width()),
                              room.height() / double(kUsualSize.height()));
    const QSize grid(scaled(k, kUsualSize.width()), scaled(k, kUsualSize.height()));
    const int left = (room.width() - grid.width()) / 2;
    const QFont font = scaledFont(nameFont_, std::max(k, kSmallestNames));
    const int box = scaled(k, kBox);
    const int nameHeight = std::max(scaled(k, kNameHeight), QFontMetrics(font).height() + 1);
    const int top = scaled(k, kPictureTop);
    const int picture = std::min(scaled(k, kPicture), box - top - 1 - nameHeight - kBoxThickness);
    for (int i = 0; i < kCells; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const int x = left + scaled(k, kMargin + (i % kColumns) * kPitchX);
        const int y = scaled(k, kMargin + (i / kColumns) * kPitchY);
        mapOutline_[n]->setGeometry(x, y, box, box);
        mapImage_[n]->setGeometry(x + (box - picture) / 2, y + top, picture, picture);
        mapImageLabel_[n]->setFont(font);
        mapImageLabel_[n]->setGeometry(x + kBoxThickness, y + box - kBoxThickness - nameHeight,
                                       box - 2 * kBoxThickness, nameHeight);
    }
    zoomGraphic_->setGeometry(left, 0, grid.width(), grid.height());
    if (picture != picturePixels_) {
        picturePixels_ = picture;
        for (int cell = 1; cell <= kCells; ++cell)
            if (!mapImage_[static_cast<std::size_t>(cell - 1)]->isHidden()) showPicture(cell);
    }
    placeMarker();
}

// Pictures are scaled once for each new size, never as they are painted.
void MapView::showPicture(int cell) {
    const QPixmap& original = galaxyPicture(session_.state().cellGalaxy[cell]);
    const QSize side(picturePixels_, picturePixels_);
    mapImage_[static_cast<std::size_t>(cell - 1)]->setPixmap(
        original.size() == side || original.isNull()
            ? original
            : original.scaled(side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void MapView::showBox(int cell, const QColor& colour) {
    Outline* box = mapOutline_[static_cast<std::size_t>(cell - 1)];
    box->setBorderColour(colour);
    box->show();
}

void MapView::showUsualOutlines() {
    for (Outline* box : mapOutline_)
        box->hide();
    const GameState& state = session_.state();
    if (!state.inProgress()) return;
    showBox(state.galaxies[session_.shownGalaxy()].cell(), kRed);
    if (state.selectedCell != kNoCell) showBox(state.selectedCell, kWhite);
}

void MapView::showPicked(int previousCell) {
    const GameState& state = session_.state();
    const int here = state.galaxies[session_.shownGalaxy()].cell();
    if (previousCell != kNoCell && previousCell != here)
        mapOutline_[static_cast<std::size_t>(previousCell - 1)]->hide();
    showBox(state.selectedCell, kWhite);
}

void MapView::showSearch(const GoodSearch& found) {
    for (Outline* box : mapOutline_)
        box->hide();
    const GameState& state = session_.state();
    for (int g : found.supplying)
        showBox(state.galaxies[g].cell(), kGreen);
    for (int g : found.demanding)
        showBox(state.galaxies[g].cell(), kRed);
    search_ = found;
    nameGalaxies();
}

void MapView::nameGalaxies() {
    const GameState& state = session_.state();
    const bool playing = state.inProgress();
    const int here = playing ? state.galaxies[session_.shownGalaxy()].cell() : kNoCell;
    const auto among = [](const std::vector<int>& galaxies, int g) {
        return std::find(galaxies.begin(), galaxies.end(), g) != galaxies.end();
    };
    for (int cell = 1; cell <= kCells; ++cell) {
        const int g = state.cellGalaxy[cell];
        if (g < 1 || g > kGalaxies) continue;
        QString name = QString::fromStdString(state.galaxies[g].name);
        if (cell == here) name += QStringLiteral(", current location");
        if (playing && cell == state.selectedCell && cell != here)
            name += QStringLiteral(", selected destination");
        if (search_ && among(search_->supplying, g))
            name += QStringLiteral(", supplies the searched good");
        if (search_ && among(search_->demanding, g))
            name += QStringLiteral(", demands the searched good");
        mapImage_[static_cast<std::size_t>(cell - 1)]->setSpokenName(name);
    }
}

bool MapView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != canvas_) return QGroupBox::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize:
        placeCells();
        break;
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason)
            keyboardFocus_ = true;
        markCell(markedCell_);
        // The marked galaxy's focus is told after the map's own, which Qt tells once the
        // map has the focus.
        QMetaObject::invokeMethod(
            this, [this] { markCell(markedCell_); }, Qt::QueuedConnection);
        break;
    }
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            keyboardFocus_ = false;
        markCell(markedCell_);
        break;
    case QEvent::KeyPress: {
        // Keys held with Ctrl or Alt are the menus' shortcuts.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ||
            !handleKey(key->key()))
            return false;
        if (!keyboardFocus_) {
            keyboardFocus_ = true;
            placeMarker();
        }
        return true;
    }
    default:
        break;
    }
    return false;
}

bool MapView::handleKey(int key) {
    if (markedCell_ == kNoCell) return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        mapImage_[static_cast<std::size_t>(markedCell_ - 1)]->press();
        return true;
    }
    const std::pair<int, MapDirection> arrows[] = {{Qt::Key_Left, MapDirection::left},
                                                   {Qt::Key_Right, MapDirection::right},
                                                   {Qt::Key_Up, MapDirection::up},
                                                   {Qt::Key_Down, MapDirection::down}};
    const GameState& state = session_.state();
    for (const auto& [arrow, direction] : arrows)
        if (key == arrow) {
            markCell(nextCellToward(markedCell_, direction, [&state](int cell) {
                return state.cellGalaxy[cell] >= 1 && state.cellGalaxy[cell] <= kGalaxies;
            }));
            return true;
        }
    return false;
}

void MapView::markHere() {
    const GameState& state = session_.state();
    markCell(state.inProgress() ? state.galaxies[session_.shownGalaxy()].cell() : kNoCell);
}

void MapView::markCell(int cell) {
    if (markedCell_ != kNoCell)
        mapImage_[static_cast<std::size_t>(markedCell_ - 1)]->setMarked(false);
    markedCell_ = cell;
    placeMarker();
    if (cell == kNoCell) return;
    MapPicture* picture = mapImage_[static_cast<std::size_t>(cell - 1)];
    picture->setMarked(true);
    // A screen reader follows the marker as it follows the focus.
    if (canvas_->hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focused(picture, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

void MapView::placeMarker() {
    if (markedCell_ == kNoCell || !canvas_->hasFocus() || !keyboardFocus_) {
        marker_->hide();
        return;
    }
    const QRect box = mapOutline_[static_cast<std::size_t>(markedCell_ - 1)]->geometry();
    marker_->setGeometry(box.adjusted(kMarkerInset, kMarkerInset, -kMarkerInset, -kMarkerInset));
    marker_->raise();
    marker_->show();
}

void MapView::stopFlash() {
    zoomTimer_->stop();
}

void MapView::zoomTimer_Timer() {
    ++zoomTicks_;
    zoomGraphic_->setVisible(!zoomGraphic_->isVisible());
    if (zoomTicks_ > 3) {
        zoomTimer_->stop();
        zoomGraphic_->hide();
    }
}

} // namespace zt
