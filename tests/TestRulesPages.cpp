// The rules pages as a reader meets them: every caption whole in its box, one page of each at a
// time, the Cheat Chart gone with page 2, and the dice demonstration's timeline.

#include "WindowHarness.h"

#include "help/DiceDemoPanel.h"
#include "help/Help.h"
#include "help/RulesPageData.h"
#include "ui/Layout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QtTest>

using tezzle::help::Help;
using tezzle::ui::Button;
using tezzle::ui::TextBox;

namespace {

QStringList openWindows(const QString& prefix) {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().startsWith(prefix))
            names << w->objectName();
    names.sort();
    return names;
}

void click(QWidget* window, const char* button) {
    QVERIFY2(window != nullptr, button);
    auto* b = tezzle::ui::control<Button>(window, button);
    QVERIFY2(b != nullptr, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

QStringList dice(QWidget* page) {
    QStringList faces;
    for (int i = 0; i < 4; ++i) {
        auto* die = page->findChild<TextBox*>(QStringLiteral("demoDieBox%1").arg(i));
        faces << (die->isEnabled() ? die->text() : QStringLiteral("off"));
    }
    return faces;
}

} // namespace

class TestRulesPages : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionIsWholeInItsBox_data();
    void everyCaptionIsWholeInItsBox();
    void pagesReplaceOneAnother();
    void diceDemonstration_data();
    void diceDemonstration();

private:
    harness::TestProgram program;
};

void TestRulesPages::everyCaptionIsWholeInItsBox_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("texts"); // the page's captions, with its number and title
    const int counts[] = {13, 11, 15, 12, 15};
    for (int page = 1; page <= 5; ++page)
        QTest::addRow("page %d", page) << page << counts[page - 1];
}

// Laid out at 1x with the installed fonts: no caption needs more lines than its box holds or runs
// past it, and no glyph of one caption touches a glyph of another.
void TestRulesPages::everyCaptionIsWholeInItsBox() {
    QFETCH(int, page);
    QFETCH(int, texts);
    Help help(program.services);
    help.openRulesPage(page);
    QWidget* window = help.rulesPage(page);
    QCOMPARE(window->size(), QSize(800, 600));

    std::vector<QString> inkedBy(800 * 600);
    int captions = 0;
    for (auto* box : window->findChildren<TextBox*>(Qt::FindDirectChildrenOnly)) {
        if (box->text().isEmpty())
            continue;
        ++captions;
        const tezzle::ui::Look& look = box->look();
        const int flags = static_cast<int>(look.align) | (look.wrap ? Qt::TextWordWrap : 0);
        const QRect need = QFontMetrics(look.font).boundingRect(box->rect(), flags, box->text());
        QVERIFY2(box->rect().contains(need), qPrintable(QStringLiteral("%1 needs %2x%3 in %4x%5")
                                                            .arg(box->objectName())
                                                            .arg(need.width())
                                                            .arg(need.height())
                                                            .arg(box->width())
                                                            .arg(box->height())));
        QVERIFY(!box->accessibleName().isEmpty());

        QImage ink(box->size(), QImage::Format_ARGB32_Premultiplied);
        ink.fill(Qt::transparent);
        box->render(&ink, {}, {}, QWidget::DrawChildren);
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x) {
                const QPoint at = box->pos() + QPoint(x, y);
                if (qAlpha(ink.pixel(x, y)) == 0 || !window->rect().contains(at))
                    continue;
                QString& owner = inkedBy[static_cast<std::size_t>(at.y() * 800 + at.x())];
                QVERIFY2(owner.isEmpty(),
                         qPrintable(box->objectName() + QStringLiteral(" runs into ") + owner));
                owner = box->objectName();
            }
    }
    QCOMPARE(captions, texts);

    // The page is blue, and page 5's white path runs over its picture.
    const QImage shot = window->grab().toImage();
    QCOMPARE(shot.pixelColor(2, 300), QColor(0, 0, 255));
    if (page == 5)
        for (std::size_t i = 1; i < tezzle::help::kPage5Path.size(); ++i) {
            const QPoint middle =
                (tezzle::help::kPage5Path[i - 1] + tezzle::help::kPage5Path[i]) / 2;
            int white = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    white += shot.pixelColor(middle + QPoint(dx, dy)) == QColor(Qt::white);
            QVERIFY2(white > 0, qPrintable(QStringLiteral("no path at segment %1").arg(i)));
        }
}

