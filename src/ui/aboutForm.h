#pragma once
#include <QDialog>

namespace zt {

// Who made the game: the title, a picture and a few lines of credits.
class AboutForm : public QDialog {
    Q_OBJECT
  public:
    // `picture` is the file of the window's picture.
    AboutForm(const QString& picture, QWidget* parent);
};

} // namespace zt
