#include "rules/movegen.h"

#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "rules/tables.h"

namespace xq {

namespace {

// Words of eight squares from 48 up to 207 cover the playing squares 52..204; the margin squares
// in them are always empty.
constexpr int FirstScanSquare = 48;
constexpr int EndScanSquare = 208;
static_assert(FirstScanSquare <= FirstPlayingSquare && LastPlayingSquare < EndScanSquare &&
              (EndScanSquare - FirstScanSquare) % 8 == 0 && EndScanSquare <= 256);
constexpr std::uint64_t EveryByte = 0x0101010101010101ULL;

// Eight squares as one word, the lowest square in the lowest byte, so that counting trailing
// zero bits walks the squares upwards.
inline std::uint64_t loadEightSquares(const Piece* squares) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t word;
        std::memcpy(&word, squares, sizeof word);
        return word;
    } else {
        std::uint64_t word = 0;
        for (int i = 7; i >= 0; --i) word = (word << 8) | squares[i];
        return word;
    }
}

template <int Side>
void generateFor(const Board& board, MoveList& list) {
    const Piece* b = board.data();
    Move* out = list.moves;
    int n = 0;
    auto add = [&](int s, int t) { out[n++] = s + 256 * t; };
    // A target is open to a piece of this side when it is empty or holds an enemy.
    constexpr int ownFlag = Side ? RedFlag : BlackFlag;
    auto open = [&](int t) { return (b[t] & ownFlag) == 0; };

    // The squares of the own pieces in increasing order, found a word of eight squares at a time.
    for (int base = FirstScanSquare; base < EndScanSquare; base += 8) {
        std::uint64_t own = loadEightSquares(b + base) & (ownFlag * EveryByte);
        for (; own != 0; own &= own - 1) {
            const int s = base + (std::countr_zero(own) >> 3);
            const int p = b[s];
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
                        if (inBoard[t] && b[s + e / 2] == 0 && open(t) && inHomeHalf(t, p))
                            add(s, t);
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
