#include "FocusFrame.h"

#include "Contrast.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>

namespace tezzle::ui {

namespace {

constexpr int kWidth = 2;
const QString kTrackerName = QStringLiteral("keyboardFocusTracker");

// White, which stands out from every dark or saturated background the windows use; black behind
// a background too light for white to show.
QColor ringColour(const QWidget& behind) {
    const QColor background = behind.palette().color(QPalette::Window);
    const Rgb under{static_cast<std::uint8_t>(background.red()),
                    static_cast<std::uint8_t>(background.green()),
                    static_cast<std::uint8_t>(background.blue())};
    return contrastRatio(under, colours::kWhite) >= 3.0 ? QColor(Qt::white) : QColor(Qt::black);
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
