// The price guides and the supply/demand search with its boxes on the main map.
#include "ui/look.h"
#include "ui/map_widgets.h"
#include "ui/support/ui_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QListWidget>
#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

const QColor kGreen(0, 255, 0);

// The texts of a guide's table, row by row: "item | range" for every column in turn.
QStringList guideRows(QWidget* guide) {
    QStringList texts;
    for (QGridLayout* grid : guide->findChildren<QGridLayout*>()) {
        for (int c = 0; c + 1 < grid->columnCount(); c += 2)
            for (int r = 0; r < grid->rowCount(); ++r)
                texts
                    << qobject_cast<QLabel*>(grid->itemAtPosition(r, c)->widget())->text() + " | " +
                           qobject_cast<QLabel*>(grid->itemAtPosition(r, c + 1)->widget())->text();
    }
    return texts;
}

QStringList listTexts(QWidget* window, const char* name) {
    QStringList texts;
    auto* list = qobject_cast<QListWidget*>(widget(window, name));
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// The boxes shown on the map, as "index:colour".
QStringList shownBoxes(Main& main) {
    QStringList boxes;
    for (int i = 0; i < kCells; ++i) {
        Outline* box = main.mapOutline(i);
        if (box->isVisible())
            boxes << QStringLiteral("%1:%2").arg(i).arg(box->borderColour().name());
    }
    return boxes;
}

// Picks entry `index` of the search's good list with the keyboard.
void pickGood(QWidget* search, int index) {
    auto* combo = qobject_cast<QComboBox*>(widget(search, "goodCombo"));
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), index);
}

} // namespace

class GuidesAndSearchTest : public QObject {
    Q_OBJECT
  private slots:
    void theRegularGuideShowsItsFixedTextsBeforeAnyGame();
    void theBlackMarketGuideOpensFromTheBlackMarket();
    void theSearchListsAndBoxesGalaxiesAndRestoresTheMap();
};

void GuidesAndSearchTest::theRegularGuideShowsItsFixedTextsBeforeAnyGame() {
    TestGame game;
    for (int visit = 0; visit < 2; ++visit) {
        whenModalShown([](QWidget* guide) {
            QCOMPARE(guide->objectName(), QStringLiteral("normalGoodsPricesForm"));
            QCOMPARE(labelText(guide, "Label1"), QStringLiteral("Zenthari Traders Guide"));
            const QStringList rows = guideRows(guide);
            QCOMPARE(rows.size(), 22);
            QCOMPARE(rows[0], QStringLiteral("Item: | Normal Price Range"));
            QCOMPARE(rows[1], QStringLiteral("Bandiwdth | $150,000 - 200,000"));
            QCOMPARE(rows[6], QStringLiteral("21\" LCD Monitors | $25,000 - 40,000"));
            QCOMPARE(rows[10], QStringLiteral("Video Cards | $200 - 400"));
            QCOMPARE(rows[11], QStringLiteral("Item: | Normal Price Range"));
            QCOMPARE(rows[12], QStringLiteral("Routers | $150 - 200"));
            QCOMPARE(rows[21], QStringLiteral("56k Modems | $3 - 5"));
            click(guide, "doneButton");
        });
        trigger(game.main.get(), "normalGoodsPricesMenu");
    }
    QVERIFY(!game.main->findChild<QWidget*>("normalGoodsPricesForm")->isVisible());
}

void GuidesAndSearchTest::theBlackMarketGuideOpensFromTheBlackMarket() {
    TestGame game;
    startGame(*game.main);
    whenModalShown([](QWidget* black) {
        whenModalShown([](QWidget* guide) {
            QCOMPARE(guide->objectName(), QStringLiteral("blackNormalGoodsPrices"));
            QCOMPARE(
                guideRows(guide),
                QStringList({"Item: | Normal Price Range", "Caffeine | $10,000 - 100,000",
                             "Password Lists | $1,000 - 10,000", "Refurbished RAM | $500 - 5,000",
                             "Pirated Software | $100 - 1,000", "Soma | $10 - 100",
                             "Modafinil | $10 - 100"}));
            click(guide, "Command1");
        });
        click(black, "normalPricesButton");
        QVERIFY(black->isVisible());
        click(black, "doneButton");
    });
    click(game.main.get(), "blackMarketButton");
}

