#include "ui/endForm.h"

#include "core/numbers.h"
#include "ui/look.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace zt {

namespace {

// A name the box offers before the player has typed one.
constexpr const char* kDefaultName = "Trader";

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// One colour channel of the title: r × 256 rounded half to even, at most 255.
int channel(float r) {
    return static_cast<int>(std::min<std::int64_t>(roundHalfEven(r * 256.0), 255));
}

} // namespace

EndForm::EndForm(RandomSource& colours, QWidget* parent) : QDialog(parent), colours_(colours) {
    setObjectName(QStringLiteral("endForm"));
    setWindowTitle(QStringLiteral("Zenthari Trader"));
    applySpaceLook(this);

    titleLabel_ = headingLabel("titleLabel", QString(), 2.0, this);
    titleLabel_->setMinimumWidth(420);
    promptLabel_ = label("promptLabel", QString(), this);
    promptLabel_->setWordWrap(true);
    promptLabel_->setAlignment(Qt::AlignCenter);
    netWorthLabel_ = label("netWorthLabel", QString(), this);
    setTextColour(netWorthLabel_, kYellow);
    nameBox_ = new QLineEdit(QString::fromLatin1(kDefaultName), this);
    nameBox_->setObjectName(QStringLiteral("nameBox"));
    auto* newGame = button("newGameButton", "New Game", this);
    auto* exit = button("exitButton", "Exit", this);
    newGame->setDefault(true);
    connect(newGame, &QPushButton::clicked, this, [this] {
        choice_ = Choice::NewGame;
        accept();
    });
    connect(exit, &QPushButton::clicked, this, [this] {
        choice_ = Choice::Exit;
        accept();
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(titleLabel_, 0, 0, 1, 2);
    grid->addWidget(promptLabel_, 1, 0, 1, 2);
    grid->addWidget(label("Label4", QStringLiteral("Ending Net Worth:"), this), 2, 0);
    grid->addWidget(netWorthLabel_, 2, 1);
    grid->addWidget(label("Label3", QStringLiteral("Enter your name:"), this), 3, 0);
    grid->addWidget(nameBox_, 3, 1);
    grid->addWidget(newGame, 4, 0);
    grid->addWidget(exit, 4, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    highScoreTimer_ = new QTimer(this);
    highScoreTimer_->setObjectName(QStringLiteral("highScoreTimer"));
    highScoreTimer_->setInterval(100);
    connect(highScoreTimer_, &QTimer::timeout, this, &EndForm::highScoreTimer_Timer);
}

void EndForm::showResult(std::int32_t netWorth, bool newHighScore) {
    choice_ = Choice::NewGame;
    titleLabel_->setText(newHighScore ? QStringLiteral("New High Score!")
                                      : QStringLiteral("Game Over!"));
    promptLabel_->setText(
        newHighScore
            ? QStringLiteral("Congratulations! You have earned a place on the Zenthari Trade High "
                             "Score List!")
            : QStringLiteral("Sorry, you score was not high enough to make the high score list."));
    netWorthLabel_->setText(QString::fromStdString(formatMoney(netWorth)));
    nameBox_->setEnabled(newHighScore);
    if (newHighScore) nameBox_->selectAll();
}

QString EndForm::playerName() const {
    return nameBox_->text();
}

void EndForm::highScoreTimer_Timer() {
    const int red = channel(colours_.next());
    const int green = channel(colours_.next());
    const int blue = channel(colours_.next());
    setTextColour(titleLabel_, QColor(red, green, blue));
}

void EndForm::showEvent(QShowEvent* event) {
    highScoreTimer_->start();
    QDialog::showEvent(event);
}

void EndForm::hideEvent(QHideEvent* event) {
    highScoreTimer_->stop();
    QDialog::hideEvent(event);
}

} // namespace zt
