// Which numbers a throw makes, and the worked example shown for each: both checked against an
// independent exact-rational search over every expression tree, for every order of the dice.

#include "core/ComputerPlayer.h"
#include "core/Expression.h"
#include "core/Reachable.h"
#include "core/Working.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

using tezzle::Dice;
using tezzle::NumberSet;

namespace {

struct Rational {
    long long num, den;
    bool whole = true; // made through whole numbers alone
};

// a op b, reduced; b is not 0 when op is '/'.
Rational combine(Rational a, char op, Rational b) {
    long long num = op == '*' ? a.num * b.num : a.num * b.den;
    long long den = op == '/' ? a.den * b.num : a.den * b.den;
    if (op == '+' || op == '-')
        num += (op == '+' ? 1 : -1) * b.num * a.den;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const long long g = std::gcd(num, den);
    return {num / g, den / g, a.whole && b.whole && den / g == 1};
}

// Every way of combining the values: pick two, replace them by any result of the four
// operations in either order, until one value is left; `wholeMade` takes those made through
// whole numbers alone.
void everyTree(std::vector<Rational> values, NumberSet& made, NumberSet& wholeMade) {
    if (values.size() == 1) {
        if (values[0].den == 1 && values[0].num >= 1 && values[0].num <= 100) {
            made.set(static_cast<int>(values[0].num));
            if (values[0].whole)
                wholeMade.set(static_cast<int>(values[0].num));
        }
        return;
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        for (std::size_t j = 0; j < values.size(); ++j) {
            if (i == j)
                continue;
            std::vector<Rational> rest;
            for (std::size_t k = 0; k < values.size(); ++k)
                if (k != i && k != j)
                    rest.push_back(values[k]);
            for (char op : {'+', '-', '*', '/'}) {
                if (op == '/' && values[j].num == 0)
                    continue;
                rest.push_back(combine(values[i], op, values[j]));
                everyTree(rest, made, wholeMade);
                rest.pop_back();
            }
        }
}

// The numbers the dice make, and those they make through whole numbers alone.
std::pair<NumberSet, NumberSet> independentlyMade(const Dice& d) {
    NumberSet made, wholeMade;
    everyTree({{d[0], 1}, {d[1], 1}, {d[2], 1}, {d[3], 1}}, made, wholeMade);
    return {made, wholeMade};
}

// Reads a worked example exactly: dice 1 to 6, + - * /, parentheses, the usual precedence
// (depth 0 sums, 1 products, 2 a die or parentheses); `used` collects the dice read.
std::optional<Rational> read(const std::string& s, std::size_t& i, std::string& used, int depth) {
    auto at = [&](char c) {
        return i < s.size() && s[i] == c;
    };
    if (depth == 2 && at('(')) {
        const auto inner = read(s, ++i, used, 0);
        if (!inner || !at(')'))
            return std::nullopt;
        ++i;
        return inner;
    }
    if (depth == 2) {
        if (i >= s.size() || s[i] < '1' || s[i] > '6')
            return std::nullopt;
        used += s[i];
        return Rational{s[i++] - '0', 1};
    }
    auto left = read(s, i, used, depth + 1);
    while (left && (at(depth == 0 ? '+' : '*') || at(depth == 0 ? '-' : '/'))) {
        const char op = s[i++];
        const auto right = read(s, i, used, depth + 1);
        if (!right || (op == '/' && right->num == 0))
            return std::nullopt;
        left = combine(*left, op, *right);
    }
    return left;
}

} // namespace

class TestReachable : public QObject {
    Q_OBJECT

private slots:
    // The game looks both halves up in a table by any order of the dice; the walks it was made
    // from must agree too. The worked example of each number reads as one made of the four dice,
    // through whole numbers alone wherever some way does.
    void everyThrowMakesExactlyWhatSomeExpressionEquals() {
        for (int k = 0; k < 1296; ++k) {
            Dice dice{k / 216 + 1, k / 36 % 6 + 1, k / 6 % 6 + 1, k % 6 + 1};
            if (!std::is_sorted(dice.begin(), dice.end()))
                continue;
            const auto [expected, wholeWay] = independentlyMade(dice);
            QCOMPARE(tezzle::searchChains(dice) | tezzle::searchPairings(dice), expected);
            const auto examples = tezzle::workedExamples(dice);
            // After a wrong number the best free number made is suggested: nothing free is worth
            // more.
            const NumberSet covered = NumberSet::of({1, 2, 5, 9, 14, 20, 50, 96, 100});
            const auto best = tezzle::bestFreeNumber(expected, covered);
            QVERIFY(best.number != 0 && expected.test(best.number) && !covered.test(best.number));
            expected.forEach([&](int n) {
                QVERIFY(covered.test(n) || tezzle::moveValue(n, covered) <= best.points);
            });
            const std::string thrown{char('0' + dice[0]), char('0' + dice[1]), char('0' + dice[2]),
                                     char('0' + dice[3])};
            for (int n = 0; n <= 100; ++n) {
                QCOMPARE(!examples[n].empty(), expected.test(n));
                if (examples[n].empty())
                    continue;
                std::string text = examples[n], used;
                std::erase(text, ' ');
                std::size_t i = 0;
                const auto v = read(text, i, used, 0);
                QVERIFY2(v && i == text.size() && v->den == 1 && v->num == n, examples[n].c_str());
                QVERIFY2(v->whole || !wholeWay.test(n), examples[n].c_str());
                std::sort(used.begin(), used.end());
                QCOMPARE(used, thrown);
            }
            do {
                NumberSet allowed = NumberSet::of({100, 101}); // a stale throw's flags
                tezzle::allowednumbers(dice, allowed);
                QCOMPARE(allowed, tezzle::searchChains(dice));
                tezzle::allowednumbers2(dice, allowed);
                QCOMPARE(allowed, expected);
                QCOMPARE(tezzle::reachableNumbers(dice), expected);
            } while (std::next_permutation(dice.begin(), dice.end()));
        }
        // Dice that no throw shows are still searched, safely.
        for (const Dice& dice : {Dice{0, 0, 0, 0}, Dice{7, 8, 9, 10}, Dice{-3, 2, 0, 6}})
            QCOMPARE(tezzle::reachableNumbers(dice), independentlyMade(dice).first);
    }

