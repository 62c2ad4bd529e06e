#include "OnePlayerWindow.h"

#include "SmallWindow.h"

#include "ui/Controls.h"
#include "ui/CuePlayer.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QRadioButton>

#include <array>

namespace tezzle::frontend {

namespace {

using ui::ControlDesign;
using ui::Kind;
constexpr Rgb kYellow = colours::kYellow;
constexpr ui::FontStyle kChoiceFont{ui::Face::Tahoma, 21, true};

constexpr std::array kControls{
    kGameName,
    ControlDesign{"levelCaption",
                  {8, 112, 208, 72},
                  {ui::Face::Arial, 27, true},
                  kOrange,
                  Kind::Text,
                  QT_TRANSLATE_NOOP("OnePlayerWindow", " Set Level for the computer"),
                  {},
                  Qt::AlignCenter,
                  true},
    ControlDesign{"playSoloButton",
                  {10, 332, 169, 57},
                  kChoiceFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("OnePlayerWindow", "Play solo")},
    ControlDesign{"playComputerButton",
                  {192, 332, 169, 57},
                  kChoiceFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("OnePlayerWindow", "Play against the computer"),
                  {},
                  Qt::AlignCenter,
                  true},
    ControlDesign{"exitButton",
                  {312, 408, 49, 25},
                  kSmallButtonFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("OnePlayerWindow", "Exit")},
};

struct LevelOption {
    const char* name;
    const char* caption;
    int top;
};
constexpr std::array<LevelOption, 3> kLevels{{
    {"levelOption1", QT_TRANSLATE_NOOP("OnePlayerWindow", "Level 1 - Easy"), 184},
    {"levelOption2", QT_TRANSLATE_NOOP("OnePlayerWindow", "Level 2"), 232},
    {"levelOption3", QT_TRANSLATE_NOOP("OnePlayerWindow", "Level 3 - Hard"), 280},
}};

} // namespace

OnePlayerWindow::OnePlayerWindow(const ui::Services& services, QWidget* parent)
    : QWidget(parent) {
    services.settings.computerLevel = 0;
    setUpSmallWindow(*this, "onePlayerWindow", kDarkBlue);
    ui::buildAll(this, kControls, "OnePlayerWindow");

    addLogo(*this, services.data);

    levels_ = new QButtonGroup(this);
    for (int level = 1; level <= 3; ++level) {
        const LevelOption& choice = kLevels[static_cast<std::size_t>(level - 1)];
        auto* option = new QRadioButton(tr(choice.caption), this);
        styleChoice(*option, choice.name, {24, choice.top}, kChoiceFont, 25);
        levels_->addButton(option, level);
        connect(option, &QRadioButton::clicked, this, [&services] {
            if (services.settings.soundOn == 1)
                services.cues.play(Cue::LevelChosen);
        });
    }
    levels_->button(3)->setChecked(true);

    connect(ui::control<ui::Button>(this, "playSoloButton"), &ui::Button::clicked, this,
            &OnePlayerWindow::soloClicked);
    connect(ui::control<ui::Button>(this, "playComputerButton"), &ui::Button::clicked, this,
            &OnePlayerWindow::computerClicked);
    connect(ui::control<ui::Button>(this, "exitButton"), &ui::Button::clicked, this,
            &OnePlayerWindow::exitClicked);
}

int OnePlayerWindow::chosenLevel() const {
    return levels_->checkedId();
}

void OnePlayerWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // closing the window is its "Exit": back to the set-up
    emit exitClicked();
}

} // namespace tezzle::frontend
