#include "CheatChartWindow.h"

#include "core/Tables.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

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
constexpr QRect kTableArea{0, 8, 1300, 265};
// Covers the margin left of the row numbers, where cells sliding by vanish.
constexpr QRect kLeftMargin{-5, 0, 13, 273};
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

    // Centred across the screen, its title bar at the top of the free area, never under a panel.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        move(free.left() + (free.width() - kClientSize.width()) / 2, free.top());
    }

    buildTable();
    auto* margin = panel(this, kLeftMargin);
    margin->setObjectName(QStringLiteral("leftMarginCover"));
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
    scrollBar_->setValue(kScrollMax);
    // A drag moves the table once, when the scroll box is let go.
    scrollBar_->setTracking(false);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &CheatChartWindow::slideTo);
}

void CheatChartWindow::buildTable() {
    table_ = panel(this, kTableArea);
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
    const int top = kTableArea.top();
    cell(this, QStringLiteral("cornerCell"), QStringLiteral("x"), {QPoint(kCellLeft, top), kCell},
         colours::kYellow, kDarkGrey)
        ->setAccessibleName(tr("times"));
    for (int k = 1; k <= kRows; ++k)
        cell(this, QStringLiteral("rowNumberCell%1").arg(k), QString::number(k),
             {QPoint(kCellLeft, top + kRowStep * k), kCell}, colours::kYellow, kDarkGrey);
}

void CheatChartWindow::slideTo(int value) {
    table_->move(-(kScrollMax - value) * kSlideStep, kTableArea.top());
}

void CheatChartWindow::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}

} // namespace tezzle::help