void GuidesAndSearchTest::theSearchListsAndBoxesGalaxiesAndRestoresTheMap() {
    TestGame game;
    Main& main = *game.main;
    startKnownGame(main);
    GameState& s = main.state();
    for (Galaxy& g : s.galaxies) {
        for (int k = 1; k <= 4; ++k) {
            g.demands[k] = static_cast<std::int16_t>(k);
            g.supplies[k] = static_cast<std::int16_t>(k + 8);
        }
        g.blackDemands = {}, g.blackSupplies = {};
    }
    // Good 7: sold by galaxies 12 and 3 (here), bought by 16 and 1. Black good 5: sold by 9.
    s.galaxies[12].supplies[4] = 7;
    s.galaxies[3].supplies[1] = 7;
    s.galaxies[16].demands[2] = 7;
    s.galaxies[1].demands[3] = 7;
    s.galaxies[9].blackSupplies[2] = 5;
    const auto name = [&](int g) { return QString::fromStdString(s.galaxies[g].name); };
    const QString red = kRed.name(), white = kWhite.name(), green = kGreen.name();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    // Opened with F2, no destination picked: only the red box comes back.
    whenModalShown([&](QWidget* search) {
        QCOMPARE(search->windowTitle(), QStringLiteral("Click here and drag to move this form."));
        auto* combo = qobject_cast<QComboBox*>(widget(search, "goodCombo"));
        QCOMPARE(combo->count(), 20);
        QCOMPARE(combo->itemText(19), QString::fromStdString(main.catalogue().goodsNames[20]));
        pickGood(search, 6);
        QCOMPARE(listTexts(search, "supplyingBox"), QStringList({name(3), name(12)}));
        QCOMPARE(listTexts(search, "demandingBox"), QStringList({name(1), name(16)}));
        // Galaxy 1 on cell 1, 3 on cell 8, 12 on cell 10, 16 on cell 14.
        QCOMPARE(shownBoxes(main),
                 QStringList({"0:" + red, "7:" + green, "9:" + green, "13:" + red}));
        click(search, "doneButton");
    });
    QTest::keyClick(&main, Qt::Key_F2);
    QCOMPARE(shownBoxes(main), QStringList({"7:" + red}));

    // With a destination picked: the black goods, then the white box back on closing.
    click(&main, "mapImage_8");
    whenModalShown([&](QWidget* search) {
        auto* normal = qobject_cast<QAbstractButton*>(widget(search, "normalGoodsOption"));
        QVERIFY(normal->isChecked());
        QVERIFY(listTexts(search, "supplyingBox").isEmpty());
        pickGood(search, 6);
        click(search, "blackMarketGoodsOption");
        QVERIFY(listTexts(search, "supplyingBox").isEmpty());
        QCOMPARE(shownBoxes(main).size(), 4); // the last search stays on the map
        auto* combo = qobject_cast<QComboBox*>(widget(search, "goodCombo"));
        QCOMPARE(combo->count(), 6);
        pickGood(search, 4);
        QCOMPARE(listTexts(search, "supplyingBox"), QStringList({name(9)}));
        QVERIFY(listTexts(search, "demandingBox").isEmpty());
        QCOMPARE(shownBoxes(main), QStringList({"4:" + green}));
        click(search, "doneButton");
    });
    click(&main, "sdChartButton");
    QCOMPARE(shownBoxes(main), QStringList({"7:" + red, "8:" + white}));

    // Every opening starts over on the regular goods.
    whenModalShown([&](QWidget* search) {
        QVERIFY(qobject_cast<QAbstractButton*>(widget(search, "normalGoodsOption"))->isChecked());
        QCOMPARE(qobject_cast<QComboBox*>(widget(search, "goodCombo"))->count(), 20);
        QVERIFY(listTexts(search, "demandingBox").isEmpty());
        click(search, "doneButton");
    });
    trigger(&main, "sdSearchMenu");
}

QTEST_MAIN(GuidesAndSearchTest)
#include "test_guides_and_search.moc"
