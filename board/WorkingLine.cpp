#include "WorkingLine.h"

#include "BoardLayout.h"

#include "core/Expression.h"
#include "core/Working.h"
#include "ui/Controls.h"

#include <QCoreApplication>
#include <QStringList>

namespace tezzle::board {

namespace {

QString word(const char* text) {
    return QCoreApplication::translate("BoardWindow", text);
}

// "26 = 2 × 4 + 3 × 6", from the plainest way the solver knows.
QString way(int n, const Dice& dice) {
    const std::string expression = workedExamples(dice)[static_cast<std::size_t>(n)];
    return word(QT_TRANSLATE_NOOP("BoardWindow", "%1 = %2")).arg(n).arg(notation(expression));
}

} // namespace

QString notation(const std::string& expression) {
    QString text;
    for (const char c : expression)
        text += c == '*'   ? QChar(0x00D7)
                : c == '/' ? QChar(0x00F7)
                : c == '-' ? QChar(0x2212)
                           : QChar(c);
    return text;
}

QString workingText(const GameState& s) {
    const int n = s.lastChoice;
    if (n < kFirstNumber || n > kLastNumber)
        return {};
    if (s.lastChoiceLegal)
        return way(n, s.dice);
    QStringList dice;
    for (int face : s.dice)
        dice << QString::number(face);
    const QString why = word(QT_TRANSLATE_NOOP("BoardWindow", "%1 cannot be made from %2."))
                            .arg(n)
                            .arg(dice.join(", "));
    const Suggestion instead = bestFreeNumber(s.allowed, s.covered);
    if (instead.number == 0)
        return why + '\n' +
               word(QT_TRANSLATE_NOOP("BoardWindow",
                                      "No free number could be made with these dice."));
    return why + '\n' +
           word(QT_TRANSLATE_NOOP("BoardWindow", "You could have made %1 for %2 points."))
               .arg(way(instead.number, s.dice))
               .arg(instead.points);
}

WorkingLine::WorkingLine(QWidget* board) {
    // Dark on the board's blue: white there is too faint to read comfortably.
    const ui::Look look{ui::font({Face::Arial, 19, true}),
                        ui::toQColor(colours::kBlack),
                        std::nullopt,
                        false,
                        Qt::AlignCenter,
                        true};
    box_ = new ui::TextBox(look, board);
    box_->setObjectName(QStringLiteral("workingLine"));
    box_->setGeometry(kWorkingLineBox);
    box_->setAttribute(Qt::WA_TransparentForMouseEvents);
    box_->hide();
}

void WorkingLine::render(const GameState& s) {
    const std::pair key{s.turnCounter, s.lastChoice};
    if (key != shownFor_) {
        shownFor_ = key;
        box_->setText(workingText(s));
        box_->setAccessibleName(box_->text());
    }
    box_->setVisible(!box_->text().isEmpty());
}

} // namespace tezzle::board
