#include "SetupWindow.h"

#include "SmallWindow.h"

#include "core/TimeAllowed.h"
#include "ui/Controls.h"
#include "ui/CuePlayer.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <array>

namespace tezzle::frontend {

namespace {

using ui::ControlDesign;
using ui::Kind;
constexpr Rgb kYellow = colours::kYellow;
constexpr ui::FontStyle kPlayersFont{ui::Face::Tahoma, 35, true};

constexpr std::array kControls{
    kGameName,
    ControlDesign{"rulesButton",
                  {48, 96, 129, 29},
                  kButtonFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("SetupWindow", "The Rules")},
    ControlDesign{"timeAllowedCaption",
                  {24, 200, 176, 24},
                  kCaptionFont,
                  kYellow,
                  Kind::Text,
                  QT_TRANSLATE_NOOP("SetupWindow", "Set Total Time Allowed")},
    ControlDesign{"secondsCaption",
                  {120, 228, 66, 19},
                  kCaptionFont,
                  kYellow,
                  Kind::Text,
                  QT_TRANSLATE_NOOP("SetupWindow", "seconds"),
                  {},
                  Qt::AlignLeft | Qt::AlignVCenter,
                  false,
                  ui::SizeToText::KeepLeft},
    ControlDesign{"highScoresButton",
                  {216, 248, 145, 29},
                  kButtonFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("SetupWindow", "High Scores")},
    ControlDesign{"selectPlayersCaption",
                  {16, 296, 344, 40},
                  {ui::Face::Arial, 27, true},
                  kYellow,
                  Kind::Text,
                  QT_TRANSLATE_NOOP("SetupWindow", "Select Number of Players")},
    ControlDesign{"playerCountButton1",
                  {48, 340, 57, 49},
                  kPlayersFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("SetupWindow", "1")},
    ControlDesign{"playerCountButton2",
                  {122, 340, 57, 49},
                  kPlayersFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("SetupWindow", "2")},
    ControlDesign{"playerCountButton3",
                  {196, 340, 57, 49},
                  kPlayersFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("SetupWindow", "3")},
    ControlDesign{"playerCountButton4",
                  {270, 340, 57, 49},
                  kPlayersFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("SetupWindow", "4")},
    ControlDesign{"exitButton",
                  {312, 408, 49, 25},
                  kSmallButtonFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("SetupWindow", "Exit")},
};

} // namespace

SetupWindow::SetupWindow(const ui::Services& services, QWidget* parent)
    : QWidget(parent)
    , services_(services) {
    services.settings.computerLevel = 0;
    setUpSmallWindow(*this, "setupWindow", kDarkBlue);
    ui::buildAll(this, kControls, "SetupWindow");

    addLogo(*this, services.data);

    playSound_ = new QCheckBox(tr("Play Sound"), this);
    styleChoice(*playSound_, "playSoundCheck", {48, 144}, kCaptionFont, 25);
    playSound_->setChecked(true);
    timersOn_ = new QCheckBox(tr("Timers On"), this);
    styleChoice(*timersOn_, "timersOnCheck", {48, 168}, kCaptionFont, 25);

    timeAllowed_ = new QLineEdit(QStringLiteral("600"), this);
    timeAllowed_->setObjectName(QStringLiteral("timeAllowedEdit"));
    timeAllowed_->setAccessibleName(tr("Total time allowed in seconds"));
    timeAllowed_->setGeometry(48, 224, 65, 27);
    timeAllowed_->setFont(ui::font({ui::Face::Tahoma, 16, true}));
    timeAllowed_->setAlignment(Qt::AlignCenter);
    timeAllowed_->setMaxLength(4);
    timeAllowed_->setStyleSheet(QStringLiteral("QLineEdit { color: yellow; background: black; }"));
    // Every edit, typed, pasted or dropped, keeps only what a number can be written with.
    timeAllowed_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-.0-9]*")), this));
    connect(timeAllowed_, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    showTimeBox(false);

    // The click sounds by the sound setting in force, not by the new tick.
    auto clickOne = [this] {
        if (services_.settings.soundOn == 1)
            services_.cues.play(Cue::TickBox);
    };
    connect(playSound_, &QCheckBox::clicked, this, clickOne);
    connect(timersOn_, &QCheckBox::clicked, this, [this, clickOne](bool ticked) {
        clickOne();
        showTimeBox(ticked);
    });

    for (int players = 1; players <= 4; ++players) {
        auto* button = ui::control<ui::Button>(
            this, QStringLiteral("playerCountButton%1").arg(players).toLatin1().constData());
        button->setAccessibleName(tr("%n player(s)", nullptr, players));
        connect(button, &ui::Button::clicked, this,
                [this, players] { emit playersChosen(players); });
    }
    connect(ui::control<ui::Button>(this, "rulesButton"), &ui::Button::clicked, this,
            &SetupWindow::rulesClicked);
    connect(ui::control<ui::Button>(this, "highScoresButton"), &ui::Button::clicked, this,
            &SetupWindow::highScoresClicked);
    connect(ui::control<ui::Button>(this, "exitButton"), &ui::Button::clicked, this,
            &SetupWindow::exitClicked);
}

void SetupWindow::showTimeBox(bool shown) {
    for (const char* name : {"timeAllowedCaption", "secondsCaption"})
        ui::control<QWidget>(this, name)->setVisible(shown);
    timeAllowed_->setEnabled(shown);
    timeAllowed_->setVisible(shown);
}

std::int16_t SetupWindow::chosenSound() const {
    return playSound_->isChecked() ? 1 : 0;
}

std::int16_t SetupWindow::chosenTimeAllowed() const {
    if (!timersOn_->isChecked())
        return 0;
    return timeAllowedFrom(timeAllowed_->text().toStdString());
}

void SetupWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // closing the window is its "Exit"
    emit exitClicked();
}

} // namespace tezzle::frontend
