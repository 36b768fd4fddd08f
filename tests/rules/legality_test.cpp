#include <gtest/gtest.h>

#include "rules/legality.h"
#include "rules/movegen.h"
#include "rules/start_layouts.h"
#include "tests/support/positions.h"

using namespace xq;
using xq::testing::boardWith;
using xq::testing::fen;

struct PseudoLegalCase {
    const char* name;
    std::initializer_list<std::pair<int, int>> pieces;
    int from, to;
    bool expected;
};

TEST(IsPseudoLegalMove, followsEachPiecesRule) {
    const PseudoLegalCase cases[] = {
        {"empty from-square", {}, 132, 116, false},
        {"onto an own piece", {{132, RedChariot}, {116, RedPawn}}, 132, 116, false},
        {"from equals to", {{132, RedChariot}}, 132, 132, false},
        {"black piece on any turn", {{116, BlackChariot}}, 116, 132, true},
        {"chariot through a piece", {{132, RedChariot}, {116, RedPawn}}, 132, 100, false},
        {"chariot along a clear column", {{132, RedChariot}}, 132, 100, true},
        {"chariot captures along a clear column",
         {{132, RedChariot}, {100, BlackPawn}},
         132,
         100,
         true},
        {"chariot off its lines", {{132, RedChariot}}, 132, 117, false},
        {"cannon to an empty square past nothing", {{132, RedCannon}}, 132, 140, true},
        {"cannon to an empty square past a piece",
         {{132, RedCannon}, {134, RedPawn}},
         132,
         140,
         false},
        {"cannon capture without a screen", {{132, RedCannon}, {140, BlackPawn}}, 132, 140, false},
        {"cannon capture over one screen",
         {{132, RedCannon}, {134, RedPawn}, {140, BlackPawn}},
         132,
         140,
         true},
        {"cannon capture over two screens",
         {{132, RedCannon}, {134, RedPawn}, {136, BlackPawn}, {140, BlackPawn}},
         132,
         140,
         false},
        {"cannon capture along a column",
         {{196, RedCannon}, {148, RedPawn}, {52, BlackChariot}},
         196,
         52,
         true},
        {"cannon off its lines", {{132, RedCannon}}, 132, 149, false},
        {"horse with a blocked leg", {{136, RedHorse}, {120, RedPawn}}, 136, 103, false},
        {"horse with a free leg", {{136, RedHorse}}, 136, 103, true},
        {"horse straight two", {{136, RedHorse}}, 136, 168, false},
        {"elephant over an occupied eye", {{202, RedElephant}, {185, BlackPawn}}, 202, 168, false},
        {"elephant with a clear eye", {{202, RedElephant}}, 202, 168, true},
        {"red elephant across the river", {{134, RedElephant}}, 134, 100, false},
        {"king out of its palace", {{199, RedKing}, {200, 0}}, 199, 198, false},
        {"king two squares", {}, 200, 168, false},
        {"king one step", {}, 200, 184, true},
        {"advisor out of the palace", {{183, RedAdvisor}}, 183, 166, false},
        {"advisor diagonal in the palace", {{183, RedAdvisor}}, 183, 168, true},
        {"advisor straight step", {{184, RedAdvisor}}, 184, 168, false},
        {"red pawn sideways before the river", {{148, RedPawn}}, 148, 149, false},
        {"red pawn sideways across the river", {{116, RedPawn}}, 116, 117, true},
        {"red pawn backwards", {{116, RedPawn}}, 116, 132, false},
        {"red pawn forward", {{148, RedPawn}}, 148, 132, true},
        {"black pawn sideways before the river", {{116, BlackPawn}}, 116, 117, false},
        {"black pawn sideways across the river", {{148, BlackPawn}}, 148, 149, true},
        {"black pawn backwards", {{148, BlackPawn}}, 148, 132, false},
    };
    for (const PseudoLegalCase& c : cases) {
        Board b = boardWith(c.pieces);
        EXPECT_EQ(isPseudoLegalMove(makeMove(c.from, c.to), b), c.expected) << c.name;
    }
}

struct AttackCase {
    const char* name;
    std::initializer_list<std::pair<int, int>> pieces;
    bool redAttacked;
    bool blackAttacked;
};

