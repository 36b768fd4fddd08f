#include "rules/perft.h"

#include "rules/legality.h"
#include "rules/movegen.h"

namespace xq {

namespace {

// Makes every legal move of `side` in turn, calls visit(move) on the board after it, and takes
// the move back.
template <typename Visit>
void forEachLegalMove(Board& board, int side, Visit&& visit) {
    MoveList list;
    generateMoves(side, board, list);
    const KingSafety safety(side, board);
    for (Move m : list) {
        const int from = moveFrom(m), to = moveTo(m);
        const Piece moving = board[from];
        const Piece captured = board[to];
        board[from] = 0;
        board[to] = moving;
        if (!safety.leavesKingAttacked(board, from, to, moving)) visit(m);
        board[from] = moving;
        board[to] = captured;
    }
}

}  // namespace

std::uint64_t perft(Board& board, int side, int depth) {
    if (depth <= 0) return 1;
    std::uint64_t nodes = 0;
    forEachLegalMove(board, side,
                     [&](Move) { nodes += depth == 1 ? 1 : perft(board, side ^ 1, depth - 1); });
    return nodes;
}

std::vector<DivideEntry> divide(Board& board, int side, int depth) {
    std::vector<DivideEntry> entries;
    if (depth <= 0) return entries;
    forEachLegalMove(board, side, [&](Move m) {
        entries.push_back({m, depth == 1 ? 1 : perft(board, side ^ 1, depth - 1)});
    });
    return entries;
}

}  // namespace xq
