#pragma once

#include "core/Settings.h"

#include <string>

namespace tezzle {

enum class AdjacencyStatus {
    Complete,   // all 600 numbers read
    Missing,    // the file cannot be opened, is not a file or is far too large
    Short,      // the file ends before the 600th number
    NotANumber, // a field is not a whole number, or is empty
    OutOfRange, // a number does not fit in 16 bits
    NotOnBoard, // a number is neither 0 nor a hexagon 1 to 100
};

struct AdjacencyReadResult {
    AdjacencyStatus status = AdjacencyStatus::Missing;
    int valuesRead = 0; // how many of the 600 went into the table
    bool complete() const { return status == AdjacencyStatus::Complete; }
};

// Reads the board adjacency file into connarray: six numbers per hexagon, hexagons 1 to 100 in
// order, separated by commas, blanks or line breaks; anything after the 600th is ignored. A
// number is written without a plus sign, and a comma with nothing before or after it in its line
// (an empty field) is a fault. On a failure reading stops there: the values before it stay, the
// rest keep what they held. Only a complete table lets a game be played.
AdjacencyReadResult readConnArray(const std::string& path, ConnArray& connarray);

// The file's text for a table: one hexagon per line, six comma-separated neighbours.
std::string formatConnArray(const ConnArray& connarray);

} // namespace tezzle
