// The move record's text for one move, in Chinese notation, built from the position before it.
// Plain C++ with no Qt so that the command-line tool prints exactly what the window records.
#pragma once

#include <string>

#include "rules/board.h"

namespace xq {

// Red: "<n>." then the piece and Chinese numerals ("1.炮二平五"), n = moveNumber / 2 + 1, the
// number left out when moveNumber is 0. Black: two blanks, then the piece and full-width digits
// ("  马８进７"). Pieces of the same code sharing a file take 前, 中, 后 or 二, 三, 四 in place
// of the from-file. An empty from-square gives the empty text. UTF-8.
std::string moveNotation(int from, int to, const Board& board, int moveNumber);

}  // namespace xq