void TestRulesPages::pagesReplaceOneAnother() {
    Help help(program.services);
    help.openRulesPage(1);
    for (int page = 1; page < 5; ++page) {
        QCOMPARE(openWindows(QStringLiteral("rulesPage")),
                 QStringList{QStringLiteral("rulesPage%1").arg(page)});
        click(help.rulesPage(page), "nextPageButton");
    }
    QVERIFY(!tezzle::ui::control<Button>(help.rulesPage(5), "nextPageButton"));
    for (int page = 5; page > 1; --page) {
        QCOMPARE(openWindows(QStringLiteral("rulesPage")),
                 QStringList{QStringLiteral("rulesPage%1").arg(page)});
        click(help.rulesPage(page), "previousPageButton");
    }
    QVERIFY(!tezzle::ui::control<Button>(help.rulesPage(1), "previousPageButton"));

    // Opening an open page brings it forward; another page opens beside it.
    QPointer<QWidget> first = help.rulesPage(1);
    help.openRulesPage(1);
    help.openRulesPage(3);
    QCOMPARE(help.rulesPage(1), first.data());
    QCOMPARE(openWindows(QStringLiteral("rulesPage")).size(), 2);
    help.closeRulesPages();
    QCOMPARE(openWindows(QStringLiteral("rulesPage")), QStringList());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    // Page 2 takes the Cheat Chart with it however it is left; other pages leave it open.
    const auto leaveByButton = [&](const char* button) {
        click(help.rulesPage(2), button);
    };
    const auto leaveByCloseRequest = [&](const char*) {
        help.rulesPage(2)->close();
    };
    const std::vector<std::pair<const char*, std::function<void(const char*)>>> ways{
        {"exitButton", leaveByButton},
        {"nextPageButton", leaveByButton},
        {"previousPageButton", leaveByButton},
        {"close request", leaveByCloseRequest}};
    for (const auto& [way, leave] : ways) {
        help.openRulesPage(2);
        click(help.rulesPage(2), "cheatChartButton");
        QCOMPARE(openWindows(QStringLiteral("cheatChart")), QStringList{"cheatChartWindow"});
        help.openRulesPage(4);
        click(help.rulesPage(4), "exitButton");
        QVERIFY2(help.cheatChart() != nullptr, way);
        leave(way);
        QVERIFY2(help.rulesPage(2) == nullptr, way);
        QVERIFY2(help.cheatChart() == nullptr, way);
        QCOMPARE(openWindows(QStringLiteral("cheatChart")), QStringList());
        help.closeRulesPages();
    }
}

void TestRulesPages::diceDemonstration_data() {
    QTest::addColumn<int>("soundOn");
    QTest::addColumn<int>("rolling"); // when the faces start to change
    QTest::addColumn<int>("settled"); // when the first die settles; the others 250 ms apart
    QTest::addRow("sound on") << 1 << 1200 << 1500;
    QTest::addRow("sound off") << 0 << 100 << 300;
    QTest::addRow("sound at 2 is off") << 2 << 100 << 300;
}

void TestRulesPages::diceDemonstration() {
    QFETCH(int, soundOn);
    QFETCH(int, rolling);
    QFETCH(int, settled);
    program.settings.soundOn = static_cast<std::int16_t>(soundOn);
    program.cues.played.clear();
    Help help(program.services);
    help.openRulesPage(2);
    QWidget* page = help.rulesPage(2);
    auto* panel = page->findChild<tezzle::help::DiceDemoPanel*>();
    auto& driver = panel->driver();
    const auto run = [&](tezzle::Millis ms) {
        program.run(ms);
    };
    const QStringList blank{"off", "off", "off", "off"};
    QCOMPARE(dice(page), blank);

    program.random.throws = {{6, 4, 3, 1}, {2, 5, 5, 2}};
    click(page, "demoThrowDiceButton");
    const std::vector<tezzle::Cue> cupdice =
        soundOn == 1 ? std::vector{tezzle::Cue::CupDice} : std::vector<tezzle::Cue>{};
    QCOMPARE(program.cues.played, cupdice);
    run(rolling - 1);
    QCOMPARE(dice(page), blank);
    run(1);
    QVERIFY(!dice(page).contains("off") && !dice(page).contains(QString()));

    // A click while the dice roll blanks them and starts over with the next throw.
    run(settled - rolling);
    QCOMPARE(dice(page)[0], QStringLiteral("6"));
    click(page, "demoThrowDiceButton");
    QCOMPARE(dice(page), (QStringList{"", "", "", ""}));
    run(settled - 1);
    QCOMPARE(panel->demo().diceShown(), 0);
    const QStringList settles{"2", "5", "5", "2"};
    for (int i = 0; i < 4; ++i) {
        run(i == 0 ? 1 : 250);
        QCOMPARE(dice(page).mid(0, i + 1), settles.mid(0, i + 1));
    }
    run(10);
    QCOMPARE(dice(page), settles);
    QVERIFY(!panel->demo().animating());
    QVERIFY(!driver.armed());
    QCOMPARE(program.cues.played.size(), cupdice.size() * 2);

    // Closing the page stops a throw; opened again, its dice are blank.
    program.random.throws = {{1, 1, 1, 1}};
    click(page, "demoThrowDiceButton");
    QVERIFY(driver.armed());
    page->close();
    QVERIFY(!driver.armed());
    QVERIFY(!panel->demo().animating());
    help.openRulesPage(2);
    QCOMPARE(dice(help.rulesPage(2)), blank);
}

QTEST_MAIN(TestRulesPages)
#include "TestRulesPages.moc"
