#pragma once

#include "files/AdjacencyFile.h"
#include "files/SafeWrite.h"
#include "files/SmallFile.h"

#include <QString>

namespace tezzle::frontend {

// What a file reader or writer found, in the player's words: the one place they are chosen.

// Why a save failed, or the warning of one whose file is in place; empty for a sound save.
QString saveProblem(const WriteResult& result);

// What is at a path the game reads instead of a file: "a folder", "a named pipe".
QString foundInstead(FileKind found);

// Why the board adjacency file cannot be used.
QString adjacencyProblem(const AdjacencyReadResult& result);

} // namespace tezzle::frontend
