// The map without a mouse: the arrow keys' walk, Enter and Space, the marker, the Tab chain,
// what a screen reader finds, and the map growing and shrinking with the window.
#include "ui/look.h"
#include "ui/map_widgets.h"
#include "ui/support/ui_support.h"
#include "ui/support/virtual_screen.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

#include <random>
#include <set>

using namespace zt;
using namespace zt::test;

Q_DECLARE_METATYPE(zt::MapDirection)

namespace {

QWidget* canvas(Main& m) {
    return widget(&m, QStringLiteral("mapCanvas"));
}

// A known game in an active window, with the map holding the focus.
void focusMap(Main& m) {
    startKnownGame(m);
    m.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    canvas(m)->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(canvas(m)->hasFocus());
}

QRect markerBox(Main& m) {
    QWidget* marker = widget(&m, QStringLiteral("mapFocusMarker"));
    return marker->isVisible() ? marker->geometry() : QRect();
}

int markedCell(Main& m) {
    const QRect marker = markerBox(m);
    for (int i = 0; i < kCells; ++i)
        if (widget(&m, QStringLiteral("mapOutline_%1").arg(i))->geometry().contains(marker))
            return i + 1;
    return kNoCell;
}

QStringList spokenCells(Main& m) {
    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(canvas(m));
    QStringList said;
    for (int i = 0; i < map->childCount(); ++i)
        said << map->child(i)->text(QAccessible::Name);
    return said;
}

// What a pick leaves on show: the selection, the boxes and the route panel.
QStringList afterPick(Main& m) {
    return QStringList{QString::number(m.session().state().selectedCell)} + visibleOutlines(m) +
           shownTexts(&m, {"selectedLocationLabel", "fuelNeededLabel", "timeNeededLabel"});
}

} // namespace

class MapKeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void arrowsGoToTheNearestGalaxyThatWay_data();
    void arrowsGoToTheNearestGalaxyThatWay();
    void arrowsReachEveryGalaxyOfAnyLayout();
    void arrowsWalkTheMarkerFromTheCurrentGalaxy();
    void enterAndSpacePickAsAClickDoes();
    void markerShowsOnlyWithTheFocusAndInsideTheBoxes();
    void tabGoesFromTheMapThroughThePanels();
    void screenReadersFindNamedGalaxiesThatCanBePicked();
    void mapGrowsAndShrinksWithTheWindow();
};

void MapKeyboardTest::arrowsGoToTheNearestGalaxyThatWay_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<zt::MapDirection>("direction");
    QTest::addColumn<QList<int>>("galaxies");
    QTest::addColumn<int>("expected");
    using D = MapDirection;
    QTest::newRow("the neighbour") << 8 << D::right << QList{9, 10} << 9;
    QTest::newRow("empty cells skipped") << 7 << D::right << QList{12} << 12;
    QTest::newRow("nothing that way: stays") << 12 << D::right << QList{7, 6, 18} << 12;
    QTest::newRow("the row before a nearer one off it") << 19 << D::right << QList{26, 24} << 24;
    QTest::newRow("within 45 degrees before a nearer one aside")
        << 19 << D::right << QList{8, 34} << 34;
    QTest::newRow("aside when nothing lies within 45 degrees") << 19 << D::right << QList{8} << 8;
    QTest::newRow("down: the next row, then the column") << 1 << D::down << QList{31, 12} << 12;
    QTest::newRow("equally near: the first") << 8 << D::down << QList{15, 13} << 13;
    QTest::newRow("up") << 42 << D::up << QList{6, 36} << 36;
    QTest::newRow("left") << 42 << D::left << QList{37, 41} << 41;
}

void MapKeyboardTest::arrowsGoToTheNearestGalaxyThatWay() {
    QFETCH(int, from);
    QFETCH(zt::MapDirection, direction);
    QFETCH(QList<int>, galaxies);
    QFETCH(int, expected);
    QCOMPARE(nextCellToward(from, direction, [&](int cell) { return galaxies.contains(cell); }),
             expected);
}

