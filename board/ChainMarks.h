#pragma once

#include "core/NumberSet.h"

#include <QWidget>

namespace tezzle::board {

// A gold ring over each counter of the chain that joined hexagon 1 to hexagon 100, drawn over
// the counters and passing every click through to them.
class ChainMarks : public QWidget {
public:
    // label100Width: the width of hexagon 100's label in twips, which places its counter.
    ChainMarks(QWidget* board, double label100Width);
    void render(const NumberSet& chain);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double label100Width_;
    NumberSet chain_;
};

} // namespace tezzle::board
