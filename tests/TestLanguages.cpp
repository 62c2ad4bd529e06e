// Every window in every language the game ships, and in the pseudo-language: each text whole in
// its box, no caption running into another, and (in the pseudo-language) no text that escaped
// translation. The pseudo-language's texts are longer than any real one's: how many would not
// fit is printed, not failed on.

#include "WindowHarness.h"

#include "board/BoardLook.h"
#include "board/BoardWindow.h"
#include "frontend/Program.h"
#include "help/Help.h"
#include "ui/Translations.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <functional>
#include <memory>

using namespace harness;
using tezzle::frontend::Program;

namespace {

const QString kPseudo = QStringLiteral("pseudo");

// One turn on the open board: the throw, the dice shown, a click on n, the change of turn.
void playTurn(TestProgram& t, int n) {
    t.random.throws.push_back(diceMaking(n));
    click("boardWindow", "throwDiceButton");
    t.run(2250);
    click("boardWindow", QString("numberLabel%1").arg(n));
    t.run(2000);
}

// Every text a window shows or hands to a screen reader, by the control that holds it.
QList<std::pair<QString, QString>> textsOf(QWidget& window) {
    QList<std::pair<QString, QString>> texts;
    QList<QWidget*> all = window.findChildren<QWidget*>();
    all.prepend(&window);
    for (QWidget* w : all) {
        if (!w->isVisibleTo(&window) && w != &window)
            continue;
        const QString name = w->objectName();
        if (auto* box = qobject_cast<tezzle::ui::TextBox*>(w))
            texts.append({name, box->text()});
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts.append({name, button->text()});
        for (const QString& text :
             {w->windowTitle(), w->toolTip(), w->accessibleName(), w->accessibleDescription()})
            texts.append({name, text});
    }
    return texts;
}

// The texts with a letter outside the pseudo-language's brackets: shown as the code wrote them.
QStringList escaped(QWidget& window) {
    QStringList found;
    for (const auto& [control, text] : textsOf(window)) {
        int depth = 0;
        for (const QChar c : text) {
            depth += c == '[' ? 1 : c == ']' ? -1 : 0;
            if (depth == 0 && c.isLetter()) {
                found << control + ": " + text;
                break;
            }
        }
    }
    return found;
}

// A window as the test leaves it, and the steps that show its other texts, each checked in turn.
struct Shown {
    QWidget* window = nullptr;
    std::vector<std::function<void(QWidget&)>> steps;
};

// The board part-way through a game of four with clocks; then every banner and logo word in its
// box, the computer's name, the typing hints and an illegal move, as the game shows them.
Shown openBoard(TestProgram& t, Program& program) {
    program.quickStart({.numPlayers = 4, .timeAllowed = 600});
    playTurn(t, 17);
    Shown shown{window("boardWindow"), {}};
    auto setText = [&shown](const char* box, QString text) {
        shown.steps.push_back(
            [box, text](QWidget& w) { find<tezzle::ui::TextBox>(w, box)->setText(text); });
    };
    using tezzle::Banner;
    for (int player = 0; player < 4; ++player)
        for (const Banner& b :
             {Banner::toPlay(player), Banner::hasWon(player), Banner::pathBonus(500, player)})
            setText("bannerLabel", tezzle::board::bannerText(b));
    for (const Banner& b : {Banner::pointsScored(500), Banner::gameOver(), Banner::outOfTime()})
        setText("bannerLabel", tezzle::board::bannerText(b));
    GameState doubled;
    doubled.logoDouble = true;
    setText("logoLabel", tezzle::board::logoText(doubled));
    shown.steps.push_back([](QWidget& w) { QTest::keyClick(&w, Qt::Key_5); }); // not thrown yet
    shown.steps.push_back([&t](QWidget& w) {
        QTest::keyClick(&w, Qt::Key_Escape);
        t.random.throws.push_back(diceMaking(97, false));
        click("boardWindow", "throwDiceButton");
        t.run(2250);
        QTest::keyClicks(&w, "0");
        QTest::keyClick(&w, Qt::Key_Return);
    });
    shown.steps.push_back([&t](QWidget& w) {
        QTest::keyClick(&w, Qt::Key_Escape);
        click("boardWindow", "numberLabel97");
        t.run(2000);
    });
    return shown;
}

// A solo game run out of time: the high score window asks for a name. With the file's place
// taken by a folder, the name given is not stored and the window says why.
Shown openHighScores(TestProgram& t, Program& program, bool blocked) {
    if (blocked)
        QDir().mkdir(t.services.highScorePath);
    program.quickStart({.numPlayers = 1, .timeAllowed = 5});
    playTurn(t, 60);
    t.random.throws.push_back(diceMaking(61));
    click("boardWindow", "throwDiceButton");
    t.run(2250 + 5000 + 2000);
    QCoreApplication::sendPostedEvents();
    QWidget* high = window("highScoreWindow");
    if (blocked) {
        auto* name = find<QLineEdit>(*high, "highNameEdit");
        QTest::keyClicks(name, "007"); // no letters: a name is not the game's text
        QTest::keyClick(name, Qt::Key_Return);
    }
    return {high, {}};
}

// The title window back from a game whose save has since gone bad.
Shown openTitleAfterDamage(TestProgram& t, Program& program) {
    program.quickStart({.numPlayers = 2});
    click("boardWindow", "exitButton");
    QFile saved(t.services.savedGamePath);
    if (saved.open(QIODevice::WriteOnly | QIODevice::Truncate))
        saved.write("1");
    saved.close();
    click("titleWindow", "restartButton");
    return {window("titleWindow"), {}};
}

using Opener = std::function<Shown(TestProgram&, Program&, tezzle::help::Help&)>;

const std::vector<std::pair<const char*, Opener>>& windows() {
    static const std::vector<std::pair<const char*, Opener>> all = {
        {"title",
         [](TestProgram&, Program& p, auto&) {
             p.start();
             return Shown{window("titleWindow"), {}};
         }},
        {"title, save damaged",
         [](TestProgram& t, Program& p, auto&) {
             return openTitleAfterDamage(t, p);
         }},
        {"set-up",
         [](TestProgram&, Program& p, auto&) {
             p.start();
             click("titleWindow", "okButton");
             click("setupWindow", "timersOnCheck");
             return Shown{window("setupWindow"), {}};
         }},
        {"one player",
         [](TestProgram&, Program& p, auto&) {
             p.start();
             click("titleWindow", "okButton");
             click("setupWindow", "playerCountButton1");
             return Shown{window("onePlayerWindow"), {}};
         }},
        {"board",
         [](TestProgram& t, Program& p, auto&) {
             return openBoard(t, p);
         }},
        {"board against the computer",
         [](TestProgram&, Program& p, auto&) {
             p.quickStart(tezzle::GameSetup{}.againstComputer(3));
             return Shown{window("boardWindow"), {}};
         }},
        {"high scores",
         [](TestProgram& t, Program& p, auto&) {
             return openHighScores(t, p, false);
         }},
        {"high scores, not stored",
         [](TestProgram& t, Program& p, auto&) {
             return openHighScores(t, p, true);
         }},
        {"Cheat Chart",
         [](TestProgram&, Program&, tezzle::help::Help& h) {
             h.openCheatChart();
             return Shown{h.cheatChart(), {}};
         }},
    };
    return all;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            delete w;
    }

