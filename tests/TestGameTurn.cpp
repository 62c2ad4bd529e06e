// The turn cycle: opening a board, the throw and its dice animation, which clicks count, and
// the change of turn with its skipped players.

#include "GameHarness.h"

#include <QTest>

using namespace harness;

Q_DECLARE_METATYPE(std::vector<tezzle::Millis>)

class TestGameTurn : public QObject {
    Q_OBJECT

private slots:
    void opensANewGameAsDesigned_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("clock");
        QTest::newRow("one player, no clocks") << 1 << 0;
        QTest::newRow("two players, clocks") << 2 << 60;
        QTest::newRow("four players, clocks") << 4 << 5;
        QTest::newRow("three players, no clocks") << 3 << 0;
    }

    void opensANewGameAsDesigned() {
        QFETCH(int, players);
        QFETCH(int, clock);
        Table t({.players = players, .clock = clock});
        t.settings.board[40] = 2; // left over from an earlier game
        const Game& game = t.open();
        const GameState& s = game.state();
        QCOMPARE(s.banner, std::string("Blue to Play"));
        QCOMPARE(s.bannerColour, colours::kLightBlue);
        QCOMPARE(s.buttonColour, colours::kLightBlue);
        QVERIFY(s.throwDiceEnabled);
        for (const DieBox& box : s.diceBoxes) {
            QCOMPARE(box.face, 0);
            QVERIFY(!box.enabled);
            QCOMPARE(box.background, colours::kBlue);
        }
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(s.players[i].shown, i < players);
            QVERIFY(!s.players[i].score.has_value());
            QVERIFY(s.players[i].inPlay);
            QCOMPARE(int(s.players[i].clock), clock != 0 && i < players ? clock : 2000);
        }
        QCOMPARE(s.clockRowShown, clock != 0);
        QCOMPARE(int(s.turnCounter), -1);
        QCOMPARE(int(s.coveredNext), 1);
        QVERIFY(s.covered.none());
        QCOMPARE(int(t.settings.board[40]), 0);
        QCOMPARE(s.logoText, std::string("TEZZLE!"));
        QVERIFY(!game.timers().anyRunning());
        QVERIFY(!game.nextTickIn());
    }

    void diceAppearOneByOne_data() {
        QTest::addColumn<int>("sound");
        QTest::addColumn<Millis>("rollStart");
        QTest::addColumn<std::vector<Millis>>("reveals");
        QTest::addColumn<int>("rollingFaces");
        QTest::newRow("sound on") << 1 << Millis{1200}
                                  << std::vector<Millis>{1500, 1750, 2000, 2250} << 540;
        QTest::newRow("sound off")
            << 0 << Millis{100} << std::vector<Millis>{300, 550, 800, 1050} << 460;
    }

    void diceAppearOneByOne() {
        QFETCH(int, sound);
        QFETCH(Millis, rollStart);
        QFETCH(std::vector<Millis>, reveals);
        QFETCH(int, rollingFaces);
        Table t({.players = 2, .sound = sound});
        Game& game = t.open();
        t.playMove(diceMaking(60), 60); // Blue's dice stay in view until Red throws
        t.events();
        t.random.rollingDraws = 0;
        const Millis thrown = game.now();
        const Dice dice{2, 3, 4, 6};
        t.random.throws.push_back(dice);
        game.throwDice();
        QCOMPARE(t.cues(), sound == 1 ? std::vector<Cue>{Cue::CupDice} : std::vector<Cue>{});
        QVERIFY(!game.state().throwDiceEnabled);
        QCOMPARE(game.state().dice, dice);

        // The four boxes are blank from the throw until the roll starts.
        for (Millis wait : {Millis{0}, rollStart - 1}) {
            game.advance(wait);
            for (const DieBox& box : game.state().diceBoxes) {
                QCOMPARE(box.face, 0);
                QVERIFY(!box.enabled);
            }
        }
        QCOMPARE(t.random.rollingDraws, 0);
        game.advance(1);
        QCOMPARE(t.random.rollingDraws, 4);
        for (const DieBox& box : game.state().diceBoxes) {
            QVERIFY(box.enabled);
            QVERIFY(box.face >= 1 && box.face <= 6);
        }

        for (int k = 0; k < 4; ++k) {
            game.advance(reveals[k] - 1 - (game.now() - thrown));
            QCOMPARE(game.state().diceShown, k);
            QVERIFY(!game.acceptsNumberClick());
            game.advance(1);
            QCOMPARE(game.state().diceShown, k + 1);
            QCOMPARE(game.state().diceBoxes[k].face, dice[k]);
        }
        QVERIFY(game.acceptsNumberClick());
        // Each tick rolls only the dice not yet shown; the roll stops with the fourth die.
        QCOMPARE(t.random.rollingDraws, rollingFaces);
        game.advance(100);
        QCOMPARE(t.random.rollingDraws, rollingFaces);
        QVERIFY(!game.timers().anyRunning());
        for (int k = 0; k < 4; ++k)
            QCOMPARE(game.state().diceBoxes[k].face, dice[k]);
        QVERIFY(t.events().empty());
    }

    void aThrowThatMakesNoFreeNumberIsThrownAgainUnseen() {
        Table t({.players = 2, .sound = 1});
        Game& game = t.restore({.owners = {{1, 1}, {2, 2}, {3, 1}, {4, 2}}});
        game.advance(1);
        QVERIFY(game.state().throwDiceEnabled);
        t.events();
        const Dice blocked{1, 1, 1, 1};
        NumberSet made = reachableNumbers(blocked);
        for (int n : {1, 2, 3, 4})
            made.reset(n);
        QVERIFY(made.none());
        t.random.throws = {blocked, {2, 3, 4, 6}};
        game.throwDice();
        QCOMPARE(t.cues(), std::vector<Cue>{Cue::CupDice});
        game.advance(t.revealTime());
        QCOMPARE(game.state().dice, (Dice{2, 3, 4, 6}));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(game.state().diceBoxes[k].face, (Dice{2, 3, 4, 6})[k]);
        QVERIFY(t.random.throws.empty());
    }

    // One generator, seeded once: throw after throw the dice go on, every face as likely.
    void throwsDrawOnFromOneSeed() {
        Settings settings;
        settings.numPlayers = 1;
        settings.connarray = gridConnArray();
        SeededRandom random(99);
        Game game(settings, random);
        std::array<int, 7> faces{};
        int repeats = 0;
        Dice previous{};
        for (int i = 0; i < 600; ++i) {
            game.throwDice();
            game.advance(1050);
            const Dice dice = game.state().dice;
            repeats += dice == previous;
            previous = dice;
            for (int d : dice)
                ++faces[d];
            int wrong = 1;
            while (game.state().allowed.test(wrong))
                ++wrong;
            game.clickNumber(wrong); // an illegal move keeps the board empty
            game.advance(2000);
        }
        QVERIFY(game.state().covered.none());
        QCOMPARE(faces[0], 0);
        for (int f = 1; f <= 6; ++f)
            QVERIFY2(faces[f] > 340 && faces[f] < 460, qPrintable(QString::number(faces[f])));
        QVERIFY(repeats < 5);
    }

    void clicksThatDoNotCount_data() {
        QTest::addColumn<int>("phase");
        QTest::newRow("before the throw") << 0;
        QTest::newRow("while the dice roll") << 1;
        QTest::newRow("before the last die shows") << 2;
        QTest::newRow("right after a move") << 3;
        QTest::newRow("just before the change of turn") << 4;
        QTest::newRow("on a covered hexagon") << 5;
        QTest::newRow("off the board") << 6;
    }

    void clicksThatDoNotCount() {
        QFETCH(int, phase);
        Table t({.players = 2, .sound = 0});
        Game& game = t.open();
        const Dice dice = diceMaking(30);
        int target = 30;
        switch (phase) {
        case 0:
            break;
        case 1:
            t.random.throws.push_back(dice);
            game.throwDice();
            game.advance(200);
            break;
        case 2:
            t.random.throws.push_back(dice);
            game.throwDice();
            game.advance(1049);
            break;
        case 3:
        case 4:
            t.throwAndReveal(dice);
            game.clickNumber(30);
            game.advance(phase == 3 ? 0 : 1999);
            {
                NumberSet freeAllowed = game.state().allowed;
                freeAllowed.reset(30);
                target = freeAllowed.first();
                QVERIFY(target != 0);
            }
            break;
        case 5:
            t.playMove(dice, 30);
            t.throwAndReveal(dice);
            break;
        case 6:
            t.throwAndReveal(dice);
            target = 101;
            break;
        }
        t.events();
        const GameState before = game.state();
        game.clickNumber(target);
        if (phase == 6)
            game.clickNumber(0);
        const GameState& after = game.state();
        QCOMPARE(after.turnCounter, before.turnCounter);
        QCOMPARE(after.coveredNext, before.coveredNext);
        QCOMPARE(after.banner, before.banner);
        QCOMPARE(after.illegalMoveShown, before.illegalMoveShown);
        QVERIFY(t.events().empty());
    }

    void theChangeOfTurnAnnouncesTheNextPlayer() {
        Table t({.players = 3, .sound = 0});
        Game& game = t.open();
        t.throwAndReveal(diceMaking(10));
        game.clickNumber(10);
        QCOMPARE(game.state().banner, std::string("10 points scored"));
        game.advance(1999);
        QCOMPARE(game.state().banner, std::string("10 points scored"));
        QVERIFY(!game.state().throwDiceEnabled);
        game.advance(1);
        const GameState& s = game.state();
        QCOMPARE(s.banner, std::string("Red to Play"));
        QCOMPARE(s.bannerColour, colours::kRed);
        QCOMPARE(s.buttonColour, colours::kRed);
        QVERIFY(s.throwDiceEnabled);
        for (const DieBox& box : s.diceBoxes)
            QVERIFY(!box.enabled);
        QVERIFY(!game.timers().anyRunning() ||
                game.timers().running(TimerRole::CounterFlash)); // the flash ends at 2000 too
        // Red's dice are red; Green's green; Blue's a deeper blue than Blue's banner.
        t.throwAndReveal(diceMaking(11));
        QCOMPARE(s.diceBoxes[0].background, colours::kRed);
        game.clickNumber(11);
        game.advance(2000);
        QCOMPARE(s.banner, std::string("Green to Play"));
        t.throwAndReveal(diceMaking(12));
        QCOMPARE(s.diceBoxes[3].background, colours::kGreen);
        game.clickNumber(12);
        game.advance(2000);
        QCOMPARE(s.banner, std::string("Blue to Play"));
        QCOMPARE(s.bannerColour, colours::kLightBlue);
        t.throwAndReveal(diceMaking(13));
        QCOMPARE(s.diceBoxes[1].background, colours::kBlue);
        QCOMPARE(int(s.turnCounter), 2);
    }

    void onePlayerAlwaysPlaysBlue() {
        Table t({.players = 1, .sound = 0});
        Game& game = t.open();
        for (int n : {20, 21, 22}) {
            t.playMove(diceMaking(n), n);
            QCOMPARE(game.state().banner, std::string("Blue to Play"));
            QCOMPARE(int(t.settings.board[n]), 1);
        }
        QCOMPARE(int(game.state().turnCounter), 2);
        QCOMPARE(*game.state().players[0].score, std::int16_t(60));
    }

    // Green runs out of time: Red's move is followed by Yellow's, scored for Yellow.
    void aPlayerOutOfTimeIsSkipped() {
        Table t({.players = 4, .clock = 5, .sound = 1});
        Game& game = t.open();
        t.playMove(diceMaking(10), 10); // Blue
        t.playMove(diceMaking(11), 11); // Red
        QCOMPARE(game.state().banner, std::string("Green to Play"));
        t.throwAndReveal(diceMaking(12));
        t.events();
        game.advance(4999);
        QCOMPARE(int(game.state().players[2].clock), 1);
        QVERIFY(game.state().players[2].inPlay);
        game.advance(1);
        QCOMPARE(int(game.state().players[2].clock), 0);
        QVERIFY(!game.state().players[2].inPlay);
        QCOMPARE(t.cues(), std::vector<Cue>{Cue::Gong});
        QCOMPARE(game.state().diceBoxes[0].face, diceMaking(12)[0]);
        QVERIFY(!game.acceptsNumberClick());
        QCOMPARE(int(game.state().turnCounter), 1);
        game.advance(2000);
        QCOMPARE(game.state().banner, std::string("Yellow to Play"));
        QCOMPARE(int(game.state().turnCounter), 2);
        t.playMove(diceMaking(12), 12);
        QCOMPARE(int(t.settings.board[12]), 4);
        QCOMPARE(*game.state().players[3].score, std::int16_t(10));
        t.playMove(diceMaking(13), 13); // Blue
        t.playMove(diceMaking(14), 14); // Red
        QCOMPARE(game.state().banner, std::string("Yellow to Play"));
        QCOMPARE(game.playerToMove(), 3);
        QVERIFY(!game.state().players[2].score.has_value());
    }

    void aRestoredMoveCounterAlwaysNamesAPlayer_data() {
        QTest::addColumn<int>("numPlayers");
        QTest::addColumn<int>("turnCounter");
        QTest::addColumn<int>("toMove");
        QTest::newRow("negative, three players") << 3 << -7 << 0;
        QTest::newRow("negative, two players") << 2 << -2 << 1;
        QTest::newRow("lowest value") << 4 << -32768 << 1;
        QTest::newRow("highest value, four players") << 4 << 32767 << 0;
        QTest::newRow("highest value, three players") << 3 << 32767 << 2;
        QTest::newRow("no players is one") << 0 << 5 << 0;
        QTest::newRow("five players are four") << 5 << 5 << 2;
        QTest::newRow("negative players are one") << -3 << 5 << 0;
    }

    void aRestoredMoveCounterAlwaysNamesAPlayer() {
        QFETCH(int, numPlayers);
        QFETCH(int, turnCounter);
        QFETCH(int, toMove);
        Table t({.players = numPlayers, .sound = 0});
        Game& game = t.restore({.turnCounter = turnCounter});
        game.advance(1);
        QCOMPARE(game.state().banner, std::string(kPlayers[toMove].turnBanner));
        t.playMove(diceMaking(50), 50);
        QCOMPARE(int(t.settings.board[50]), toMove + 1);
        const int n = game.numPlayers();
        QCOMPARE(game.state().banner, std::string(kPlayers[(toMove + 1) % n].turnBanner));
        // Parity and whose turn it is survive any reduction of the counter.
        QCOMPARE(tezzle::floorMod(game.state().turnCounter, 12),
                 tezzle::floorMod(turnCounter + 1, 12));
    }
};

QTEST_APPLESS_MAIN(TestGameTurn)
#include "TestGameTurn.moc"
