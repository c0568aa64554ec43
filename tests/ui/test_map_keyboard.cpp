// The map without a mouse: the arrow keys' rule and walk, the marker, the Tab chain, what a
// screen reader hears, and the map growing and shrinking with the window.
#include "ui/look.h"
#include "ui/map_widgets.h"
#include "ui/support/ui_support.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <random>
#include <set>

using namespace zt;
using namespace zt::test;

namespace {

QWidget* canvas(Main& m) {
    return widget(&m, QStringLiteral("mapCanvas"));
}

// The map holding the focus in an active window.
void focusMap(Main& m) {
    m.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    canvas(m)->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(canvas(m)->hasFocus());
}

QRect box(Main& m, int cell) {
    return widget(&m, QStringLiteral("mapOutline_%1").arg(cell - 1))->geometry();
}

QWidget* marker(Main& m) {
    return widget(&m, QStringLiteral("mapFocusMarker"));
}

// The cell the keyboard's marker is on, none while it is hidden.
int markedCell(Main& m) {
    for (int cell = 1; marker(m)->isVisible() && cell <= kCells; ++cell)
        if (box(m, cell).contains(marker(m)->geometry())) return cell;
    return kNoCell;
}

} // namespace

class MapKeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void arrowsGoToTheNearestGalaxyThatWay();
    void arrowsReachEveryGalaxyOfAnyLayout();
    void theMarkerWalksTheMapWhileItHasTheFocus();
    void screenReadersHearTheSearchAndFollowTheMarker();
    void mapGrowsAndShrinksWithTheWindow();
};

void MapKeyboardTest::arrowsGoToTheNearestGalaxyThatWay() {
    using D = MapDirection;
    const struct {
        const char* row;
        int from;
        MapDirection direction;
        QList<int> galaxies;
        int expected;
    } rows[] = {
        {"the row before a nearer one off it", 19, D::right, {26, 24}, 24},
        {"within 45 degrees before a nearer one aside", 19, D::right, {8, 34}, 34},
        {"aside when nothing lies within 45 degrees", 19, D::right, {8}, 8},
        {"down: the next row, then the column", 1, D::down, {31, 12}, 12},
        {"equally near: the first", 8, D::down, {15, 13}, 13},
    };
    for (const auto& r : rows) {
        const auto has = [&r](int cell) { return r.galaxies.contains(cell); };
        QVERIFY2(nextCellToward(r.from, r.direction, has) == r.expected, r.row);
    }
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

void MapKeyboardTest::theMarkerWalksTheMapWhileItHasTheFocus() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    // The window hands the map its first focus; the marker waits for a key.
    m.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    QTRY_VERIFY(canvas(m)->hasFocus());
    QCOMPARE(markedCell(m), kNoCell);
    QTest::keyClick(canvas(m), Qt::Key_Left);
    QCOMPARE(markedCell(m), 7);
    widget(&m, QStringLiteral("tradeButton"))->setFocus();
    click(&m, QStringLiteral("mapImage_8")); // a mouse player's pick shows no marker
    QVERIFY(!canvas(m)->hasFocus() && markedCell(m) == kNoCell);
    focusMap(m);
    QCOMPARE(markedCell(m), 9); // on the pick
    // Cells 1 to 15 and 42 hold galaxies; the walk goes across a gap, stops at the edges.
    const struct {
        Qt::Key key;
        int cell;
    } walk[] = {{Qt::Key_Down, 15}, {Qt::Key_Down, 42}, {Qt::Key_Down, 42}, {Qt::Key_Right, 42},
                {Qt::Key_Left, 14}, {Qt::Key_Up, 8},    {Qt::Key_Up, 2},    {Qt::Key_Down, 8}};
    for (const auto& step : walk) {
        QTest::keyClick(canvas(m), step.key);
        QCOMPARE(markedCell(m), step.cell);
    }
    QTest::keyClick(canvas(m), Qt::Key_Left, Qt::ControlModifier); // the menus' key
    QCOMPARE(markedCell(m), 8);
    QCOMPARE(m.session().state().selectedCell, 9); // walking picks nothing
    // On the red box of the current galaxy: inside it with a gap, in a colour of its own that
    // stands out on black.
    QVERIFY(box(m, 8).adjusted(3, 3, -3, -3).contains(marker(m)->geometry()));
    QVERIFY(marker(m)->width() >= box(m, 8).width() - 10);
    QCOMPARE(visibleOutlines(m), (QStringList{"7 #ff0000", "8 #ffffff"}));
    const QColor c = qobject_cast<Outline*>(marker(m))->borderColour();
    QVERIFY(c != QColor(255, 0, 0) && c != QColor(255, 255, 255));
    QVERIFY(contrastRatio(c, QColor(0, 0, 0)) >= 3.0);
    // Tab goes on through the panels in their order, and the marker goes with the focus.
    QStringList chain;
    for (int i = 0; i < 10; ++i) {
        chain << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (i == 0) QCOMPARE(markedCell(m), kNoCell);
    }
    QCOMPARE(chain,
             QString("mapCanvas goButton sdChartButton tradeButton blackMarketButton "
                     "bankButton buyFuelButton repairShieldButton buyNewShipButton mapCanvas")
                 .split(' '));
}

void MapKeyboardTest::screenReadersHearTheSearchAndFollowTheMarker() {
    TestGame game;
    Main& m = *game.main;
    QCOMPARE(QAccessible::queryAccessibleInterface(canvas(m))->childCount(), 0); // no game yet
    startKnownGame(m);
    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(canvas(m));
    const auto said = [map](int i) { return map->child(i)->text(QAccessible::Name); };
    click(&m, QStringLiteral("mapImage_8"));
    m.session().showSearch(GoodSearch{{5}, {7}});
    QCOMPARE(said(7), QStringLiteral("Milky Way, current location"));
    QCOMPARE(said(8), QStringLiteral("Ahiga, selected destination, supplies the searched good"));
    QCOMPARE(said(15), QStringLiteral("Chu'a, demands the searched good"));
    m.session().endSearch();
    QCOMPARE(said(15), QStringLiteral("Chu'a"));
    focusMap(m); // onto the marked galaxy
    QCOMPARE(map->focusChild(), map->child(8));
}

void MapKeyboardTest::mapGrowsAndShrinksWithTheWindow() {
    TestGame game;
    Main& m = *game.main;
    startKnownGame(m);
    const auto picture = [&m](int cell) {
        return label(&m, QStringLiteral("mapImage_%1").arg(cell - 1));
    };
    int lastWidth = 0;
    for (const QSize& size : {m.minimumSize(), m.minimumSize() * 1.5, m.minimumSize() * 2}) {
        m.resize(size);
        QApplication::processEvents();
        QVERIFY2(box(m, 8).width() > lastWidth, qPrintable(QString::number(box(m, 8).width())));
        lastWidth = box(m, 8).width();
        QCOMPARE(box(m, 8).height(), lastWidth);
        QCOMPARE(picture(8)->pixmap().size(), picture(8)->size()); // scaled to fit, once
        QLabel* name = label(&m, QStringLiteral("mapImageLabel_7"));
        QVERIFY(name->sizeHint().width() <= name->width() &&
                name->sizeHint().height() <= name->height());
        QVERIFY(box(m, 8).contains(name->geometry()) && box(m, 8).contains(picture(8)->geometry()));
        QVERIFY(canvas(m)->rect().contains(box(m, 42)));
    }
}

QTEST_MAIN(MapKeyboardTest)
#include "test_map_keyboard.moc"
