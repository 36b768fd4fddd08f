// The board model: squares, pieces, boards and move words, and the small pure tests on them.
#pragma once

#include <array>
#include <cstdint>

namespace xq {

// Square: a square number s on a 16 x 16 grid, row s >> 4 and column s & 15.
//   The playing area is rows 3..12 and columns 4..12 (squares 52..204); the rest is a margin
//   that never holds a piece and is deep enough for the longest step of any piece.
//   Rows 3..7 are Black's half, rows 8..12 Red's half, so s >> 7 is 0 on Black's half and 1 on
//   Red's. Palaces: rows 3..5 and 10..12, columns 7..9. One row up is -16.
using Square = std::uint8_t;

// Piece: bit 3 (8) marks Red, bit 4 (16) marks Black, bits 0..2 give the kind. 0 is empty.
using Piece = std::uint8_t;

// Move: a 32-bit word.
//   bits 0- 7: from-square
//   bits 8-15: to-square
//   bits 16-31: zero
// 0 means "no move"; no real move starts on square 0.
using Move = std::int32_t;

using Board = std::array<Piece, 256>;

// Sides wherever a side is passed or stored.
constexpr int Black = 0;
constexpr int Red = 1;

enum PieceKind : int { King = 0, Advisor, Elephant, Horse, Chariot, Cannon, Pawn };

constexpr Piece RedFlag = 8;
constexpr Piece BlackFlag = 16;
constexpr Piece RedKing = 8, RedAdvisor = 9, RedElephant = 10, RedHorse = 11, RedChariot = 12,
                RedCannon = 13, RedPawn = 14;
constexpr Piece BlackKing = 16, BlackAdvisor = 17, BlackElephant = 18, BlackHorse = 19,
                BlackChariot = 20, BlackCannon = 21, BlackPawn = 22;

constexpr Square FirstPlayingSquare = 52;
constexpr Square LastPlayingSquare = 204;

constexpr int pieceKind(int p) {
    return p & 7;
}
constexpr bool isRed(int p) {
    return (p & 8) != 0;
}
constexpr bool isBlack(int p) {
    return (p & 16) != 0;
}
// The side (Red 1, Black 0) a piece belongs to; only meaningful for a real piece.
constexpr int sideOf(int p) {
    return (p >> 3) & 1;
}

// May piece p end its move on a square holding q? Empty or enemy.
constexpr bool canLandOn(int p, int q) {
    return q == 0 || isRed(p) != isRed(q);
}

// Is square s in the own half of the side of piece p?
constexpr bool inHomeHalf(int s, int p) {
    return ((s & 0xFF) >> 7) != ((p & 0xFF) >> 4);
}

constexpr bool sameRow(int a, int b) {
    return ((a ^ b) & 0xF0) == 0;
}
constexpr bool sameColumn(int a, int b) {
    return ((a ^ b) & 0x0F) == 0;
}

// The half-turn of the board: row r -> 15 - r, column c -> 16 - c.
constexpr int flipSquare(int s) {
    return 256 - s;
}

constexpr int rowOf(int s) {
    return s >> 4;
}
constexpr int columnOf(int s) {
    return s & 15;
}
constexpr int squareAt(int row, int column) {
    return row * 16 + column;
}

constexpr int moveFrom(Move m) {
    return m & 255;
}
constexpr int moveTo(Move m) {
    return (m >> 8) & 255;
}
constexpr Move makeMove(int from, int to) {
    return from + 256 * to;
}

}  // namespace xq
