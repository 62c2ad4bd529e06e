// Which numbers a throw makes: checked against an independent search over every expression
// tree, for all 126 throws and all orders of the dice.

#include "core/Reachable.h"

#include <QTest>

#include <cmath>
#include <numeric>
#include <set>
#include <vector>

using tezzle::Dice;
using tezzle::NumberSet;

Q_DECLARE_METATYPE(tezzle::Dice)

namespace {

struct Rational {
    long long num;
    long long den;
};

Rational reduced(long long num, long long den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const long long g = std::gcd(num, den);
    return {num / g, den / g};
}

// Every way of combining the values: pick two, replace them by one of their six results,
// until one value is left.
void everyTree(const std::vector<Rational>& values, std::set<int>& made) {
    if (values.size() == 1) {
        if (values[0].den == 1 && values[0].num >= 1 && values[0].num <= 100)
            made.insert(static_cast<int>(values[0].num));
        return;
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        for (std::size_t j = i + 1; j < values.size(); ++j) {
            std::vector<Rational> rest;
            for (std::size_t k = 0; k < values.size(); ++k)
                if (k != i && k != j)
                    rest.push_back(values[k]);
            const Rational a = values[i];
            const Rational b = values[j];
            std::vector<Rational> results{reduced(a.num * b.den + b.num * a.den, a.den * b.den),
                                          reduced(a.num * b.den - b.num * a.den, a.den * b.den),
                                          reduced(b.num * a.den - a.num * b.den, a.den * b.den),
                                          reduced(a.num * b.num, a.den * b.den)};
            if (b.num != 0)
                results.push_back(reduced(a.num * b.den, a.den * b.num));
            if (a.num != 0)
                results.push_back(reduced(b.num * a.den, b.den * a.num));
            for (const Rational& r : results) {
                rest.push_back(r);
                everyTree(rest, made);
                rest.pop_back();
            }
        }
}

std::set<int> independentlyMade(const Dice& dice) {
    std::set<int> made;
    everyTree({{dice[0], 1}, {dice[1], 1}, {dice[2], 1}, {dice[3], 1}}, made);
    return made;
}

std::set<int> members(const NumberSet& set) {
    std::set<int> out;
    set.forEach([&](int n) { out.insert(n); });
    return out;
}

std::vector<Dice> allThrows() {
    std::vector<Dice> throws;
    for (int a = 1; a <= 6; ++a)
        for (int b = a; b <= 6; ++b)
            for (int c = b; c <= 6; ++c)
                for (int d = c; d <= 6; ++d)
                    throws.push_back({a, b, c, d});
    return throws;
}

// What a marking that rounds a fractional value to its nearest whole number would accept:
// the same chains and pairs in floating point, then rounded half to even.
std::set<int> roundedMarking(const Dice& dice) {
    std::set<int> made;
    auto mark = [&](double r) {
        if (!(r > 0) || r >= 101)
            return;
        if (r - std::floor(r) < 0.0000001)
            r = std::floor(r);
        if (r - std::floor(r) > 0.9999999)
            r = std::floor(r + 1);
        made.insert(static_cast<int>(std::nearbyint(r)));
    };
    auto six = [](double a, double b) {
        std::vector<double> v{a * b, a + b, a - b, b - a};
        if (b != 0)
            v.push_back(a / b);
        if (a != 0)
            v.push_back(b / a);
        return v;
    };
    int order[4] = {0, 1, 2, 3};
    do {
        const double x = dice[order[0]], y = dice[order[1]], z = dice[order[2]], w = dice[order[3]];
        for (double v1 : six(x, y)) {
            for (double v2 : six(v1, z))
                for (double v3 : six(v2, w))
                    mark(v3);
            for (double v2 : six(z, w))
                for (double v3 : six(v1, v2))
                    mark(v3);
        }
    } while (std::next_permutation(order, order + 4));
    made.erase(0);
    return made;
}

} // namespace

class TestReachable : public QObject {
    Q_OBJECT

private slots:
    void everyThrowMakesExactlyWhatSomeExpressionEquals() {
        for (const Dice& dice : allThrows()) {
            const auto expected = independentlyMade(dice);
            QCOMPARE(members(tezzle::reachableNumbers(dice)), expected);
            QCOMPARE(members(tezzle::searchChains(dice) | tezzle::searchPairings(dice)), expected);
        }
    }