void MapKeyboardTest::arrowsReachEveryGalaxyOfAnyLayout() {
    std::mt19937 draw(13);
    std::vector<int> cells(kCells);
    for (int i = 0; i < kCells; ++i)
        cells[static_cast<std::size_t>(i)] = i + 1;
    for (int layout = 0; layout < 500; ++layout) {
        std::shuffle(cells.begin(), cells.end(), draw);
        const std::set<int> filled(cells.begin(), cells.begin() + kGalaxies);
        const auto has = [&](int cell) { return filled.count(cell) > 0; };
        std::set<int> reached{cells[0]};
        std::vector<int> open{cells[0]};
        while (!open.empty()) {
            const int from = open.back();
            open.pop_back();
            for (MapDirection d :
                 {MapDirection::left, MapDirection::right, MapDirection::up, MapDirection::down})
                if (reached.insert(nextCellToward(from, d, has)).second)
                    open.push_back(nextCellToward(from, d, has));
        }
        QVERIFY2(reached == filled, qPrintable(QStringLiteral("layout %1").arg(layout)));
    }
}

void MapKeyboardTest::arrowsWalkTheMarkerFromTheCurrentGalaxy() {
    TestGame game;
    Main& m = *game.main;
    focusMap(m);
    QCOMPARE(markedCell(m), 8); // the start, galaxy 3
    const int selected = m.session().state().selectedCell;
    // Cells 1 to 15 and 42 hold galaxies; the walk goes along, across a gap and to the corner.
    const struct {
        Qt::Key key;
        int cell;
    } walk[] = {{Qt::Key_Right, 9},  {Qt::Key_Down, 15}, {Qt::Key_Down, 42}, {Qt::Key_Down, 42},
                {Qt::Key_Right, 42}, {Qt::Key_Left, 14}, {Qt::Key_Up, 8},    {Qt::Key_Up, 2}};
    for (const auto& step : walk) {
        QTest::keyClick(canvas(m), step.key);
        QCOMPARE(markedCell(m), step.cell);
    }
    QCOMPARE(m.session().state().selectedCell, selected); // walking picks nothing
}

void MapKeyboardTest::enterAndSpacePickAsAClickDoes() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    click(&m, QStringLiteral("mapImage_8"));
    const QStringList clicked = afterPick(m);
    click(&m, QStringLiteral("mapImage_7")); // the current galaxy: nothing changes
    const QStringList clickedHere = afterPick(m);
    QCOMPARE(clickedHere, clicked);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        focusMap(m);
        QTest::keyClick(canvas(m), Qt::Key_Right);
        QTest::keyClick(canvas(m), key);
        QCOMPARE(afterPick(m), clicked);
        QTest::keyClick(canvas(m), Qt::Key_Left);
        QTest::keyClick(canvas(m), key);
        QCOMPARE(afterPick(m), clickedHere);
    }
    // Ctrl with Space or an arrow belongs to the menus, not to the map.
    QTest::keyClick(canvas(m), Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(canvas(m), Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(markedCell(m), 8);
    QCOMPARE(afterPick(m), clickedHere);
}

void MapKeyboardTest::markerShowsOnlyWithTheFocusAndInsideTheBoxes() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    QVERIFY(markerBox(m).isNull()); // a mouse player never sees it
    focusMap(m);
    QTest::keyClick(canvas(m), Qt::Key_Right);
    QTest::keyClick(canvas(m), Qt::Key_Space); // the white box where the marker is
    QTest::keyClick(canvas(m), Qt::Key_Left);  // and the marker on the red one
    for (int cell : {8, 9}) {
        if (cell == 9) QTest::keyClick(canvas(m), Qt::Key_Right);
        const QRect box = widget(&m, QStringLiteral("mapOutline_%1").arg(cell - 1))->geometry();
        // Inside the two-pixel box with a gap: the box stays whole.
        QVERIFY(box.adjusted(3, 3, -3, -3).contains(markerBox(m)));
        QVERIFY(markerBox(m).width() >= box.width() - 10);
    }
    QCOMPARE(visibleOutlines(m), (QStringList{"7 #ff0000", "8 #ffffff"}));
    const auto* marker = qobject_cast<Outline*>(widget(&m, QStringLiteral("mapFocusMarker")));
    const QColor c = marker->borderColour();
    for (const QColor& box : {QColor(255, 0, 0), QColor(255, 255, 255)})
        QVERIFY(c != box);
    QVERIFY(contrastRatio(c, QColor(0, 0, 0)) >= 3.0); // against the black
    widget(&m, QStringLiteral("goButton"))->setFocus();
    QVERIFY(markerBox(m).isNull());
}

