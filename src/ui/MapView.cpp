#include "ui/MapView.h"

#include "market/search.h"
#include "ui/GameSession.h"
#include "ui/look.h"
#include "ui/map_widgets.h"
#include "ui/media_files.h"

#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace zt {

namespace {

// The map's geometry in pixels: each cell's box, the distance between boxes, the picture
// inside a box and the margin left for the flash around the whole grid.
constexpr int kBox = 88;
constexpr int kPitchX = 94;
constexpr int kPitchY = 92;
constexpr int kPicture = 64;
constexpr int kMargin = 6;
constexpr int kFlashThickness = 3;
constexpr int kBoxThickness = 2;

const QColor kGreen(0, 255, 0);

} // namespace

MapView::MapView(GameSession& session, QWidget* parent)
    : QGroupBox(QStringLiteral("Map"), parent), session_(session) {
    setObjectName(QStringLiteral("Frame1"));
    auto* canvas = new QWidget(this);
    canvas->setObjectName(QStringLiteral("mapCanvas"));
    canvas->setFixedSize(2 * kMargin + (kColumns - 1) * kPitchX + kBox,
                         2 * kMargin + (kRows - 1) * kPitchY + kBox);
    QFont small = canvas->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (int i = 0; i < kCells; ++i) {
        const int x = kMargin + (i % kColumns) * kPitchX;
        const int y = kMargin + (i / kColumns) * kPitchY;
        const QString index = QString::number(i);

        auto* box = new Outline(kRed, kBoxThickness, canvas);
        box->setObjectName(QStringLiteral("mapOutline_") + index);
        box->setGeometry(x, y, kBox, kBox);
        box->hide();
        mapOutline_[static_cast<std::size_t>(i)] = box;

        auto* picture = new MapPicture(canvas);
        picture->setObjectName(QStringLiteral("mapImage_") + index);
        picture->setGeometry(x + (kBox - kPicture) / 2, y + 4, kPicture, kPicture);
        picture->setScaledContents(true);
        picture->hide();
        connect(picture, &MapPicture::clicked, this,
                [this, i] { session_.pickDestination(i + 1); });
        mapImage_[static_cast<std::size_t>(i)] = picture;

        auto* name = new QLabel(canvas);
        name->setObjectName(QStringLiteral("mapImageLabel_") + index);
        name->setGeometry(x + kBoxThickness, y + kPicture + 5, kBox - 2 * kBoxThickness,
                          kBox - kPicture - 5 - kBoxThickness);
        name->setAlignment(Qt::AlignCenter);
        name->setFont(small);
        name->setTextFormat(Qt::PlainText);
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
        name->hide();
        mapImageLabel_[static_cast<std::size_t>(i)] = name;
    }
    zoomGraphic_ = new Outline(kRed, kFlashThickness, canvas);
    zoomGraphic_->setObjectName(QStringLiteral("zoomGraphic"));
    zoomGraphic_->setGeometry(canvas->rect());
    zoomGraphic_->hide();
    zoomTimer_ = new QTimer(this);
    zoomTimer_->setObjectName(QStringLiteral("zoomTimer"));
    zoomTimer_->setInterval(200);
    connect(zoomTimer_, &QTimer::timeout, this, &MapView::zoomTimer_Timer);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(canvas);

    connect(&session_, &GameSession::layoutChanged, this, &MapView::rebuild);
    connect(&session_, &GameSession::destinationPicked, this, &MapView::showPicked);
    connect(&session_, &GameSession::mapFlashStarted, this, [this] {
        zoomTicks_ = 0;
        zoomTimer_->start();
    });
    connect(&session_, &GameSession::departed, this, [this](int from) {
        mapOutline_[static_cast<std::size_t>(session_.state().galaxies[from].cell() - 1)]->hide();
    });
    connect(&session_, &GameSession::arrived, this,
            [this](int to) { showBox(session_.state().galaxies[to].cell(), kRed); });
    connect(&session_, &GameSession::searchShown, this, &MapView::showSearch);
    connect(&session_, &GameSession::searchEnded, this, &MapView::showUsualOutlines);
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
    for (int cell = 1; cell <= kCells; ++cell) {
        const auto i = static_cast<std::size_t>(cell - 1);
        const int g = state.cellGalaxy[cell];
        if (g >= 1 && g <= kGalaxies) {
            mapImage_[i]->setPixmap(galaxyPicture(g));
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
    showBox(state.galaxies[state.currentGalaxy].cell(), kRed);
    if (state.selectedCell != kNoCell) showBox(state.selectedCell, kWhite);
}

void MapView::showPicked(int previousCell) {
    const GameState& state = session_.state();
    const int here = state.galaxies[state.currentGalaxy].cell();
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
