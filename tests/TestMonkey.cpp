// Any clicking, any keys, any closing: ten thousand random events spread over every open window,
// with time passing on a hand-moved clock. After each one the game's invariants hold and no
// window is open twice; the program neither crashes nor hangs.

#include "WindowHarness.h"

#include "core/Invariants.h"
#include "frontend/Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>

#include <map>
#include <memory>
#include <random>

using namespace harness;
using tezzle::frontend::Program;

namespace {

constexpr int kEvents = 10000;
constexpr const char* kWindows[] = {
    "titleWindow", "setupWindow", "onePlayerWindow", "boardWindow", "highScoreWindow", "rulesPage1",
    "rulesPage2",  "rulesPage3",  "rulesPage4",      "rulesPage5",  "cheatChartWindow"};

struct Running {
    explicit Running(TestProgram& t)
        : program(t.services, t.settings) {
        QObject::connect(&program, &Program::quitRequested, &program, [this] { quit = true; });
        program.start();
    }
    Program program;
    bool quit = false;
};

// A left click at a random point of the window, on whatever control stands there.
void clickSomewhere(QWidget* window, std::mt19937& pick) {
    const QPoint at(static_cast<int>(pick() % static_cast<unsigned>(window->width())),
                    static_cast<int>(pick() % static_cast<unsigned>(window->height())));
    QWidget* target = window->childAt(at);
    if (target == nullptr)
        target = window;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
}

// A click right on one of the window's controls that take clicks, so that they all get pressed.
void clickAControl(QWidget* window, std::mt19937& pick) {
    QList<QWidget*> targets;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() &&
            (qobject_cast<QAbstractButton*>(w) != nullptr || qobject_cast<tezzle::ui::Picture*>(w)))
            targets << w;
    if (targets.isEmpty())
        return;
    QWidget* target = targets[static_cast<qsizetype>(pick() % targets.size())];
    QTest::mouseClick(target, Qt::LeftButton);
}

void pressAKey(QWidget* window, std::mt19937& pick) {
    static constexpr Qt::Key kKeys[] = {
        Qt::Key_0,      Qt::Key_1,         Qt::Key_2,   Qt::Key_3, Qt::Key_4,     Qt::Key_5,
        Qt::Key_6,      Qt::Key_7,         Qt::Key_8,   Qt::Key_9, Qt::Key_Space, Qt::Key_Return,
        Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_A, Qt::Key_Minus, Qt::Key_Period};
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window, kKeys[pick() % std::size(kKeys)]);
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void tenThousandRandomEvents() {
        TestProgram t;
        std::mt19937 pick(20261206);
        auto running = std::make_unique<Running>(t);
        std::unique_ptr<tezzle::InvariantChecker> checker;
        QPointer<tezzle::board::BoardWindow> watched; // a new board may reuse the old one's memory
        int games = 0;
        std::map<std::string, bool> seen;
        QList<QPointer<QWidget>> newest; // open windows, in the order they opened
        // The game looked at after every event and every wake-up of its timers, so no turn's
        // steps pass unseen inside a long wait.
        auto check = [&] {
            auto* board = running ? running->program.boardWindow() : nullptr;
            if (board == nullptr || board->game().closed())
                return;
            if (watched != board) {
                checker = std::make_unique<tezzle::InvariantChecker>(board->game());
                watched = board;
                ++games;
            }
            checker->check();
        };
        t.afterWake = check;
        for (int event = 0; event < kEvents; ++event) {
            QList<QWidget*> windows = openWindows();
            if (running->quit || windows.isEmpty()) { // "Exit": start the program again
                running.reset();
                for (QWidget* w : QApplication::topLevelWidgets())
                    delete w;
                running = std::make_unique<Running>(t);
                continue;
            }
            // Half the time the player turns to the window that opened last, as players do.
            for (QWidget* w : windows)
                if (!newest.contains(w))
                    newest.append(w);
            newest.removeIf(
                [](const QPointer<QWidget>& w) { return w.isNull() || !w->isVisible(); });
            QWidget* window = pick() % 2 == 0 && !newest.isEmpty()
                                  ? newest.back().data()
                                  : windows[static_cast<qsizetype>(pick() % windows.size())];
            const unsigned what = pick() % 100;
            if (what < 45)
                clickAControl(window, pick);
            else if (what < 65)
                clickSomewhere(window, pick);
            else if (what < 85)
                pressAKey(window, pick);
            else if (what < 87)
                window->close();
            else
                t.run(static_cast<tezzle::Millis>(pick() % 3000) + 1);
            QCoreApplication::sendPostedEvents(); // what waits for the event loop, high scores

            check();
            if (checker)
                QVERIFY2(checker->violations() == 0, checker->firstViolation().c_str());
            for (const char* name : kWindows) {
                const qsizetype open = openWindows(name).size();
                QVERIFY2(open <= 1, name);
                seen[name] |= open == 1;
            }
        }
        QVERIFY2(games > 10, qPrintable(QString::number(games))); // the monkey did play
        // and went to every kind of window (the five rules pages are one kind)
        for (const char* name : {"titleWindow", "setupWindow", "onePlayerWindow", "boardWindow",
                                 "highScoreWindow", "rulesPage2", "cheatChartWindow"})
            QVERIFY2(seen[name], name);
    }
};

QTEST_MAIN(TestMonkey)
#include "TestMonkey.moc"
