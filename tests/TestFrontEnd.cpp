// The way between the windows, clicked as a player would: from the title to a game and back,
// a restarted game, one player against the computer, the time box, the high score table, and
// what start-up does with damaged files.

#include "WindowHarness.h"

#include "board/BoardLook.h"
#include "files/HighScores.h"
#include "files/SavedGameFile.h"
#include "frontend/Program.h"
#include "ui/Centre.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>

using namespace harness;
using tezzle::frontend::Program;

namespace {

// The program opened on its set-up window, as "OK" on the title leads there (and not a right
// click on its picture).
void toSetup(Program& program) {
    program.start();
    QTest::mouseClick(control("titleWindow", "titlePicture"), Qt::RightButton);
    click("titleWindow", "okButton");
}

} // namespace

class TestFrontEnd : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            delete w;
    }

    // Title, set-up with clocks, a two-player game left with Exit, and the same game restarted.
    void aGameLeftAndRestarted() {
        TestProgram t;
        t.settings.soundOn = 0;
        Program program(t.services, t.settings);
        program.start();
        QCOMPARE(int(t.settings.soundOn), 1); // the title's load switches the sound on
        // Each window named and centred, frame and all (the first one shown within its frame's
        // width, as no frame is known before it); on a small screen with a panel the title bar
        // stays on it.
        const QWidget* title = window("titleWindow");
        QCOMPARE(title->windowTitle(), QString("Tezzle!"));
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((title->frameGeometry().center() - free.center()).manhattanLength() <= 4);
        QCOMPARE(tezzle::ui::centredIn({0, 32, 800, 568}, {800, 625}), QPoint(0, 32));
        QVERIFY(!control("titleWindow", "restartButton")->isEnabled());      // nothing saved yet
        QTest::keyClick(control("titleWindow", "okButton"), Qt::Key_Return); // buttons take keys
        QVERIFY(openWindows("titleWindow").isEmpty());
        QVERIFY(control("setupWindow", "timeAllowedEdit")->isHidden());
        click("setupWindow", "timersOnCheck");
        QVERIFY(!control("setupWindow", "timeAllowedEdit")->isHidden());
        control<QLineEdit>("setupWindow", "timeAllowedEdit")->setText("45");
        click("setupWindow", "playerCountButton2");
        QVERIFY(openWindows("setupWindow").isEmpty());
        QCOMPARE(program.boardWindow()->game().timeAllowed(), 45);

        playTurn(t, 17); // Blue
        t.random.throws.push_back(diceMaking(60));
        click("boardWindow", "throwDiceButton");
        t.run(2250 + 3000); // Red thinks for 3 s
        const GameState left = program.boardWindow()->game().state();
        QCOMPARE(int(left.players[1].clock), 42);
        t.cues.played.clear();
        click("boardWindow", "exitButton");
        click("titleWindow", "restartButton");
        QVERIFY(openWindows("titleWindow").isEmpty());
        t.run(1);
        const GameState& again = program.boardWindow()->game().state();
        QCOMPARE(again.covered, left.covered);
        QCOMPARE(again.turnCounter, left.turnCounter);
        QCOMPARE(again.players[0].score, left.players[0].score);
        QCOMPARE(again.players[1].clock, left.players[1].clock);
        QCOMPARE(tezzle::board::bannerText(again.banner), QString("Red to Play"));
        QCOMPARE(t.cues.played, (std::vector<Cue>{Cue::Click, Cue::Click}));
    }

    void onePlayerChoices_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<int>("players"); // 0: back to the set-up as it was left
        QTest::addColumn<int>("computerLevel");
        QTest::addColumn<bool>("sound");
        const auto row = [](const char* name, const char* level, const char* leave, int players,
                            int computerLevel, bool sound = true) {
            QTest::newRow(name) << QString(level) << QString(leave) << players << computerLevel
                                << sound;
        };
        row("solo, a level chosen and ignored", "levelOption1", "playSoloButton", 1, 0);
        row("level 1, without sound", "levelOption1", "playComputerButton", 2, 1, false);
        row("level 2", "levelOption2", "playComputerButton", 2, 2);
        row("level 3 untouched", "", "playComputerButton", 2, 3);
        row("Exit, without sound", "", "exitButton", 0, 0, false);
        row("closing the window", "", "", 0, 0);
    }

    void onePlayerChoices() {
        QFETCH(QString, level);
        QFETCH(QString, leave);
        QFETCH(int, players);
        QFETCH(int, computerLevel);
        QFETCH(bool, sound);
        TestProgram t;
        Program program(t.services, t.settings);
        toSetup(program);
        click("setupWindow", "timersOnCheck");
        if (!sound)
            click("setupWindow", "playSoundCheck");
        click("setupWindow", "playerCountButton1");
        QVERIFY(program.boardWindow() == nullptr);
        // A tick sounds by the sound in force before it: unticking "Play Sound" is heard.
        QCOMPARE(std::ranges::count(t.cues.played, Cue::TickBox), sound ? 1 : 2);
        t.cues.played.clear();
        if (!level.isEmpty())
            click("onePlayerWindow", level);
        if (leave.isEmpty())
            window("onePlayerWindow")->close();
        else
            click("onePlayerWindow", leave);
        QVERIFY(openWindows("onePlayerWindow").isEmpty());
        std::vector<Cue> cues;
        if (!level.isEmpty() && sound)
            cues.push_back(Cue::LevelChosen);
        if (players == 0) { // silently
            QCOMPARE(control<QCheckBox>("setupWindow", "playSoundCheck")->isChecked(), sound);
            QVERIFY(control<QCheckBox>("setupWindow", "timersOnCheck")->isChecked());
        } else {
            QCOMPARE(program.boardWindow()->game().numPlayers(), players);
            QCOMPARE(int(t.settings.soundOn), int(sound));
            if (sound)
                cues.push_back(Cue::Click);
            const QWidget& board = *window("boardWindow");
            QCOMPARE(textOf(board, "playerNameLabel1"),
                     computerLevel ? QString("Computer (level %1)").arg(computerLevel) : "Red");
        }
        QCOMPARE(program.boardWindow() ? program.boardWindow()->game().computerLevel() : 0,
                 computerLevel);
        QCOMPARE(t.cues.played, cues);
        // Kept for the next run: the boxes as they were left, the level last played.
        const auto kept = tezzle::frontend::loadChoices(t.services.choicesPath);
        QVERIFY(kept.timersOn && kept.playSound == sound);
        QCOMPARE(kept.computerLevel, computerLevel ? computerLevel : 3);
        if (players == 2) { // and ticked when the one-player window opens again
            click("boardWindow", "exitButton");
            click("titleWindow", "okButton");
            click("setupWindow", "playerCountButton1");
            QVERIFY(control<QAbstractButton>("onePlayerWindow",
                                             QString("levelOption%1").arg(computerLevel))
                        ->isChecked());
        }
    }

    void keptChoices_data() {
        QTest::addColumn<QByteArray>("kept"); // the file as found; "dir" for a folder in its place
        QTest::newRow("none") << QByteArray();
        QTest::newRow("not settings at all") << QByteArray("\x01\xff[[[\n=\x00zz");
        QTest::newRow("values out of range")
            << QByteArray("[General]\ntimersOn=maybe\nseconds=12345\ncomputerLevel=9\n");
        QTest::newRow("a folder") << QByteArray("dir");
    }

    // A missing or damaged file of choices gives the usual ones, and the next change rewrites it.
    void keptChoices() {
        QFETCH(QByteArray, kept);
        TestProgram t;
        const QString path = t.services.choicesPath;
        QFile file(path);
        if (kept == "dir")
            QVERIFY(QDir().mkdir(path));
        else if (!kept.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kept) == kept.size());
        file.close();
        Program program(t.services, t.settings);
        toSetup(program);
        QCOMPARE(program.setupWindow()->chosen(), tezzle::frontend::Choices{});
        click("setupWindow", "showWorkingCheck");
        QCOMPARE(tezzle::frontend::loadChoices(path).showWorking, kept != "dir");
    }

    void theTimeBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("seconds");
        const auto row = [](const char* name, const char* typed, const char* shown, int seconds) {
            QTest::newRow(name) << QString(typed) << QString(shown) << seconds;
        };
        for (const char* at5 : {"", "0", "4", "-30", "."})
            row(at5, at5, at5, 5);
        row("600", "600", "600", 600);
        row("7.5 to the even 8", "7.5", "7.5", 8);
        row("6.5 to the even 6", "6.5", "6.5", 6);
        row("12-3 reads 12", "12-3", "12-3", 12);
        row("letters and blanks never appear", "6a0 5x", "605", 605);
        row("four characters at most", "123456", "1234", 1234);
    }

    void theTimeBox() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, seconds);
        TestProgram t;
        Program program(t.services, t.settings);
        toSetup(program);
        click("setupWindow", "timersOnCheck");
        auto* box = control<QLineEdit>("setupWindow", "timeAllowedEdit");
        box->clear();
        QTest::keyClicks(box, typed);
        box->insert("z9"); // a paste goes through the same filter
        QCOMPARE(box->text(), shown);
        click("setupWindow", "playerCountButton3");
        QCOMPARE(program.boardWindow()->game().timeAllowed(), seconds);
    }

    // A solo game ends on time; the score enters the table under the typed name however the
    // window is left, and the set-up's "High Scores" shows it. After Enter the named row stays
    // in view until Escape; a file that cannot be written leaves the row greyed and forgotten.
    void aHighScoreIsNamed_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter, then Escape") << 1;
        QTest::newRow("close") << 2;
        QTest::newRow("a file that cannot be written") << 3;
        QTest::newRow("OK, on a file damaged meanwhile") << 4;
    }

    void aHighScoreIsNamed() {
        QFETCH(int, how);
        TestProgram t;
        if (how == 3)
            QVERIFY(QDir().mkdir(t.services.highScorePath)); // no file can replace a folder
        Program program(t.services, t.settings);
        program.quickStart({.numPlayers = 1, .timeAllowed = 5});
        playTurn(t, 60);
        t.random.throws.push_back(diceMaking(61));
        click("boardWindow", "throwDiceButton");
        t.run(2250 + 5000 + 2000);
        QCOMPARE(textOf(*window("boardWindow"), "bannerLabel"), QString("OUT OF TIME!"));
        QCOMPARE(int(t.settings.soundOn), 0); // later windows are silent until the title's load
        QVERIFY(openWindows("highScoreWindow").isEmpty()); // not inside the board's handling
        QCoreApplication::sendPostedEvents();
        QWidget* high = window("highScoreWindow");
        auto* name = find<QLineEdit>(*high, "highNameEdit");
        QVERIFY(!name->isHidden() && name->text().isEmpty());
        QCOMPARE(name->y(), find(*high, "highNameLabel0")->y() - 4);
        QCOMPARE(textOf(*high, "highScoreLabel0"), QString("100"));
        QCOMPARE(textOf(*high, "highScoreLabel1"), QString()); // nobody's row is blank
        QCOMPARE(find(*high, "highScoreMessage")->accessibleName(),
                 QString("Type your name, then press Enter"));
        QTest::keyClicks(name, "Ada");
        if (how == 4) { // stored, and the copy kept is told before OK closes the window
            QFile damaged(t.services.highScorePath);
            QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("\x01"));
            damaged.close();
            click("highScoreWindow", "highScoreOkButton");
            QVERIFY(high->isVisible());
            QVERIFY(find(*high, "highScoreMessage")->accessibleName().contains(".damaged"));
        }
        if (how == 0 || how == 4) {
            click("highScoreWindow", "highScoreOkButton");
        } else if (how == 2) {
            high->close();
        } else {
            QTest::keyClick(name, Qt::Key_Return);
            QVERIFY(name->isHidden() && find(*high, "highScoreMessage")->isHidden() == (how == 1));
            QCOMPARE(textOf(*high, "highNameLabel0"), QString("Ada"));
            QCOMPARE(find(*high, "newRowHighlight")->isVisible(), how == 1);
            QCOMPARE(find(*high, "highNameLabel0")->isEnabled(), how == 1);
            if (how == 3) {
                QCOMPARE(find(*high, "highScoreMessage")->accessibleName(),
                         QString("Not stored: In place of the high score file is a folder. No "
                                 "copy of it could be kept."));
                QCOMPARE(int(program.highScoreTable().scores[0]), 0);
            }
            QWidget* focus = high->focusWidget() ? high->focusWidget() : high;
            QTest::keyClick(focus, Qt::Key_Return); // not a way out
            QVERIFY(high->isVisible());
            QTest::keyClick(focus, Qt::Key_Escape);
        }
        QVERIFY(openWindows("highScoreWindow").isEmpty());
        if (how == 3)
            return;
        HighNames names;
        HighScores scores{};
        QVERIFY(readHighScores(t.services.highScorePath.toStdString(), names, scores).complete());
        QCOMPARE(names[0], std::string("Ada"));
        QCOMPARE(int(scores[0]), 100);

        program.highScoreTable().names = {};
        click("boardWindow", "exitButton");
        click("titleWindow", "okButton");
        click("setupWindow", "highScoresButton");
        QCOMPARE(textOf(*window("highScoreWindow"), "highNameLabel0"), QString("Ada"));
        QVERIFY(control("highScoreWindow", "highNameEdit")->isHidden());
    }

    void quickStartOptions_data() {
        QTest::addColumn<QString>("line");
        // The game started: players, computer level, clock, sound; none, the title; -1, refused;
        // 0, help or version answered.
        QTest::addColumn<QList<int>>("game");
        const auto row = [](const char* line, QList<int> game) {
            QTest::newRow(*line ? line : "none: the title window") << QString(line) << game;
        };
        row("", {});
        row("--no-sound --players 3 --clock 30", {3, 0, 30, 0});
        row("--computer 2 --players 1", {2, 2, 0, 1});
        row("--clock 0 --computer 3", {2, 3, 0, 1});
        row("--computer=1", {2, 1, 0, 1});
        row("--players=4 --clock=5", {4, 0, 5, 1});
        for (const char* answered : {"-h", "--help --players 9", "--version"})
            row(answered, {0});
        for (const char* refused :
             {"--players 5", "--players", "--clock 4", "--computer 0", "--computer 1 --players 3",
              "--fast", "--players two", "--no-sound=1", "3"})
            row(refused, {-1});
    }

    // Options that start a game at once, as the board then plays it; or a reason to refuse.
    void quickStartOptions() {
        QFETCH(QString, line);
        QFETCH(QList<int>, game);
        const auto options = tezzle::frontend::parseOptions(line.split(' ', Qt::SkipEmptyParts));
        QCOMPARE(options.error.isEmpty(), game != QList{-1});
        QCOMPARE(options.help || options.version, game == QList{0});
        QCOMPARE(options.quickStart.has_value(), game.size() == 4);
        if (!options.quickStart)
            return;
        TestProgram t;
        Program program(t.services, t.settings);
        program.quickStart(*options.quickStart);
        const Game& g = program.boardWindow()->game();
        QCOMPARE(
            (QList{g.numPlayers(), g.computerLevel(), g.timeAllowed(), int(t.settings.soundOn)}),
            game);
    }

    // A damaged adjacency table and missing pictures at start-up: the title window says why no
    // game can start and only "Exit" works.
    void startingWithDamagedFiles() {
        TestProgram t;
        QTemporaryDir data;
        QFile table(data.filePath("connarray.dat"));
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("2,3,0,0,0,0\n1,3,4");
        table.close();
        t.services.data = tezzle::ui::DataFolder(data.path());
        Program program(t.services, t.settings);
        QSignalSpy quit(&program, &Program::quitRequested);
        program.start();
        QVERIFY(control<tezzle::ui::Picture>("titleWindow", "titlePicture")->pixmap().isNull());
        QVERIFY(control("titleWindow", "messageLabel")->accessibleName().contains("connarray.dat"));
        QVERIFY(!control("titleWindow", "okButton")->isEnabled());
        QVERIFY(!control("titleWindow", "restartButton")->isEnabled());
        click("titleWindow", "titlePicture");
        QVERIFY(openWindows("setupWindow").isEmpty());
        window("titleWindow")->close(); // closing it is its Exit
        QCOMPARE(quit.count(), 1);
    }

    void leavingTheBoard_data() {
        QTest::addColumn<bool>("closeRequest");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("Exit") << false << false;
        QTest::newRow("the window manager's close") << true << false;
        QTest::newRow("a save that cannot be written") << false << true;
    }

    // Exit saves the game (or says why it could not, keeping the previous file), closes the
    // Cheat Chart and the board, and the title window comes back with "Cancel" and one click.
    void leavingTheBoard() {
        QFETCH(bool, closeRequest);
        QFETCH(bool, blocked);
        TestProgram t;
        const QString path = t.services.savedGamePath;
        // A folder in the saved game's place cannot be replaced, and stays as it was.
        QVERIFY(!blocked || QDir().mkpath(path + "/kept"));
        Program program(t.services, t.settings);
        program.quickStart({.numPlayers = 3, .timeAllowed = 40});
        playTurn(t, 17);
        const SavedGame expected = program.boardWindow()->game().savedGame();
        click("boardWindow", "cheatChartButton");
        t.cues.played.clear();
        if (closeRequest)
            window("boardWindow")->close();
        else
            click("boardWindow", "exitButton");
        QVERIFY(openWindows("boardWindow").isEmpty() && openWindows("cheatChart").isEmpty());
        QCOMPARE(control<QAbstractButton>("titleWindow", "okButton")->text(), QString("Cancel"));
        QCOMPARE(t.cues.played, std::vector<Cue>{Cue::Click});
        const QString message = control("titleWindow", "messageLabel")->accessibleName();
        QCOMPARE(message.startsWith("The game could not be saved: "), blocked);
        // The whole sentence: the file, the system's error and the step it failed at.
        static const QRegularExpression refused("^The game could not be saved: Cannot save "
                                                "(.*): .+ \\(while renaming \\1\\.tmp-\\w{6} to "
                                                "it\\)\\. The previous file is unchanged\\.$");
        QVERIFY(!blocked || refused.match(message).captured(1) == path);
        if (blocked)
            QVERIFY(QFileInfo(path + "/kept").isDir());
        else
            QCOMPARE(readSavedGame(path.toStdString()).game, std::optional<SavedGame>(expected));
        QCOMPARE(control("titleWindow", "restartButton")->isEnabled(), !blocked);

        // A saved game gone bad since the title window opened: Restart says so and is greyed,
        // every message shows whole, and the tip hides no button.
        if (!blocked) {
            QFile saved(path);
            QVERIFY(saved.open(QIODevice::WriteOnly | QIODevice::Truncate) && saved.write("1"));
            saved.close();
            click("titleWindow", "restartButton");
            QVERIFY(openWindows("boardWindow").isEmpty());
        }
        QWidget* title = window("titleWindow");
        auto* restart = find(*title, "restartButton");
        const QString damaged("The saved game is damaged and cannot be restored.");
        QVERIFY(!restart->isEnabled() && restart->toolTip() == damaged);
        QCOMPARE(find(*title, "messageLabel")->accessibleName().endsWith(damaged), !blocked);
        QCOMPARE(layoutFaults(*title), QStringList());
        QHelpEvent hover(QEvent::ToolTip, {4, 4}, restart->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(restart, &hover);
        const QList<QWidget*> tips = openWindows("qtooltip_label");
        QCOMPARE(tips.size(), 1);
        for (const auto* button : title->findChildren<tezzle::ui::Button*>())
            QVERIFY(
                !tips[0]->geometry().intersects({button->mapToGlobal(QPoint()), button->size()}));
    }
};

QTEST_MAIN(TestFrontEnd)
#include "TestFrontEnd.moc"
