// The three layouts a new game can begin from. The handicap always falls on Red.
#pragma once

#include "rules/board.h"

namespace xq {

namespace detail {

constexpr Board makeFullLayout() {
    Board b{};
    constexpr Piece blackBack[9] = {20, 19, 18, 17, 16, 17, 18, 19, 20};
    constexpr Piece redBack[9] = {12, 11, 10, 9, 8, 9, 10, 11, 12};
    for (int c = 0; c < 9; ++c) {
        b[squareAt(3, 4 + c)] = blackBack[c];
        b[squareAt(12, 4 + c)] = redBack[c];
    }
    b[squareAt(5, 5)] = b[squareAt(5, 11)] = BlackCannon;
    b[squareAt(10, 5)] = b[squareAt(10, 11)] = RedCannon;
    for (int c = 4; c <= 12; c += 2) {
        b[squareAt(6, c)] = BlackPawn;
        b[squareAt(9, c)] = RedPawn;
    }
    return b;
}

constexpr Board withoutSquares(Board b, std::initializer_list<int> squares) {
    for (int s : squares) b[s] = 0;
    return b;
}

}  // namespace detail

inline constexpr Board startFull = detail::makeFullLayout();
// Red without its left Horse (square 197).
inline constexpr Board startLessOneHorse = detail::withoutSquares(startFull, {197});
// Red without both Horses (squares 197 and 203).
inline constexpr Board startLessTwoHorses = detail::withoutSquares(startFull, {197, 203});

}  // namespace xq
