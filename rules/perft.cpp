#include "rules/perft.h"

#include "rules/legality.h"
#include "rules/movegen.h"

namespace xq {

std::uint64_t perft(Board& board, int side, int depth) {
    if (depth <= 0) return 1;
    MoveList list;
    generateMoves(side, board, list);
    const KingSafety safety(side, board);
    std::uint64_t nodes = 0;
    for (Move m : list) {
        const int from = moveFrom(m), to = moveTo(m);
        const Piece moving = board[from];
        const Piece captured = board[to];
        board[from] = 0;
        board[to] = moving;
        if (!safety.leavesKingAttacked(board, from, to, moving))
            nodes += depth == 1 ? 1 : perft(board, side ^ 1, depth - 1);
        board[from] = moving;
        board[to] = captured;
    }
    return nodes;
}

std::vector<DivideEntry> divide(Board& board, int side, int depth) {
    std::vector<DivideEntry> entries;
    if (depth <= 0) return entries;
    MoveList list;
    generateMoves(side, board, list);
    for (Move m : list) {
        const int from = moveFrom(m), to = moveTo(m);
        const Piece moving = board[from];
        const Piece captured = board[to];
        board[from] = 0;
        board[to] = moving;
        if (!isKingAttacked(side, board))
            entries.push_back({m, depth == 1 ? 1 : perft(board, side ^ 1, depth - 1)});
        board[from] = moving;
        board[to] = captured;
    }
    return entries;
}

}  // namespace xq
