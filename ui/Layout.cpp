#include "Layout.h"

#include <QCoreApplication>

namespace tezzle::ui {

Look lookOf(const ControlSpec& spec) {
    Look look{font(spec.font), toQColor(spec.text), std::nullopt, false, spec.align, spec.wrap};
    if (spec.kind == Kind::Button)
        look.background = QColor(Qt::black);
    else if (spec.kind == Kind::Box)
        look.background = toQColor(spec.background);
    look.border = spec.kind != Kind::Text;
    return look;
}

QWidget* build(QWidget* parent, const ControlSpec& spec, const char* context) {
    const QString caption = QCoreApplication::translate(context, spec.caption);
    QWidget* widget = nullptr;
    if (spec.kind == Kind::Button) {
        auto* button = new Button(lookOf(spec), parent);
        button->setText(caption);
        widget = button;
    } else {
        auto* text = new TextBox(lookOf(spec), parent);
        text->setGeometry(spec.rect);
        text->setText(caption);
        text->setSizeToText(spec.size);
        widget = text;
    }
    widget->setObjectName(QString::fromLatin1(spec.name));
    if (spec.kind == Kind::Button)
        widget->setGeometry(spec.rect);
    else
        widget->setAccessibleName(caption);
    return widget;
}

void buildAll(QWidget* parent, std::span<const ControlSpec> specs, const char* context) {
    for (const ControlSpec& spec : specs)
        build(parent, spec, context);
}

} // namespace tezzle::ui
