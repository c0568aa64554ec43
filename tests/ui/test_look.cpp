// The dark look against the game's black: the contrast of its colours, and the edges, focus
// ring and chosen row as the style really draws them.
#include "ui/look.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

using namespace zt;

namespace {

const QColor kBlack(0, 0, 0);

} // namespace

class LookTest : public QObject {
    Q_OBJECT
  private slots:
    void theRatioFollowsTheLuminanceOfBothColours();
    void textsAndEdgesStandOutFromTheirGround_data();
    void textsAndEdgesStandOutFromTheirGround();
    void edgesFocusAndChosenRowsAreDrawnVisibleOnBlack_data();
    void edgesFocusAndChosenRowsAreDrawnVisibleOnBlack();
};

void LookTest::theRatioFollowsTheLuminanceOfBothColours() {
    const struct {
        const char* row;
        QColor a, b;
        double ratio;
    } rows[] = {
        {"black and white", kBlack, Qt::white, 21.0},
        {"dark channels are linear", QColor(10, 10, 10), kBlack, 1.0607},
        {"mid grey on white", QColor(119, 119, 119), Qt::white, 4.478},
    };
    for (const auto& r : rows)
        QVERIFY2(std::abs(contrastRatio(r.a, r.b) - r.ratio) < 0.005, r.row);
}

void LookTest::textsAndEdgesStandOutFromTheirGround_data() {
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("ground");
    QTest::addColumn<double>("least");
    const QPalette p = spacePalette();
    const auto pair = [&](const char* name, QPalette::ColorRole role, QPalette::ColorRole on,
                          double least) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QTest::addRow("%s %d", name, int(group))
                << p.color(group, role) << p.color(group, on) << least;
    };
    pair("captions", QPalette::WindowText, QPalette::Window, 4.5);
    pair("box and list texts", QPalette::Text, QPalette::Base, 4.5);
    pair("placeholder texts", QPalette::PlaceholderText, QPalette::Base, 4.5);
    pair("button captions", QPalette::ButtonText, QPalette::Button, 4.5);
    pair("chosen rows", QPalette::HighlightedText, QPalette::Highlight, 4.5);
    pair("tool tips", QPalette::ToolTipText, QPalette::ToolTipBase, 4.5);
    // Fusion rings a focused button or box a shade darker than the selection colour.
    QTest::newRow("focused edge") << p.color(QPalette::Highlight).darker(125) << kBlack << 3.0;
    QTest::newRow("edges on a button") << edgeColour() << p.color(QPalette::Button) << 3.0;
    for (const auto& [name, colour] : {std::pair{"yellow values", kYellow},
                                       std::pair{"red warnings", kRed}, std::pair{"white", kWhite}})
        QTest::newRow(name) << colour << kBlack << 4.5;
}

void LookTest::textsAndEdgesStandOutFromTheirGround() {
    QFETCH(QColor, colour);
    QFETCH(QColor, ground);
    QFETCH(double, least);
    const double ratio = contrastRatio(colour, ground);
    QVERIFY2(ratio >= least, qPrintable(QString::number(ratio)));
}

void LookTest::edgesFocusAndChosenRowsAreDrawnVisibleOnBlack_data() {
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("state");
    QTest::newRow("unchecked option button")
        << int(QStyle::PE_IndicatorRadioButton) << int(QStyle::State_Enabled | QStyle::State_Off);
    QTest::newRow("menu") << int(QStyle::PE_PanelMenu) << int(QStyle::State_None);
    QTest::newRow("entry box") << int(QStyle::PE_FrameLineEdit) << int(QStyle::State_Enabled);
    QTest::newRow("list frame") << int(QStyle::PE_Frame) << int(QStyle::State_Enabled);
    QTest::newRow("focus ring") << int(QStyle::PE_FrameFocusRect)
                                << int(QStyle::State_Enabled | QStyle::State_HasFocus |
                                       QStyle::State_KeyboardFocusChange);
    // The current row of a list that has lost the focus, in a window that is not active.
    QTest::newRow("chosen row of an unfocused list")
        << int(QStyle::PE_PanelItemViewItem) << int(QStyle::State_Enabled | QStyle::State_Selected);
}

void LookTest::edgesFocusAndChosenRowsAreDrawnVisibleOnBlack() {
    QFETCH(int, element);
    QFETCH(int, state);
    QDialog window;
    applySpaceLook(&window);
    QListWidget list(&window); // lists have edges; frames that only group things need none
    QImage picture(40, 24, QImage::Format_RGB32);
    picture.fill(kBlack);
    QPainter painter(&picture);
    const auto draw = [&](auto option) {
        option.initFrom(&list);
        option.rect = picture.rect().adjusted(2, 2, -2, -2);
        option.state = QStyle::State(state);
        if constexpr (std::is_same_v<decltype(option), QStyleOptionFrame>) option.lineWidth = 1;
        QApplication::style()->drawPrimitive(QStyle::PrimitiveElement(element), &option, &painter,
                                             &list);
    };
    if (element == QStyle::PE_FrameLineEdit || element == QStyle::PE_Frame)
        draw(QStyleOptionFrame());
    else if (element == QStyle::PE_IndicatorRadioButton)
        draw(QStyleOptionButton());
    else if (element == QStyle::PE_PanelItemViewItem) {
        QStyleOptionViewItem row; // a row of blanks: only its ground is drawn
        row.features = QStyleOptionViewItem::HasDisplay;
        row.text = QString(6, QLatin1Char(' '));
        draw(row);
    } else
        draw(QStyleOption()); // the menu and the focus ring
    painter.end();
    double strongest = 1; // of anything drawn on the black
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            strongest = std::max(strongest, contrastRatio(picture.pixelColor(x, y), kBlack));
    QVERIFY2(strongest >= 3, qPrintable(QString::number(strongest)));
}

QTEST_MAIN(LookTest)
#include "test_look.moc"
