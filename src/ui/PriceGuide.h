#pragma once
#include <QDialog>

#include <span>

namespace zt {

// A read-only guide to the usual price of every good of one market. Its texts belong to the
// window itself: nothing is read from the game, so they never change. Its one button hides it.
class PriceGuide : public QDialog {
    Q_OBJECT
  public:
    // One row of the guide: the good and its usual price range.
    struct Item {
        const char* name;
        const char* range;
    };
    // The names and texts that tell one guide from the other.
    struct Texts {
        const char* objectName;
        const char* windowCaption;
        const char* buttonName;
        const char* buttonCaption;
        const char* picture;
    };

  protected:
    // Lays `items` out top to bottom in `columns` columns of equal length.
    PriceGuide(const Texts& texts, std::span<const Item> items, int columns,
               const QString& dataFolder, QWidget* parent);
};

} // namespace zt
