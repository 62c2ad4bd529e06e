// tezzle-solve D1 D2 D3 D4: every number 1 to 100 that a throw makes, with one way to make it.

#include "core/Expression.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

bool parseDie(const char* arg, int& value) {
    const char* end = arg + std::strlen(arg);
    const auto [stop, error] = std::from_chars(arg, end, value);
    return error == std::errc{} && stop == end && value >= 1 && value <= 6;
}

} // namespace

int main(int argc, char** argv) {
    tezzle::Dice dice{};
    bool ok = argc == 5;
    for (int i = 0; ok && i < 4; ++i)
        ok = parseDie(argv[i + 1], dice[i]);
    if (!ok) {
        std::fputs("usage: tezzle-solve D1 D2 D3 D4  (four dice values, whole numbers 1 to 6)\n",
                   stderr);
        return 2;
    }
    const auto examples = tezzle::workedExamples(dice);
    for (int n = 1; n <= 100; ++n)
        if (!examples[n].empty())
            std::printf("%d = %s\n", n, examples[n].c_str());
    return 0;
}
