// The board window: what a player sees at every moment of a game, a game played by clicks
// alone, and Exit with its saved game.

#include "WindowHarness.h"

#include "board/BoardLook.h"
#include "board/BoardWindow.h"
#include "board/Marks.h"
#include "board/WorkingLine.h"
#include "core/Geometry.h"
#include "tools/ColourVision.h"
#include "ui/Contrast.h"
#include "ui/Marks.h"

#include <QAccessible>
#include <QPointer>
#include <QSignalSpy>

using namespace harness;
using tezzle::board::BoardWindow;
namespace ui = tezzle::ui;
namespace board = tezzle::board;

namespace {

// Every named control against what the game's state says it shows; the differences found.
QStringList mismatches(const BoardWindow& w, const ui::DataFolder& data) {
    QStringList out;
    auto expect = [&](bool ok, const QString& what) {
        if (!ok)
            out << what;
    };
    const GameState& s = w.game().state();
    auto picture = [&](const std::string& plain) {
        return w.options().colourMarks ? ui::markedPicture(plain) : plain;
    };
    const auto* banner = find<ui::TextBox>(w, "bannerLabel");
    expect(banner->text() == board::bannerText(s.banner) &&
               banner->look().text == ui::toQColor(board::bannerColour(s.bannerTint)),
           "banner " + banner->text());
    expect(std::abs(banner->geometry().center().x() - 418) <= 1, "banner centre");
    const auto* logo = find<ui::TextBox>(w, "logoLabel");
    expect(logo->text() == board::logoText(s) &&
               logo->look().text == ui::toQColor(board::logoColour(s)),
           "logo");
    const QColor turn = ui::toQColor(board::playerColour(s.buttonPlayer));
    const auto* throwDice = find<ui::Button>(w, "throwDiceButton");
    expect(throwDice->isEnabled() == s.throwDiceEnabled, "Throw Dice enabled");
    for (const char* name : {"throwDiceButton", "exitButton", "newGameButton", "cheatChartButton"})
        expect(find<ui::Button>(w, name)->look().text == turn, QString("%1 colour").arg(name));
    const auto* seconds = find<ui::TextBox>(w, "secondsRemainingLabel");
    expect(seconds->isHidden() != s.clockRowShown && seconds->look().text == turn, "seconds");
    expect(find<QWidget>(w, "illegalMoveLabel")->isHidden() != s.illegalMoveShown, "illegal");
    const auto* flash = find<ui::Picture>(w, "flashCounter");
    expect(flash->isHidden() != s.flashCounterShown, "flash shown");
    if (s.flashCounterShown) {
        const auto at = tezzle::geometry::toPixels(
            tezzle::geometry::counterPosition(s.flashCounterAt, s.flashCounterAt == 100 ? 0 : 480));
        expect(s.flashCounterAt == 100 || flash->pos() == QPoint(at.x, at.y), "flash place");
        expect(flash->pixmap().cacheKey() ==
                   data.picture(picture(ui::whiteCounterPicture(s.flashCounterAt))).cacheKey(),
               "flash picture");
    }
    for (int i = 0; i < 4; ++i) {
        const DieBox& box = s.diceBoxes[i];
        const auto* die = find<ui::TextBox>(w, QString("dieBox%1").arg(i));
        expect(die->text() == (box.face == 0 ? QString() : QString::number(box.face)) &&
                   die->isEnabled() == box.enabled &&
                   die->look().background == ui::toQColor(board::dieColour(box.tint)),
               QString("die %1").arg(i));
        const PlayerPanel& panel = s.players[i];
        const auto* score = find<ui::TextBox>(w, QString("scoreBox%1").arg(i));
        expect(find<QWidget>(w, QString("playerNameLabel%1").arg(i))->isHidden() != panel.shown &&
                   score->isHidden() != panel.shown &&
                   score->text() == (panel.score ? QString::number(*panel.score) : QString()) &&
                   score->isEnabled() == panel.inPlay,
               QString("panel %1").arg(i));
        const auto* clock = find<ui::TextBox>(w, QString("clockLabel%1").arg(i));
        expect(clock->isHidden() != (s.clockRowShown && panel.shown) &&
                   clock->text() == QString::number(panel.clock),
               QString("clock %1").arg(i));
    }
    expect(find<QWidget>(w, "joiningChainMarks")->isHidden() == s.joiningChain.none(), "chain");
    expect(w.options().showWorking == (w.findChild<QWidget*>("workingLine") != nullptr), "working");
    for (int n = 1; n <= 100; ++n) {
        const bool covered = s.covered.test(n);
        const auto* counter = find<ui::Picture>(w, QString("counterImage%1").arg(n));
        expect(find<QWidget>(w, QString("numberLabel%1").arg(n))->isHidden() == covered &&
                   counter->isHidden() != covered,
               QString("hexagon %1").arg(n));
        if (covered)
            expect(counter->pixmap().cacheKey() ==
                       data.picture(picture(ui::counterPicture(n, s.owners[n]))).cacheKey(),
                   QString("counter %1").arg(n));
    }
    return out;
}

struct Board {
    Board(TestProgram& program, const GameStart& start, board::BoardOptions options = {})
        : p(program)
        , window(new BoardWindow(program.services, start, options)) {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
    ~Board() { delete window; }

    void run(Millis ms) { p.run(ms); }
    void click(const QString& name) { harness::click("boardWindow", name); }
    QStringList mismatches() const { return ::mismatches(*window, p.services.data); }

    TestProgram& p;
    QPointer<BoardWindow> window;
};

using vision::Srgb;
Srgb at(const QImage& image, QPoint p) {
    const QColor c = image.pixelColor(p);
    return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

// The pixels of a piece seen with a deficiency: their mean colour in its colour area, on the plain
// and the marked board, and the mask of its mark.
struct Seen {
    std::array<vision::Triple, 2> lab{}; // plain, marked
    QSet<QPoint> mark;
};
Seen look(const QImage& plain, const QImage& marked, QPoint centre, vision::Deficiency d,
          auto colourArea, auto markArea) {
    Seen seen;
    std::array<std::array<double, 3>, 2> sum{};
    int count = 0;
    for (int y = -30; y <= 30; ++y)
        for (int x = -30; x <= 30; ++x) {
            const QPoint p(x, y);
            const Srgb a = at(plain, centre + p), b = at(marked, centre + p);
            const Srgb c[] = {vision::simulate(a, d), vision::simulate(b, d)};
            if (colourArea(p) && ++count)
                for (std::size_t i = 0; i < 6; ++i)
                    sum[i / 3][i % 3] += c[i / 3][i % 3];
            // The marks are black or pale grey ink, where the plain board has colour.
            const auto [low, high] = std::minmax({b[0], b[1], b[2]});
            if (markArea(p) && high - low < 30 &&
                std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > 90)
                seen.mark.insert(p);
        }
    for (std::size_t k = 0; k < 2; ++k)
        seen.lab[k] =
            vision::toLab({std::uint8_t(sum[k][0] / count), std::uint8_t(sum[k][1] / count),
                           std::uint8_t(sum[k][2] / count)});
    return seen;
}

// Two marks differ when a tenth of what either covers is not the other's.
bool marksDiffer(const QSet<QPoint>& a, const QSet<QPoint>& b) {
    return QSet(a).intersect(b).size() < 0.9 * QSet(a).unite(b).size();
}

// The highest contrast of any pixel of a picture against its background.
double inkContrast(const QImage& image, Rgb background, int* inkPixels = nullptr) {
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Srgb c = at(image, {x, y});
            const double ratio = ui::contrastRatio({c[0], c[1], c[2]}, background);
            best = std::max(best, ratio);
            if (inkPixels != nullptr && ratio > 3)
                ++*inkPixels;
        }
    return best;
}

} // namespace

class TestBoardWindow : public QObject {
    Q_OBJECT

private slots:
    // A restored four-player game with clocks: a double Tezzle!, a Tezzle!, an illegal move and
    // a clock running out, checked against the game's state at every step.
    void mirrorsTheGameThroughATurnOfFourPlayers() {
        TestProgram p;
        SavedGame s{.setup = {.numPlayers = 4, .timeAllowed = 30}, .turnCounter = -1};
        for (auto [n, owner] : {std::pair{12, 2}, {18, 3}, {25, 4}, {32, 2}})
            s.board[n] = static_cast<std::int16_t>(owner);
        s.scores = {std::int16_t{0}, std::int16_t{130}, std::int16_t{20}, std::int16_t{50}};
        s.clocks = {30, 25, 30, 12};
        Board b(p, s);
        QCOMPARE(b.mismatches(), QStringList());

        auto turn = [&](const Dice& dice, int n, Millis think) {
            p.random.throws.push_back(dice);
            b.click("throwDiceButton");
            const Millis thrown = p.clock.now_;
            std::vector<Millis> wakes;
            p.afterWake = [&] { wakes.push_back(p.clock.now_ - thrown); };
            QCOMPARE(b.mismatches(), QStringList());
            b.run(1300); // rolling
            QCOMPARE(b.mismatches(), QStringList());
            b.run(950);
            p.afterWake = nullptr;
            // Each die settles on its beat; the rolling faces in between are drawn at most 30
            // times a second.
            for (const Millis beat : {1500, 1750, 2000, 2250})
                QCOMPARE(std::ranges::count(wakes, beat), 1);
            QVERIFY(wakes.size() <= 4 + (2250 - 1200) / 33);
            b.run(think);
            QCOMPARE(b.mismatches(), QStringList());
            if (n != 0)
                b.click(QString("numberLabel%1").arg(n));
            for (int step = 0; step < 10; ++step) { // flashes and the change of turn
                b.run(250);
                QCOMPARE(b.mismatches(), QStringList());
            }
        };
        b.run(1);
        QCOMPARE(find<ui::TextBox>(*b.window, "bannerLabel")->text(), QString("Blue to Play"));
        QVERIFY(!b.window->driver().armed()); // waiting for a throw wakes nothing
        turn(diceMaking(17), 17, 0);          // Blue: double Tezzle!
        turn(diceMaking(33), 33, 0);          // Red: Tezzle!
        turn(diceNotMaking(90), 90, 0);       // Green: illegal
        turn(diceMaking(50), 0, 12000);       // Yellow: out of time
        QCOMPARE(find<ui::TextBox>(*b.window, "bannerLabel")->text(), QString("Blue to Play"));
        QVERIFY(!find<QWidget>(*b.window, "scoreBox3")->isEnabled());
        turn(diceMaking(9), 9, 0); // Blue, then Red: the same white picture flashes in two places,
                                   // one of them the first hexagon
        turn(diceMaking(1), 1, 0);
        QCOMPARE(
            p.cues.played,
            (std::vector<Cue>{Cue::DiceThrown, Cue::DoubleTezzle, Cue::DiceThrown, Cue::Tezzle,
                              Cue::DiceThrown, Cue::IllegalMove, Cue::DiceThrown, Cue::OutOfTime,
                              Cue::DiceThrown, Cue::TickBox, Cue::DiceThrown, Cue::TickBox}));
        QVERIFY(!b.window->driver().armed());
    }

