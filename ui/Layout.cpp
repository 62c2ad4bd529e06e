#include "Layout.h"

#include <QCoreApplication>

namespace tezzle::ui {

Look lookOf(const ControlDesign& design) {
    Look look{font(design.font), toQColor(design.text), std::nullopt, false, design.align,
              design.wrap};
    if (design.kind == Kind::Button)
        look.background = QColor(Qt::black);
    else if (design.kind == Kind::Box)
        look.background = toQColor(design.background);
    look.border = design.kind != Kind::Text;
    return look;
}

QWidget* build(QWidget* parent, const ControlDesign& design, const char* context) {
    const QString caption = QCoreApplication::translate(context, design.caption);
    QWidget* widget = nullptr;
    if (design.kind == Kind::Button) {
        auto* button = new Button(lookOf(design), parent);
        button->setText(caption);
        widget = button;
    } else {
        auto* text = new TextBox(lookOf(design), parent);
        text->setGeometry(design.rect);
        text->setText(caption);
        text->setSizeToText(design.size);
        widget = text;
    }
    widget->setObjectName(QString::fromLatin1(design.name));
    if (design.kind == Kind::Button)
        widget->setGeometry(design.rect);
    else
        widget->setAccessibleName(caption);
    return widget;
}

void buildAll(QWidget* parent, std::span<const ControlDesign> designs, const char* context) {
    for (const ControlDesign& design : designs)
        build(parent, design, context);
}

} // namespace tezzle::ui
