#pragma once
#include <QListWidget>
#include <QStringList>

namespace zt {

// A list of a market's window: padded rows of a good, a price and a quantity under a heading
// of three captions. A double-click or Enter on a row chooses it, and so does the row's action
// through the accessibility bus; a screen reader hears the list by its heading ("Goods For
// Sale") and each row by its fields ("Hard Drives, cost 41, quantity 2504").
class TradeList : public QListWidget {
    Q_OBJECT
  public:
    explicit TradeList(QWidget* parent);

    // The three captions of the heading over the list, such as "Goods For Sale:", "Cost:".
    void setColumns(const QStringList& captions);
    // The list's name: the first caption without its colons.
    QString heading() const;
    // Row `row` read as its fields, each after its caption.
    QString spokenRow(int row) const;

    // Chooses row `row` as a double-click on it does.
    void choose(int row);

  signals:
    void rowChosen(QListWidgetItem* item);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QStringList columns_;
};

} // namespace zt
