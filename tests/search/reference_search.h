// A deliberately plain second search: every step written out as the game's rules of thinking
// describe it, with the whole-board King test and the whole exchange sort at every node. The
// engine's tuned search must choose the same moves with the same scores and node counts.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules/legality.h"
#include "rules/movegen.h"
#include "rules/tables.h"

namespace xq::testing {

class ReferenceSearch {
  public:
    struct Iteration {
        int depth;
        int score;
        Move best;
        std::uint64_t nodes;  // cumulative
    };

    std::vector<Iteration> think(int side, const Board& board, int startDepth, int lastDepth) {
        bestMove_ = 0;
        board_ = board;
        eval_ = 0;
        for (int s = 0; s < 256; ++s) {
            if (isRed(board_[s])) eval_ += pieceSquareValues[board_[s]][s];
            if (isBlack(board_[s])) eval_ -= pieceSquareValues[board_[s]][s];
        }
        history_.assign(65536, 0);
        killers_ = {};
        nodes_ = 0;
        std::vector<Iteration> out;
        for (int depth = startDepth; depth <= lastDepth; ++depth) {
            const int score = side ? root(1, depth) : root(0, depth);
            out.push_back({depth, score, bestMove_, nodes_});
            if (score > 9900 || score < -9900) break;
        }
        return out;
    }

  private:
    static int delta(int moving, int from, int to, int captured) {
        int d = pieceSquareValues[moving][to] - pieceSquareValues[moving][from];
        if (captured != 0) d += pieceSquareValues[captured][to];
        return d;
    }

    MoveList generate(int side) {
        MoveList moves;
        generateMoves(side, board_, moves);
        for (int i = 0; i + 1 < moves.count; ++i)
            for (int j = i + 1; j < moves.count; ++j)
                if (history_[moves.moves[i]] < history_[moves.moves[j]])
                    std::swap(moves.moves[i], moves.moves[j]);
        return moves;
    }

    int root(int side, int depth) {
        int best = side ? -10000 : 10000;
        for (Move m : generate(side)) {
            const int from = m & 255, to = m >> 8;
            const int moving = board_[from], captured = board_[to];
            board_[from] = 0;
            board_[to] = static_cast<Piece>(moving);
            if (!isKingAttacked(side, board_)) {
                const int d = delta(moving, from, to, captured);
                eval_ += side ? d : -d;
                const int score =
                    side ? node(0, 10000, best, depth - 1, 1) : node(1, best, -10000, depth - 1, 1);
                eval_ -= side ? d : -d;
                if (side ? score > best : score < best) {
                    best = score;
                    bestMove_ = m;
                }
            }
            board_[from] = static_cast<Piece>(moving);
            board_[to] = static_cast<Piece>(captured);
        }
        if (bestMove_ != 0) history_[bestMove_] += depth * depth;
        return side ? best : -best;
    }

    // side 1: searchMax, side 0: searchMin.
    int node(int side, int beta, int alpha, int depth, int ply) {
        ++nodes_;
        if (depth == 0) return eval_;
        int best = side ? ply - 10000 : 10000 - ply;
        Move bestHere = 0;
        bool cut = false;
        int cutScore = 0;
        auto tryMove = [&](Move m, bool generated) {
            const int from = m & 255, to = m >> 8;
            const int moving = board_[from], captured = board_[to];
            board_[from] = 0;
            board_[to] = static_cast<Piece>(moving);
            if (!isKingAttacked(side, board_)) {
                const int d = delta(moving, from, to, captured);
                eval_ += side ? d : -d;
                const int score = node(side ^ 1, beta, alpha, depth - 1, ply + 1);
                eval_ -= side ? d : -d;
                if (side ? score > best : score < best) {
                    if (side ? score >= beta : score <= alpha) {
                        if (generated) {
                            history_[m] += depth * depth;
                            killers_[ply][1] = killers_[ply][0];
                            killers_[ply][0] = m;
                        }
                        cut = true;
                        cutScore = score;
                    } else {
                        if (side) {
                            if (score > alpha) alpha = score;
                        } else {
                            if (score < beta) beta = score;
                        }
                        best = score;
                        if (generated) bestHere = m;
                    }
                }
            }
            board_[from] = static_cast<Piece>(moving);
            board_[to] = static_cast<Piece>(captured);
        };
        for (int slot = 0; slot < 2; ++slot) {
            const Move k = killers_[ply][slot];
            if (k == 0) continue;
            if (!(side ? isRed(board_[k & 255]) : isBlack(board_[k & 255]))) continue;
            if (!isPseudoLegalMove(k, board_)) continue;
            tryMove(k, false);
            if (cut) return cutScore;
        }
        for (Move m : generate(side)) {
            if (m == killers_[ply][0] || m == killers_[ply][1]) continue;
            tryMove(m, true);
            if (cut) return cutScore;
        }
        if (bestHere != 0) history_[bestHere] += depth * depth;
        return best;
    }

    Board board_{};
    int eval_ = 0;
    std::vector<std::int32_t> history_;
    std::array<std::array<Move, 2>, 52> killers_{};
    Move bestMove_ = 0;
    std::uint64_t nodes_ = 0;
};

}  // namespace xq::testing
