// What a window test needs: the program's services with a hand-moved clock, a cue player that
// records, scripted dice, and a data folder of the build's own pictures and sounds.

#pragma once

#include "GameHarness.h"

#include "ui/Accessibility.h"
#include "ui/Controls.h"
#include "ui/CuePlayer.h"
#include "ui/Fonts.h"
#include "ui/Services.h"
#include "ui/TimerDriver.h"

#include <QApplication>
#include <QFocusFrame>
#include <QFontMetrics>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <vector>

namespace harness {

class VirtualClock final : public tezzle::ui::Clock {
public:
    tezzle::Millis now() const override { return now_; }
    tezzle::Millis now_ = 0;
};

class RecordingCues final : public tezzle::ui::CuePlayer {
public:
    void play(tezzle::Cue cue) override { played.push_back(cue); }
    std::vector<tezzle::Cue> played;
};

struct TestProgram {
    TestProgram()
        : services{settings,
                   random,
                   cues,
                   clock,
                   tezzle::ui::DataFolder(QStringLiteral(TEZZLE_BIN_DIR "/data")),
                   folder.filePath(QStringLiteral("lastgame.inf")),
                   folder.filePath(QStringLiteral("highscores.txt")),
                   folder.filePath(QStringLiteral("tezzle.conf"))} {
        tezzle::ui::loadFonts();
        tezzle::ui::installAccessibility();
        settings.connarray = tezzle::gridConnArray();
        settings.soundOn = 1;
    }

    // Lets `ms` pass the way the program's timers would: a wake-up of each window's driver at
    // each of its due ticks, in time order across all the open windows.
    void run(tezzle::Millis ms) {
        const tezzle::Millis until = clock.now_ + ms;
        while (true) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            tezzle::ui::TimerDriver* first = nullptr;
            tezzle::Millis firstDue = 0; // on the clock
            for (QWidget* window : QApplication::topLevelWidgets())
                for (auto* driver : window->findChildren<tezzle::ui::TimerDriver*>())
                    if (const auto due = driver->nextWakeAt(); due && (!first || *due < firstDue)) {
                        first = driver;
                        firstDue = *due;
                    }
            if (first == nullptr || firstDue > until)
                break;
            clock.now_ = std::max(clock.now_, firstDue);
            first->sync();
            if (afterWake)
                afterWake();
        }
        clock.now_ = until;
    }

    std::function<void()> afterWake; // a look at the game after each wake-up, for checkers
    QTemporaryDir folder;
    tezzle::Settings settings;
    ScriptedRandom random;
    RecordingCues cues;
    VirtualClock clock;
    tezzle::ui::Services services;
};

// The open top-level windows whose name starts so; a closed window is gone once deletions ran.
inline QList<QWidget*> openWindows(const QString& prefix = {}) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().startsWith(prefix))
            open << w;
    return open;
}

// The one open window of that name.
inline QWidget* window(const QString& name) {
    const QList<QWidget*> found = openWindows(name);
    if (found.size() != 1 || found.front()->objectName() != name)
        qFatal("not one window %s", qPrintable(name));
    return found.front();
}

template <class T = QWidget> T* find(const QWidget& window, const QString& name) {
    T* control = window.findChild<T*>(name);
    if (control == nullptr)
        qFatal("no %s in %s", qPrintable(name), qPrintable(window.objectName()));
    return control;
}

template <class T = QWidget> T* control(const QString& windowName, const QString& name) {
    return find<T>(*window(windowName), name);
}

inline void click(const QString& windowName, const QString& name) {
    QTest::mouseClick(control(windowName, name), Qt::LeftButton);
}

// One turn on the open board: the throw, the dice shown, a click on n, the change of turn.
inline void playTurn(TestProgram& t, int n) {
    t.random.throws.push_back(diceMaking(n));
    click("boardWindow", "throwDiceButton");
    t.run(2250);
    click("boardWindow", QString("numberLabel%1").arg(n));
    t.run(2000);
}

inline QString textOf(const QWidget& window, const QString& name) {
    return find<tezzle::ui::TextBox>(window, name)->text();
}

