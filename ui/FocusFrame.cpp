#include "FocusFrame.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>

#include <cmath>

namespace tezzle::ui {

namespace {

constexpr int kWidth = 2;
const QString kTrackerName = QStringLiteral("keyboardFocusTracker");

double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// White, which stands out from every dark or saturated background the windows use; black behind
// a background too light for white to show.
QColor ringColour(const QWidget& behind) {
    const double background = luminance(behind.palette().color(QPalette::Window));
    const double contrastWithWhite = 1.05 / (background + 0.05);
    return contrastWithWhite >= 3.0 ? QColor(Qt::white) : QColor(Qt::black);
}

// The frame itself: Qt's focus frame keeps it around the control as it moves and above it, drawn
// here the same whatever the style.
class Ring : public QFocusFrame {
public:
    using QFocusFrame::QFocusFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QWidget* behind = parentWidget() != nullptr ? parentWidget() : this;
        p.setPen(QPen(ringColour(*behind), kWidth));
        p.drawRect(
            QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
    }
};

// Moves the one frame to each control that takes the focus from the keyboard.
class FocusTracker : public QObject {
public:
    explicit FocusTracker(QObject* parent)
        : QObject(parent) {
        setObjectName(kTrackerName);
        connect(qApp, &QApplication::focusChanged, this, &FocusTracker::follow);
    }

private:
    void follow(QWidget*, QWidget* now) {
        if (now == nullptr || now->isWindow() || !(now->focusPolicy() & Qt::TabFocus)) {
            if (ring_ != nullptr)
                ring_->setWidget(nullptr);
            return;
        }
        // The frame goes with the window it was last in; a new one is made when needed.
        if (ring_ == nullptr) {
            ring_ = new Ring(now->parentWidget());
            ring_->setObjectName(QStringLiteral("keyboardFocusFrame"));
            ring_->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        ring_->setWidget(now);
    }

    QPointer<Ring> ring_;
};

} // namespace

void showKeyboardFocus() {
    if (qApp == nullptr ||
        qApp->findChild<QObject*>(kTrackerName, Qt::FindDirectChildrenOnly) != nullptr)
        return;
    new FocusTracker(qApp);
}

} // namespace tezzle::ui
