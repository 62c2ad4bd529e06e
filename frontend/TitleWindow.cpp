#include "TitleWindow.h"

#include "SmallWindow.h"

#include "files/SavedGameFile.h"
#include "ui/Controls.h"

#include <QCloseEvent>

#include <array>

namespace tezzle::frontend {

namespace {

using ui::ControlDesign;
using ui::Kind;
constexpr Rgb kYellow = colours::kYellow;

constexpr std::array kControls{
    ControlDesign{"gameNameLabel",
                  {8, 0, 357, 81},
                  kGameNameFont,
                  colours::kRed,
                  Kind::Text,
                  QT_TRANSLATE_NOOP("TitleWindow", "TEZZLE!")},
    ControlDesign{"restartButton",
                  {48, 352, 265, 29},
                  kButtonFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("TitleWindow", "Restart Previous Game")},
    ControlDesign{"okButton",
                  {88, 392, 89, 29},
                  kButtonFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("TitleWindow", "OK")},
    ControlDesign{"exitButton",
                  {184, 392, 89, 29},
                  kButtonFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("TitleWindow", "Exit")},
    // Over the lower part of the picture, for what the player must know before going on.
    ControlDesign{"messageLabel",
                  {24, 264, 320, 80},
                  kCaptionFont,
                  kYellow,
                  Kind::Box,
                  "",
                  colours::kBlack,
                  Qt::AlignCenter,
                  true},
};

} // namespace

TitleWindow::TitleWindow(const ui::Services& services, QWidget* parent)
    : QWidget(parent) {
    setUpSmallWindow(*this, "titleWindow", kSilver);
    services.settings.soundOn = 1;

    auto* picture = new ui::Picture(this);
    picture->setObjectName(QStringLiteral("titlePicture"));
    picture->setAccessibleName(tr("Tezzle! title picture"));
    picture->setGeometry(24, 104, 320, 240);
    picture->setPixmap(services.data.picture("Images/tezzlemd.bmp", devicePixelRatioF()));
    ui::buildAll(this, kControls, "TitleWindow");
    message_ = ui::control<ui::TextBox>(this, "messageLabel");
    message_->hide();

    auto* restart = ui::control<ui::Button>(this, "restartButton");
    auto* ok = ui::control<ui::Button>(this, "okButton");
    connect(ok, &ui::Button::clicked, this, &TitleWindow::okClicked);
    connect(picture, &ui::Picture::clicked, this, [this] {
        if (adjacencyComplete())
            emit pictureClicked();
    });
    connect(restart, &ui::Button::clicked, this, &TitleWindow::restartClicked);
    connect(ui::control<ui::Button>(this, "exitButton"), &ui::Button::clicked, this,
            &TitleWindow::exitClicked);

    // Greyed when there is nothing whole to restart, with the reason as its tooltip.
    const SavedGameRead saved = readSavedGame(services.savedGamePath.toStdString());
    restart->setEnabled(saved.game.has_value());
    if (!saved.game)
        restart->setToolTip(QString::fromStdString(describe(saved)));

    adjacency_ = readConnArray(services.data.path("connarray.dat").toStdString(),
                               services.settings.connarray);
    if (!adjacency_.complete()) {
        restart->setEnabled(false);
        ok->setEnabled(false);
        showMessage(
            tr("%1 No game can be played.").arg(QString::fromStdString(describe(adjacency_))));
    }
}

void TitleWindow::setCancel() {
    ui::control<ui::Button>(this, "okButton")->setText(tr("Cancel"));
}

void TitleWindow::showMessage(const QString& message) {
    // A second message (a failed save and a damaged table) goes below the first.
    const QString shown =
        message_->isVisible() ? message_->text() + QLatin1Char('\n') + message : message;
    message_->setText(shown);
    message_->setAccessibleName(shown);
    message_->show();
}

void TitleWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // closing the window is its "Exit"
    emit exitClicked();
}

} // namespace tezzle::frontend
