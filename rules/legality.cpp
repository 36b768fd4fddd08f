#include "rules/legality.h"

#include "rules/movegen.h"

namespace xq {

bool isPseudoLegalMove(Move move, const Board& board) {
    const int from = moveFrom(move);
    const int to = moveTo(move);
    const int p = board[from];
    const int q = board[to];
    if (p == 0) return false;
    if (!canLandOn(p, q) || from == to) return false;
    const int kind = p & 7;
    const int d = to - from;

    if (kind == Chariot || kind == Cannon) {
        int step;
        if (sameRow(from, to))
            step = to < from ? -1 : 1;
        else if (sameColumn(from, to))
            step = to < from ? -16 : 16;
        else
            return false;
        int x = from + step;
        while (x != to && board[x] == 0) x += step;
        if (x == to) return q == 0 || kind == Chariot;
        if (q == 0 || kind != Cannon) return false;
        x += step;
        while (x != to && board[x] == 0) x += step;
        return x == to;
    }
    if (kind == Horse) {
        int leg = horseLegTable[d + 256];
        return leg != 0 && board[from + leg] == 0;
    }
    if (inPalace[to]) {
        if (kind == King) return spanTable[d + 256] == 1;
        if (kind == Advisor) return spanTable[d + 256] == 2;
    }
    if (kind == Elephant)
        return spanTable[d + 256] == 3 && board[from + d / 2] == 0 && inHomeHalf(to, p);
    if (p == RedPawn) {
        if (d == -16) return true;
        if ((from >> 7) != 0) return false;
        return d == -1 || d == 1;
    }
    if (p == BlackPawn) {
        if (d == 16) return true;
        return (from >> 7) == 1 && (d == -1 || d == 1);
    }
    return false;
}

int findKing(int side, const Board& board) {
    if (side) {
        for (int s : redPalaceSquares)
            if (board[s] == RedKing) return s;
    } else {
        for (int s : blackPalaceSquares)
            if (board[s] == BlackKing) return s;
    }
    return 0;
}

namespace {

// The scans outward from the King. Enemy codes: Pawn, Horse, Chariot, Cannon, King.
template <int Side>
bool attackedAt(const Piece* b, int e) {
    constexpr int pawn = Side ? BlackPawn : RedPawn;
    constexpr int horse = Side ? BlackHorse : RedHorse;
    constexpr int chariot = Side ? BlackChariot : RedChariot;
    constexpr int cannon = Side ? BlackCannon : RedCannon;
    constexpr int king = Side ? BlackKing : RedKing;
    constexpr int forward = Side ? -16 : 16;

    if (b[e + 1] == pawn || b[e - 1] == pawn || b[e + forward] == pawn) return true;

    for (int j = 0; j < 4; ++j) {
        if (b[e + advisorDeltas[j]] != 0) continue;
        if (b[e + horseCheckDeltas[j][0]] == horse || b[e + horseCheckDeltas[j][1]] == horse)
            return true;
    }

    // Along the row: right, then left, five squares each.
    for (int step : {1, -1}) {
        int x = e + step;
        int i = 0;
        for (; i < 5 && b[x] == 0; ++i) x += step;
        if (i == 5) continue;
        if (b[x] == chariot) return true;
        for (++i, x += step; i < 5 && b[x] == 0; ++i) x += step;
        if (i < 5 && b[x] == cannon) return true;
    }

    // Towards the own back row: two squares.
    const int back = -forward;
    if (b[e + back] != 0) {
        if (b[e + back] == chariot) return true;
        if (b[e + 2 * back] == cannon) return true;
    } else if (b[e + 2 * back] == chariot) {
        return true;
    }

    // Towards the enemy: nine squares.
    int x = e + forward;
    int i = 0;
    for (; i < 9 && b[x] == 0; ++i) x += forward;
    if (i == 9) return false;
    if (b[x] == chariot || b[x] == king) return true;
    for (++i, x += forward; i < 9 && b[x] == 0; ++i) x += forward;
    return i < 9 && b[x] == cannon;
}

}  // namespace

bool isKingAttackedAt(int side, const Board& board, int king) {
    return side ? attackedAt<Red>(board.data(), king) : attackedAt<Black>(board.data(), king);
}

bool isKingAttacked(int side, const Board& board) {
    int e = findKing(side, board);
    if (e == 0) return true;
    return isKingAttackedAt(side, board, e);
}

bool hasNoLegalMove(int side, const Board& board) {
    MoveList list;
    generateMoves(side, board, list);
    Board copy;
    for (Move m : list) {
        copy = board;
        int from = moveFrom(m), to = moveTo(m);
        copy[to] = copy[from];
        copy[from] = 0;
        if (!isKingAttacked(side, copy)) return false;
    }
    return true;
}

bool isMaterialDraw(const Board& board) {
    for (int s = FirstPlayingSquare; s <= LastPlayingSquare; ++s)
        if ((board[s] & 7) > Elephant) return false;
    return true;
}

}  // namespace xq
