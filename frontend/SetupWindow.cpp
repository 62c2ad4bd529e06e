#include "SetupWindow.h"

#include "SmallWindow.h"

#include "core/TimeAllowed.h"
#include "ui/Controls.h"
#include "ui/CuePlayer.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QValidator>

#include <array>

namespace tezzle::frontend {

namespace {

// The same rule the kept choices are read by.
class SecondsValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override {
        return typableSeconds(text) ? Acceptable : Invalid;
    }
};

using ui::Kind;
constexpr Rgb kYellow = colours::kYellow;
constexpr ui::FontStyle kPlayersFont{ui::Face::Tahoma, 35, true};
constexpr const char* kContext = "SetupWindow";

// The check boxes, one under another; the window is taller by the two added to sound and clocks.
struct Choice {
    const char* name;
    const char* caption;
    bool Choices::*value;
};
constexpr std::array<Choice, 4> kChoices{{
    {"playSoundCheck", QT_TRANSLATE_NOOP("tezzle::frontend::SetupWindow", "Play Sound"),
     &Choices::playSound},
    {"timersOnCheck", QT_TRANSLATE_NOOP("tezzle::frontend::SetupWindow", "Timers On"),
     &Choices::timersOn},
    {"showWorkingCheck", QT_TRANSLATE_NOOP("tezzle::frontend::SetupWindow", "Show Working"),
     &Choices::showWorking},
    {"colourMarksCheck", QT_TRANSLATE_NOOP("tezzle::frontend::SetupWindow", "Colour Marks"),
     &Choices::colourMarks},
}};
constexpr int kChoiceStep = 24;
constexpr int kMoreChoices = 2 * kChoiceStep;
constexpr QSize kSetupWindow{kSmallWindow.width(), kSmallWindow.height() + kMoreChoices};

struct SetupControls {
    ui::Button* rules = nullptr;
    ui::TextBox* timeAllowedCaption = nullptr;
    ui::TextBox* secondsCaption = nullptr;
    ui::Button* highScores = nullptr;
};
using Row = ui::ControlRow<SetupControls>;

constexpr std::array kControls{
    Row{.name = "rulesButton",
        .rect = {48, 96, 129, 29},
        .font = kButtonFont,
        .text = kYellow,
        .kind = Kind::Button,
        .caption = QT_TRANSLATE_NOOP("SetupWindow", "The Rules"),
        .button = &SetupControls::rules},
    Row{.name = "timeAllowedCaption",
        .rect = {24, 200 + kMoreChoices, 176, 24},
        .font = kCaptionFont,
        .text = kYellow,
        .caption = QT_TRANSLATE_NOOP("SetupWindow", "Set Total Time Allowed"),
        .box = &SetupControls::timeAllowedCaption},
    Row{.name = "secondsCaption",
        .rect = {120, 228 + kMoreChoices, 66, 19},
        .font = kCaptionFont,
        .text = kYellow,
        .caption = QT_TRANSLATE_NOOP("SetupWindow", "seconds"),
        .align = Qt::AlignLeft | Qt::AlignVCenter,
        .size = ui::SizeToText::KeepLeft,
        .box = &SetupControls::secondsCaption},
    Row{.name = "highScoresButton",
        .rect = {216, 248 + kMoreChoices, 145, 29},
        .font = kButtonFont,
        .text = kYellow,
        .kind = Kind::Button,
        .caption = QT_TRANSLATE_NOOP("SetupWindow", "High Scores"),
        .button = &SetupControls::highScores},
    Row{.name = "selectPlayersCaption",
        .rect = {16, 296 + kMoreChoices, 344, 40},
        .font = {ui::Face::Arial, 27, true},
        .text = kYellow,
        .caption = QT_TRANSLATE_NOOP("SetupWindow", "Select Number of Players")},
};

// One button per number of players, left to right.
struct PlayerCount {
    const char* name;
    const char* caption;
};
constexpr std::array<PlayerCount, 4> kPlayerCounts{{
    {.name = "playerCountButton1", .caption = QT_TRANSLATE_NOOP("SetupWindow", "1")},
    {.name = "playerCountButton2", .caption = QT_TRANSLATE_NOOP("SetupWindow", "2")},
    {.name = "playerCountButton3", .caption = QT_TRANSLATE_NOOP("SetupWindow", "3")},
    {.name = "playerCountButton4", .caption = QT_TRANSLATE_NOOP("SetupWindow", "4")},
}};

constexpr ui::ControlDesign playerCountButton(int index) {
    const PlayerCount& count = kPlayerCounts[static_cast<std::size_t>(index)];
    return {.name = count.name,
            .rect = {48 + 74 * index, 340 + kMoreChoices, 57, 49},
            .font = kPlayersFont,
            .text = kYellow,
            .kind = Kind::Button,
            .caption = count.caption};
}

constexpr ui::ControlDesign kExitButton{.name = "exitButton",
                                        .rect = {312, 408 + kMoreChoices, 49, 25},
                                        .font = kSmallButtonFont,
                                        .text = kYellow,
                                        .kind = Kind::Button,
                                        .caption = QT_TRANSLATE_NOOP("SetupWindow", "Exit")};

} // namespace

