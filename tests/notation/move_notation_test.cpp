// The move record's notation: the examples a player knows from printed games, and every way
// pieces of one code can share a file.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/positions.h"
#include "ui/notation/move_notation.h"

namespace xq {
namespace {

using testing::boardWith;

struct NotationCase {
    const char* name;
    Board board;
    int from, to, moveNumber;
    std::string expected;
};

Board afterRedCannonOpening() {
    Board b = testing::fen("startpos").board;
    b[168] = b[171];
    b[171] = 0;
    return b;
}

// Columns 4..12, rows 3 (Black's back row) .. 12 (Red's back row).
constexpr int sq(int row, int column) {
    return row * 16 + column;
}

const NotationCase notationCases[] = {
    // Opening moves and the usual forms.
    {"RedCannonSidewaysIsNumberedOne", testing::fen("startpos").board, 171, 168, 1, "1.炮二平五"},
    {"BlackHorseReplyIsIndentedWithFullWidthDigits", afterRedCannonOpening(), 59, 90, 2,
     "  马８进７"},
    {"RedSecondMoveIsNumberedTwo", afterRedCannonOpening(), 203, 170, 3, "2.马二进三"},
    {"ChariotAdvanceGivesDistance", boardWith({{sq(12, 12), RedChariot}}), sq(12, 12), sq(11, 12),
     9, "5.车一进一"},
    {"BlackCannonSideways", boardWith({{sq(5, 11), BlackCannon}}), sq(5, 11), sq(5, 8), 10,
     "  炮８平５"},
    {"AdvisorGivesDestinationFile", boardWith({{sq(12, 9), RedAdvisor}}), sq(12, 9), sq(11, 8), 17,
     "9.仕四进五"},
    {"ElephantGivesDestinationFile", boardWith({{sq(12, 10), RedElephant}}), sq(12, 10), sq(10, 8),
     19, "10.相三进五"},
    {"KingRetreatGivesDistance", boardWith({{sq(11, 8), RedKing}}, false), sq(11, 8), sq(12, 8), 23,
     "12.帅五退一"},
    {"HorseRetreatGivesDestinationFile", boardWith({{sq(10, 10), RedHorse}}), sq(10, 10),
     sq(12, 11), 5, "3.马三退二"},
    {"BlackPawnAdvanceCountsTowardRed", boardWith({{sq(7, 6), BlackPawn}}), sq(7, 6), sq(8, 6), 4,
     "  卒３进１"},
    {"MoveNumberZeroLeavesTheNumberOut", boardWith({{sq(10, 11), RedCannon}}), sq(10, 11),
     sq(10, 8), 0, "炮二平五"},
    {"EmptyFromSquareGivesEmptyText", boardWith({}), sq(9, 8), sq(8, 8), 1, ""},

    // Two, three, four and five pieces of one code on a file.
    {"FrontOfTwoRedCannons", boardWith({{sq(5, 8), RedCannon}, {sq(8, 8), RedCannon}}), sq(5, 8),
     sq(7, 8), 39, "20.前炮退二"},
    {"RearOfTwoRedCannons", boardWith({{sq(5, 8), RedCannon}, {sq(8, 8), RedCannon}}), sq(8, 8),
     sq(8, 4), 39, "20.后炮平九"},
    {"RearOfTwoBlackChariotsIsTheOneNearerHome",
     boardWith({{sq(4, 6), BlackChariot}, {sq(8, 6), BlackChariot}}), sq(4, 6), sq(4, 7), 2,
     "  后车平４"},
    {"MiddleOfThreeRedPawns",
     boardWith({{sq(5, 8), RedPawn}, {sq(6, 8), RedPawn}, {sq(7, 8), RedPawn}}), sq(6, 8), sq(6, 9),
     59, "30.中兵平四"},
    {"SecondOfFourRedPawnsCountsFromTheFront",
     boardWith(
         {{sq(3, 6), RedPawn}, {sq(4, 6), RedPawn}, {sq(5, 6), RedPawn}, {sq(6, 6), RedPawn}}),
     sq(4, 6), sq(4, 5), 1, "1.二兵平八"},
    {"ThirdOfFourRedPawns",
     boardWith(
         {{sq(3, 6), RedPawn}, {sq(4, 6), RedPawn}, {sq(5, 6), RedPawn}, {sq(6, 6), RedPawn}}),
     sq(5, 6), sq(5, 5), 1, "1.三兵平八"},
    {"RearOfFourRedPawns",
     boardWith(
         {{sq(3, 6), RedPawn}, {sq(4, 6), RedPawn}, {sq(5, 6), RedPawn}, {sq(6, 6), RedPawn}}),
     sq(6, 6), sq(5, 6), 1, "1.后兵进一"},
    {"FourthOfFiveBlackPawnsUsesChineseNumeralPrefix",
     boardWith({{sq(8, 10), BlackPawn},
                {sq(9, 10), BlackPawn},
                {sq(10, 10), BlackPawn},
                {sq(11, 10), BlackPawn},
                {sq(12, 10), BlackPawn}},
               false),
     sq(9, 10), sq(9, 11), 2, "  四卒平８"},
    {"SecondOfFiveBlackPawns",
     boardWith({{sq(8, 10), BlackPawn},
                {sq(9, 10), BlackPawn},
                {sq(10, 10), BlackPawn},
                {sq(11, 10), BlackPawn},
                {sq(12, 10), BlackPawn}},
               false),
     sq(11, 10), sq(12, 10), 2, "  二卒进１"},
    {"FrontOfFiveBlackPawnsIsTheOneNearestRed",
     boardWith({{sq(8, 10), BlackPawn},
                {sq(9, 10), BlackPawn},
                {sq(10, 10), BlackPawn},
                {sq(11, 10), BlackPawn},
                {sq(12, 10), BlackPawn}},
               false),
     sq(12, 10), sq(12, 9), 2, "  前卒平６"},
    {"SameCodeBeyondAnotherPieceStillCounts",
     boardWith({{sq(5, 4), RedChariot}, {sq(7, 4), BlackCannon}, {sq(9, 4), RedChariot}}), sq(5, 4),
     sq(7, 4), 7, "4.前车退二"},
    {"PiecesOfAnotherCodeOnTheFileDoNotCount",
     boardWith({{sq(5, 4), RedChariot}, {sq(9, 4), RedCannon}, {sq(8, 4), BlackChariot}}), sq(5, 4),
     sq(5, 5), 1, "1.车九平八"},
    {"TwoHorsesOnAFileTakeAPrefix", boardWith({{sq(8, 7), RedHorse}, {sq(10, 7), RedHorse}}),
     sq(10, 7), sq(8, 6), 1, "1.后马进七"},
    {"TwoAdvisorsOnAFileTakeNoPrefix",
     boardWith({{sq(12, 7), RedAdvisor}, {sq(10, 7), RedAdvisor}}), sq(10, 7), sq(11, 8), 1,
     "1.仕六退五"},
    {"TwoElephantsOnAFileTakeNoPrefix",
     boardWith({{sq(3, 6), BlackElephant}, {sq(7, 6), BlackElephant}}), sq(3, 6), sq(5, 8), 2,
     "  象３进５"},
};

class MoveNotation : public ::testing::TestWithParam<NotationCase> {};

TEST_P(MoveNotation, writesTheRecordText) {
    const NotationCase& c = GetParam();
    EXPECT_EQ(moveNotation(c.from, c.to, c.board, c.moveNumber), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, MoveNotation, ::testing::ValuesIn(notationCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MoveNotationInput, readsOnlyTheLowEightBitsOfASquare) {
    const Board board = testing::fen("startpos").board;
    EXPECT_EQ(moveNotation(171 + 256, 168 + 512, board, 1), "1.炮二平五");
}

}  // namespace
}  // namespace xq
