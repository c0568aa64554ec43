#include "ui/support/command_windows.h"

#include "ui/support/ui_support.h"

#include <QLineEdit>
#include <QTest>

namespace zt::test {

StartedGame::StartedGame(std::int32_t cash, std::int32_t debt, std::int16_t ship, std::int16_t fuel,
                         std::int16_t shields)
    : main(*game.main) {
    startKnownGame(main);
    GameState& state = main.session().state();
    state.cash = cash;
    state.debt = debt;
    state.shipType = ship;
    state.fuel = fuel;
    state.shields = shields;
    main.session().holdingsChanged();
}

void playInWindow(Main& main, const QString& button, const std::function<void(QWidget*)>& play) {
    bool shown = false;
    whenModalShown([&](QWidget* window) {
        shown = true;
        play(window);
        click(window, QStringLiteral("doneButton"));
    });
    click(&main, button);
    QVERIFY2(shown, qPrintable(button + QStringLiteral(" opened no window")));
}

void typeInto(QWidget* window, const QString& name, const QString& keys) {
    auto* box = qobject_cast<QLineEdit*>(widget(window, name));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, keys);
}

} // namespace zt::test
