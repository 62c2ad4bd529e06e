// Help as a reader meets it: every caption of the rules pages whole in its box, one page of each
// at a time, the Cheat Chart gone with page 2, the dice demonstration's timeline, and the Cheat
// Chart's table sliding under its fixed row numbers.

#include "WindowHarness.h"

#include "help/DiceDemoPanel.h"
#include "help/Help.h"
#include "help/RulesPageData.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

using namespace harness;
using tezzle::help::Help;
using tezzle::ui::TextBox;

namespace {

QStringList dice(const QWidget& page) {
    QStringList faces;
    for (int i = 0; i < 4; ++i) {
        const auto* die = find<TextBox>(page, QStringLiteral("demoDieBox%1").arg(i));
        faces << (die->isEnabled() ? die->text() : QStringLiteral("off"));
    }
    return faces;
}

void press(QWidget* window, const char* button) {
    QTest::mouseClick(find(*window, button), Qt::LeftButton);
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void pagesReplaceOneAnother() {
        Help help(program_.services);
        help.openRulesPage(1);
        for (int page = 1; page < 5; ++page) {
            QCOMPARE(openWindows("rulesPage"), QList{help.rulesPage(page)});
            // Enter reads on, with a frame one can see around the button it presses.
            QWidget* next = find(*help.rulesPage(page), "nextPageButton");
            QCOMPARE(help.rulesPage(page)->focusWidget(), next);
            if (page == 1 && QTest::qWaitForWindowActive(help.rulesPage(1))) {
                const QRect ringed = next->geometry().adjusted(-2, -2, 2, 2);
                QCOMPARE(find(*help.rulesPage(1), "keyboardFocusFrame")->geometry(), ringed);
            }
            press(help.rulesPage(page), "nextPageButton");
        }
        QCOMPARE(help.rulesPage(5)->focusWidget(), find(*help.rulesPage(5), "previousPageButton"));
        QVERIFY(!help.rulesPage(5)->findChild<QWidget*>("nextPageButton"));
        for (int page = 5; page > 1; --page) {
            QCOMPARE(openWindows("rulesPage"), QList{help.rulesPage(page)});
            press(help.rulesPage(page), "previousPageButton");
        }
        QVERIFY(!help.rulesPage(1)->findChild<QWidget*>("previousPageButton"));

        // Opening an open page brings it forward; another page opens beside it.
        QPointer<QWidget> first = help.rulesPage(1);
        help.openRulesPage(1);
        help.openRulesPage(3);
        QCOMPARE(help.rulesPage(1), first.data());
        QCOMPARE(openWindows("rulesPage").size(), 2);
        help.closeRulesPages();
        QVERIFY(openWindows("rulesPage").isEmpty() && first.isNull());

        // Page 2 takes the Cheat Chart with it however it is left; other pages leave it open.
        for (const char* way : {"exitButton", "nextPageButton", "previousPageButton", ""}) {
            help.openRulesPage(2);
            press(help.rulesPage(2), "cheatChartButton");
            help.openRulesPage(4);
            press(help.rulesPage(4), "exitButton");
            help.openRulesPage(6); // no such page
            QCOMPARE(openWindows("rulesPage"), QList{help.rulesPage(2)});
            QVERIFY(help.rulesPage(6) == nullptr && help.rulesPage(0) == nullptr);
            QVERIFY2(help.cheatChart() != nullptr, way);
            if (*way == 0)
                help.rulesPage(2)->close(); // the window manager's close is Exit
            else
                press(help.rulesPage(2), way);
            QVERIFY2(help.rulesPage(2) == nullptr && help.cheatChart() == nullptr, way);
            QVERIFY(openWindows("cheatChart").isEmpty());
            help.closeRulesPages();
        }
        // A game started from the set-up window closes the pages, not the chart page 2 opened.
        help.openRulesPage(2);
        press(help.rulesPage(2), "cheatChartButton");
        help.closeRulesPages();
        QVERIFY(help.rulesPage(2) == nullptr && help.cheatChart() != nullptr);
    }

    void diceDemonstration_data() {
        QTest::addColumn<int>("soundOn");
        QTest::addColumn<int>("rolling"); // when the faces start to change
        QTest::addColumn<int>("settled"); // when the first die settles; the others 250 ms apart
        QTest::addRow("sound on") << 1 << 1200 << 1500;
        QTest::addRow("sound off") << 0 << 100 << 300;
        QTest::addRow("sound at 2 is off") << 2 << 100 << 300;
    }

    void diceDemonstration() {
        QFETCH(int, soundOn);
        QFETCH(int, rolling);
        QFETCH(int, settled);
        TestProgram& p = program_;
        p.settings.soundOn = static_cast<std::int16_t>(soundOn);
        p.cues.played.clear();
        Help help(p.services);
        help.openRulesPage(2);
        QWidget* page = help.rulesPage(2);
        auto* panel = page->findChild<tezzle::help::DiceDemoPanel*>();
        auto& driver = panel->driver();
        const QStringList blank{"off", "off", "off", "off"};
        QCOMPARE(dice(*page), blank);

        p.random.throws = {{6, 4, 3, 1}, {2, 5, 5, 2}};
        press(page, "demoThrowDiceButton");
        const std::vector<Cue> cupdice =
            soundOn == 1 ? std::vector{Cue::DiceThrown} : std::vector<Cue>{};
        QCOMPARE(p.cues.played, cupdice);
        p.run(rolling - 1);
        QCOMPARE(dice(*page), blank);
        p.run(1);
        QVERIFY(!dice(*page).contains("off") && !dice(*page).contains(QString()));

        // A click while the dice roll blanks them and starts over with the next throw.
        p.run(settled - rolling);
        QCOMPARE(dice(*page)[0], "6");
        press(page, "demoThrowDiceButton");
        QCOMPARE(dice(*page), (QStringList{"", "", "", ""}));
        p.run(settled - 1);
        const QStringList settles{"2", "5", "5", "2"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(dice(*page).mid(0, i), settles.mid(0, i));
            p.run(i == 0 ? 1 : 250);
            QCOMPARE(dice(*page).mid(0, i + 1), settles.mid(0, i + 1));
        }
        p.run(10);
        QCOMPARE(dice(*page), settles);
        QVERIFY(!driver.armed());
        QCOMPARE(p.cues.played.size(), cupdice.size() * 2);

        // Every wake-up 40 ms late while the faces roll: the dice still settle on their beat.
        p.random.throws = {{3, 3, 4, 4}};
        press(page, "demoThrowDiceButton");
        const tezzle::Millis thrown = p.clock.now_;
        for (int i = 0; i < 4; ++i) {
            const tezzle::Millis beat = thrown + settled + 250 * i;
            while (*driver.nextWakeAt() + 40 < beat) {
                p.clock.now_ = *driver.nextWakeAt() + 40;
                driver.sync();
            }
            for (const int early : {1, 0}) {
                p.clock.now_ = beat - early;
                driver.sync();
                QCOMPARE(panel->demo().diceShown(), i + 1 - early);
            }
        }
        p.run(100); // the last frame drawn
        QCOMPARE(dice(*page), (QStringList{"3", "3", "4", "4"}));
        QVERIFY(!driver.armed());

        // Closing the page stops a throw; opened again, its dice are blank.
        p.random.throws = {{1, 1, 1, 1}};
        press(page, "demoThrowDiceButton");
        QVERIFY(driver.armed());
        page->close();
        QVERIFY(!driver.armed());
        help.openRulesPage(2);
        QCOMPARE(dice(*help.rulesPage(2)), blank);
    }

    void cheatChartSlidesUnderItsRowNumbers() {
        Help help(program_.services);
        help.openCheatChart();
        QWidget* chart = help.cheatChart();
        QCOMPARE(chart->windowTitle(), QStringLiteral("Tezzle! Cheat Chart"));
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(chart->pos(), QPoint(free.left() + (free.width() - 598) / 2, free.top()));
        // Row k holds k times 1, 2, … up to 100, on alternating greys, under headings 1 to 50.
        for (int k = 1; k <= 10; ++k) {
            int i = 1;
            for (;
                 auto* cell = chart->findChild<TextBox*>(QString("productCell%1x%2").arg(k).arg(i));
                 ++i)
                QVERIFY(cell->text() == QString::number(k * i) &&
                        textOf(*chart, QString("headingCell%1").arg(i)) == QString::number(i) &&
                        *cell->look().background ==
                            (i % 2 == 1 ? QColor(224, 224, 224) : QColor(192, 192, 192)));
            QCOMPARE(i - 1, std::min(50, 100 / k));
            QCOMPARE(textOf(*chart, QString("rowNumberCell%1").arg(k)), QString::number(k));
        }

        auto* bar = find<QScrollBar>(*chart, "chartScrollBar");
        const QWidget* column1 = find(*chart, "productCell1x1");
        // Column 1's left edge in the window for each value of the bar, which starts at the left;
        // the row numbers stay, and a column sliding under them is cut off cleanly at their edge.
        QCOMPARE(bar->value(), 0);
        for (auto [value, at] : {std::pair{0, 33}, {50, 33 - 350}, {100, 33 - 700}, {1, 33 - 7}}) {
            bar->setValue(value);
            QCOMPARE(column1->mapTo(chart, QPoint()).x(), at);
            QCOMPARE(find(*chart, "rowNumberCell10")->mapTo(chart, QPoint()), QPoint(8, 248));
        }
        QCOMPARE(chart->grab().toImage().pixelColor(32, 40), QColor(0, 0, 192));
        // The wheel down, over the table as over the bar, brings higher columns into view.
        for (const char* over : {"productCell3x2", "chartScrollBar"}) {
            QWheelEvent wheel({4, 4}, {}, {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&wheel); // from the mouse: passed up if unused
            qApp->notify(find(*chart, over), &wheel);
        }
        QCOMPARE(bar->value(), 1 + 2 * QApplication::wheelScrollLines());
        // A drag moves the table once, when the scroll box is let go.
        bar->setSliderDown(true);
        bar->setSliderPosition(40);
        QCOMPARE(bar->value(), 1 + 2 * QApplication::wheelScrollLines());
        bar->setSliderDown(false);
        QCOMPARE(column1->mapTo(chart, QPoint()).x(), 33 - 280);
        // At the far end the widened 100 of row 2 is whole inside the window.
        bar->setValue(100);
        const QWidget* last = find(*chart, "productCell2x50");
        QCOMPARE(last->mapTo(chart, QPoint(last->width(), 0)).x(), 588);

        // Asked for again, the same chart comes forward where it was slid to.
        bar->setValue(50);
        help.openCheatChart();
        QCOMPARE(help.cheatChart(), chart);
        QCOMPARE(bar->value(), 50);
        help.closeCheatChart();
        QVERIFY(help.cheatChart() == nullptr);
        help.openCheatChart();
        QCOMPARE(find<QScrollBar>(*help.cheatChart(), "chartScrollBar")->value(), 0);
        help.closeCheatChart();

        // A new chart opens clear of the window that asked for it where the screen has room:
        // above, beside or below it; else across the top.
        const QPoint across((free.width() - 598) / 2, 0);
        for (auto [asking, at] : {std::pair{QRect(0, 400, 800, 200), QPoint(101, 94)},
                                  {QRect(0, 0, 150, 600), QPoint(150, 0)},
                                  {QRect(650, 0, 150, 600), QPoint(52, 0)},
                                  {QRect(0, 0, 800, 250), QPoint(101, 250)},
                                  {QRect(0, 0, 800, 600), across}}) {
            QWidget window;
            window.setGeometry(asking.translated(free.topLeft()));
            help.openCheatChart(&window);
            QCOMPARE(help.cheatChart()->pos(), at + free.topLeft());
            help.closeCheatChart();
        }
    }

private:
    TestProgram program_;
};

QTEST_MAIN(TestHelp)
#include "TestHelp.moc"
