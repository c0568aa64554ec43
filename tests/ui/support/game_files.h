#pragma once
// Answers the saved-game file dialog from the test: each choice takes the next queued name
// (an empty name cancels) and records which dialog asked and where it started.
#include "ui/gameFileDialog.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace zt::test {

class ChosenFiles {
  public:
    ChosenFiles();
    ~ChosenFiles();
    void queue(const QString& fileName) { names_.push_back(fileName); }

    std::vector<GameFileDialogKind> kinds;
    QStringList folders;

  private:
    std::deque<QString> names_;
};

} // namespace zt::test
