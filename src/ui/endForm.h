#pragma once
#include "core/random.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QTimer;

namespace zt {

class GameSession;

// The end of a game: the net worth, a name for a new high score, and the choice between a
// new game and leaving. Closing it without a button counts as "New Game".
class EndForm : public QDialog {
    Q_OBJECT
  public:
    enum class Choice { NewGame, Exit };

    // `colours` feeds the title's colour cycling (a decoration, not the game's draws).
    EndForm(GameSession& session, RandomSource& colours, QWidget* parent);

    // The end of the session's game: shows the net worth, waits for the player, enters a
    // new high score under the name given and writes the lists (a message says when they
    // could not be written). Nothing when the game's length has no list.
    std::optional<Choice> finishGame();

    // Fills the texts for a game that earned a row or did not; the name box is open only
    // for a new high score and keeps the name typed last time.
    void showResult(std::int32_t netWorth, bool newHighScore);

    Choice choice() const { return choice_; }
    QString playerName() const;

    // One tick of the title's colour cycling: a new random colour.
    void highScoreTimer_Timer();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    GameSession& session_;
    RandomSource& colours_;
    Choice choice_ = Choice::NewGame;
    QLabel* titleLabel_;
    QLabel* promptLabel_;
    QLabel* netWorthLabel_;
    QLineEdit* nameBox_;
    QTimer* highScoreTimer_;
};

} // namespace zt
