#include "OnePlayerWindow.h"

#include "SmallWindow.h"

#include "ui/Controls.h"
#include "ui/CuePlayer.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QRadioButton>

#include <array>

namespace tezzle::frontend {

namespace {

using ui::Kind;
constexpr Rgb kYellow = colours::kYellow;
constexpr ui::FontStyle kChoiceFont{ui::Face::Tahoma, 21, true};

struct OnePlayerControls {
    ui::Button* playSolo = nullptr;
    ui::Button* playComputer = nullptr;
    ui::Button* exit = nullptr;
};
using Row = ui::ControlRow<OnePlayerControls>;

constexpr std::array kControls{
    Row{.name = "levelCaption",
        .rect = {8, 112, 208, 72},
        .font = {ui::Face::Arial, 27, true},
        .text = kOrange,
        .caption = QT_TRANSLATE_NOOP("OnePlayerWindow", " Set Level for the computer"),
        .wrap = true},
    Row{.name = "playSoloButton",
        .rect = {10, 332, 169, 57},
        .font = kChoiceFont,
        .text = kYellow,
        .kind = Kind::Button,
        .caption = QT_TRANSLATE_NOOP("OnePlayerWindow", "Play solo"),
        .button = &OnePlayerControls::playSolo},
    Row{.name = "playComputerButton",
        .rect = {192, 332, 169, 57},
        .font = kChoiceFont,
        .text = kYellow,
        .kind = Kind::Button,
        .caption = QT_TRANSLATE_NOOP("OnePlayerWindow", "Play against the computer"),
        .wrap = true,
        .button = &OnePlayerControls::playComputer},
    Row{.name = "exitButton",
        .rect = {312, 408, 49, 25},
        .font = kSmallButtonFont,
        .text = kYellow,
        .kind = Kind::Button,
        .caption = QT_TRANSLATE_NOOP("OnePlayerWindow", "Exit"),
        .button = &OnePlayerControls::exit},
};

struct LevelOption {
    const char* name;
    const char* caption;
    int top;
};
constexpr std::array<LevelOption, 3> kLevels{{
    {.name = "levelOption1",
     .caption = QT_TRANSLATE_NOOP("OnePlayerWindow", "Level 1 - Easy"),
     .top = 184},
    {.name = "levelOption2",
     .caption = QT_TRANSLATE_NOOP("OnePlayerWindow", "Level 2"),
     .top = 232},
    {.name = "levelOption3",
     .caption = QT_TRANSLATE_NOOP("OnePlayerWindow", "Level 3 - Hard"),
     .top = 280},
}};

} // namespace

OnePlayerWindow::OnePlayerWindow(const ui::Services& services, const GameSetup& chosen, int ticked,
                                 QWidget* parent)
    : QWidget(parent)
    , chosen_(chosen) {
    setUpSmallWindow(*this, "onePlayerWindow", kDarkBlue);
    ui::build(this, kGameName, "SmallWindow");
    const OnePlayerControls built = ui::buildAll(this, kControls, "OnePlayerWindow");

    addLogo(*this, services.data);

    levels_ = new QButtonGroup(this);
    for (int level = 1; level <= 3; ++level) {
        const LevelOption& choice = kLevels[static_cast<std::size_t>(level - 1)];
        auto* option =
            new QRadioButton(QCoreApplication::translate("OnePlayerWindow", choice.caption), this);
        styleChoice(*option, choice.name, {24, choice.top}, kChoiceFont, 25);
        levels_->addButton(option, level);
        connect(option, &QRadioButton::clicked, this, [&services] {
            if (services.settings.soundOn == 1)
                services.cues.play(Cue::LevelChosen);
        });
    }
    levels_->button(ticked >= 1 && ticked <= 3 ? ticked : 3)->setChecked(true);

    connect(built.playSolo, &ui::Button::clicked, this, &OnePlayerWindow::chooseSolo);
    connect(built.playComputer, &ui::Button::clicked, this, &OnePlayerWindow::chooseComputer);
    connect(built.exit, &ui::Button::clicked, this, &OnePlayerWindow::exitClicked);
}

void OnePlayerWindow::chooseSolo() {
    emit setupChosen(chosen_.solo());
}

void OnePlayerWindow::chooseComputer() {
    emit setupChosen(chosen_.againstComputer(levels_->checkedId()));
}

void OnePlayerWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // closing the window is its "Exit": back to the set-up
    emit exitClicked();
}

} // namespace tezzle::frontend