void MapKeyboardTest::tabGoesFromTheMapThroughThePanels() {
    TestGame game;
    Main& m = *game.main;
    focusMap(m);
    QTest::keyClick(canvas(m), Qt::Key_Right);
    QTest::keyClick(canvas(m), Qt::Key_Space); // GO goes on
    QStringList chain;
    for (int i = 0; i < 10; ++i) {
        chain << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(chain,
             QString("mapCanvas goButton sdChartButton tradeButton blackMarketButton "
                     "bankButton buyFuelButton repairShieldButton buyNewShipButton mapCanvas")
                 .split(' '));
}

void MapKeyboardTest::screenReadersFindNamedGalaxiesThatCanBePicked() {
    TestGame game;
    Main& m = *game.main;
    QCOMPARE(QAccessible::queryAccessibleInterface(canvas(m))->childCount(), 0); // no game yet
    startKnownGame(m);
    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(canvas(m));
    QCOMPARE(map->text(QAccessible::Name), QStringLiteral("Map"));
    // Only the 16 galaxies, in cell order: no empty cell, name, box or flash.
    const QStringList galaxies = {"Farris",   "Maude",  "Borak",  "Knoton",
                                  "Langundo", "Paytah", "Akash",  "Milky Way, current location",
                                  "Ahiga",    "Kin",    "Sudi",   "Knecht",
                                  "Lyall",    "Hesse",  "Akando", "Chu'a"};
    QCOMPARE(spokenCells(m), galaxies);
    QAccessibleInterface* ahiga = map->child(8);
    QCOMPARE(ahiga->role(), QAccessible::Button);
    QCOMPARE(map->indexOfChild(ahiga), 8);
    QCOMPARE(ahiga->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::pressAction()});
    ahiga->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m.session().state().selectedCell, 9);
    QCOMPARE(labelText(&m, "selectedLocationLabel"), QStringLiteral("Ahiga"));
    QCOMPARE(ahiga->text(QAccessible::Name), QStringLiteral("Ahiga, selected destination"));
    // An open search names who supplies and who demands the good.
    m.session().showSearch(GoodSearch{{5}, {7}});
    QCOMPARE(spokenCells(m).mid(7, 2),
             (QStringList{"Milky Way, current location",
                          "Ahiga, selected destination, supplies the searched good"}));
    QCOMPARE(spokenCells(m).last(), QStringLiteral("Chu'a, demands the searched good"));
    m.session().endSearch();
    QCOMPARE(spokenCells(m).last(), QStringLiteral("Chu'a"));
    // The focus is on the marked galaxy while the map has it.
    QVERIFY(!map->child(7)->state().focused);
    focusMap(m);
    QCOMPARE(map->focusChild()->text(QAccessible::Name),
             QStringLiteral("Milky Way, current location"));
    QVERIFY(map->child(7)->state().focused);
}

void MapKeyboardTest::mapGrowsAndShrinksWithTheWindow() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    QApplication::processEvents();
    const auto cell = [&m](int i) {
        return widget(&m, QStringLiteral("mapOutline_%1").arg(i))->geometry();
    };
    const auto picture = [&m](int i) { return label(&m, QStringLiteral("mapImage_%1").arg(i)); };
    // The usual look: 88-pixel boxes 94 across and 92 down, 64-pixel pictures.
    QCOMPARE(cell(0), QRect(6, 6, 88, 88));
    QCOMPARE(cell(7), QRect(100, 98, 88, 88));
    QCOMPARE(picture(7)->geometry(), QRect(112, 102, 64, 64));
    const QSize usual = m.size();
    int lastBox = 0;
    for (const QSize& size :
         {m.minimumSize(), usual, usual * 1.5, QSize(usual.width() * 3, usual.height())}) {
        m.resize(size);
        QApplication::processEvents();
        const QRect box = cell(7);
        QCOMPARE(box.width(), box.height());
        QCOMPARE(picture(7)->pixmap().size(), picture(7)->size()); // scaled to fit, once
        QVERIFY2(box.width() > lastBox || size.height() == usual.height(),
                 qPrintable(QStringLiteral("%1 at %2 x %3")
                                .arg(box.width())
                                .arg(size.width())
                                .arg(size.height())));
        lastBox = box.width();
        for (int i : {7, 41}) {
            QLabel* name = label(&m, QStringLiteral("mapImageLabel_%1").arg(i));
            QVERIFY(name->sizeHint().width() <= name->width() &&
                    name->sizeHint().height() <= name->height());
            QVERIFY(cell(i).contains(name->geometry()) && cell(i).contains(picture(i)->geometry()));
        }
        QVERIFY(canvas(m)->rect().contains(cell(41)));
    }
}

ZT_TEST_MAIN_ON_SCREEN(MapKeyboardTest, 1920, 1080, 1.0)
#include "test_map_keyboard.moc"