    // The same moves with and without the working: the board above its strip is the same pixel
    // for pixel, and the strip says how the dice made a number or what they could have made.
    void theWorkingIsShownOnlyWhenAsked() {
        std::vector<QImage> boards[2];
        for (bool shown : {false, true}) {
            TestProgram p;
            Board b(p, GameSetup{.numPlayers = 2}, {.showWorking = shown});
            QCOMPARE(b.window->height(), shown ? 600 + board::kWorkingStripHeight : 600);
            auto look = [&](const QString& said) {
                QCOMPARE(b.mismatches(), QStringList());
                if (auto* line = b.window->findChild<ui::TextBox*>("workingLine"))
                    QCOMPARE(line->isVisible() ? line->text() : QString(), said);
                boards[shown].push_back(b.window->grab().toImage().copy(0, 0, 800, 600));
            };
            look({});
            for (auto [n, said] :
                 {std::pair{18, "18 = 3 × 3 × 2 × 1"},
                  {97,
                   "97 cannot be made from 3, 3, 2, 1.\nYou could have made 16 = (3 + 2) × 3 + 1 "
                   "for 20 points."}}) {
                p.random.throws.push_back({3, 3, 2, 1});
                b.click("throwDiceButton");
                b.run(2250);
                b.click(QString("numberLabel%1").arg(n));
                b.run(300);
                look(QString::fromUtf8(said));
                b.run(2000);
            }
            p.random.throws.push_back({3, 3, 2, 1});
            b.click("throwDiceButton");
            look({}); // gone with the next throw
        }
        QVERIFY(boards[0] == boards[1]);
    }

