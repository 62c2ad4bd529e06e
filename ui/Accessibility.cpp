#include "Accessibility.h"

#include "Controls.h"
#include "FocusFrame.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tezzle::ui {

namespace {

QAccessibleInterface* controlInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (className == QLatin1String(TextBox::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (className == QLatin1String(Picture::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(controlInterface);
    showKeyboardFocus();
}

} // namespace tezzle::ui
