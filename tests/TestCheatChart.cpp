// The Cheat Chart: its table, the slide under the fixed row numbers, and one chart at a time.

#include "WindowHarness.h"

#include "help/Help.h"
#include "ui/Controls.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

using tezzle::help::Help;
using tezzle::ui::TextBox;

namespace {

TextBox* cellOf(QWidget* chart, const QString& name) {
    return chart->findChild<TextBox*>(name);
}

} // namespace

class TestCheatChart : public QObject {
    Q_OBJECT

private slots:
    void rowsHoldTheProductsUpTo100_data();
    void rowsHoldTheProductsUpTo100();
    void tableSlidesUnderTheRowNumbers();

private:
    harness::TestProgram program;
    Help help{program.services};
};

void TestCheatChart::rowsHoldTheProductsUpTo100_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("cells");
    const int cells[] = {50, 50, 33, 25, 20, 16, 14, 12, 11, 10};
    for (int k = 1; k <= 10; ++k)
        QTest::addRow("row %d", k) << k << cells[k - 1];
}

void TestCheatChart::rowsHoldTheProductsUpTo100() {
    QFETCH(int, row);
    QFETCH(int, cells);
    help.openCheatChart();
    QWidget* chart = help.cheatChart();
    QCOMPARE(cellOf(chart, QStringLiteral("rowNumberCell%1").arg(row))->text(),
             QString::number(row));
    QVERIFY(!cellOf(chart, QStringLiteral("productCell%1x%2").arg(row).arg(cells + 1)));
    for (int i = 1; i <= cells; ++i) {
        const TextBox* cell = cellOf(chart, QStringLiteral("productCell%1x%2").arg(row).arg(i));
        QVERIFY(cell != nullptr);
        QCOMPARE(cell->text(), QString::number(row * i));
        QCOMPARE(cell->geometry(), QRect(8 + 25 * i, 24 * row, row * i == 100 ? 30 : 23, 22));
        QCOMPARE(*cell->look().background,
                 i % 2 == 1 ? QColor(224, 224, 224) : QColor(192, 192, 192));
        QCOMPARE(cell->look().text, QColor(0, 0, 255));
        QCOMPARE(cellOf(chart, QStringLiteral("headingCell%1").arg(i))->text(), QString::number(i));
    }
}

void TestCheatChart::tableSlidesUnderTheRowNumbers() {
    help.openCheatChart();
    QWidget* chart = help.cheatChart();
    QCOMPARE(chart->size(), QSize(598, 306));
    QCOMPARE(chart->windowTitle(), QStringLiteral("Tezzle! Cheat Chart"));
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(chart->pos().y(), free.top());
    QCOMPARE(chart->pos().x(), free.left() + (free.width() - 598) / 2);

    auto* bar = chart->findChild<QScrollBar*>(QStringLiteral("chartScrollBar"));
    QCOMPARE(bar->value(), 100);
    const struct {
        int value;
        int firstColumnAt; // column 1's left edge in the window
    } slides[] = {{100, 33}, {50, 33 - 350}, {0, 33 - 700}, {100, 33}};
    for (const auto& slide : slides) {
        bar->setValue(slide.value);
        const TextBox* column1 = cellOf(chart, QStringLiteral("productCell1x1"));
        QCOMPARE(column1->mapTo(chart, QPoint(0, 0)).x(), slide.firstColumnAt);
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(
                cellOf(chart, QStringLiteral("rowNumberCell%1").arg(k))->mapTo(chart, QPoint()),
                QPoint(8, 8 + 24 * k));
    }
    // A drag moves the table once, when the scroll box is let go.
    bar->setSliderDown(true);
    bar->setSliderPosition(60);
    QCOMPARE(cellOf(chart, QStringLiteral("productCell1x1"))->mapTo(chart, QPoint()).x(), 33);
    bar->setSliderDown(false);
    QCOMPARE(cellOf(chart, QStringLiteral("productCell1x1"))->mapTo(chart, QPoint()).x(), 33 - 280);

    // At the far end the widened 100 of row 2 is whole inside the window.
    bar->setValue(0);
    const TextBox* last = cellOf(chart, QStringLiteral("productCell2x50"));
    QCOMPARE(last->mapTo(chart, QPoint(last->width(), 0)).x(), 588);

    // Asked for again, the same chart comes forward where it was slid to.
    bar->setValue(50);
    help.openCheatChart();
    QCOMPARE(help.cheatChart(), chart);
    QCOMPARE(bar->value(), 50);
    help.closeCheatChart();
    QVERIFY(help.cheatChart() == nullptr);
    help.openCheatChart();
    QCOMPARE(help.cheatChart()->findChild<QScrollBar*>()->value(), 100);
}

QTEST_MAIN(TestCheatChart)
#include "TestCheatChart.moc"