    void chainsAndPairsAreLookedUpAsTheyAreSearched() {
        for (const Dice& dice : allThrows()) {
            NumberSet allowed;
            tezzle::allowednumbers(dice, allowed);
            QCOMPARE(allowed, tezzle::searchChains(dice));
            NumberSet pairsOnly;
            tezzle::allowednumbers2(dice, pairsOnly);
            QCOMPARE(pairsOnly, tezzle::searchPairings(dice));
        }
    }

    void theOrderOfTheDiceDoesNotMatter() {
        for (const Dice& sorted : allThrows()) {
            Dice dice = sorted;
            const NumberSet expected = tezzle::reachableNumbers(sorted);
            while (std::next_permutation(dice.begin(), dice.end()))
                QCOMPARE(tezzle::reachableNumbers(dice), expected);
        }
    }

    void namedThrows_data() {
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<QList<int>>("made");
        QTest::addColumn<QList<int>>("notMade");
        QTest::newRow("2 3 4 6: 80/3 is no whole number")
            << Dice{2, 3, 4, 6} << QList<int>{26, 1, 96} << QList<int>{27};
        QTest::newRow("5 5 6 6: near misses stay out")
            << Dice{5, 5, 6, 6} << QList<int>{1, 2, 60} << QList<int>{3, 4, 7, 8, 23, 34};
        QTest::newRow("1 1 5 6: 6 / (1 + 1) + 5")
            << Dice{1, 1, 5, 6} << QList<int>{8} << QList<int>{};
        QTest::newRow("1 1 6 6: 6 / (1 + 1) + 6")
            << Dice{1, 1, 6, 6} << QList<int>{9} << QList<int>{};
        QTest::newRow("6 6 6 6: 6 * 6 + 6 * 6 is 72, 6 * 6 * 6 * 6 too large")
            << Dice{6, 6, 6, 6} << QList<int>{72, 1, 2} << QList<int>{100};
        QTest::newRow("1 1 1 1: four ones make at most 4")
            << Dice{1, 1, 1, 1} << QList<int>{1, 2, 3, 4} << QList<int>{5};
        QTest::newRow("4 6 1 3 from the rules")
            << Dice{6, 4, 3, 1} << QList<int>{14, 72, 96, 6, 40} << QList<int>{64, 46};
    }

    void namedThrows() {
        QFETCH(Dice, dice);
        QFETCH(QList<int>, made);
        QFETCH(QList<int>, notMade);
        const NumberSet allowed = tezzle::reachableNumbers(dice);
        for (int n : made)
            QVERIFY2(allowed.test(n), qPrintable(QString::number(n)));
        for (int n : notMade)
            QVERIFY2(!allowed.test(n), qPrintable(QString::number(n)));
        QVERIFY(!allowed.test(0));
    }

    // Rounding fractional values to the nearest number would accept 33 of the 126 throws'
    // numbers that no expression makes; exact arithmetic accepts none of them.
    void roundingWouldAcceptNumbersNoExpressionMakes() {
        int throwsWithExtras = 0;
        for (const Dice& dice : allThrows()) {
            const auto exact = members(tezzle::reachableNumbers(dice));
            const auto rounded = roundedMarking(dice);
            QVERIFY(std::includes(rounded.begin(), rounded.end(), exact.begin(), exact.end()));
            if (rounded != exact)
                ++throwsWithExtras;
        }
        QCOMPARE(throwsWithExtras, 33);
        QCOMPARE(roundedMarking({2, 3, 4, 6}).count(27), 1U);
    }

    void aNewThrowKeepsNoOldFlag() {
        NumberSet allowed = tezzle::reachableNumbers({6, 6, 5, 4});
        QVERIFY(allowed.test(100) || allowed.test(99) || allowed.count() > 40);
        tezzle::allowednumbers({1, 1, 1, 1}, allowed);
        tezzle::allowednumbers2({1, 1, 1, 1}, allowed);
        QCOMPARE(members(allowed), (std::set<int>{1, 2, 3, 4}));
    }

    void diceOutsideOneToSixAreStillSearchedSafely() {
        for (const Dice& dice : {Dice{0, 0, 0, 0}, Dice{7, 8, 9, 10}, Dice{-3, 2, 0, 6}}) {
            QCOMPARE(members(tezzle::reachableNumbers(dice)), independentlyMade(dice));
        }
    }
};

QTEST_APPLESS_MAIN(TestReachable)
#include "TestReachable.moc"
