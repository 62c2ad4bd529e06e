#include "Controls.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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
    changed();
}

void TextBox::setBackground(const QColor& colour) {
    if (look_.background == colour)
        return;
    look_.background = colour; // part of what a kept picture is kept by
    update();
}

void TextBox::setGreyedColour(const QColor& colour) {
    if (greyed_ == colour)
        return;
    greyed_ = colour;
    changed();
}

void TextBox::setTextFont(const QFont& font) {
    if (font == look_.font)
        return;
    look_.font = font;
    fitToText();
    changed();
}

void TextBox::changed() {
    pictures_.clear();
    update();
}

void TextBox::keepPictures(int count) {
    keep_ = count;
    pictures_.clear();
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

void TextBox::paintBox(QPainter& p) const {
    if (!isEnabled() && greyed_.isValid()) {
        Look greyed = look_;
        greyed.text = greyed_;
        paintLook(p, rect(), greyed, text_, true, false);
        return;
    }
    paintLook(p, rect(), look_, text_, isEnabled(), false);
}

const QImage& TextBox::picture() {
    const qreal ratio = devicePixelRatioF();
    if (!pictures_.empty() && pictures_.front().image.devicePixelRatio() != ratio)
        pictures_.clear(); // moved to a screen of another density
    const QRgb background = look_.background->rgb();
    const auto kept = std::find_if(pictures_.begin(), pictures_.end(), [&](const Kept& k) {
        return k.text == text_ && k.enabled == isEnabled() && k.background == background;
    });
    if (kept != pictures_.end()) {
        std::rotate(kept, kept + 1, pictures_.end());
        return pictures_.back().image;
    }
    if (static_cast<int>(pictures_.size()) >= keep_)
        pictures_.erase(pictures_.begin());
    // Opaque, as the window it is copied to, so the text is drawn exactly as it would be there.
    QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    paintBox(p);
    return pictures_.emplace_back(Kept{text_, background, isEnabled(), std::move(image)}).image;
}

void TextBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (keep_ > 0 && look_.background && look_.background->alpha() == 255)
        p.drawImage(0, 0, picture());
    else
        paintBox(p);
}

void TextBox::resizeEvent(QResizeEvent* event) {
    pictures_.clear();
    QWidget::resizeEvent(event);
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