TEST(IsKingAttacked, findsEveryKindOfAttacker) {
    // Red King on 200 and Black King on 56 unless moved; the default kings stand on column 8 and
    // face each other, so most cases put a blocker on 120 first.
    const AttackCase cases[] = {
        {"kings face each other on an open column", {}, true, true},
        {"one piece between the kings", {{120, RedPawn}}, false, false},
        {"cannon with one screen", {{120, RedPawn}, {88, BlackCannon}}, true, false},
        {"cannon with two screens",
         {{120, RedPawn}, {136, RedPawn}, {88, BlackCannon}},
         false,
         false},
        {"chariot on the row", {{120, RedPawn}, {196, BlackChariot}}, true, false},
        {"chariot on the row behind a piece",
         {{120, RedPawn}, {196, BlackChariot}, {198, RedPawn}},
         false,
         false},
        {"cannon on the row over a piece",
         {{120, RedPawn}, {196, BlackCannon}, {198, RedPawn}},
         true,
         false},
        {"horse on a diagonal neighbour does not attack",
         {{120, RedPawn}, {183, BlackHorse}},
         false,
         false},
        {"horse two rows up, one across, leg empty",
         {{120, RedPawn}, {167, BlackHorse}},
         true,
         false},
        {"horse two rows up, one across, leg occupied",
         {{120, RedPawn}, {167, BlackHorse}, {183, RedAdvisor}},
         false,
         false},
        {"black pawn in front of the red king", {{120, RedPawn}, {184, BlackPawn}}, true, false},
        {"black pawn beside the red king", {{120, RedPawn}, {201, BlackPawn}}, true, false},
        {"red pawn in front of the black king", {{120, RedPawn}, {72, RedPawn}}, false, true},
        {"red pawn behind the black king",
         {{120, RedPawn}, {56, 0}, {72, BlackKing}, {56, RedPawn}},
         false,
         false},
        {"red king missing", {{200, 0}}, true, false},
    };
    for (const AttackCase& c : cases) {
        Board b = boardWith(c.pieces);
        EXPECT_EQ(isKingAttacked(Red, b), c.redAttacked) << c.name;
        EXPECT_EQ(isKingAttacked(Black, b), c.blackAttacked) << c.name;
    }
}

TEST(IsKingAttacked, shortScanTowardsTheOwnBackRow) {
    // Red King on row 10: a Black Chariot two squares below attacks through an empty square;
    // with a piece between, only a Cannon there would.
    Board b = boardWith({{200, 0}, {168, RedKing}, {120, RedPawn}, {200, BlackChariot}});
    EXPECT_TRUE(isKingAttacked(Red, b));
    b[184] = RedAdvisor;
    EXPECT_FALSE(isKingAttacked(Red, b));
    b[200] = BlackCannon;
    EXPECT_TRUE(isKingAttacked(Red, b));
    // A Black Pawn behind the Red King does not attack it.
    Board behind = boardWith({{200, 0}, {184, RedKing}, {120, RedPawn}, {200, BlackPawn}});
    EXPECT_FALSE(isKingAttacked(Red, behind));
}

TEST(KingSafety, agreesWithTheFullTestOnEveryMoveOfTheReferencePositions) {
    const char* fens[] = {
        "startpos",
        "r2akabr1/9/2n1b1n2/p1p1p1p1p/1c7/2PC5/P3P1PcP/4C1N2/7R1/RNBAKAB2 w",
        "3rkab2/4a4/c3b1nR1/p1P5p/5np2/9/PR4P1P/4B4/4A4/2BAK4 b",
        "3k5/9/2R6/3n4P/2b3b2/2p6/9/3K3pB/1C7/3A1A3 w",
        "3C1k3/8r/bc1a4P/2R6/5nb2/2p2p3/2P1PN3/4B4/9/1NBAK4 b",
    };
    for (const char* text : fens) {
        Position pos = fen(text);
        for (int side : {Red, Black}) {
            MoveList list;
            generateMoves(side, pos.board, list);
            KingSafety safety(side, pos.board);
            for (Move m : list) {
                Board after = pos.board;
                int from = moveFrom(m), to = moveTo(m);
                after[to] = after[from];
                after[from] = 0;
                EXPECT_EQ(safety.leavesKingAttacked(after, from, to, after[to]),
                          isKingAttacked(side, after))
                    << text << " move " << from << "-" << to;
            }
        }
    }
}

TEST(GameEnd, noLegalMoveCoversMateAndStalemate) {
    // Mate: Chariots on rows 3 and 4, the Red King covers column 8.
    Position mate = fen("3k4R/8R/9/9/9/9/9/9/9/4K4 b");
    EXPECT_TRUE(isKingAttacked(Black, mate.board));
    EXPECT_TRUE(hasNoLegalMove(Black, mate.board));
    // Stalemate: not in check, but both King steps are covered.
    Position stalemate = fen("3k5/8R/9/9/9/9/9/9/9/4K4 b");
    EXPECT_FALSE(isKingAttacked(Black, stalemate.board));
    EXPECT_TRUE(hasNoLegalMove(Black, stalemate.board));
    EXPECT_FALSE(hasNoLegalMove(Black, fen("3k5/9/9/9/9/9/9/9/9/4K4 b").board));
    EXPECT_FALSE(hasNoLegalMove(Red, startFull));
}

TEST(GameEnd, materialDrawOnlyWithKingsAdvisorsAndElephants) {
    EXPECT_TRUE(isMaterialDraw(fen("2bak4/4a4/9/9/9/9/9/9/4A4/2BAK1B2 w").board));
    EXPECT_FALSE(isMaterialDraw(fen("3k5/9/9/9/9/9/9/9/9/3K1p3 w").board));
    EXPECT_FALSE(isMaterialDraw(startFull));
}