    void aGameReachesItsWinner_data() {
        QTest::addColumn<bool>("byKeys");
        QTest::newRow("mouse clicks") << false;
        QTest::newRow("keys") << true;
    }

    // Two players by mouse clicks alone, or by keys alone, Blue along the left edge and the top:
    // the path ends the game, Blue gets the 500 and wins.
    void aGameReachesItsWinner() {
        QFETCH(bool, byKeys);
        const std::vector<int> blue{1,  2,  4,  7,  11, 16, 22, 29, 37, 46,
                                    56, 65, 73, 80, 86, 91, 95, 98, 100};
        const std::vector<int> red{3,  5,  6,  8,  9,  10, 12, 13, 14,
                                   15, 17, 18, 19, 20, 21, 23, 24, 25};
        TestProgram p;
        Board b(p, GameSetup{.numPlayers = 2, .timeAllowed = 900});
        // Keys go where the keyboard focus is, the board itself when no button has it.
        auto key = [&](Qt::Key k) {
            QWidget* focus = b.window->focusWidget();
            QTest::keyClick(focus != nullptr ? focus : b.window.data(), k);
        };
        auto typed = [&] {
            const QWidget* line = find<QWidget>(*b.window, "typedNumberLabel");
            return line->isHidden() ? QString() : textOf(*b.window, "typedNumberLabel");
        };
        auto type = [&](int n) {
            for (QChar digit : QString::number(n))
                key(static_cast<Qt::Key>(Qt::Key_0 + digit.digitValue()));
        };
        auto play = [&](int n) {
            p.random.throws.push_back(diceMaking(n));
            if (byKeys)
                key(Qt::Key_Space); // nothing has the focus: Space throws
            else
                b.click("throwDiceButton");
            b.run(2250);
            if (byKeys) {
                for (Qt::Key slip : {Qt::Key_9, Qt::Key_8, Qt::Key_A, Qt::Key_Backspace})
                    key(slip); // a letter does nothing
                QCOMPARE(typed(), QString("Your number: 9"));
                key(Qt::Key_Escape);
                QCOMPARE(typed(), QString());
                type(1015); // three digits at most
                QCOMPARE(typed(), QString("Your number: 101"));
                key(Qt::Key_Return);
                QCOMPARE(typed(), QString("Choose a number from 1 to 100"));
                // Enter chooses a typed number whichever button has the focus.
                find<QWidget>(*b.window, "exitButton")->setFocus();
                type(n);
                QCOMPARE(typed(), QString("Your number: %1").arg(n));
                QVERIFY(find<QWidget>(*b.window, "clockLabel0")->isHidden());
                key(n % 2 ? Qt::Key_Return : Qt::Key_Enter); // the keypad's Enter too
                QCOMPARE(typed(), QString());
                b.window->setFocus();
            } else {
                b.click(QString("numberLabel%1").arg(n));
            }
            b.run(2000);
        };
        if (byKeys) {
            type(4);
            QCOMPARE(typed(), QString("Throw the dice first"));
            // Space presses a focused button rather than throwing.
            QSignalSpy chart(b.window.data(), &BoardWindow::cheatChartRequested);
            find<QWidget>(*b.window, "cheatChartButton")->setFocus();
            key(Qt::Key_Space);
            QCOMPARE(chart.count(), 1);
            b.window->setFocus();
        }
        for (std::size_t i = 0; i < blue.size(); ++i) {
            play(blue[i]);
            if (i < red.size())
                play(red[i]);
        }
        const auto* banner = find<ui::TextBox>(*b.window, "bannerLabel");
        QCOMPARE(banner->text(), QString("GAME OVER!!!"));
        QVERIFY(b.window->game().state().joiningChain.test(100)); // and lit, as mismatches() saw
        QCOMPARE(b.mismatches(), QStringList());
        b.run(2000);
        QCOMPARE(banner->text(), QString("500 points to Blue"));
        QCOMPARE(b.mismatches(), QStringList());
        b.run(2000);
        QCOMPARE(banner->text(), QString("BLUE HAS WON!"));
        QCOMPARE(b.mismatches(), QStringList());
        // A throw each, the sound of each move, and the crowd for the winner.
        QCOMPARE(std::count(p.cues.played.begin(), p.cues.played.end(), Cue::DiceThrown), 37);
        QCOMPARE(p.cues.played.size(), 37u * 2 + 1);
        QCOMPARE(p.cues.played.back(), Cue::GameOver);
    }

