// The end of a game: a path from 1 to 100 with its closing sequence, players running out of
// time, and restored games whose clocks have already run out.

#include "GameHarness.h"

#include <QTest>

using namespace harness;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Up the left edge and along the top: a chain from 1 to 100 but for hexagon 73.
const std::vector<int> kChainBut73{1,  2,  4,  7,  11, 16, 22, 29, 37,
                                   46, 56, 65, 80, 86, 91, 95, 98, 100};

std::vector<std::pair<int, int>> owned(const std::vector<int>& numbers, int owner = 1) {
    std::vector<std::pair<int, int>> owners;
    for (int n : numbers)
        owners.emplace_back(n, owner);
    return owners;
}

std::vector<GameEvent> highScoreOffers(const std::vector<GameEvent>& events) {
    std::vector<GameEvent> offers;
    for (const GameEvent& e : events)
        if (std::holds_alternative<events::OpenHighScores>(e))
            offers.push_back(e);
    return offers;
}

} // namespace

class TestGameEnd : public QObject {
    Q_OBJECT

private slots:
    void aPathEndsTheGame_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("computerLevel");
        QTest::addColumn<int>("turnCounter");
        QTest::addColumn<std::vector<int>>("scores");
        QTest::addColumn<std::vector<int>>("final");
        QTest::addColumn<int>("winner");
        using V = std::vector<int>;
        // 73 is worth 200; the completer earns 500 more.
        QTest::newRow("the completer behind on points stays behind")
            << 2 << 0 << -1 << V{1000, 2000, 0, 0} << V{1700, 2000} << 2;
        QTest::newRow("the bonus lifts the completer ahead")
            << 2 << 0 << -1 << V{1500, 2000, 0, 0} << V{2200, 2000} << 1;
        QTest::newRow("a tie goes to the earlier player")
            << 2 << 0 << -1 << V{1300, 2000, 0, 0} << V{2000, 2000} << 1;
        QTest::newRow("Red completes, Blue wins the tie")
            << 2 << 0 << 0 << V{2000, 1300, 0, 0} << V{2000, 2000} << 1;
        QTest::newRow("Yellow completes, Green wins the tie")
            << 4 << 0 << 2 << V{500, 600, 700, 0} << V{500, 600, 700, 700} << 3;
        QTest::newRow("a score saved for someone not playing does not count")
            << 2 << 0 << -1 << V{100, 50, 0, 9000} << V{800, 50} << 1;
        QTest::newRow("the bonus stops at the 16-bit limit")
            << 2 << 0 << -1 << V{32500, 0, 0, 0} << V{32767, 0} << 1;
        QTest::newRow("alone") << 1 << 0 << -1 << V{300, 0, 0, 0} << V{1000} << 1;
        QTest::newRow("against the computer")
            << 2 << 3 << -1 << V{300, 5000, 0, 0} << V{1000, 5000} << 2;
        QTest::newRow("against the computer at level 1")
            << 2 << 1 << -1 << V{300, 0, 0, 0} << V{1000, 0} << 1;
    }

    void aPathEndsTheGame() {
        QFETCH(int, players);
        QFETCH(int, computerLevel);
        QFETCH(int, turnCounter);
        QFETCH(std::vector<int>, scores);
        QFETCH(std::vector<int>, final);
        QFETCH(int, winner);
        Table t({.players = players, .computerLevel = computerLevel, .sound = 1});
        Position p{.owners = owned(kChainBut73), .turnCounter = turnCounter};
        for (int i = 0; i < 4; ++i)
            p.scores[i] = std::int16_t(scores[i]);
        Game& game = t.restore(p);
        game.advance(1);
        const int completer = game.playerToMove();
        t.throwAndReveal(diceMaking(73));
        game.clickNumber(73);
        game.advance(1999);
        QCOMPARE(game.state().gameWinner, std::int16_t(0));
        t.events();

        game.advance(1);
        const GameState& s = game.state();
        QCOMPARE(s.banner, std::string("GAME OVER!!!"));
        QCOMPARE(s.pathReadout, std::string("Found path!"));
        QCOMPARE(int(s.gameWinner), completer + 1);
        QCOMPARE(s.ending, Ending::Path);
        QCOMPARE(t.cues(), std::vector<Cue>{Cue::Crowd});
        QCOMPARE(int(t.settings.soundOn), 0);
        QVERIFY(!s.throwDiceEnabled);
        QVERIFY(!game.acceptsNumberClick());
        // The banner flashes white and the completer's colour.
        game.advance(250);
        QCOMPARE(s.bannerColour, colours::kWhite);
        game.advance(250);
        QCOMPARE(s.bannerColour, kPlayers[completer].colour);

        game.advance(1500);
        QCOMPARE(s.banner, "500 points to " + std::string(kPlayers[completer].name));
        for (int i = 0; i < players; ++i)
            QCOMPARE(int(*s.players[i].score), final[i]);
        QCOMPARE(int(s.scores[completer]), std::min(32767, scores[completer] + 200));

        game.advance(1999);
        QCOMPARE(int(s.gameWinner), completer + 1);
        QVERIFY(highScoreOffers(t.events()).empty());
        game.advance(1);
        QCOMPARE(s.banner, std::string(kPlayers[winner - 1].winBanner));
        QCOMPARE(s.bannerColour, kPlayers[winner - 1].colour);
        QCOMPARE(int(s.gameWinner), winner);
        const auto offers = highScoreOffers(t.events());
        if (players == 1 || computerLevel > 0) {
            QCOMPARE(offers.size(), std::size_t(1));
            QCOMPARE(std::get<events::OpenHighScores>(offers[0]),
                     (events::OpenHighScores{std::int16_t(final[0]), computerLevel > 0}));
        } else {
            QVERIFY(offers.empty());
        }
        // The flashing now follows the winner, and never stops while the board is open.
        game.advance(250 * 41);
        QCOMPARE(s.bannerColour, colours::kWhite);
        game.advance(250);
        QCOMPARE(s.bannerColour, kPlayers[winner - 1].colour);
        QVERIFY(game.timers().running(TimerRole::GameOverFlash));
        QVERIFY(t.events().empty());
        QCOMPARE(int(s.players[completer].score.value_or(0)), final[completer]);
    }

    // A saved game can hold a finished path if Exit came before the change of turn; the 500
    // go to the player who placed its last counter, not to Blue.
    void aRestoredFinishedPathRewardsItsCompleter() {
        Table t({.players = 3, .sound = 0});
        std::vector<int> chain = kChainBut73;
        chain.push_back(73);
        Game& game = t.restore({.owners = owned(chain), .turnCounter = 2});
        game.advance(1);
        QCOMPARE(game.state().banner, std::string("GAME OVER!!!"));
        QCOMPARE(int(game.state().gameWinner), 3);
        game.advance(2000);
        QCOMPARE(game.state().banner, std::string("500 points to Green"));
        QCOMPARE(int(*game.state().players[2].score), 500);
        QCOMPARE(int(*game.state().players[0].score), 0);
    }

    void withSoundOffNoCrowdAndSoundStaysOff() {
        Table t({.players = 2, .sound = 0});
        Game& game = t.restore({.owners = owned(kChainBut73)});
        game.advance(1);
        t.playMove(diceMaking(73), 73);
        QCOMPARE(game.state().banner, std::string("GAME OVER!!!"));
        QVERIFY(t.events().empty());
        QCOMPARE(int(t.settings.soundOn), 0);
        game.advance(10000);
        QVERIFY(t.events().empty());
    }

    // A sound switch other than 1 is silence; the flashing turns it to 0 after a while.
    void aSoundSwitchOfTwoIsSilent() {
        Table t({.players = 2, .sound = 2});
        Game& game = t.restore({.owners = owned(kChainBut73)});
        game.advance(1);
        t.playMove(diceMaking(73), 73);
        QVERIFY(t.events().empty());
        QCOMPARE(int(t.settings.soundOn), 2);
        game.advance(250 * 17);
        QCOMPARE(int(t.settings.soundOn), 0);
    }

    void fewerThan18CoveredRunNoSearch() {
        Table t({.players = 2, .sound = 0});
        std::vector<int> shortChain(kChainBut73.begin() + 1, kChainBut73.end());
        shortChain.erase(shortChain.begin() + 5); // 16 left, 1 and 100 among them
        Game& game = t.restore({.owners = owned(shortChain)});
        game.advance(1);
        t.playMove(diceMaking(1), 1);
        QCOMPARE(game.state().banner, std::string("Red to Play"));
        QCOMPARE(game.state().pathReadout, std::string("Blue to Play"));
    }

    void aLonePlayerRunsOutOfTime() {
        Table t({.players = 1, .clock = 5, .sound = 1});
        Game& game = t.open();
        t.playMove(diceMaking(60), 60);
        t.throwAndReveal(diceMaking(61));
        t.events();
        game.advance(5000);
        QCOMPARE(t.cues(), std::vector<Cue>{Cue::Gong});
        QVERIFY(!game.state().players[0].inPlay);
        QCOMPARE(int(game.state().gameWinner), 0);
        game.advance(2000);
        const GameState& s = game.state();
        QCOMPARE(s.banner, std::string("OUT OF TIME!"));
        QCOMPARE(s.bannerColour, colours::kLightBlue);
        QCOMPARE(int(s.gameWinner), 1);
        QCOMPARE(s.ending, Ending::Time);
        const auto events = t.events();
        QCOMPARE(events.size(), std::size_t(2));
        QCOMPARE(std::get<events::PlayCue>(events[0]).cue, Cue::Crowd);
        QCOMPARE(std::get<events::OpenHighScores>(events[1]), (events::OpenHighScores{100, false}));
        QCOMPARE(int(t.settings.soundOn), 0);
        QVERIFY(game.timers().running(TimerRole::GameOverFlash));
        QVERIFY(!game.timers().running(TimerRole::Clock));
    }

    // Time counts only between the fourth die and the click.
    void theClockRunsOnlyWhileThePlayerThinks() {
        Table t({.players = 2, .clock = 10, .sound = 1});
        Game& game = t.open();
        t.random.throws.push_back(diceMaking(30));
        game.throwDice();
        game.advance(2249);
        QVERIFY(!game.timers().running(TimerRole::Clock));
        game.advance(1);
        QVERIFY(game.timers().running(TimerRole::Clock));
        game.advance(3999);
        QCOMPARE(int(game.state().players[0].clock), 7);
        game.clickNumber(30);
        game.advance(2000 + 5000);
        QCOMPARE(int(game.state().players[0].clock), 7);
        QCOMPARE(int(game.state().players[1].clock), 10);
    }

    void fourPlayersUntilOneHasTimeLeft() {
        Table t({.players = 4, .clock = 5, .sound = 0});
        Game& game = t.open();
        auto timeOut = [&] {
            t.throwAndReveal(diceMaking(50));
            game.advance(5000 + 2000);
        };
        timeOut();                      // Blue
        t.playMove(diceMaking(11), 11); // Red
        timeOut();                      // Green
        t.playMove(diceMaking(12), 12); // Yellow
        QCOMPARE(game.state().banner, std::string("Red to Play"));
        t.playMove(diceMaking(13), 13); // Red
        QCOMPARE(game.state().banner, std::string("Yellow to Play"));
        timeOut(); // Yellow
        const GameState& s = game.state();
        QCOMPARE(s.banner, std::string("RED HAS WON!"));
        QCOMPARE(s.bannerColour, colours::kRed);
        QCOMPARE(int(s.gameWinner), 2);
        QVERIFY(!s.throwDiceEnabled);
        QVERIFY(highScoreOffers(t.events()).empty());
    }

    void threePlayersWhenRedRunsOut() {
        Table t({.players = 3, .clock = 5, .sound = 0});
        Game& game = t.open();
        t.playMove(diceMaking(10), 10);
        t.throwAndReveal(diceMaking(50));
        game.advance(7000); // Red out
        std::vector<std::string> order;
        for (int n : {11, 12, 13, 14}) {
            order.push_back(game.state().banner);
            t.playMove(diceMaking(n), n);
        }
        QCOMPARE(order, (std::vector<std::string>{"Green to Play", "Blue to Play", "Green to Play",
                                                  "Blue to Play"}));
        t.throwAndReveal(diceMaking(50));
        game.advance(7000); // Green out
        QCOMPARE(game.state().banner, std::string("BLUE HAS WON!"));
    }

    // Clocks saved at 0 or below mean the player was out of time when the game was left.
    void restoredClocksAtZeroOrBelow_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("computerLevel");
        QTest::addColumn<std::vector<int>>("clocks");
        QTest::addColumn<std::vector<int>>("scores");
        QTest::addColumn<QString>("banner");
        using V = std::vector<int>;
        QTest::newRow("Red at 0 is skipped")
            << 3 << 0 << V{10, 0, 10} << V{0, 0, 0} << "Blue to Play";
        QTest::newRow("Red below 0 is skipped")
            << 3 << 0 << V{10, -40, 10} << V{0, 0, 0} << "Blue to Play";
        QTest::newRow("only Green left wins")
            << 3 << 0 << V{0, -1, 3} << V{900, 0, 0} << "GREEN HAS WON!";
        QTest::newRow("nobody left: the highest score wins")
            << 3 << 0 << V{0, -5, 0} << V{300, 500, 500} << "RED HAS WON!";
        QTest::newRow("nobody left of two, against the computer at level 1")
            << 2 << 1 << V{0, -5, 10} << V{300, 500, 0} << "RED HAS WON!";
        QTest::newRow("alone at 0") << 1 << 0 << V{0, 10, 10} << V{200, 0, 0} << "OUT OF TIME!";
    }

    void restoredClocksAtZeroOrBelow() {
        QFETCH(int, players);
        QFETCH(int, computerLevel);
        QFETCH(std::vector<int>, clocks);
        QFETCH(std::vector<int>, scores);
        QFETCH(QString, banner);
        Table t({.players = players, .computerLevel = computerLevel, .clock = 60, .sound = 0});
        Position p;
        for (int i = 0; i < 3; ++i) {
            p.clocks[i] = std::int16_t(clocks[i]);
            p.scores[i] = std::int16_t(scores[i]);
        }
        Game& game = t.restore(p);
        game.advance(1);
        QCOMPARE(QString::fromStdString(game.state().banner), banner);
        if (game.running()) {
            t.playMove(diceMaking(10), 10); // Blue
            QCOMPARE(game.state().banner, std::string("Green to Play"));
            return;
        }
        QVERIFY(!game.state().throwDiceEnabled);
        // A single human player's score goes to the high score check, Blue's as restored.
        const auto offers = highScoreOffers(t.events());
        if (players == 1 || computerLevel > 0) {
            QCOMPARE(offers.size(), std::size_t(1));
            QCOMPARE(std::get<events::OpenHighScores>(offers[0]),
                     (events::OpenHighScores{std::int16_t(scores[0]), computerLevel > 0}));
        } else {
            QVERIFY(offers.empty());
        }
    }

    // With clocks off a saved 0 means nothing.
    void restoredClocksAtZeroWithoutClocks() {
        Table t({.players = 2, .clock = 0, .sound = 0});
        Game& game = t.restore({.clocks = {0, 0, 0, 0}});
        game.advance(1);
        QCOMPARE(game.state().banner, std::string("Blue to Play"));
        t.playMove(diceMaking(10), 10);
        QCOMPARE(game.state().banner, std::string("Red to Play"));
    }
};

QTEST_APPLESS_MAIN(TestGameEnd)
#include "TestGameEnd.moc"
