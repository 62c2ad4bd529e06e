// The way between the windows, clicked as a player would: from the title to a game and back,
// a restarted game, one player against the computer, the high score table, and what start-up
// does with damaged files.

#include "WindowHarness.h"

#include "files/HighScores.h"
#include "files/SavedGameFile.h"
#include "frontend/Program.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace harness;
using tezzle::frontend::Program;
namespace ui = tezzle::ui;

namespace {

// The open top-level windows called `name`; a window closed is gone once deletions have run.
QList<QWidget*> windowsNamed(const QString& name) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            found << w;
    return found;
}

QWidget* window(const QString& name) {
    const QList<QWidget*> found = windowsNamed(name);
    if (found.size() != 1)
        qFatal("%lld windows %s", static_cast<long long>(found.size()), qPrintable(name));
    return found.front();
}

template <class T = QWidget> T* control(const QString& windowName, const QString& name) {
    T* c = window(windowName)->findChild<T*>(name);
    if (c == nullptr)
        qFatal("no %s in %s", qPrintable(name), qPrintable(windowName));
    return c;
}

void click(const QString& windowName, const QString& name) {
    QTest::mouseClick(control(windowName, name), Qt::LeftButton);
}

// No window is open twice, whatever the step.
bool eachWindowAtMostOnce() {
    for (const char* name :
         {"titleWindow", "setupWindow", "onePlayerWindow", "boardWindow", "highScoreWindow"})
        if (windowsNamed(name).size() > 1)
            return false;
    return true;
}

QString textOf(const QString& windowName, const QString& name) {
    return control<ui::TextBox>(windowName, name)->text();
}