    void colourMarksTellPlayersAndZonesApart_data() {
        QTest::addColumn<vision::Deficiency>("deficiency");
        QTest::newRow("protanopia") << vision::Deficiency::Protanopia;
        QTest::newRow("deuteranopia") << vision::Deficiency::Deuteranopia;
        QTest::newRow("tritanopia") << vision::Deficiency::Tritanopia;
    }

    // Seen without one kind of cone, every two players' counters on a zone and every two zones
    // differ in mark or clearly in colour; the marks change nothing when they are off.
    void colourMarksTellPlayersAndZonesApart() {
        QFETCH(vision::Deficiency, deficiency);
        TestProgram p;
        QStringList mismatched;
        SavedGame game{.setup = {.numPlayers = 4}, .turnCounter = -1}; // each on every zone
        for (const Zone& zone : kZones)
            for (int player = 1; player <= 4; ++player)
                game.board[zone.first + 2 * player - 1] = static_cast<std::int16_t>(player);
        auto render = [&](board::BoardOptions options) {
            Board b(p, game, options);
            mismatched << b.mismatches();
            return b.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage plain = render({.colourMarks = false}), marked = render({.colourMarks = true});
        QCOMPARE(mismatched, QStringList());
        QCOMPARE(plain, render({}));
        const QPointF inCounter(
            (geometry::hexagonCentre(1).x - geometry::counterPosition(1).x) / 15.0,
            (geometry::hexagonCentre(1).y - geometry::counterPosition(1).y) / 15.0);
        auto centre = [&](int n) {
            const auto pixel = geometry::toPixels(geometry::counterPosition(n, n == 100 ? 0 : 480));
            return (QPointF(pixel.x, pixel.y) + inCounter).toPoint();
        };
        // A counter's colour around its face, where its mark is; a hexagon's below its number's
        // well, its mark above.
        const auto ring = [](QPoint q) {
            return std::abs(std::hypot(q.x(), q.y()) - 9) < 1;
        };
        const auto face = [](QPoint q) {
            return std::hypot(q.x(), q.y()) < 9;
        };
        const auto foot = [](QPoint q) {
            return std::abs(q.x()) < 4 && std::abs(q.y() - 20) < 3;
        };
        const auto top = [](QPoint q) {
            return q.y() < -14;
        };
        std::vector<std::pair<int, Seen>> counters, zones; // by zone and player, by zone
        for (int n = 1; n <= 100; ++n) {
            const auto z = static_cast<int>(&zoneOf(n) - kZones.data());
            if (const int owner = game.board[n]; owner != 0)
                counters.emplace_back(z * 10 + owner,
                                      look(plain, marked, centre(n), deficiency, ring, face));
            else if (!isPrime(n) && (zones.empty() || zones.back().first != z))
                zones.emplace_back(z, look(plain, marked, centre(n), deficiency, foot, top));
        }
        for (const auto* pieces : {&counters, &zones}) {
            std::array<double, 2> closest{1000, 1000}; // plain, marked
            int markedApart = 0, pairs = 0;
            for (std::size_t i = 0; i < pieces->size(); ++i)
                for (std::size_t j = i + 1; j < pieces->size(); ++j) {
                    const auto& [a, seenA] = (*pieces)[i];
                    const auto& [b, seenB] = (*pieces)[j];
                    if (pieces == &counters && a / 10 != b / 10)
                        continue; // counters are compared on the same zone
                    const double dE = vision::deltaE2000(seenA.lab[1], seenB.lab[1]);
                    const bool apart = marksDiffer(seenA.mark, seenB.mark);
                    closest = {std::min(closest[0], vision::deltaE2000(seenA.lab[0], seenB.lab[0])),
                               std::min(closest[1], dE)};
                    markedApart += apart;
                    ++pairs;
                    QVERIFY2(apart || dE >= 15, qPrintable(QString("%1 and %2").arg(a).arg(b)));
                }
            qInfo("%s: smallest colour difference %.1f plain, %.1f marked; with marks %d of %d "
                  "pairs apart by their marks",
                  pieces == &counters ? "counters" : "zones", closest[0], closest[1], markedApart,
                  pairs);
        }
    }

    // With marks on, the dice digits in every colour and state and the message lines read.
    void colourMarksReadOnEveryColour() {
        TestProgram p;
        Board b(p, GameSetup{.numPlayers = 4}, {.showWorking = true, .colourMarks = true});
        auto* die = find<ui::TextBox>(*b.window, "dieBox0");
        die->setText("8");
        for (const Rgb colour :
             {colours::kBlue, colours::kRed, colours::kGreen, colours::kYellow, colours::kWhite}) {
            int settledInk = 0, greyedInk = 0;
            for (const bool enabled : {true, false}) {
                die->setBackground(ui::toQColor(colour));
                die->setEnabled(enabled);
                board::showMarkedDie(*die, colour, enabled);
                const double ratio =
                    inkContrast(die->grab().toImage().copy(die->rect().adjusted(1, 1, -1, -1)),
                                colour, enabled ? &settledInk : &greyedInk);
                qInfo("die %06x %d: %.2f", ui::toQColor(colour).rgb() & 0xffffff, enabled, ratio);
                QVERIFY(ratio >= 4.5);
            }
            QVERIFY(greyedInk < settledInk * 0.85); // thinner: greyed
        }
        for (const char* name : {"illegalMoveLabel", "workingLine"}) {
            auto* line = find<ui::TextBox>(*b.window, name);
            line->setText(line->text() + "18 = 3 × 3 × 2 × 1");
            line->show();
            const double ratio =
                inkContrast(b.window->grab(line->geometry()).toImage(), colours::kBoardBackground);
            qInfo("%s: %.2f", name, ratio);
            QVERIFY(ratio >= 4.5);
        }
    }

    // A screen reader can tell what each control is (captions whole and apart: the language
    // suite).
    void readAloud() {
        TestProgram p;
        Board b(p, GameSetup{.numPlayers = 4, .timeAllowed = 600});
        const struct {
            const char* name;
            QAccessible::Role role;
            const char* text;
        } spoken[] = {{"throwDiceButton", QAccessible::Button, "Throw Dice"},
                      {"numberLabel37", QAccessible::Button, "hexagon 37"},
                      {"scoreBox2", QAccessible::StaticText, "Green score"},
                      {"clockLabel3", QAccessible::StaticText, "Yellow seconds remaining 600"},
                      {"zoneBall0", QAccessible::Graphic, "500 points zone"}};
        for (const auto& control : spoken) {
            QAccessibleInterface* a =
                QAccessible::queryAccessibleInterface(find<QWidget>(*b.window, control.name));
            QVERIFY(a != nullptr);
            QCOMPARE(a->role(), control.role);
            QCOMPARE(a->text(QAccessible::Name), QString(control.text));
        }
    }
};

QTEST_MAIN(TestBoardWindow)
#include "TestBoardWindow.moc"
