#pragma once

#include <QWidget>

class QScrollBar;

namespace tezzle::help {

// The multiplication table: 1 to 10 down the left, 1 to 50 across the top, the products up to
// 100. The table slides sideways under the fixed column of row numbers.
class CheatChartWindow : public QWidget {
    Q_OBJECT

public:
    explicit CheatChartWindow(QWidget* parent = nullptr);

    QScrollBar* scrollBar() const { return scrollBar_; }

    // Where the screen has room, clear of the window that asked for it (above, beside or below
    // it); else centred across the top of the screen.
    void placeClearOf(const QWidget* asking);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void buildTable();
    void buildRowNumbers();
    void slideTo(int value);

    QWidget* table_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
};

} // namespace tezzle::help