    void everyTextWhole_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("opened"); // a window of the table, or "rules page N"
        for (const char* language : {"en", "de", "fr", "es", "it", "nl", "pseudo"}) {
            for (const auto& [name, open] : windows())
                QTest::addRow("%s %s", language, name) << QString(language) << QString(name);
            for (int page = 1; page <= 5; ++page)
                QTest::addRow("%s rules page %d", language, page)
                    << QString(language) << QStringLiteral("rules page %1").arg(page);
        }
    }

    void everyTextWhole() {
        QFETCH(QString, language);
        QFETCH(QString, opened);
        const auto words =
            language == kPseudo
                ? std::make_unique<tezzle::ui::Translations>(QStringLiteral(TEZZLE_PSEUDO_QM),
                                                             nullptr)
                : std::make_unique<tezzle::ui::Translations>(
                      QStringLiteral(TEZZLE_BIN_DIR "/data/translations"), QLocale(language));
        QVERIFY(words->gameTranslated());
        TestProgram t;
        Program program(t.services, t.settings);
        tezzle::help::Help help(t.services);
        Shown shown;
        if (opened.startsWith("rules page ")) {
            const int page = opened.back().digitValue();
            help.openRulesPage(page);
            shown.window = help.rulesPage(page);
        } else {
            for (const auto& [name, open] : windows())
                if (opened == name)
                    shown = open(t, program, help);
        }
        QVERIFY(shown.window != nullptr);
        QWidget& w = *shown.window;
        const bool rulesPage = opened.startsWith("rules page ");
        auto faults = [&] {
            return layoutFaults(w) + inkClashes(w, rulesPage);
        };

        QStringList found = faults();
        QStringList untranslated = escaped(w);
        for (const auto& step : shown.steps) {
            step(w);
            found += faults();
            untranslated += escaped(w);
        }
        found.removeDuplicates();
        if (language != kPseudo) {
            QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
            return;
        }
        untranslated.removeDuplicates();
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join("\n")));
        if (!found.isEmpty())
            qInfo("%s: %lld pseudo texts would not fit:\n  %s", qPrintable(opened),
                  static_cast<long long>(found.size()), qPrintable(found.join("\n  ")));
    }
};

QTEST_MAIN(TestLanguages)
#include "TestLanguages.moc"
