#include "SmallWindow.h"

#include "ui/Centre.h"
#include "ui/Controls.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPalette>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>

namespace tezzle::frontend {

namespace {

// The lines a text takes in a width, each a whole line of its own so the box does not wrap it
// again.
QString breakLines(const QString& text, const QFont& font, int width) {
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void setUpSmallWindow(QWidget& window, const char* objectName, Rgb background, QSize size) {
    window.setObjectName(QString::fromLatin1(objectName));
    ui::bareTitleBar(window);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, ui::toQColor(background));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    ui::centreAt(window, size);
}

void addLogo(QWidget& window, const ui::DataFolder& data) {
    auto* logo = new ui::Picture(&window);
    logo->setObjectName(QStringLiteral("logoImage"));
    logo->setAccessibleName(QCoreApplication::translate("SmallWindow", "Tezzle! logo"));
    logo->setGeometry(240, 96, 100, 139);
    logo->setPixmap(data.picture("Images/logo2.jpg", window.devicePixelRatioF()));
}

void fitMessage(ui::TextBox& box, const QString& text, const QRect& room, ui::FontStyle design,
                Qt::Alignment where) {
    constexpr int kPadding = 4;   // between the text and the box's edge
    constexpr int kSmallest = 10; // pixels: still readable
    const int inset = (box.look().border ? 1 : 0) + kPadding;
    // A pixel short of the room, so rounding never makes the box wrap a line again.
    const int width = room.width() - 2 * inset - 1;
    QFont font = ui::font(design);
    QString lines;
    int height = 0;
    for (int pixels = design.pixels; pixels >= kSmallest; --pixels) {
        font.setPixelSize(pixels);
        lines = breakLines(text, font, width);
        height =
            QFontMetrics(font).lineSpacing() * static_cast<int>(lines.count('\n') + 1) + 2 * inset;
        if (height <= room.height())
            break;
    }
    QRect r(room.left(), room.top(), room.width(), std::min(height, room.height()));
    if (where & Qt::AlignBottom)
        r.moveBottom(room.bottom());
    else if (where & Qt::AlignVCenter)
        r.moveCenter(room.center());
    box.setTextFont(font);
    box.setText(lines);
    box.setAccessibleName(text);
    box.setGeometry(r);
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
