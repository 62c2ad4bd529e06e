#include "Controls.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tezzle::ui {

namespace {
const QColor kGreyedText(128, 128, 128);
const QColor kBoxBorder(0, 0, 0);
} // namespace

QColor toQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void paintLook(QPainter& p, const QRect& r, const Look& look, const QString& text, bool enabled,
               bool focused) {
    if (look.background)
        p.fillRect(r, *look.background);
    if (look.border) {
        // A black box on black shows no edge; the keyboard focus draws it in the text colour.
        p.setPen(focused ? look.text : kBoxBorder);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (text.isEmpty())
        return;
    p.setFont(look.font);
    p.setPen(enabled ? look.text : kGreyedText);
    const int inset = look.border ? 1 : 0;
    const int flags = static_cast<int>(look.align) | (look.wrap ? Qt::TextWordWrap : 0);
    p.drawText(r.adjusted(inset, inset, -inset, -inset), flags, text);
}

TextBox::TextBox(const Look& look, QWidget* parent)
    : QWidget(parent)
    , look_(look) {
    // Transparent texts draw nothing of their own outside their glyphs.
    setAttribute(Qt::WA_OpaquePaintEvent, look.background.has_value());
}

void TextBox::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    fitToText();
    update();
}

void TextBox::setTextColour(const QColor& colour) {
    if (colour == look_.text)
        return;
    look_.text = colour;
    update();
}

void TextBox::setBackground(const QColor& colour) {
    if (look_.background == colour)
        return;
    look_.background = colour;
    update();
}

void TextBox::setGreyedColour(const QColor& colour) {
    if (greyed_ == colour)
        return;
    greyed_ = colour;
    update();
}

void TextBox::setTextFont(const QFont& font) {
    if (font == look_.font)
        return;
    look_.font = font;
    fitToText();
    update();
}

void TextBox::setSizeToText(SizeToText mode) {
    sizeToText_ = mode;
    fitToText();
}

void TextBox::fitToText() {
    if (sizeToText_ == SizeToText::Off)
        return;
    // A pixel either side for the anti-aliased edges of the first and last glyphs.
    const int width = QFontMetrics(look_.font).horizontalAdvance(text_) + 2;
    QRect r = geometry();
    if (sizeToText_ == SizeToText::KeepCentre)
        r.moveLeft(r.left() + (r.width() - width) / 2);
    else if (sizeToText_ == SizeToText::KeepRight)
        r.moveLeft(r.left() + r.width() - width);
    r.setWidth(width);
    setGeometry(r);
}

void TextBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!isEnabled() && greyed_.isValid()) {
        Look greyed = look_;
        greyed.text = greyed_;
        paintLook(p, rect(), greyed, text_, true, false);
        return;
    }
    paintLook(p, rect(), look_, text_, isEnabled(), false);
}

Button::Button(const Look& look, QWidget* parent)
    : QAbstractButton(parent)
    , look_(look) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, look.background.has_value());
}

void Button::setTextColour(const QColor& colour) {
    if (colour == look_.text)
        return;
    look_.text = colour;
    update();
}

void Button::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintLook(p, rect(), look_, text(), isEnabled(), hasFocus());
}

void Button::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

Picture::Picture(QWidget* parent)
    : QWidget(parent) {}

void Picture::setPixmap(const QPixmap& pixmap) {
    if (pixmap.cacheKey() == pixmap_.cacheKey())
        return;
    pixmap_ = pixmap;
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull())
        return;
    QPainter p(this);
    // Between ratios 1 and 2 the picture made at twice the size is drawn smaller, smoothly.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(0, 0, pixmap_);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace tezzle::ui