SetupWindow::SetupWindow(const ui::Services& services, const Choices& shown, QWidget* parent)
    : QWidget(parent)
    , services_(services)
    , computerLevel_(shown.computerLevel) {
    setUpSmallWindow(*this, "setupWindow", kDarkBlue, kSetupWindow);
    ui::build(this, kGameName, "SmallWindow");
    const SetupControls built = ui::buildAll(this, kControls, kContext);
    timeAllowedCaption_ = built.timeAllowedCaption;
    secondsCaption_ = built.secondsCaption;
    std::array<ui::Button*, kPlayerCounts.size()> playerCounts{};
    for (std::size_t i = 0; i < playerCounts.size(); ++i)
        playerCounts[i] = ui::buildButton(this, playerCountButton(static_cast<int>(i)), kContext);
    ui::Button* exit = ui::buildButton(this, kExitButton, kContext);

    addLogo(*this, services.data);

    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        const Choice& choice = kChoices[i];
        checks_[i] = new QCheckBox(tr(choice.caption), this);
        styleChoice(*checks_[i], choice.name, {48, 144 + kChoiceStep * static_cast<int>(i)},
                    kCaptionFont, 25);
        checks_[i]->setChecked(shown.*choice.value);
        // The click sounds by the sound setting in force, not by the new tick.
        connect(checks_[i], &QCheckBox::clicked, this, [this] {
            if (services_.settings.soundOn == 1)
                services_.cues.play(Cue::TickBox);
            const Choices now = chosen();
            showTimeBox(now.timersOn);
            emit choicesChanged(now);
        });
    }

    timeAllowed_ = new QLineEdit(shown.seconds, this);
    timeAllowed_->setObjectName(QStringLiteral("timeAllowedEdit"));
    timeAllowed_->setAccessibleName(tr("Total time allowed in seconds"));
    timeAllowed_->setGeometry(48, 224 + kMoreChoices, 65, 27);
    timeAllowed_->setFont(ui::font({ui::Face::Tahoma, 16, true}));
    timeAllowed_->setAlignment(Qt::AlignCenter);
    timeAllowed_->setMaxLength(kSecondsLength);
    timeAllowed_->setStyleSheet(QStringLiteral("QLineEdit { color: yellow; background: black; }"));
    // Every edit, typed, pasted or dropped, keeps only what a number can be written with.
    timeAllowed_->setValidator(new SecondsValidator(this));
    connect(timeAllowed_, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    connect(timeAllowed_, &QLineEdit::textChanged, this, [this] { emit choicesChanged(chosen()); });
    showTimeBox(shown.timersOn);

    for (std::size_t i = 0; i < playerCounts.size(); ++i) {
        const int players = static_cast<int>(i) + 1;
        playerCounts[i]->setAccessibleName(tr("%n player(s)", nullptr, players));
        connect(playerCounts[i], &ui::Button::clicked, this,
                [this, players] { emit setupChosen(chosenSetup(players)); });
    }
    connect(built.rules, &ui::Button::clicked, this, &SetupWindow::rulesClicked);
    connect(built.highScores, &ui::Button::clicked, this, &SetupWindow::highScoresClicked);
    connect(exit, &ui::Button::clicked, this, &SetupWindow::exitClicked);
}

Choices SetupWindow::chosen() const {
    Choices c{.seconds = timeAllowed_ ? timeAllowed_->text() : QString(),
              .computerLevel = computerLevel_};
    for (std::size_t i = 0; i < kChoices.size(); ++i)
        c.*kChoices[i].value = checks_[i]->isChecked();
    return c;
}

void SetupWindow::showTimeBox(bool shown) {
    timeAllowedCaption_->setVisible(shown);
    secondsCaption_->setVisible(shown);
    timeAllowed_->setEnabled(shown);
    timeAllowed_->setVisible(shown);
}

GameSetup SetupWindow::chosenSetup(int players) const {
    const Choices c = chosen();
    return {.numPlayers = static_cast<std::int16_t>(players),
            .computerLevel = 0,
            .timeAllowed = c.timersOn ? timeAllowedFrom(c.seconds.toStdString()) : std::int16_t{0},
            .soundOn = static_cast<std::int16_t>(c.playSound ? 1 : 0)};
}

void SetupWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // closing the window is its "Exit"
    emit exitClicked();
}

} // namespace tezzle::frontend
