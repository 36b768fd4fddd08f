#include "ui/notation/move_notation.h"

#include <array>
#include <string_view>

#include "rules/tables.h"

namespace xq {

namespace {

constexpr std::array<std::string_view, 10> chineseNumerals = {"",   "一", "二", "三", "四",
                                                              "五", "六", "七", "八", "九"};
constexpr std::array<std::string_view, 10> fullWidthDigits = {"",   "１", "２", "３", "４",
                                                              "５", "６", "７", "８", "９"};

// Names by piece kind, King first.
constexpr std::array<std::string_view, 7> redNames = {"帅", "仕", "相", "马", "车", "炮", "兵"};
constexpr std::array<std::string_view, 7> blackNames = {"将", "士", "象", "马", "车", "炮", "卒"};

// Numbers 1 to 9 in the mover's form; anything else cannot come from a square on the board.
std::string_view numberText(int n, bool red) {
    if (n < 1 || n > 9) return "";
    return red ? chineseNumerals[n] : fullWidthDigits[n];
}

// Red counts files from its right (column 12 is file 1), Black from its own right (column 4).
int fileOf(int square, bool red) {
    return red ? 13 - columnOf(square) : columnOf(square) - 3;
}

// Squares holding `piece` on the file of `from`, starting one step away and walking by `step`
// until the edge of the board; other pieces in between do not stop the count.
int countAlongFile(const Board& board, int from, int step, Piece piece) {
    int count = 0;
    for (int s = from + step; s >= 0 && s < 256 && inBoard[s]; s += step) {
        if (board[s] == piece) ++count;
    }
    return count;
}

// 前 / 中 / 后 / 二 三 四 for a Horse, Chariot, Cannon or Pawn sharing its file; empty when alone.
std::string_view sameFilePrefix(const Board& board, int from, Piece piece, bool red) {
    const int forward = red ? -16 : 16;
    const int behind = countAlongFile(board, from, -forward, piece);
    const int ahead = countAlongFile(board, from, forward, piece);
    if (behind == 0 && ahead == 0) return "";
    if (behind == 0) return "后";
    if (ahead == 0) return "前";
    if (behind == 1 && ahead == 1) return "中";
    return numberText(ahead + 1, true);  // the inner ones, counted from the front
}

}  // namespace

std::string moveNotation(int from, int to, const Board& board, int moveNumber) {
    from &= 255;
    to &= 255;
    const Piece piece = board[from];
    if (piece == 0) return "";

    const bool red = isRed(piece);
    const int kind = pieceKind(piece);
    const int forwardDistance = red ? rowOf(from) - rowOf(to) : rowOf(to) - rowOf(from);
    const std::string_view prefix = kind >= Horse ? sameFilePrefix(board, from, piece, red) : "";

    std::string text;
    if (red) {
        if (moveNumber != 0) text += std::to_string(moveNumber / 2 + 1) + ".";
    } else {
        text += "  ";
    }
    text += prefix;
    text += red ? redNames[kind] : blackNames[kind];
    if (prefix.empty()) text += numberText(fileOf(from, red), red);

    const bool movesByFile = kind == Advisor || kind == Elephant || kind == Horse;
    if (movesByFile) {
        text += forwardDistance > 0 ? "进" : "退";
        text += numberText(fileOf(to, red), red);
    } else if (forwardDistance == 0) {
        text += "平";
        text += numberText(fileOf(to, red), red);
    } else {
        text += forwardDistance > 0 ? "进" : "退";
        text += numberText(forwardDistance > 0 ? forwardDistance : -forwardDistance, red);
    }
    return text;
}

}  // namespace xq
