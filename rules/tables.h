// The engine's constant tables, built at compile time. Every lookup goes by square number, by
// piece code, or by the square difference to - from + 256.
#pragma once

#include <array>
#include <cstdint>

#include "rules/board.h"

namespace xq {

namespace detail {

constexpr std::array<std::uint8_t, 256> makeInBoard() {
    std::array<std::uint8_t, 256> t{};
    for (int s = 0; s < 256; ++s) {
        int r = rowOf(s), c = columnOf(s);
        t[s] = (r >= 3 && r <= 12 && c >= 4 && c <= 12) ? 1 : 0;
    }
    return t;
}

constexpr std::array<std::uint8_t, 256> makeInPalace() {
    std::array<std::uint8_t, 256> t{};
    for (int s = 0; s < 256; ++s) {
        int r = rowOf(s), c = columnOf(s);
        bool row = (r >= 3 && r <= 5) || (r >= 10 && r <= 12);
        t[s] = (row && c >= 7 && c <= 9) ? 1 : 0;
    }
    return t;
}

constexpr std::array<std::uint8_t, 512> makeSpanTable() {
    std::array<std::uint8_t, 512> t{};
    for (int d : {-16, -1, 1, 16}) t[d + 256] = 1;
    for (int d : {-17, -15, 15, 17}) t[d + 256] = 2;
    for (int d : {-34, -30, 30, 34}) t[d + 256] = 3;
    return t;
}

constexpr std::array<std::int16_t, 512> makeHorseLegTable() {
    std::array<std::int16_t, 512> t{};
    for (int d : {-33, -31}) t[d + 256] = -16;
    for (int d : {-18, 14}) t[d + 256] = -1;
    for (int d : {-14, 18}) t[d + 256] = 1;
    for (int d : {31, 33}) t[d + 256] = 16;
    return t;
}

// Position values written from Red's side, rows 3..12 top to bottom, columns 4..12.
using ValueGrid = std::array<std::array<std::uint8_t, 9>, 10>;

constexpr ValueGrid kingGrid{{
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 1, 1, 1, 0, 0, 0},
    {0, 0, 0, 2, 2, 2, 0, 0, 0},
    {0, 0, 0, 11, 15, 11, 0, 0, 0},
}};

constexpr ValueGrid advisorGrid{{
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 20, 0, 20, 0, 0, 0},
    {0, 0, 0, 0, 23, 0, 0, 0, 0},
    {0, 0, 0, 20, 0, 20, 0, 0, 0},
}};

constexpr ValueGrid elephantGrid{{
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 20, 0, 0, 0, 20, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {18, 0, 0, 0, 23, 0, 0, 0, 18},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 20, 0, 0, 0, 20, 0, 0},
}};

constexpr ValueGrid horseGrid{{
    {90, 90, 90, 96, 90, 96, 90, 90, 90},
    {90, 96, 103, 97, 94, 97, 103, 96, 90},
    {92, 98, 99, 103, 99, 103, 99, 98, 92},
    {93, 108, 100, 107, 100, 107, 100, 108, 93},
    {90, 100, 99, 103, 104, 103, 99, 100, 90},
    {90, 98, 101, 102, 103, 102, 101, 98, 90},
    {92, 94, 98, 95, 98, 95, 98, 94, 92},
    {93, 92, 94, 95, 92, 95, 94, 92, 93},
    {85, 90, 92, 93, 78, 93, 92, 90, 85},
    {88, 85, 90, 88, 90, 88, 90, 85, 88},
}};

constexpr ValueGrid chariotGrid{{
    {206, 208, 207, 213, 214, 213, 207, 208, 206},
    {206, 212, 209, 216, 233, 216, 209, 212, 206},
    {206, 208, 207, 214, 216, 214, 207, 208, 206},
    {206, 213, 213, 216, 216, 216, 213, 213, 206},
    {208, 211, 211, 214, 215, 214, 211, 211, 208},
    {208, 212, 212, 214, 215, 214, 212, 212, 208},
    {204, 209, 204, 212, 214, 212, 204, 209, 204},
    {198, 208, 204, 212, 212, 212, 204, 208, 198},
    {200, 208, 206, 212, 200, 212, 206, 208, 200},
    {194, 206, 204, 212, 200, 212, 204, 206, 194},
}};

