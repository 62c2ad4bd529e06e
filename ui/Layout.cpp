#include "Layout.h"

#include <QCoreApplication>

namespace tezzle::ui {

Look lookOf(const ControlDesign& design) {
    Look look{.font = font(design.font),
              .text = toQColor(design.text),
              .background = std::nullopt,
              .border = design.kind != Kind::Text,
              .align = design.align,
              .wrap = design.wrap};
    if (design.kind == Kind::Button)
        look.background = QColor(Qt::black);
    else if (design.kind == Kind::Box)
        look.background = toQColor(design.background);
    return look;
}

Built build(QWidget* parent, const ControlDesign& design, const char* context) {
    const QString caption = QCoreApplication::translate(context, design.caption);
    const QString name = QString::fromLatin1(design.name);
    if (design.kind == Kind::Button) {
        auto* button = new Button(lookOf(design), parent);
        button->setText(caption);
        button->setObjectName(name);
        button->setGeometry(design.rect);
        return {.button = button};
    }
    auto* text = new TextBox(lookOf(design), parent);
    text->setGeometry(design.rect);
    text->setText(caption);
    text->setSizeToText(design.size);
    text->setObjectName(name);
    text->setAccessibleName(caption);
    return {.text = text};
}

Button* buildButton(QWidget* parent, const ControlDesign& design, const char* context) {
    Q_ASSERT(design.kind == Kind::Button);
    return build(parent, design, context).button;
}

TextBox* buildText(QWidget* parent, const ControlDesign& design, const char* context) {
    Q_ASSERT(design.kind != Kind::Button);
    return build(parent, design, context).text;
}

void buildAll(QWidget* parent, std::span<const ControlDesign> designs, const char* context) {
    for (const ControlDesign& design : designs)
        build(parent, design, context);
}

} // namespace tezzle::ui
