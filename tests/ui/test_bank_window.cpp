// The bank as the player uses it: its figures, the clickable labels, loans and repayments.
#include "ui/support/command_windows.h"

#include <QTest>

using namespace zt;
using namespace zt::test;

namespace {

// The money on both windows: bank cash, bank debt, max loan, main cash, main debt.
QStringList money(Main& main, QWidget* bank) {
    return {labelText(bank, "cashLabel"), labelText(bank, "currentDebtLabel"),
            labelText(bank, "maxLabel"), labelText(&main, "cashLabel"),
            labelText(&main, "debtLabel")};
}

} // namespace

class BankWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithTheFiguresAndTheFixedTexts();
    void theClickableLabelsFillTheBoxes();
    void borrowAndRepayUpdateBothWindows();
    void refusedAmountsBeepAndChangeNothing();
    void aLoanPaysTheTollAndEnablesGo();
};

void BankWindowTest::opensWithTheFiguresAndTheFixedTexts() {
    StartedGame s(10000, 60000);
    playInWindow(s.main, "bankButton", [&](QWidget* bank) {
        QCOMPARE(bank->objectName(), QStringLiteral("bankForm"));
        QCOMPARE(bank->windowTitle(), QStringLiteral("The Bank"));
        QCOMPARE(money(s.main, bank),
                 (QStringList{"$10,000", "$60,000", "$0", "$10,000", "$60,000"}));
        const QStringList texts = {labelText(bank, "Label1"), labelText(bank, "interestRateLabel"),
                                   labelText(bank, "Label5"), labelText(bank, "Label9")};
        QCOMPARE(texts, (QStringList{"Zenthari Bank", "7 % per Earth year",
                                     "You cannot borrow more than $50,000",
                                     "Click on current debt and max loan labels to put that "
                                     "amount in the corresponding box"}));
        QCOMPARE(boxText(bank, "loanAmountBox"), QStringLiteral("0"));
        QCOMPARE(boxText(bank, "repayAmountBox"), QStringLiteral("0"));
    });
    // The menu entry opens the same window.
    bool opened = false;
    whenModalShown([&](QWidget* bank) {
        opened = bank->objectName() == QStringLiteral("bankForm");
        click(bank, "doneButton");
    });
    trigger(&s.main, "bankMenu");
    QVERIFY(opened);
}

void BankWindowTest::theClickableLabelsFillTheBoxes() {
    StartedGame s(6000, 5000);
    playInWindow(s.main, "bankButton", [&](QWidget* bank) {
        QCOMPARE(labelText(bank, "maxLabel"), QStringLiteral("$45,000"));
        click(bank, "maxLabel");
        QCOMPARE(boxText(bank, "loanAmountBox"), QStringLiteral("45000"));
        // One click on the debt prepares repaying all of it.
        click(bank, "currentDebtLabel");
        QCOMPARE(boxText(bank, "repayAmountBox"), QStringLiteral("5000"));
        click(bank, "repayButton");
        QCOMPARE(money(s.main, bank), (QStringList{"$1,000", "$0", "$50,000", "$1,000", "$0"}));
        // The largest loan is granted and leaves nothing more to borrow.
        click(bank, "maxLabel");
        QCOMPARE(boxText(bank, "loanAmountBox"), QStringLiteral("50000"));
        click(bank, "borrowButton");
        QCOMPARE(money(s.main, bank),
                 (QStringList{"$51,000", "$50,000", "$0", "$51,000", "$50,000"}));
        click(bank, "maxLabel");
        QCOMPARE(boxText(bank, "loanAmountBox"), QStringLiteral("0"));
        click(bank, "currentDebtLabel");
        QCOMPARE(boxText(bank, "repayAmountBox"), QStringLiteral("50000"));
    });
    QCOMPARE(s.game.recorder.beeps, 0);
}

void BankWindowTest::borrowAndRepayUpdateBothWindows() {
    StartedGame s(5000, 0);
    playInWindow(s.main, "bankButton", [&](QWidget* bank) {
        typeInto(bank, "loanAmountBox", "12 500");
        click(bank, "borrowButton");
        QCOMPARE(money(s.main, bank),
                 (QStringList{"$17,500", "$12,500", "$37,500", "$17,500", "$12,500"}));
        typeInto(bank, "repayAmountBox", "2500");
        click(bank, "repayButton");
        QCOMPARE(money(s.main, bank),
                 (QStringList{"$15,000", "$10,000", "$40,000", "$15,000", "$10,000"}));
    });
    QCOMPARE(s.main.state().cash, 15000);
    QCOMPARE(s.main.state().debt, 10000);
    QCOMPARE(s.game.recorder.beeps, 0);
    // The boxes keep their text for the next visit, whose figures follow the state.
    s.main.state().cash = 777;
    playInWindow(s.main, "bankButton", [&](QWidget* bank) {
        QCOMPARE(boxText(bank, "loanAmountBox"), QStringLiteral("12 500"));
        QCOMPARE(boxText(bank, "repayAmountBox"), QStringLiteral("2500"));
        QCOMPARE(labelText(bank, "cashLabel"), QStringLiteral("$777"));
    });
}

void BankWindowTest::refusedAmountsBeepAndChangeNothing() {
    const struct {
        std::int32_t cash, debt;
        const char* box;
        const char* button;
        const char* typed;
    } cases[] = {
        {5001, 0, "loanAmountBox", "borrowButton", "100.5"},
        {5000, 50001, "loanAmountBox", "borrowButton", "0"},
        {4999, 5000, "repayAmountBox", "repayButton", "5000"},
    };
    for (const auto& c : cases) {
        StartedGame s(c.cash, c.debt);
        playInWindow(s.main, "bankButton", [&](QWidget* bank) {
            const QStringList before = money(s.main, bank);
            typeInto(bank, c.box, c.typed);
            click(bank, c.button);
            QCOMPARE(money(s.main, bank), before);
        });
        QCOMPARE(s.game.recorder.beeps, 1);
        QCOMPARE(s.main.state().cash, c.cash);
        QCOMPARE(s.main.state().debt, c.debt);
    }
}

void BankWindowTest::aLoanPaysTheTollAndEnablesGo() {
    StartedGame s(5, 0);
    click(&s.main, "mapImage_8"); // toll $20
    QCOMPARE(labelColour(&s.main, "bridgeTollLabel"), QColor(255, 0, 0));
    QVERIFY(!widget(&s.main, "goButton")->isEnabled());
    playInWindow(s.main, "bankButton", [&](QWidget* bank) {
        typeInto(bank, "loanAmountBox", "15");
        click(bank, "borrowButton");
        // The route panel follows at once, while the bank is still open.
        QCOMPARE(labelColour(&s.main, "bridgeTollLabel"), QColor(255, 255, 0));
    });
    QVERIFY(widget(&s.main, "goButton")->isEnabled());
}

QTEST_MAIN(BankWindowTest)
#include "test_bank_window.moc"
