// Small helpers shared by the tests: positions from FEN, and from piece lists.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "rules/board.h"
#include "rules/fen.h"

namespace xq::testing {

inline Position fen(const std::string& text) {
    FenResult r = parseFen(text);
    EXPECT_TRUE(r.ok) << text << ": " << r.error;
    return r.position;
}

// A board with the two Kings on their usual squares plus the listed pieces.
inline Board boardWith(std::initializer_list<std::pair<int, int>> pieces, bool kings = true) {
    Board b{};
    if (kings) {
        b[200] = RedKing;
        b[56] = BlackKing;
    }
    for (auto [square, piece] : pieces) b[square] = static_cast<Piece>(piece);
    return b;
}

}  // namespace xq::testing