// One turn on the open board: the throw, the dice shown, a click on n, the change of turn.
void playTurn(TestProgram& t, int n) {
    t.random.throws.push_back(diceMaking(n));
    click("boardWindow", "throwDiceButton");
    t.run(2250);
    click("boardWindow", QString("numberLabel%1").arg(n));
    t.run(2000);
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
        Program program(t.services);
        program.start();
        QCOMPARE(int(t.settings.soundOn), 1); // the title's load switches the sound on
        QCOMPARE(control<ui::Button>("titleWindow", "okButton")->text(), QString("OK"));
        QVERIFY(!control("titleWindow", "restartButton")->isEnabled());      // nothing saved yet
        QTest::keyClick(control("titleWindow", "okButton"), Qt::Key_Return); // buttons take keys

        QVERIFY(windowsNamed("titleWindow").isEmpty());
        QVERIFY(control("setupWindow", "timeAllowedEdit")->isHidden());
        click("setupWindow", "timersOnCheck");
        QVERIFY(!control("setupWindow", "timeAllowedEdit")->isHidden());
        control<QLineEdit>("setupWindow", "timeAllowedEdit")->setText("45");
        click("setupWindow", "playerCountButton2");
        QVERIFY(windowsNamed("setupWindow").isEmpty());
        QCOMPARE(program.boardWindow()->game().numPlayers(), 2);
        QCOMPARE(program.boardWindow()->game().timeAllowed(), 45);

        playTurn(t, 17); // Blue
        t.random.throws.push_back(diceMaking(60));
        click("boardWindow", "throwDiceButton");
        t.run(2250 + 3000); // Red thinks for 3 s
        const GameState left = program.boardWindow()->game().state();
        QCOMPARE(int(left.players[1].clock), 42);
        t.cues.played.clear();
        click("boardWindow", "exitButton");
        QVERIFY(windowsNamed("boardWindow").isEmpty());
        QCOMPARE(control<ui::Button>("titleWindow", "okButton")->text(), QString("Cancel"));
        QCOMPARE(t.cues.played, std::vector<Cue>{Cue::Click}); // once, after the title's load
        QVERIFY(control("titleWindow", "restartButton")->isEnabled());

        click("titleWindow", "restartButton");
        QVERIFY(windowsNamed("titleWindow").isEmpty());
        t.run(1);
        const GameState& again = program.boardWindow()->game().state();
        QCOMPARE(again.covered, left.covered);
        QCOMPARE(again.turnCounter, left.turnCounter);
        QCOMPARE(again.players[0].score, left.players[0].score);
        QCOMPARE(again.players[1].clock, left.players[1].clock);
        QCOMPARE(again.banner, std::string("Red to Play"));
        QCOMPARE(t.cues.played, (std::vector<Cue>{Cue::Click, Cue::Click}));
        QVERIFY(eachWindowAtMostOnce());
    }

    void onePlayerChoices_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("play");
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("computerLevel");
        QTest::newRow("solo, a level chosen and ignored") << "levelOption1"
                                                          << "playSoloButton" << 1 << 0;
        QTest::newRow("level 1") << "levelOption1"
                                 << "playComputerButton" << 2 << 1;
        QTest::newRow("level 2") << "levelOption2"
                                 << "playComputerButton" << 2 << 2;
        QTest::newRow("level 3 untouched") << ""
                                           << "playComputerButton" << 2 << 3;
    }

    void onePlayerChoices() {
        QFETCH(QString, level);
        QFETCH(QString, play);
        QFETCH(int, players);
        QFETCH(int, computerLevel);
        TestProgram t;
        Program program(t.services);
        program.start();
        click("titleWindow", "okButton");
        click("setupWindow", "playerCountButton1");
        QVERIFY(program.boardWindow() == nullptr);
        t.cues.played.clear();
        if (!level.isEmpty())
            click("onePlayerWindow", level);
        click("onePlayerWindow", play);
        QVERIFY(windowsNamed("onePlayerWindow").isEmpty());
        const tezzle::Game& game = program.boardWindow()->game();
        QCOMPARE(game.numPlayers(), players);
        QCOMPARE(game.computerLevel(), computerLevel);
        std::vector<Cue> cues{Cue::Click};
        if (!level.isEmpty())
            cues.insert(cues.begin(), Cue::Tink);
        QCOMPARE(t.cues.played, cues);
    }

    // The one-player window's Exit, by its button or by closing it, is a fresh set-up.
    void leavingTheOnePlayerWindow_data() {
        QTest::addColumn<bool>("closeRequest");
        QTest::newRow("Exit") << false;
        QTest::newRow("close") << true;
    }

    void leavingTheOnePlayerWindow() {
        QFETCH(bool, closeRequest);
        TestProgram t;
        Program program(t.services);
        program.start();
        click("titleWindow", "okButton");
        click("setupWindow", "timersOnCheck");
        click("setupWindow", "playerCountButton1");
        t.cues.played.clear();
        if (closeRequest)
            window("onePlayerWindow")->close();
        else
            click("onePlayerWindow", "exitButton");
        QVERIFY(windowsNamed("onePlayerWindow").isEmpty());
        QVERIFY(control<QCheckBox>("setupWindow", "playSoundCheck")->isChecked());
        QVERIFY(!control<QCheckBox>("setupWindow", "timersOnCheck")->isChecked());
        QCOMPARE(int(t.settings.computerLevel), 0);
        QVERIFY(t.cues.played.empty());
    }

    void theTimeBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("seconds");
        QTest::newRow("600") << "600"
                             << "600" << 600;
        QTest::newRow("empty") << ""
                               << "" << 5;
        QTest::newRow("0") << "0"
                           << "0" << 5;
        QTest::newRow("4") << "4"
                           << "4" << 5;
        QTest::newRow("-30") << "-30"
                             << "-30" << 5;
        QTest::newRow("a lone full stop") << "."
                                          << "." << 5;
        QTest::newRow("7.5 to the even 8") << "7.5"
                                           << "7.5" << 8;
        QTest::newRow("6.5 to the even 6") << "6.5"
                                           << "6.5" << 6;
        QTest::newRow("12-3 reads 12") << "12-3"
                                       << "12-3" << 12;
        QTest::newRow("letters and blanks never appear") << "6a0 5x"
                                                         << "605" << 605;
        QTest::newRow("four characters at most") << "123456"
                                                 << "1234" << 1234;
    }

    void theTimeBox() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, seconds);
        TestProgram t;
        Program program(t.services);
        program.start();
        click("titleWindow", "okButton");
        click("setupWindow", "timersOnCheck");
        auto* box = control<QLineEdit>("setupWindow", "timeAllowedEdit");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, typed);
        box->insert("z9"); // a paste goes through the same filter
        QCOMPARE(box->text(), shown);
        click("setupWindow", "playerCountButton3");
        QCOMPARE(int(t.settings.timeAllowed), seconds);
    }

    // A solo game ends on time; the score enters the table under the typed name however the
    // window is left, and the set-up's "High Scores" shows it.
    void aHighScoreIsNamed_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("close") << 2;
    }

    void aHighScoreIsNamed() {
        QFETCH(int, how);
        TestProgram t;
        Program program(t.services);
        program.start();
        click("titleWindow", "okButton");
        click("setupWindow", "timersOnCheck");
        control<QLineEdit>("setupWindow", "timeAllowedEdit")->setText("5");
        click("setupWindow", "playerCountButton1");
        click("onePlayerWindow", "playSoloButton");
        playTurn(t, 60);
        t.random.throws.push_back(diceMaking(61));
        click("boardWindow", "throwDiceButton");
        t.run(2250 + 5000 + 2000);
        QCOMPARE(textOf("boardWindow", "bannerLabel"), QString("OUT OF TIME!"));
        QVERIFY(windowsNamed("highScoreWindow").isEmpty()); // not inside the board's handling
        QCoreApplication::sendPostedEvents();
        auto* name = control<QLineEdit>("highScoreWindow", "highNameEdit");
        QVERIFY(!name->isHidden());
        QCOMPARE(name->text(), QString());
        QCOMPARE(name->y(), control("highScoreWindow", "highNameLabel0")->y() - 4);
        QCOMPARE(textOf("highScoreWindow", "highScoreLabel0"), QString("100"));
        QTest::keyClicks(name, "Ada");
        if (how == 0)
            click("highScoreWindow", "highScoreOkButton");
        else if (how == 1)
            QTest::keyClick(name, Qt::Key_Return);
        else
            window("highScoreWindow")->close();
        QVERIFY(windowsNamed("highScoreWindow").isEmpty());
        HighNames names;
        HighScores scores{};
        QVERIFY(readHighScores(t.services.highScorePath.toStdString(), names, scores).complete);
        QCOMPARE(names[0], std::string("Ada"));
        QCOMPARE(int(scores[0]), 100);

        t.settings.highNames = {};
        click("boardWindow", "exitButton");
        click("titleWindow", "okButton");
        click("setupWindow", "highScoresButton");
        QCOMPARE(textOf("highScoreWindow", "highNameLabel0"), QString("Ada"));
        QVERIFY(control("highScoreWindow", "highNameEdit")->isHidden());
        QVERIFY(eachWindowAtMostOnce());
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
        t.services.data = ui::DataFolder(data.path());
        Program program(t.services);
        QSignalSpy quit(&program, &Program::quitRequested);
        program.start();
        QVERIFY(control<ui::Picture>("titleWindow", "titlePicture")->pixmap().isNull());
        QVERIFY(textOf("titleWindow", "messageLabel").contains("connarray.dat"));
        QVERIFY(!control("titleWindow", "okButton")->isEnabled());
        QVERIFY(!control("titleWindow", "restartButton")->isEnabled());
        click("titleWindow", "titlePicture");
        QVERIFY(windowsNamed("setupWindow").isEmpty());
        window("titleWindow")->close(); // closing it is its Exit
        QCOMPARE(quit.count(), 1);
    }

    // A save that fails on the board's Exit is told on the title window.
    void aFailedSaveIsTold() {
        TestProgram t;
        QVERIFY(QDir().mkdir(t.services.savedGamePath + ".tmp"));
        Program program(t.services);
        program.quickStart({.players = 2});
        playTurn(t, 30);
        click("boardWindow", "exitButton");
        QVERIFY(textOf("titleWindow", "messageLabel").startsWith("The game could not be saved: "));
        QVERIFY(!control("titleWindow", "restartButton")->isEnabled());
    }

    void captionsFit() {
        TestProgram t;
        t.settings.highNames[0] = "Wolfgang Amadeus Moz";
        t.settings.highScores[0] = 32767;
        Program program(t.services);
        program.start();
        QCOMPARE(captionsThatDoNotFit(*window("titleWindow")), QStringList());
        click("titleWindow", "okButton");
        click("setupWindow", "timersOnCheck");
        QCOMPARE(captionsThatDoNotFit(*window("setupWindow")), QStringList());
        click("setupWindow", "highScoresButton");
        QCOMPARE(captionsThatDoNotFit(*window("highScoreWindow")), QStringList());
        click("setupWindow", "playerCountButton1");
        QCOMPARE(captionsThatDoNotFit(*window("onePlayerWindow")), QStringList());
        const QWidget* logo = control("onePlayerWindow", "logoImage");
        for (const char* option : {"levelOption1", "levelOption2", "levelOption3"}) {
            const QWidget* w = control("onePlayerWindow", option);
            QVERIFY(w->width() >= w->sizeHint().width() && w->geometry().right() < logo->x());
        }
    }
};

QTEST_MAIN(TestFrontEnd)
#include "TestFrontEnd.moc"
