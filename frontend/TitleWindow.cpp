#include "TitleWindow.h"

#include "FileWords.h"
#include "SmallWindow.h"

#include "files/SavedGameFile.h"
#include "ui/Controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QToolTip>

#include <array>

namespace tezzle::frontend {

namespace {

using ui::Kind;
constexpr Rgb kYellow = colours::kYellow;

struct TitleControls {
    ui::Button* restart = nullptr;
    ui::Button* ok = nullptr;
    ui::Button* exit = nullptr;
    ui::TextBox* message = nullptr;
};
using Row = ui::ControlRow<TitleControls>;

constexpr std::array kControls{
    Row{.name = "gameNameLabel",
        .rect = {8, 0, 357, 81},
        .font = kGameNameFont,
        .text = colours::kRed,
        .caption = QT_TRANSLATE_NOOP("TitleWindow", "TEZZLE!")},
    Row{.name = "restartButton",
        .rect = {48, 352, 265, 29},
        .font = kButtonFont,
        .text = kYellow,
        .kind = Kind::Button,
        .caption = QT_TRANSLATE_NOOP("TitleWindow", "Restart Previous Game"),
        .button = &TitleControls::restart},
    Row{.name = "okButton",
        .rect = {88, 392, 89, 29},
        .font = kButtonFont,
        .text = kYellow,
        .kind = Kind::Button,
        .caption = QT_TRANSLATE_NOOP("TitleWindow", "OK"),
        .button = &TitleControls::ok},
    Row{.name = "exitButton",
        .rect = {184, 392, 89, 29},
        .font = kButtonFont,
        .text = kYellow,
        .kind = Kind::Button,
        .caption = QT_TRANSLATE_NOOP("TitleWindow", "Exit"),
        .button = &TitleControls::exit},
    // Over the picture, from its foot up as far as the text needs, for what the player must
    // know before going on.
    Row{.name = "messageLabel",
        .rect = {24, 264, 320, 80},
        .font = kCaptionFont,
        .text = kYellow,
        .kind = Kind::Box,
        .background = colours::kBlack,
        .wrap = true,
        .box = &TitleControls::message},
};

constexpr QRect kPictureArea{24, 104, 320, 240};

} // namespace

TitleWindow::TitleWindow(const ui::Services& services, QWidget* parent)
    : QWidget(parent) {
    setUpSmallWindow(*this, "titleWindow", kSilver);

    auto* picture = new ui::Picture(this);
    picture->setObjectName(QStringLiteral("titlePicture"));
    picture->setAccessibleName(tr("Tezzle! title picture"));
    picture->setGeometry(kPictureArea);
    picture->setPixmap(services.data.picture(kPicture, devicePixelRatioF()));
    const TitleControls built = ui::buildAll(this, kControls, "TitleWindow");
    message_ = built.message;
    message_->hide();

    restart_ = built.restart;
    restart_->installEventFilter(this);
    ok_ = built.ok;
    connect(ok_, &ui::Button::clicked, this, &TitleWindow::okClicked);
    connect(picture, &ui::Picture::clicked, this, [this] {
        if (adjacencyComplete())
            emit pictureClicked();
    });
    connect(restart_, &ui::Button::clicked, this, &TitleWindow::restartClicked);
    connect(built.exit, &ui::Button::clicked, this, &TitleWindow::exitClicked);

    // Greyed when there is nothing whole to restart, with the reason as its tooltip.
    const SavedGameRead saved = readSavedGame(services.savedGamePath.toStdString());
    if (!saved.game)
        greyRestart(saved);

    adjacency_ = readConnArray(services.data.path("connarray.dat").toStdString(), connarray_);
    if (!adjacency_.complete()) {
        restart_->setEnabled(false);
        ok_->setEnabled(false);
        showMessage(tr("%1 No game can be played.").arg(adjacencyProblem(adjacency_)));
    }
}

void TitleWindow::setCancel() {
    ok_->setText(tr("Cancel"));
}

void TitleWindow::showMessage(const QString& message) {
    // A second message (a failed save and a damaged table) goes below the first.
    shownMessage_ = shownMessage_.isEmpty() ? message : shownMessage_ + QLatin1Char('\n') + message;
    fitMessage(*message_, shownMessage_, kPictureArea, kCaptionFont, Qt::AlignBottom);
    message_->show();
}

void TitleWindow::greyRestart(const SavedGameRead& read) {
    const QString why = read.status == SavedGameStatus::Missing
                            ? tr("There is no saved game.")
                            : tr("The saved game is damaged and cannot be restored.");
    restart_->setEnabled(false);
    restart_->setToolTip(why);
}

void TitleWindow::restartRefused(const SavedGameRead& read) {
    greyRestart(read);
    showMessage(restart_->toolTip());
}

bool TitleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != restart_ || event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    // Above the button, over the picture: below it the tip would hide "OK" and "Exit".
    QToolTip::showText(restart_->mapToGlobal(QPoint()), restart_->toolTip(), restart_,
                       restart_->rect());
    for (QWidget* tip : QApplication::topLevelWidgets())
        if (tip->inherits("QTipLabel") && tip->isVisible())
            tip->move(restart_->mapToGlobal(QPoint(0, -tip->height() - 4)));
    return true;
}

void TitleWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // closing the window is its "Exit"
    emit exitClicked();
}

} // namespace tezzle::frontend
