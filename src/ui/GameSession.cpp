#include "ui/GameSession.h"

#include "core/new_game.h"
#include "market/market.h"
#include "storage/saved_game.h"
#include "travel/flight.h"
#include "travel/route.h"
#include "ui/SoundPlayer.h"

#include <QDir>
#include <QFile>

#include <filesystem>

namespace zt {

// What the flight asks for, passed on as the session's signals in the flight's order.
class GameSession::Flight final : public FlightHost {
  public:
    explicit Flight(GameSession& session) : s_(session) {}

    void endOfGame() override { emit s_.gameOver(); }
    void playEngineSound() override { s_.playSound(QStringLiteral("jet.wav")); }
    void startMapFlash() override { emit s_.mapFlashStarted(); }
    void announceTrendsShift() override { emit s_.trendsShifted(); }
    void showDeparture(int from, int to) override {
        s_.flightDestination_ = to;
        emit s_.departed(from, to);
    }
    void showArrival(int to) override {
        emit s_.statusChanged();
        emit s_.arrived(to);
    }
    void naturalHazardAlert() override { emit s_.naturalHazardMet(); }
    void spacePiratesAlert() override { emit s_.spacePiratesMet(); }
    void irsAlert() override { emit s_.irsMet(); }

  private:
    GameSession& s_;
};

GameSession::GameSession(const GameFolders& folders, RandomSource& rng, QObject* parent)
    : QObject(parent), folders_(folders),
      dataFolder_(QFile::decodeName(folders.dataFolder.c_str())), rng_(rng) {
    const QDir folder(dataFolder_);
    const HighScoresRead read = readHighScores(folders_.highScoresToRead());
    highScores_ = read.scores;
    highScoresDamaged_ = read.damaged;
    catalogue_ = loadCatalogue(QFile::encodeName(folder.filePath(kStringsFileName)).toStdString());
    sound_ = new SoundPlayer(folder.filePath(QStringLiteral("Sounds")), this);
}

int GameSession::shownGalaxy() const {
    return flightDestination_ != 0 ? flightDestination_ : state_.currentGalaxy;
}

void GameSession::resetForNewGame() {
    // The status keeps what it shows until the game is laid out.
    flightDestination_ = 0;
    zt::resetForNewGame(state_);
}

void GameSession::startGame(int gameLength) {
    layOutNewGame(state_, catalogue_, rng_, gameLength);
    emit layoutChanged();
    emit gameStarted();
    emit statusChanged();
}

void GameSession::pickDestination(int cell) {
    if (landing()) return;
    const int previous = state_.selectedCell;
    if (selectDestination(state_, catalogue_, cell)) emit destinationPicked(previous);
}

void GameSession::holdingsChanged() {
    emit statusChanged();
    pickDestination(state_.selectedCell);
}

void GameSession::eventDecided() {
    emit statusChanged();
}

void GameSession::fly() {
    Flight flight(*this);
    zt::fly(state_, catalogue_, rng_, flight);
    flightDestination_ = 0;
    emit flightOver();
}

bool GameSession::loadGame(const std::string& path) {
    // The file is read and checked whole before it replaces the game in play.
    if (!loadGameFile(state_, catalogue_, path).loaded) return false;
    flightDestination_ = 0;
    emit layoutChanged();
    emit gameLoaded();
    emit statusChanged();
    return true;
}

bool GameSession::saveGame(const std::string& path) const {
    return saveGameFile(state_, path);
}

void GameSession::showSearch(const GoodSearch& found) {
    emit searchShown(found);
}

void GameSession::endSearch() {
    emit searchEnded();
}

std::optional<FinalScore> GameSession::finalScore() const {
    return zt::finalScore(highScores_, state_);
}

bool GameSession::enterFinalScore(const FinalScore& score, const std::string& name) {
    enterHighScore(highScores_[state_.gameLength], *score.row, name, score.netWorth);
    emit highScoresChanged();
    const std::string& path = folders_.highScoresFile;
    return makeFolder(std::filesystem::path(path).parent_path().string()) &&
           keepDamagedHighScoresOnce(path) && writeHighScores(path, highScores_);
}

bool GameSession::keepDamagedHighScoresOnce(const std::string& path) {
    if (!highScoresDamaged_) return true;
    if (!keepDamagedHighScores(path)) return false;
    highScoresDamaged_ = false;
    return true;
}

void GameSession::playSound(const QString& fileName) {
    sound_->close();
    if (soundOn_) sound_->play(fileName);
}

void GameSession::stopSound() {
    sound_->close();
}

} // namespace zt
