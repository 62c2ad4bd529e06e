#pragma once

#include "NumberSet.h"
#include "Settings.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace tezzle {

// Grid adjacency in the file's direction order; what data/connarray.dat holds.
ConnArray gridConnArray();

// The covered hexagons of one shortest chain from hexagon 1 to hexagon 100 over connarray; empty
// when none joins them.
NumberSet joiningChain(const ConnArray& connarray, const NumberSet& covered);

// Whether covered hexagons join hexagon 1 to hexagon 100. A cheap precheck on the list of
// covered numbers decides whether the walk runs at all. Every check starts from reset().

class PathSearch {
public:
    static constexpr std::string_view kFoundPath = "Found path!";
    static constexpr std::string_view kNoPathFound = "No  path found!";

    // Back to the start values: every flag false.
    void reset() { *this = PathSearch{}; }

    // coveredCells holds the covered numbers in the order they were covered, then a 0;
    // coveredNext is their count + 1. True when 1 and 100 are covered, 2 or 3 is covered, and
    // at least 18 hexagons are.
    bool okToCheck(std::span<const std::int16_t> coveredCells, int coveredNext);

    // Walks the covered hexagons from hexagon 1 over connarray; sets pathFound exactly when a
    // chain of covered hexagons reaches hexagon 100.
    void findPath(const ConnArray& connarray, std::span<const std::int16_t> coveredCells,
                  int coveredNext);

    // What the last findPath found, as the board's hidden readout shows it.
    std::string_view readout() const { return pathFound ? kFoundPath : kNoPathFound; }

    bool has1 = false;
    bool has2 = false;
    bool has3 = false;
    bool has100 = false;
    bool enoughCovered = false;
    bool checkOK = false;
    bool pathFound = false;
};

} // namespace tezzle
