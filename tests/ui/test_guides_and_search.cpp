// The Black Market's price guide and the supply/demand search with its boxes on the main map.
#include "ui/support/ui_support.h"

#include <QComboBox>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

QComboBox* goodCombo(QWidget* search) {
    return qobject_cast<QComboBox*>(widget(search, "goodCombo"));
}

// Picks entry `index` of the search's good list with the keyboard.
void pickGood(QWidget* search, int index) {
    QTest::keyClick(goodCombo(search), Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(goodCombo(search), Qt::Key_Down);
}

} // namespace

class GuidesAndSearchTest : public QObject {
    Q_OBJECT
  private slots:
    void theBlackMarketsButtonOpensTheBlackGoodsGuide();
    void theSearchListsAndBoxesGalaxiesAndRestoresTheMap();
};

void GuidesAndSearchTest::theBlackMarketsButtonOpensTheBlackGoodsGuide() {
    TestGame game;
    startGame(*game.main);
    QString opened;
    whenModalShown([&](QWidget* black) {
        whenModalShown([&](QWidget* guide) {
            opened = guide->objectName();
            click(guide, "Command1");
        });
        click(black, "normalPricesButton");
        click(black, "doneButton");
    });
    click(game.main.get(), "blackMarketButton");
    QCOMPARE(opened, QStringLiteral("blackNormalGoodsPrices"));
}

void GuidesAndSearchTest::theSearchListsAndBoxesGalaxiesAndRestoresTheMap() {
    TestGame game;
    Main& main = *game.main;
    startKnownGame(main);
    GameState& s = main.session().state();
    for (Galaxy& g : s.galaxies) { // good 7 and black good 5 nowhere...
        for (int k = 1; k <= 4; ++k)
            g.demands[k] = static_cast<std::int16_t>(k), g.supplies[k] = std::int16_t(k + 8);
        g.blackDemands = {}, g.blackSupplies = {};
    }
    // ...but good 7 sold by galaxies 12 and 3 (here), bought by 16 and 1; black good 5 sold by 9.
    s.galaxies[12].supplies[4] = s.galaxies[3].supplies[1] = 7;
    s.galaxies[16].demands[2] = s.galaxies[1].demands[3] = 7;
    s.galaxies[9].blackSupplies[2] = 5;
    const auto name = [&](int g) { return QString::fromStdString(s.galaxies[g].name); };
    click(&main, "mapImage_8");
    // What the search shows is noted while it is open and compared once it is closed.
    QStringList seen;
    whenModalShown([&](QWidget* search) {
        seen << QString::number(goodCombo(search)->count());
        pickGood(search, 6);
        seen << listRows(search, "supplyingBox") << listRows(search, "demandingBox")
             << visibleOutlines(main);
        click(search, "blackMarketGoodsOption"); // the boxes stay until a new good is picked
        seen << visibleOutlines(main) << QString::number(goodCombo(search)->count());
        pickGood(search, 4);
        seen << listRows(search, "supplyingBox") << listRows(search, "demandingBox")
             << visibleOutlines(main);
        click(search, "doneButton");
    });
    click(&main, "sdChartButton");
    // Galaxy 1 on cell 1, 3 on cell 8, 12 on cell 10, 16 on cell 14, 9 on cell 5.
    const QStringList found = {"0 #ff0000", "7 #00ff00", "9 #00ff00", "13 #ff0000"};
    QCOMPARE(seen, QStringList({"20", name(3), name(12), name(1), name(16)}) + found + found +
                       QStringList({"6", name(9), "4 #00ff00"}));
    QCOMPARE(visibleOutlines(main), QStringList({"7 #ff0000", "8 #ffffff"}));
}

QTEST_MAIN(GuidesAndSearchTest)
#include "test_guides_and_search.moc"
