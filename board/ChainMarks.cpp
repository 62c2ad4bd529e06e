#include "ChainMarks.h"

#include "BoardLayout.h"

#include "core/Geometry.h"
#include "ui/Centre.h"

#include <QPainter>
#include <QPen>

namespace tezzle::board {

ChainMarks::ChainMarks(QWidget* board, double label100Width)
    : QWidget(board)
    , label100Width_(label100Width) {
    setObjectName(QStringLiteral("joiningChainMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(QPoint(), ui::kLargeWindow));
    hide();
}

void ChainMarks::render(const NumberSet& chain) {
    if (chain == chain_)
        return;
    chain_ = chain;
    setVisible(chain_.any());
    if (chain_.any())
        raise(); // over the counters, whatever was built after it
    update();
}

void ChainMarks::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    chain_.forEach([&](int n) {
        const geometry::Pixel at = geometry::toPixels(geometry::counterPosition(n, label100Width_));
        const QRectF ring = QRectF(at.x, at.y, kCellSize, kCellSize).adjusted(3, 3, -3, -3);
        // A dark edge on each side keeps the gold ring clear on every counter's colour.
        p.setPen(QPen(QColor(0, 0, 0, 190), 6));
        p.drawEllipse(ring);
        p.setPen(QPen(QColor(255, 214, 0), 3));
        p.drawEllipse(ring);
    });
}

} // namespace tezzle::board
