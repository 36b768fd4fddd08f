// Where squares are drawn on the board "棋盘": display squares and pixels, both ways. The view
// may be turned round, so a square is drawn at its display square: itself, or its half-turn.
#pragma once

namespace xq {

constexpr int CellSize = 57;  // one square, and one piece picture, in pixels
constexpr int BoardWidth = 521;
constexpr int BoardHeight = 577;

constexpr int displaySquare(int square, bool flipped) {
    return flipped ? 256 - square : square;
}

// Top-left corner of a sprite standing on display square d.
constexpr int squareLeft(int d) {
    return (d % 16 - 4) * CellSize + 3;
}
constexpr int squareTop(int d) {
    return (d / 16 - 3) * CellSize + 3;
}

// The display square of a sprite whose top-left corner is (x, y).
constexpr int squareOfSpriteAt(int x, int y) {
    return (y / CellSize + 3) * 16 + x / CellSize + 4;
}

// The display square under a point of the board, or 0 outside the area that presses may use.
constexpr int squareAtPoint(int x, int y) {
    if (x <= 10 || x >= 511 || y <= 10 || y >= 567) return 0;
    return ((y + 168) / CellSize) * 16 + (x + 225) / CellSize;
}

}  // namespace xq
