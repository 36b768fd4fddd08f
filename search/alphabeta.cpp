// The alpha-beta pair: searchMax for Red to move, searchMin for Black to move. One template
// serves both; every comparison is chosen by the side at compile time.
#include <cassert>

#include "rules/legality.h"
#include "search/engine.h"
#include "search/king_guard.h"

namespace xq {

namespace {

// The comparisons of the side to move: Red (the maximiser) wants greater scores.
template <int Side>
constexpr bool better(int score, int than) {
    if constexpr (Side == Red)
        return score > than;
    else
        return score < than;
}

}  // namespace

template <int Side>
int Engine::searchNode(int beta, int alpha, int depth, int ply) {
    constexpr int Opponent = Side ^ 1;
    countNode();
    // After a stop the value is thrown away with the whole iteration.
    if (stopSeen()) return 0;
    // Step 1. A leaf scores the position as it stands; mates are found one level up.
    if (depth == 0) return evalScore;
    assert(depth > 0 && ply >= 1 && ply <= MaxKillerPly);

    // Step 2. With no legal move the side to move is mated: the shorter the mate, the larger.
    int best = Side == Red ? ply - MateScore : MateScore - ply;
    Move bestHere = 0;
    const KingGuard<Side> safety(searchBoard);
    // The row of this ply cannot change before the node returns: only deeper plies write.
    const KillerRow killers = killerTable[ply];

    // Makes m, searches the reply and takes m back. False when m leaves the own King attacked.
    auto tryMove = [&](Move m, int& score) {
        const int from = moveFrom(m), to = moveTo(m);
        const Piece moving = searchBoard[from];
        const Piece captured = searchBoard[to];
        searchBoard[from] = 0;
        searchBoard[to] = moving;
        if (safety.leavesKingAttacked(searchBoard, from, to, moving, captured)) {
            searchBoard[from] = moving;
            searchBoard[to] = captured;
            return false;
        }
        const int delta = moveDelta(moving, from, to, captured);
        const std::int16_t before = evalScore;
        const auto after = static_cast<std::int16_t>(Side == Red ? before + delta : before - delta);
        if (depth == 1) {
            // The reply is a leaf, counted and scored here without the call.
            countNode();
            score = stopSeen() ? 0 : after;
        } else {
            evalScore = after;
            score = searchNode<Opponent>(beta, alpha, depth - 1, ply + 1);
            evalScore = before;
        }
        searchBoard[from] = moving;
        searchBoard[to] = captured;
        return true;
    };
    // A better score narrows the own bound: alpha for Red, beta for Black.
    auto narrow = [&](int score) {
        if constexpr (Side == Red) {
            if (score > alpha) alpha = score;
        } else {
            if (score < beta) beta = score;
        }
    };
    auto cutsOff = [&](int score) {
        if constexpr (Side == Red)
            return score >= beta;
        else
            return score <= alpha;
    };

    // Step 3. The killers of this ply, when they are this side's moves and still possible here.
    // A killer that cuts off returns at once and leaves both tables alone.
    for (Move k : killers) {
        if (k == 0) continue;
        const int p = searchBoard[moveFrom(k)];
        if (!(Side == Red ? isRed(p) : isBlack(p))) continue;
        if (!isPseudoLegalMove(k, searchBoard)) continue;
        int score;
        if (!tryMove(k, score) || !better<Side>(score, best)) continue;
        if (cutsOff(score)) return score;
        narrow(score);
        best = score;
    }

    // Steps 4 and 5. Every generated move by descending history, except the killers.
    MoveList list;
    generateMoves(Side, searchBoard, list);
    HistoryOrder order(historyTable, list);
    for (int i = 0; i < list.count; ++i) {
        order.settle(i);
        const Move m = list.moves[i];
        if (m == killers[0] || m == killers[1]) continue;
        int score;
        if (!tryMove(m, score) || !better<Side>(score, best)) continue;
        if (cutsOff(score)) {
            creditHistory(m, depth);
            recordKiller(ply, m);
            return score;
        }
        narrow(score);
        best = score;
        bestHere = m;
    }

    // Step 6. Without a cut-off the last generated move that improved the score is credited.
    if (bestHere != 0) creditHistory(bestHere, depth);
    return best;
}

int Engine::searchMin(int beta, int alpha, int depth, int ply) {
    return searchNode<Black>(beta, alpha, depth, ply);
}

int Engine::searchMax(int beta, int alpha, int depth, int ply) {
    return searchNode<Red>(beta, alpha, depth, ply);
}

}  // namespace xq
