// The worked examples: each one uses the four dice once, evaluates exactly to its number, and
// there is one for every number the throw makes and for no other.

#include "core/Expression.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <optional>
#include <string>

using tezzle::Dice;

namespace {

struct Rational {
    long long num = 0;
    long long den = 1;
};

// A small recursive-descent reader for "digit", + - * / and parentheses, evaluated exactly.
class Evaluator {
public:
    explicit Evaluator(const std::string& text)
        : text_(text) {}

    std::optional<Rational> evaluate() {
        const auto value = sum();
        skipBlanks();
        if (!value || pos_ != text_.size())
            return std::nullopt;
        return value;
    }

    std::string digits() const { return digits_; }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }
    bool take(char c) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    static Rational make(long long num, long long den) {
        if (den < 0) {
            num = -num;
            den = -den;
        }
        const long long g = std::gcd(num, den);
        return {num / g, den / g};
    }
    std::optional<Rational> sum() {
        auto left = product();
        while (left) {
            if (take('+')) {
                const auto r = product();
                if (!r)
                    return std::nullopt;
                left = make(left->num * r->den + r->num * left->den, left->den * r->den);
            } else if (take('-')) {
                const auto r = product();
                if (!r)
                    return std::nullopt;
                left = make(left->num * r->den - r->num * left->den, left->den * r->den);
            } else {
                break;
            }
        }
        return left;
    }
    std::optional<Rational> product() {
        auto left = atom();
        while (left) {
            if (take('*')) {
                const auto r = atom();
                if (!r)
                    return std::nullopt;
                left = make(left->num * r->num, left->den * r->den);
            } else if (take('/')) {
                const auto r = atom();
                if (!r || r->num == 0)
                    return std::nullopt;
                left = make(left->num * r->den, left->den * r->num);
            } else {
                break;
            }
        }
        return left;
    }
    std::optional<Rational> atom() {
        if (take('(')) {
            const auto inner = sum();
            if (!inner || !take(')'))
                return std::nullopt;
            return inner;
        }
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] >= '1' && text_[pos_] <= '6') {
            digits_ += text_[pos_];
            return Rational{text_[pos_++] - '0', 1};
        }
        return std::nullopt;
    }

    std::string text_;
    std::size_t pos_ = 0;
    std::string digits_;
};

} // namespace

class TestExpressions : public QObject {
    Q_OBJECT

private slots:
    void everyExampleMakesItsNumberFromTheDice() {
        for (int a = 1; a <= 6; ++a)
            for (int b = a; b <= 6; ++b)
                for (int c = b; c <= 6; ++c)
                    for (int d = c; d <= 6; ++d) {
                        const Dice dice{a, b, c, d};
                        const auto examples = tezzle::workedExamples(dice);
                        const auto allowed = tezzle::reachableNumbers(dice);
                        QVERIFY(examples[0].empty());
                        for (int n = 1; n <= 100; ++n) {
                            QCOMPARE(!examples[n].empty(), allowed.test(n));
                            if (examples[n].empty())
                                continue;
                            Evaluator e(examples[n]);
                            const auto value = e.evaluate();
                            QVERIFY2(value, examples[n].c_str());
                            QVERIFY2(value->den == 1 && value->num == n, examples[n].c_str());
                            std::string used = e.digits();
                            std::sort(used.begin(), used.end());
                            const std::string thrown{char('0' + a), char('0' + b), char('0' + c),
                                                     char('0' + d)};
                            QCOMPARE(used, thrown);
                        }
                    }
    }

    void examplesAreWrittenPlainly_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a sum needs no parentheses") << 6 << 4 << 3 << 1 << 14 << "6 + 4 + 3 + 1";
        QTest::newRow("a product neither") << 6 << 4 << 3 << 1 << 72 << "6 * 4 * 3 * 1";
    }

    void examplesAreWrittenPlainly() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, d);
        QFETCH(int, n);
        QFETCH(QString, expected);
        const auto examples = tezzle::workedExamples({a, b, c, d});
        QCOMPARE(QString::fromStdString(examples[n]), expected);
    }

    void divisionAndSubtractionKeepTheirParentheses() {
        using tezzle::Derivation;
        using tezzle::Operation;
        Derivation d;
        d.shape = tezzle::Shape::Pairs;
        d.positions = {0, 1, 2, 3};
        d.ops = {Operation::Minus, Operation::Minus, Operation::Divide};
        QCOMPARE(tezzle::formatDerivation({6, 1, 4, 3}, d), std::string("(6 - 1) / (4 - 3)"));
        d.ops = {Operation::Times, Operation::Divide, Operation::MinusSwapped};
        QCOMPARE(tezzle::formatDerivation({6, 1, 4, 2}, d), std::string("4 / 2 - 6 * 1"));
        d.shape = tezzle::Shape::Chain;
        d.ops = {Operation::Plus, Operation::DivideSwapped, Operation::Times};
        QCOMPARE(tezzle::formatDerivation({1, 1, 6, 5}, d), std::string("6 / (1 + 1) * 5"));
    }
};

QTEST_APPLESS_MAIN(TestExpressions)
#include "TestExpressions.moc"
