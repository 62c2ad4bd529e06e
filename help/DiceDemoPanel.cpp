#include "DiceDemoPanel.h"

#include "RulesPageData.h"

#include "ui/Controls.h"
#include "ui/CuePlayer.h"

namespace tezzle::help {

DiceDemoPanel::DiceDemoPanel(QWidget& page, const ui::Services& services, Dice& dice)
    : QObject(&page)
    , services_(services)
    , demo_(services.settings, services.random, dice)
    , driver_(services.clock,
              {[this](std::uint16_t roles) { return demo_.nextTickIn(roles); },
               [this](Millis ms) { demo_.advance(ms); }, nullptr,
               [this] {
                   render();
               }},
              this) {
    ui::Button* button = ui::buildButton(&page, kThrowDiceButton, "RulesPage");
    button->setAccessibleName(button->text());
    connect(button, &ui::Button::clicked, this, &DiceDemoPanel::throwDice);

    const ui::Look look{ui::font(kDemoDieFont), ui::toQColor(colours::kBlack),
                        ui::toQColor(colours::kBlue), true};
    for (std::size_t i = 0; i < dice_.size(); ++i) {
        auto* die = new ui::TextBox(look, &page);
        die->setObjectName(QStringLiteral("demoDieBox%1").arg(i));
        die->setGeometry({kDemoDicePlaces[i], QSize(kDemoDieSize, kDemoDieSize)});
        dice_[i] = die;
    }
    render();
}

void DiceDemoPanel::throwDice() {
    driver_.sync(); // the click lands at the moment it was made
    if (const std::optional<Cue> cue = demo_.throwDice())
        services_.cues.play(*cue);
    driver_.afterInput();
}

void DiceDemoPanel::stop() {
    demo_.stop();
    driver_.rearm();
}

void DiceDemoPanel::render() {
    for (std::size_t i = 0; i < dice_.size(); ++i) {
        const DieBox& box = demo_.shown()[i];
        ui::TextBox* die = dice_[i];
        die->setText(box.face == 0 ? QString() : QString::number(box.face));
        die->setEnabled(box.enabled);
        const QString name = tr("die %1 %2").arg(i + 1).arg(die->text()).trimmed();
        if (die->accessibleName() != name)
            die->setAccessibleName(name);
    }
}

} // namespace tezzle::help
