#include "rules/movegen.h"

#include <cassert>

#include "rules/tables.h"

namespace xq {

namespace {

template <int Side>
void generateFor(const Board& board, MoveList& list) {
    const Piece* b = board.data();
    Move* out = list.moves;
    int n = 0;
    auto add = [&](int s, int t) { out[n++] = s + 256 * t; };
    // A target is open to a piece of this side when it is empty or holds an enemy.
    constexpr int ownFlag = Side ? RedFlag : BlackFlag;
    auto open = [&](int t) { return (b[t] & ownFlag) == 0; };

    for (int s = FirstPlayingSquare; s <= LastPlayingSquare; ++s) {
        const int p = b[s];
        if ((p & ownFlag) == 0) continue;
        if (Side == Red && p == RedPawn) {
            int t = s - 16;
            if (inBoard[t] && open(t)) add(s, t);
            if ((s >> 7) == 0) {
                if (inBoard[s - 1] && open(s - 1)) add(s, s - 1);
                if (inBoard[s + 1] && open(s + 1)) add(s, s + 1);
            }
            continue;
        }
        if (Side == Black && p == BlackPawn) {
            int t = s + 16;
            if (inBoard[t] && open(t)) add(s, t);
            if ((s >> 7) == 1) {
                if (inBoard[s - 1] && open(s - 1)) add(s, s - 1);
                if (inBoard[s + 1] && open(s + 1)) add(s, s + 1);
            }
            continue;
        }
        switch (p & 7) {
            case Chariot:
                for (int d : kingDeltas) {
                    int t = s + d;
                    while (inBoard[t]) {
                        if (b[t] == 0) {
                            add(s, t);
                            t += d;
                            continue;
                        }
                        if (open(t)) add(s, t);
                        break;
                    }
                }
                break;
            case Horse:
                for (int j = 0; j < 4; ++j) {
                    if (b[s + kingDeltas[j]] != 0) continue;
                    for (int e : horseDeltas[j]) {
                        int t = s + e;
                        if (inBoard[t] && open(t)) add(s, t);
                    }
                }
                break;
            case Cannon:
                for (int d : kingDeltas) {
                    int t = s + d;
                    // Slide over empty squares, then look past the first piece (the screen).
                    while (inBoard[t] && b[t] == 0) {
                        add(s, t);
                        t += d;
                    }
                    if (!inBoard[t]) continue;
                    t += d;
                    while (inBoard[t]) {
                        if (b[t] != 0) {
                            if (open(t)) add(s, t);
                            break;
                        }
                        t += d;
                    }
                }
                break;
            case Elephant:
                for (int e : elephantDeltas) {
                    int t = s + e;
                    if (inBoard[t] && b[s + e / 2] == 0 && open(t) && inHomeHalf(t, p)) add(s, t);
                }
                break;
            case Advisor:
                for (int d : advisorDeltas) {
                    int t = s + d;
                    if (inPalace[t] && open(t)) add(s, t);
                }
                break;
            case King:
                for (int d : kingDeltas) {
                    int t = s + d;
                    if (inPalace[t] && open(t)) add(s, t);
                }
                break;
            default:
                break;
        }
    }
    assert(n <= MoveList::Capacity);
    list.count = n;
}

}  // namespace

void generateMoves(int side, const Board& board, MoveList& moveList) {
    if (side)
        generateFor<Red>(board, moveList);
    else
        generateFor<Black>(board, moveList);
}

}  // namespace xq