constexpr ValueGrid cannonGrid{{
    {100, 100, 96, 91, 90, 91, 96, 100, 100},
    {98, 98, 96, 92, 89, 92, 96, 98, 98},
    {97, 97, 96, 91, 92, 91, 96, 97, 97},
    {96, 99, 99, 98, 100, 98, 99, 99, 96},
    {96, 96, 96, 96, 100, 96, 96, 96, 96},
    {95, 96, 99, 96, 100, 96, 99, 96, 95},
    {96, 96, 96, 96, 96, 96, 96, 96, 96},
    {97, 96, 100, 99, 101, 99, 100, 96, 97},
    {96, 97, 98, 98, 98, 98, 98, 97, 96},
    {96, 96, 97, 99, 99, 99, 97, 96, 96},
}};

constexpr ValueGrid pawnGrid{{
    {9, 9, 9, 11, 13, 11, 9, 9, 9},
    {19, 24, 34, 42, 44, 42, 34, 24, 19},
    {19, 24, 32, 37, 37, 37, 32, 24, 19},
    {19, 23, 27, 29, 30, 29, 27, 23, 19},
    {14, 18, 20, 27, 29, 27, 20, 18, 14},
    {7, 0, 13, 0, 16, 0, 13, 0, 7},
    {7, 0, 7, 0, 15, 0, 7, 0, 7},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
}};

constexpr std::array<ValueGrid, 7> valueGrids{kingGrid,    advisorGrid, elephantGrid, horseGrid,
                                              chariotGrid, cannonGrid,  pawnGrid};

constexpr std::uint8_t gridValue(int kind, int s) {
    if (s <= 0 || s > 255) return 0;
    int r = rowOf(s), c = columnOf(s);
    if (r < 3 || r > 12 || c < 4 || c > 12) return 0;
    return valueGrids[kind][r - 3][c - 4];
}

// One row of 256 values per piece code 0..22; rows of codes that are no piece stay 0.
constexpr std::array<std::array<std::uint8_t, 256>, 23> makePieceSquareValues() {
    std::array<std::array<std::uint8_t, 256>, 23> t{};
    for (int s = 1; s < 256; ++s) {
        for (int k = 0; k < 7; ++k) t[8 + k][s] = gridValue(k, s);
        for (int k = 0; k < 7; ++k) t[16 + k][s] = gridValue(k, 256 - s);
    }
    return t;
}

}  // namespace detail

inline constexpr std::array<std::uint8_t, 256> inBoard = detail::makeInBoard();
inline constexpr std::array<std::uint8_t, 256> inPalace = detail::makeInPalace();

// Up, left, right, down: also the directions of Chariot and Cannon and the four Horse legs.
inline constexpr std::array<std::int16_t, 4> kingDeltas{-16, -1, 1, 16};
// The diagonal steps: up-left, up-right, down-left, down-right.
inline constexpr std::array<std::int16_t, 4> advisorDeltas{-17, -15, 15, 17};
inline constexpr std::array<std::int16_t, 4> elephantDeltas{-34, -30, 30, 34};
// Row j: the two Horse moves whose leg is the orthogonal step kingDeltas[j].
inline constexpr std::array<std::array<std::int16_t, 2>, 4> horseDeltas{
    {{-33, -31}, {-18, 14}, {-14, 18}, {31, 33}}};
// Row j: seen from an attacked square, the two squares from which a Horse attacks it through
// the leg square at advisorDeltas[j].
inline constexpr std::array<std::array<std::int16_t, 2>, 4> horseCheckDeltas{
    {{-33, -18}, {-31, -14}, {14, 31}, {18, 33}}};

// By to - from + 256: 1 a King step, 2 an Advisor step, 3 an Elephant step, 0 anything else.
inline constexpr std::array<std::uint8_t, 512> spanTable = detail::makeSpanTable();
// By to - from + 256: offset from the from-square to the Horse's leg; 0 when no Horse move.
inline constexpr std::array<std::int16_t, 512> horseLegTable = detail::makeHorseLegTable();

inline constexpr std::array<std::uint8_t, 9> redPalaceSquares{167, 168, 169, 183, 184,
                                                              185, 199, 200, 201};
inline constexpr std::array<std::uint8_t, 9> blackPalaceSquares{55, 56, 57, 71, 72, 73, 87, 88, 89};

// pieceSquareValues[code][square]: material and placement in one unsigned entry. Black's rows
// are Red's given a half-turn.
inline constexpr std::array<std::array<std::uint8_t, 256>, 23> pieceSquareValues =
    detail::makePieceSquareValues();

// The tables are compile-time constants, so a new game has nothing to rebuild; kept as the one
// place a game set-up calls before putting pieces on the board.
inline void initEngineTables() {}

}  // namespace xq
