#pragma once

#include "Colours.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <optional>

class QPainter;

// The few kinds of control every window is made of: a text (transparent or in a box), the
// label that acts as a button, and a picture.
namespace tezzle::ui {

QColor toQColor(Rgb rgb);

struct Look {
    QFont font;
    QColor text;
    std::optional<QColor> background; // none: the window shows through
    bool border = false;              // a single-line box
    Qt::Alignment align = Qt::AlignCenter;
    bool wrap = false;
};

// How a control of every kind draws itself: its box, then its text, greyed when disabled.
void paintLook(QPainter& p, const QRect& r, const Look& look, const QString& text, bool enabled,
               bool focused);

// A text that takes the width of its caption keeps its left edge, its centre or its right edge.
enum class SizeToText : unsigned char { Off, KeepLeft, KeepCentre, KeepRight };

class TextBox : public QWidget {
    Q_OBJECT

public:
    TextBox(const Look& look, QWidget* parent = nullptr);

    // Setters repaint only what changes, so a window may call them on every redraw.
    void setText(const QString& text);
    void setTextColour(const QColor& colour);
    void setBackground(const QColor& colour);
    void setGreyedColour(const QColor& colour); // instead of the common grey
    void setSizeToText(SizeToText mode);
    void setTextFont(const QFont& font); // a long message may need a smaller one

    const QString& text() const { return text_; }
    const Look& look() const { return look_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToText();

    Look look_;
    QColor greyed_; // invalid: the common grey
    QString text_;
    SizeToText sizeToText_ = SizeToText::Off;
};

// The label that acts as a button: a box with centred bold text, acting on a left-button release
// inside it, or on Space or Enter while it has the keyboard focus.
class Button : public QAbstractButton {
    Q_OBJECT

public:
    Button(const Look& look, QWidget* parent = nullptr);

    void setTextColour(const QColor& colour);
    const Look& look() const { return look_; }
    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Look look_;
};

// A picture at its own size; a missing picture leaves the place empty.
class Picture : public QWidget {
    Q_OBJECT

public:
    explicit Picture(QWidget* parent = nullptr);
    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap pixmap_;
};

} // namespace tezzle::ui