    // The plainest example: whole steps, fewest parentheses, no step below zero, then divisions
    // and subtractions, then the dice in the order thrown; and only the parentheses needed.
    void examplesAreWrittenPlainly() {
        for (const auto& [dice, n, text] : {std::tuple{Dice{6, 4, 3, 1}, 14, "6 + 4 + 3 + 1"},
                                            {Dice{6, 4, 3, 1}, 72, "6 * 4 * 3 * 1"},
                                            {Dice{1, 3, 4, 6}, 14, "1 + 3 + 4 + 6"},
                                            {Dice{3, 3, 2, 1}, 18, "3 * 3 * 2 * 1"},
                                            {Dice{2, 3, 4, 6}, 26, "2 * 4 + 3 * 6"},
                                            {Dice{1, 1, 6, 5}, 8, "6 / (1 + 1) + 5"},
                                            {Dice{6, 4, 1, 1}, 15, "(6 - 1) * (4 - 1)"}})
            QCOMPARE(tezzle::workedExamples(dice)[n], std::string(text));
    }

    // After a wrong number: the free number the throw makes that is worth most now, triangle
    // bonus and all, the lowest of equals; none when every number it makes is covered.
    void theBestFreeNumberIsSuggested() {
        for (const auto& [dice, covered, number, points] :
             {std::tuple{Dice{1, 1, 1, 1}, NumberSet{}, 1, 10},
              {Dice{1, 1, 1, 1}, NumberSet::of({1, 2}), 3, 210}, // a double Tezzle! on 3
              {Dice{1, 1, 1, 1}, NumberSet::of({1, 2, 3, 4}), 0, 0},
              {Dice{2, 3, 4, 6}, NumberSet::of({91, 92}), 96, 500}})
            QCOMPARE(tezzle::bestFreeNumber(tezzle::reachableNumbers(dice), covered),
                     (tezzle::Suggestion{number, points}));
    }
};

QTEST_APPLESS_MAIN(TestReachable)
#include "TestReachable.moc"
