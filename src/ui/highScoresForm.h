#pragma once
#include "storage/high_scores.h"

#include <QDialog>

namespace zt {

// The three high score lists: short, normal and long games, three rows each.
class HighScoresForm : public QDialog {
    Q_OBJECT
  public:
    explicit HighScoresForm(QWidget* parent);

    // Writes the eighteen name and score labels from the lists.
    void showScores(const HighScores& scores);
};

} // namespace zt
