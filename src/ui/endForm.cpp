#include "ui/endForm.h"

#include "core/numbers.h"
#include "ui/GameSession.h"
#include "ui/form_parts.h"
#include "ui/look.h"
#include "ui/messages.h"

#include <QFile>
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

// A button that Return presses while it has the focus.
QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    QPushButton* b = actionButton(name, caption, parent);
    b->setAutoDefault(true);
    return b;
}

// One colour channel of the title: r × 256 rounded half to even, at most 255.
int channel(float r) {
    return static_cast<int>(std::min<std::int64_t>(roundHalfEven(r * 256.0), 255));
}

} // namespace

EndForm::EndForm(GameSession& session, RandomSource& colours, QWidget* parent)
    : QDialog(parent), session_(session), colours_(colours) {
    setObjectName(QStringLiteral("endForm"));
    setWindowTitle(QStringLiteral("Zenthari Trader"));
    applySpaceLook(this);

    titleLabel_ = headingLabel("titleLabel", QString(), 2.0, this);
    titleLabel_->setMinimumWidth(charsWide(this, 60));
    promptLabel_ = captionLabel("promptLabel", "", this);
    promptLabel_->setWordWrap(true);
    promptLabel_->setAlignment(Qt::AlignCenter);
    netWorthLabel_ = captionLabel("netWorthLabel", "", this);
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
    QLabel* netWorthCaption = captionLabel("Label4", "Ending Net Worth:", this);
    netWorthCaption->setBuddy(netWorthLabel_);
    grid->addWidget(netWorthCaption, 2, 0);
    grid->addWidget(netWorthLabel_, 2, 1);
    QLabel* nameCaption = captionLabel("Label3", "Enter your name:", this);
    nameCaption->setBuddy(nameBox_);
    grid->addWidget(nameCaption, 3, 0);
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

std::optional<EndForm::Choice> EndForm::finishGame() {
    const std::optional<FinalScore> score = session_.finalScore();
    if (!score) return std::nullopt;
    showResult(score->netWorth, score->row.has_value());
    exec();
    if (score->row && !session_.enterFinalScore(*score, playerName().toStdString()))
        showMessage(parentWidget(),
                    QStringLiteral("The high score list could not be saved to %1. The list saved "
                                   "before is kept.")
                        .arg(QFile::decodeName(session_.folders().highScoresFile.c_str())));
    return choice_;
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