// The captions of a window's texts and buttons that need more room than their box gives, and
// the controls shown wholly outside the window.
inline QStringList layoutFaults(const QWidget& window) {
    QStringList tooBig;
    auto check = [&](const QWidget* w, const QString& text, const tezzle::ui::Look& look) {
        const int inset = look.border ? 1 : 0;
        const QRect room = w->rect().adjusted(inset, inset, -inset, -inset);
        const QFontMetrics metrics(look.font);
        const QRect needed = metrics.boundingRect(
            room, static_cast<int>(look.align) | (look.wrap ? Qt::TextWordWrap : 0), text);
        if (needed.width() > room.width() || needed.height() > room.height())
            tooBig << QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6")
                          .arg(w->objectName(), text)
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(room.width())
                          .arg(room.height());
    };
    for (const auto* box : window.findChildren<tezzle::ui::TextBox*>())
        check(box, box->text(), box->look());
    for (const auto* button : window.findChildren<QAbstractButton*>()) {
        if (const auto* own = qobject_cast<const tezzle::ui::Button*>(button)) {
            check(own, own->text(), own->look());
            continue;
        }
        if (!button->isVisibleTo(&window))
            continue;
        // A check box or option: its whole caption, clear of the controls beside it (the boxes of
        // a column overlap by a pixel, as designed).
        if (button->width() < button->sizeHint().width())
            tooBig << QStringLiteral("%1 \"%2\" needs %3 in %4")
                          .arg(button->objectName(), button->text())
                          .arg(button->sizeHint().width())
                          .arg(button->width());
        for (const auto* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other->isVisibleTo(&window) && other->geometry().intersects(button->geometry()) &&
                !qobject_cast<const QFocusFrame*>(other) && // it rings a control by design
                (!qobject_cast<const QAbstractButton*>(other) ||
                 qobject_cast<const tezzle::ui::Button*>(other)))
                tooBig << button->objectName() + " runs into " + other->objectName();
    }
    // Controls inside a panel may slide out of its view (the Cheat Chart's table) by design.
    for (const auto* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(&window) &&
            !QRect(w->mapTo(&window, QPoint()), w->size()).intersects(window.rect()))
            tooBig << w->objectName() + " is outside the window";
    return tooBig;
}

// The captions whose glyphs touch another caption's or a button, or a picture's opaque area when
// pictures count as ink (over a picture a caption is hard to read, or hidden).
inline QStringList inkClashes(QWidget& window, bool picturesAreInk) {
    const int width = window.width();
    std::vector<QString> inkedBy(static_cast<std::size_t>(width * window.height()));
    auto owner = [&](QPoint at) -> QString& {
        return inkedBy[static_cast<std::size_t>(at.y() * width + at.x())];
    };
    if (picturesAreInk)
        for (auto* picture : window.findChildren<tezzle::ui::Picture*>()) {
            const QImage image = picture->pixmap().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (const QPoint at = picture->pos() + QPoint(x, y);
                        qAlpha(image.pixel(x, y)) != 0 && window.rect().contains(at))
                        owner(at) = picture->objectName();
        }
    QStringList clashes;
    QList<QWidget*> captions;
    for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (auto* box = qobject_cast<tezzle::ui::TextBox*>(w); box && !box->text().isEmpty())
            captions << w;
        else if (qobject_cast<tezzle::ui::Button*>(w))
            captions << w; // a button's box counts whole
    for (QWidget* caption : captions) {
        if (!caption->isVisibleTo(&window))
            continue;
        QImage ink(caption->size(), QImage::Format_ARGB32_Premultiplied);
        ink.fill(Qt::transparent);
        caption->render(&ink, {}, {}, QWidget::DrawChildren);
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x) {
                const QPoint at = caption->pos() + QPoint(x, y);
                if (qAlpha(ink.pixel(x, y)) == 0 || !window.rect().contains(at))
                    continue;
                if (!owner(at).isEmpty() && owner(at) != caption->objectName()) {
                    clashes << caption->objectName() + " runs into " + owner(at);
                    y = ink.height();
                    break;
                }
                owner(at) = caption->objectName();
            }
    }
    return clashes;
}

} // namespace harness
