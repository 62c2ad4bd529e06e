#include "SmallWindow.h"

#include "ui/Centre.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPalette>
#include <QWidget>

namespace tezzle::frontend {

void setUpSmallWindow(QWidget& window, const char* objectName, Rgb background) {
    window.setObjectName(QString::fromLatin1(objectName));
    ui::bareTitleBar(window);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, ui::toQColor(background));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    ui::centreAt(window, kSmallWindow);
}

void addLogo(QWidget& window, const ui::DataFolder& data) {
    auto* logo = new ui::Picture(&window);
    logo->setObjectName(QStringLiteral("logoImage"));
    logo->setAccessibleName(QCoreApplication::translate("SmallWindow", "Tezzle! logo"));
    logo->setGeometry(240, 96, 100, 139);
    logo->setPixmap(data.picture("Images/logo2.jpg", window.devicePixelRatioF()));
}

void styleChoice(QAbstractButton& choice, const char* objectName, QPoint at, ui::FontStyle font,
                 int height) {
    choice.setObjectName(QString::fromLatin1(objectName));
    choice.setFont(ui::font(font));
    QPalette palette = choice.palette();
    palette.setColor(QPalette::WindowText, ui::toQColor(colours::kYellow));
    palette.setColor(QPalette::Window, ui::toQColor(kDarkBlue));
    palette.setColor(QPalette::Button, ui::toQColor(kDarkBlue));
    choice.setPalette(palette);
    choice.setBackgroundRole(QPalette::Window);
    choice.setAutoFillBackground(true);
    choice.setGeometry(at.x(), at.y(), choice.sizeHint().width(), height);
}

} // namespace tezzle::frontend
