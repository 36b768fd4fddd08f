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

// Just above the leaves, the list positions read one by one before the rest is swept at once.
constexpr int FrontierLazyPositions = 2;

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
    // Above the leaves every position is read lazily; just above them only the first few, where
    // most cut-offs happen, and the rest in one sweep.
    const int lazyEnd =
        depth == 1 && list.count > FrontierLazyPositions ? FrontierLazyPositions : list.count;
    for (int i = 0; i < lazyEnd; ++i) {
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

    if (lazyEnd < list.count) {
        return finishFrontier<Side>(Side == Red ? beta : alpha, best, bestHere, ply, safety,
                                    killers, list, order, lazyEnd);
    }

    // Step 6. Without a cut-off the last generated move that improved the score is credited.
    if (bestHere != 0) creditHistory(bestHere, depth);
    return best;
}

// The rest of the list of a node of remaining depth 1, from position `from` on. Its children are
// leaves, scored here without a call and touching no table, so every remaining move can be scored
// first. The cut-off bound cannot move any more, so the cut-off move is the first legal move at
// or beyond it in sorted order, and without one every legal move is tried and the best score is
// kept by the first move in sorted order that reaches it. The sorted order is descending by
// counter, so when the counters alone decide which move comes first, the rest of the sort is never
// run and a move is put to the King test only when its answer matters; equal counters that leave
// the order open take the remaining passes, as the lazy loop would.
template <int Side>
int Engine::finishFrontier(int cutBound, int best, Move bestHere, int ply,
                           const KingGuard<Side>& safety, const KillerRow& killers, MoveList& list,
                           HistoryOrder& order, int from) {
    // By list position as it stood before any of the remaining passes.
    constexpr std::int8_t Skipped = 0, Legal = 1, Unknown = 2;
    std::int8_t state[MoveList::Capacity];
    std::int16_t scores[MoveList::Capacity];
    const int count = list.count;

    // The move that stood at position p, wherever the sort has taken it since.
    auto isLegal = [&](int p, Move m) {
        if (state[p] == Unknown)
            state[p] = safety.moveLeavesKingAttacked(searchBoard, moveFrom(m), moveTo(m)) ? Skipped
                                                                                          : Legal;
        return state[p] == Legal;
    };
    auto cutsOff = [cutBound](int score) {
        return Side == Red ? score >= cutBound : score <= cutBound;
    };
    auto finish = [&] {
        if (bestHere != 0) creditHistory(bestHere, 1);
        return best;
    };

    // Every score, and the legal cut-off move with the greatest counter.
    const std::int16_t before = evalScore;
    int cut = -1;
    bool cutTied = false;
    for (int p = from; p < count; ++p) {
        const Move m = list.moves[p];
        state[p] = m == killers[0] || m == killers[1] ? Skipped : Unknown;
        const int f = moveFrom(m), t = moveTo(m);
        const int delta = moveDelta(searchBoard[f], f, t, searchBoard[t]);
        scores[p] = static_cast<std::int16_t>(Side == Red ? before + delta : before - delta);
        if (state[p] == Skipped || !cutsOff(scores[p])) continue;
        if (cut >= 0 && order.key(p) < order.key(cut)) continue;
        if (!isLegal(p, m)) continue;
        cutTied = cut >= 0 && order.key(p) == order.key(cut);
        if (!cutTied) cut = p;
    }
    // After a stop the value is thrown away with the whole iteration.
    if (stopSeen()) return 0;

    if (cut >= 0) {
        if (!cutTied) {
            // Tried before it: exactly the legal moves with a greater counter, unless another
            // holds the same counter and only the sort knows which side of it that one lands.
            const std::int32_t key = order.key(cut);
            int ahead = 0;
            bool open = false;
            for (int p = from; p < count && !open; ++p) {
                if (p == cut || order.key(p) < key || !isLegal(p, list.moves[p])) continue;
                ahead += order.key(p) > key;
                open = order.key(p) == key;
            }
            if (!open) {
                countNodes(ahead + 1);
                const Move m = list.moves[cut];
                creditHistory(m, 1);
                recordKiller(ply, m);
                return scores[cut];
            }
        }
    } else {
        // No cut-off: every legal move is tried. Among the best scores the greatest counter
        // comes first, and only a strictly better score replaces the best so far.
        int top = -1, tried = 0;
        bool topTied = false;
        for (int p = from; p < count; ++p) {
            if (!isLegal(p, list.moves[p])) continue;
            ++tried;
            if (top < 0 || better<Side>(scores[p], scores[top]) ||
                (scores[p] == scores[top] && order.key(p) > order.key(top))) {
                top = p;
                topTied = false;
            } else if (scores[p] == scores[top] && order.key(p) == order.key(top)) {
                topTied = true;
            }
        }
        if (top < 0 || !better<Side>(scores[top], best)) {
            countNodes(tried);
            return finish();
        }
        if (!topTied) {
            countNodes(tried);
            best = scores[top];
            bestHere = list.moves[top];
            return finish();
        }
    }

    // Equal counters leave the order open: finish the sort and walk it as the lazy loop would.
    order.startTags(from);
    for (int i = from; i < count; ++i) {
        order.settleTagged(i);
        const int p = order.tag(i);
        if (!isLegal(p, list.moves[i])) continue;
        countNode();
        const int score = scores[p];
        if (!better<Side>(score, best)) continue;
        if (cutsOff(score)) {
            creditHistory(list.moves[i], 1);
            recordKiller(ply, list.moves[i]);
            return score;
        }
        best = score;
        bestHere = list.moves[i];
    }
    return finish();
}

int Engine::searchMin(int beta, int alpha, int depth, int ply) {
    return searchNode<Black>(beta, alpha, depth, ply);
}

int Engine::searchMax(int beta, int alpha, int depth, int ply) {
    return searchNode<Red>(beta, alpha, depth, ply);
}

}  // namespace xq
