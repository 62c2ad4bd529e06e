#include "Marks.h"

#include "ui/Contrast.h"
#include "ui/Controls.h"

#include <QCoreApplication>

#include <array>

namespace tezzle::board {

namespace {

// Text wants 4.5; a little more, so rounding in the drawing never takes it under.
constexpr double kReadable = 4.7;

Rgb mix(Rgb from, Rgb to, double t) {
    auto channel = [t](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(a + (b - a) * t + 0.5);
    };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

constexpr std::array<const char*, 4> kMarkWords{
    QT_TRANSLATE_NOOP("BoardWindow", "Blue counters: square"),
    QT_TRANSLATE_NOOP("BoardWindow", "Red counters: triangle"),
    QT_TRANSLATE_NOOP("BoardWindow", "Green counters: cross"),
    QT_TRANSLATE_NOOP("BoardWindow", "Yellow counters: star"),
};

} // namespace

DieDigits dieDigits(Rgb die) {
    const Rgb settled =
        ui::contrastRatio(die, colours::kBlack) >= ui::contrastRatio(die, colours::kWhite)
            ? colours::kBlack
            : colours::kWhite;
    // Towards the die's colour as far as the digits still read, at most half way.
    Rgb greyed = settled;
    for (double t = 0.02; t <= 0.5; t += 0.02) {
        const Rgb fainter = mix(settled, die, t);
        if (ui::contrastRatio(die, fainter) < kReadable)
            break;
        greyed = fainter;
    }
    return {settled, greyed};
}

void showMarkedDie(ui::TextBox& die, Rgb colour, bool enabled) {
    const DieDigits digits = dieDigits(colour);
    die.setTextColour(ui::toQColor(digits.settled));
    die.setGreyedColour(ui::toQColor(digits.greyed));
    QFont font = die.look().font;
    font.setWeight(enabled ? QFont::Bold : QFont::Normal);
    die.setTextFont(font);
}

QString markDescription(int player) {
    return QCoreApplication::translate("BoardWindow", kMarkWords[static_cast<std::size_t>(player)]);
}

} // namespace tezzle::board
