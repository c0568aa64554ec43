#include "ui/highScoresForm.h"

#include "core/new_game.h"
#include "core/numbers.h"
#include "ui/look.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace zt {

namespace {

// The blocks top to bottom: caption, label prefix and the list they show.
struct Block {
    const char* heading;
    const char* headingName;
    const char* prefix;
    int list;
};
constexpr Block kBlocks[] = {{"Short Games:", "Label2", "short", kShortGame},
                             {"Normal Games:", "Label3", "normal", kNormalGame},
                             {"Long Games:", "Label4", "long", kLongGame}};

QString rowLabelName(const char* prefix, const char* kind, int row) {
    return QStringLiteral("%1%2_%3")
        .arg(QString::fromLatin1(prefix), QString::fromLatin1(kind))
        .arg(row - 1);
}

} // namespace

HighScoresForm::HighScoresForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("highScoresForm"));
    setWindowTitle(QStringLiteral("High Scores"));
    applySpaceLook(this);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(24);
    QLabel* title =
        headingLabel("Label1", QStringLiteral("Zenthari Trader High Scores"), 1.5, this);
    grid->addWidget(title, 0, 0, 1, 2);

    int line = 1;
    for (const Block& block : kBlocks) {
        auto* heading = new QLabel(QString::fromUtf8(block.heading), this);
        heading->setObjectName(QString::fromLatin1(block.headingName));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, line++, 0, 1, 2);
        for (int row = 1; row <= kHighScoreRows; ++row) {
            auto* name = new QLabel(this);
            name->setObjectName(rowLabelName(block.prefix, "Name", row));
            name->setMinimumWidth(charsWide(name, 31));
            name->setTextFormat(Qt::PlainText); // a name is shown exactly as typed
            auto* score = new QLabel(QStringLiteral("$0"), this);
            score->setObjectName(rowLabelName(block.prefix, "Score", row));
            score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setTextColour(score, kYellow);
            name->setBuddy(score); // read as the name, then the score
            grid->addWidget(name, line, 0);
            grid->addWidget(score, line++, 1);
        }
    }

    auto* wow = new QPushButton(QStringLiteral("WOW!"), this);
    wow->setObjectName(QStringLiteral("wowButton"));
    wow->setDefault(true);
    connect(wow, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(wow, line, 0, 1, 2, Qt::AlignCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void HighScoresForm::showScores(const HighScores& scores) {
    for (const Block& block : kBlocks) {
        for (int row = 1; row <= kHighScoreRows; ++row) {
            const HighScoreList& list = scores[block.list];
            findChild<QLabel*>(rowLabelName(block.prefix, "Name", row))
                ->setText(QString::fromStdString(list.names[row]));
            findChild<QLabel*>(rowLabelName(block.prefix, "Score", row))
                ->setText(QString::fromStdString(formatMoney(list.scores[row])));
        }
    }
}

} // namespace zt
