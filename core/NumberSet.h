#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>

namespace tezzle {

// A set of hexagon numbers (0 to 127) in two machine words: the throw's makeable numbers, the
// covered hexagons and the neighbourhoods of the board are all sets of this kind, so the rules
// that combine them are a few word operations.
class NumberSet {
public:
    constexpr NumberSet() = default;

    static constexpr NumberSet of(std::initializer_list<int> numbers) {
        NumberSet s;
        for (int n : numbers)
            s.set(n);
        return s;
    }

    constexpr bool test(int n) const {
        return inRange(n) && ((words_[word(n)] >> bit(n)) & 1U) != 0;
    }
    constexpr void set(int n) {
        if (inRange(n))
            words_[word(n)] |= std::uint64_t{1} << bit(n);
    }
    constexpr void reset(int n) {
        if (inRange(n))
            words_[word(n)] &= ~(std::uint64_t{1} << bit(n));
    }
    constexpr void clear() { words_ = {}; }

    constexpr int count() const { return std::popcount(words_[0]) + std::popcount(words_[1]); }
    constexpr bool any() const { return (words_[0] | words_[1]) != 0; }
    constexpr bool none() const { return !any(); }

    // Smallest member, or 0 when the set is empty (0 is never a hexagon).
    constexpr int first() const {
        if (words_[0] != 0)
            return std::countr_zero(words_[0]);
        if (words_[1] != 0)
            return 64 + std::countr_zero(words_[1]);
        return 0;
    }

    template <class F> constexpr void forEach(F&& visit) const {
        for (int w = 0; w < 2; ++w) {
            std::uint64_t bits = words_[w];
            while (bits != 0) {
                visit(w * 64 + std::countr_zero(bits));
                bits &= bits - 1;
            }
        }
    }

    constexpr NumberSet& operator|=(const NumberSet& o) {
        words_[0] |= o.words_[0];
        words_[1] |= o.words_[1];
        return *this;
    }
    constexpr NumberSet& operator&=(const NumberSet& o) {
        words_[0] &= o.words_[0];
        words_[1] &= o.words_[1];
        return *this;
    }
    friend constexpr NumberSet operator|(NumberSet a, const NumberSet& b) { return a |= b; }
    friend constexpr NumberSet operator&(NumberSet a, const NumberSet& b) { return a &= b; }
    friend constexpr bool operator==(const NumberSet&, const NumberSet&) = default;

private:
    static constexpr bool inRange(int n) { return n >= 0 && n < 128; }
    static constexpr int word(int n) { return n >> 6; }
    static constexpr int bit(int n) { return n & 63; }

    std::array<std::uint64_t, 2> words_{};
};

} // namespace tezzle
