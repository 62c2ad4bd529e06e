#include "CheatChartWindow.h"

#include "core/Tables.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace tezzle::help {

namespace {

constexpr QSize kClientSize{598, 306};
constexpr Rgb kDarkBlue{0, 0, 192};
constexpr Rgb kDarkGrey{64, 64, 64};
constexpr Rgb kOddColumn = colours::kPaleGrey;
constexpr Rgb kEvenColumn{192, 192, 192};

constexpr int kRows = 10;
constexpr int kColumns = 50;
constexpr int kLargestProduct = 100;
constexpr int kCellLeft = 8;    // of the corner cell and of the row numbers
constexpr int kColumnStep = 25; // a cell and its gap
constexpr int kRowStep = 24;
constexpr QSize kCell{23, 22};
constexpr int kWideCell = 30; // the products that read 100
constexpr int kFirstColumn = kCellLeft + kColumnStep;
constexpr int kTableWidth = kFirstColumn + kColumnStep * (kColumns - 1) + kWideCell;
// The cells slide within this window on the table, cut off cleanly at the row numbers.
constexpr QRect kView{kFirstColumn, 8, kClientSize.width() - kFirstColumn, 265};
constexpr QRect kScrollPanel{32, 272, 553, 33};
constexpr QRect kScrollBarBox{8, 11, 537, 17};
constexpr int kSlideStep = 7; // pixels per step of the scroll bar
constexpr int kScrollMax = 100;

ui::TextBox* cell(QWidget* parent, const QString& name, const QString& text, QRect r,
                  Rgb textColour, Rgb background) {
    const ui::Look look{ui::font({ui::Face::Arial, 16, true}), ui::toQColor(textColour),
                        ui::toQColor(background), true};
    auto* box = new ui::TextBox(look, parent);
    box->setObjectName(name);
    box->setGeometry(r);
    box->setText(text);
    box->setAccessibleName(text);
    return box;
}

QWidget* panel(QWidget* parent, const QRect& r) {
    auto* frame = new QFrame(parent);
    frame->setGeometry(r);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, ui::toQColor(kDarkBlue));
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    return frame;
}

} // namespace

CheatChartWindow::CheatChartWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("cheatChartWindow"));
    setWindowTitle(tr("Tezzle! Cheat Chart"));
    setFixedSize(kClientSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ui::toQColor(kDarkBlue));
    setPalette(palette);

    placeClearOf(nullptr);

    buildTable();
    buildRowNumbers();

    auto* scrollPanel = static_cast<QFrame*>(panel(this, kScrollPanel));
    scrollPanel->setObjectName(QStringLiteral("scrollPanel"));
    scrollPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    scrollBar_ = new QScrollBar(Qt::Horizontal, scrollPanel);
    scrollBar_->setObjectName(QStringLiteral("chartScrollBar"));
    scrollBar_->setAccessibleName(tr("Slide the table"));
    scrollBar_->setGeometry(kScrollBarBox);
    scrollBar_->setRange(0, kScrollMax);
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(10);
    // A drag moves the table once, when the scroll box is let go.
    scrollBar_->setTracking(false);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &CheatChartWindow::slideTo);
}

void CheatChartWindow::buildTable() {
    auto* view = new QWidget(this);
    view->setObjectName(QStringLiteral("chartView"));
    view->setGeometry(kView);
    table_ = panel(view, {-kFirstColumn, 0, kTableWidth, kView.height()});
    table_->setObjectName(QStringLiteral("chartTable"));
    table_->setAccessibleName(tr("Multiplication table"));
    // Row 0 is the heading row of the numbers 1 to 50; rows 1 to 10 hold their products.
    for (int k = 0; k <= kRows; ++k) {
        const int last = k == 0 ? kColumns : std::min(kColumns, kLargestProduct / k);
        for (int i = 1; i <= last; ++i) {
            const QRect r(kCellLeft + kColumnStep * i, kRowStep * k,
                          k * i == kLargestProduct ? kWideCell : kCell.width(), kCell.height());
            if (k == 0)
                cell(table_, QStringLiteral("headingCell%1").arg(i), QString::number(i), r,
                     colours::kYellow, kDarkGrey);
            else
                cell(table_, QStringLiteral("productCell%1x%2").arg(k).arg(i),
                     QString::number(k * i), r, colours::kBlue,
                     i % 2 == 1 ? kOddColumn : kEvenColumn);
        }
    }
}

void CheatChartWindow::buildRowNumbers() {
    // Children of the window, not of the table, so they stay where they are while it slides.
    const int top = kView.top();
    cell(this, QStringLiteral("cornerCell"), tr("x", "the multiplication sign"),
         {QPoint(kCellLeft, top), kCell}, colours::kYellow, kDarkGrey)
        ->setAccessibleName(tr("times"));
    for (int k = 1; k <= kRows; ++k)
        cell(this, QStringLiteral("rowNumberCell%1").arg(k), QString::number(k),
             {QPoint(kCellLeft, top + kRowStep * k), kCell}, colours::kYellow, kDarkGrey);
}

void CheatChartWindow::slideTo(int value) {
    table_->move(-kFirstColumn - value * kSlideStep, 0);
}

void CheatChartWindow::placeClearOf(const QWidget* asking) {
    const QScreen* screen = asking != nullptr ? asking->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect free = screen->availableGeometry();
    // Not shown yet, the chart's frame is taken to be as thick as the asking window's.
    QSize size = kClientSize;
    if (asking != nullptr)
        size += asking->frameGeometry().size() - asking->geometry().size();
    const int centred = free.left() + (free.width() - size.width()) / 2;
    if (asking != nullptr) {
        const QRect avoid = asking->frameGeometry();
        const int acrossAvoid = avoid.left() + (avoid.width() - size.width()) / 2;
        const QPoint candidates[] = {
            {acrossAvoid, avoid.top() - size.height()}, // above
            {avoid.right() + 1, avoid.top()},           // beside, right then left
            {avoid.left() - size.width(), avoid.top()},
            {acrossAvoid, avoid.bottom() + 1}, // below
        };
        for (QPoint at : candidates) {
            // Slid along the board's edge to stay on the screen.
            at.setX(std::max(free.left(), std::min(at.x(), free.right() + 1 - size.width())));
            at.setY(std::max(free.top(), std::min(at.y(), free.bottom() + 1 - size.height())));
            const QRect r(at, size);
            if (free.contains(r) && !r.intersects(avoid)) {
                move(at);
                return;
            }
        }
    }
    // No room clear of it: across the top of the free area, never under a panel.
    move(centred, free.top());
}

void CheatChartWindow::wheelEvent(QWheelEvent* event) {
    // The wheel over the table slides it as over the scroll bar. Qt passes the forwarded event
    // to no parent, so one the bar leaves unused does not come back here.
    QCoreApplication::sendEvent(scrollBar_, event);
}

void CheatChartWindow::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}

} // namespace tezzle::help
