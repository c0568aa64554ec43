#pragma once
#include "core/catalogue.h"

#include <QDialog>

class QTabWidget;

namespace zt {

// The player's manual on six tabs, read-only. It is built when first opened and only hidden
// afterwards, so it opens again on the tab read last.
class InstructionsForm : public QDialog {
    Q_OBJECT
  public:
    InstructionsForm(const Catalogue& catalogue, QWidget* parent);

  private:
    QTabWidget* tabs_;
};

} // namespace zt
