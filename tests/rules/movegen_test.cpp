#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rules/movegen.h"
#include "rules/start_layouts.h"
#include "tests/support/positions.h"

using namespace xq;
using xq::testing::boardWith;

namespace {

std::vector<Move> movesOf(int side, const Board& b) {
    MoveList list;
    generateMoves(side, b, list);
    return {list.begin(), list.end()};
}

std::vector<int> targetsFrom(int side, const Board& b, int from) {
    std::vector<int> out;
    for (Move m : movesOf(side, b))
        if (moveFrom(m) == from) out.push_back(moveTo(m));
    return out;
}

}  // namespace

TEST(GenerateMoves, redFromTheStartLayoutInTheFixedOrder) {
    std::vector<Move> red = movesOf(Red, startFull);
    ASSERT_EQ(red.size(), 44u);
    EXPECT_EQ(red[0], 33940);
    const std::vector<Move> pawns = {makeMove(148, 132), makeMove(150, 134), makeMove(152, 136),
                                     makeMove(154, 138), makeMove(156, 140)};
    EXPECT_TRUE(std::equal(pawns.begin(), pawns.end(), red.begin()));
    const std::vector<int> cannon = {149, 133, 117, 101, 53, 164, 166, 167, 168, 169, 170, 181};
    EXPECT_EQ(targetsFrom(Red, startFull, 165), cannon);
    std::vector<Move> cannonMoves(red.begin() + 5, red.begin() + 5 + 12);
    for (size_t i = 0; i < cannon.size(); ++i) EXPECT_EQ(cannonMoves[i], makeMove(165, cannon[i]));
    EXPECT_EQ(red[42], makeMove(204, 188));
    EXPECT_EQ(red[43], makeMove(204, 172));
}

TEST(GenerateMoves, blackFromTheStartLayoutInTheFixedOrder) {
    std::vector<Move> black = movesOf(Black, startFull);
    ASSERT_EQ(black.size(), 44u);
    EXPECT_EQ(black[0], makeMove(52, 68));
    EXPECT_EQ(black[1], makeMove(52, 84));
    const std::vector<Move> pawns = {makeMove(100, 116), makeMove(102, 118), makeMove(104, 120),
                                     makeMove(106, 122), makeMove(108, 124)};
    EXPECT_TRUE(std::equal(pawns.begin(), pawns.end(), black.end() - 5));
}

struct TargetCase {
    const char* name;
    std::initializer_list<std::pair<int, int>> pieces;
    int side;
    int from;
    std::vector<int> targets;
};

TEST(GenerateMoves, eachPieceFollowsItsMovementRule) {
    const TargetCase cases[] = {
        {"red pawn on row 8 only advances", {{136, RedPawn}}, Red, 136, {120}},
        {"red pawn across the river: forward, left, right",
         {{120, RedPawn}},
         Red,
         120,
         {104, 119, 121}},
        {"red pawn on the last row steps sideways", {{54, RedPawn}}, Red, 54, {53, 55}},
        {"red pawn in the corner of the last row", {{52, RedPawn}}, Red, 52, {53}},
        {"black pawn on row 7 only advances", {{120, BlackPawn}}, Black, 120, {136}},
        {"black pawn across the river gains sideways",
         {{136, BlackPawn}},
         Black,
         136,
         {152, 135, 137}},
        {"elephant with a blocked eye", {{202, RedElephant}, {185, RedPawn}}, Red, 202, {172}},
        {"red elephant on row 8 cannot cross the river",
         {{134, RedElephant}},
         Red,
         134,
         {164, 168}},
        {"horse loses only the two moves of a blocked leg",
         {{136, RedHorse}, {120, RedPawn}},
         Red,
         136,
         {118, 150, 122, 154, 167, 169}},
        {"cannon screen: slides, then captures over one piece",
         {{134, RedCannon}, {118, BlackPawn}, {70, BlackPawn}},
         Red,
         134,
         {70, 133, 132, 135, 136, 137, 138, 139, 140, 150, 166, 182, 198}},
        {"cannon cannot capture over two screens",
         {{134, RedCannon}, {118, RedPawn}, {102, RedPawn}, {70, BlackPawn}},
         Red,
         134,
         {133, 132, 135, 136, 137, 138, 139, 140, 150, 166, 182, 198}},
        {"chariot stops before its own piece and on an enemy",
         {{132, RedChariot}, {100, RedPawn}, {135, BlackPawn}},
         Red,
         132,
         {116, 133, 134, 135, 148, 164, 180, 196}},
        {"king in the palace corner", {}, Red, 200, {184, 199, 201}},
        {"king in a palace corner has two moves", {{199, RedKing}, {200, 0}}, Red, 199, {183, 200}},
        {"advisor stays in the palace", {{199, RedAdvisor}}, Red, 199, {184}},
    };
    for (const TargetCase& c : cases) {
        Board b = boardWith(c.pieces);
        EXPECT_EQ(targetsFrom(c.side, b, c.from), c.targets) << c.name;
    }
}

TEST(GenerateMoves, listsMovesThatLeaveTheOwnKingAttacked) {
    // Red's King may step onto the open file of the Black King; the generator lists it anyway.
    Board b = boardWith({{200, 0}, {199, RedKing}});
    auto targets = targetsFrom(Red, b, 199);
    EXPECT_NE(std::find(targets.begin(), targets.end(), 200), targets.end());
}

TEST(GenerateMoves, emptyListWhenTheSideHasNoMove) {
    MoveList list;
    list.count = 7;  // earlier contents are discarded
    Board blackless = boardWith({{56, 0}});
    generateMoves(Black, blackless, list);
    EXPECT_EQ(list.size(), 0);
}
