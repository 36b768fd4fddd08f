#include <gtest/gtest.h>

#include "rules/board.h"
#include "rules/start_layouts.h"
#include "rules/tables.h"

using namespace xq;

TEST(BoardModel, cornersAndPalaceCentresMapOntoEachOtherUnderTheHalfTurn) {
    EXPECT_EQ(rowOf(52), 3);
    EXPECT_EQ(columnOf(52), 4);
    EXPECT_EQ(rowOf(204), 12);
    EXPECT_EQ(columnOf(204), 12);
    EXPECT_EQ(flipSquare(52), 204);
    EXPECT_EQ(flipSquare(204), 52);
    EXPECT_EQ(flipSquare(72), 184);
}

TEST(BoardModel, inBoardIsExactlyThePlayingArea) {
    for (int s : {51, 61, 36, 220}) EXPECT_EQ(inBoard[s], 0) << s;
    for (int s : {52, 60, 196, 204}) EXPECT_EQ(inBoard[s], 1) << s;
    int count = 0, palace = 0;
    for (int s = 0; s < 256; ++s) {
        count += inBoard[s];
        palace += inPalace[s];
        if (inPalace[s]) {
            EXPECT_EQ(inBoard[s], 1) << s;
        }
    }
    EXPECT_EQ(count, 90);
    EXPECT_EQ(palace, 18);
}

TEST(BoardModel, pieceTestsFollowTheColourBits) {
    EXPECT_TRUE(inHomeHalf(132, RedPawn));
    EXPECT_FALSE(inHomeHalf(132, BlackPawn));
    EXPECT_FALSE(inHomeHalf(124, RedPawn));
    EXPECT_TRUE(inHomeHalf(124, BlackPawn));
    for (int p = 8; p <= 22; ++p) {
        if (p == 15) continue;
        EXPECT_TRUE(canLandOn(p, 0)) << p;
        EXPECT_EQ(canLandOn(p, RedChariot), !isRed(p)) << p;
        EXPECT_EQ(canLandOn(p, BlackChariot), isRed(p)) << p;
    }
    EXPECT_FALSE(isRed(0));
    EXPECT_FALSE(isBlack(0));
    EXPECT_TRUE(sameRow(52, 60));
    EXPECT_FALSE(sameRow(52, 68));
    EXPECT_TRUE(sameColumn(52, 196));
}

TEST(EngineTables, differenceTablesSeparateTheStepKinds) {
    EXPECT_EQ(spanTable[256], 0);
    for (int d : {-33, -31, -18, 14, -14, 18, 31, 33}) EXPECT_EQ(spanTable[d + 256], 0) << d;
    for (int d : {-16, -1, 1, 16}) EXPECT_EQ(spanTable[d + 256], 1);
    for (int d : {-17, -15, 15, 17}) EXPECT_EQ(spanTable[d + 256], 2);
    for (int d : {-34, -30, 30, 34}) EXPECT_EQ(spanTable[d + 256], 3);
    for (int d : {-16, -1, 1, 16, -17, -15, 15, 17, -34, -30, 30, 34})
        EXPECT_EQ(horseLegTable[d + 256], 0) << d;
    EXPECT_EQ(horseLegTable[-33 + 256], -16);
    EXPECT_EQ(horseLegTable[14 + 256], -1);
    EXPECT_EQ(horseLegTable[-14 + 256], 1);
    EXPECT_EQ(horseLegTable[31 + 256], 16);
}

TEST(EngineTables, positionValuesOfBlackAreRedsGivenAHalfTurn) {
    EXPECT_EQ(pieceSquareValues[BlackPawn][186], 34);
    EXPECT_EQ(pieceSquareValues[RedPawn][70], 34);
    EXPECT_EQ(pieceSquareValues[RedChariot][72], 233);
    EXPECT_GT(static_cast<int>(pieceSquareValues[RedChariot][72]), 127);
    for (int k = 0; k < 7; ++k)
        for (int s = 1; s < 256; ++s)
            EXPECT_EQ(pieceSquareValues[16 + k][s], pieceSquareValues[8 + k][256 - s]);
    for (int s = 0; s < 256; ++s)
        if (!inBoard[s]) {
            for (int p = 0; p < 23; ++p) EXPECT_EQ(pieceSquareValues[p][s], 0);
        }
}

TEST(StartLayouts, handicapsRemoveOnlyRedHorses) {
    int red = 0, black = 0;
    for (int s = 0; s < 256; ++s) {
        if (isRed(startFull[s])) ++red;
        if (isBlack(startFull[s])) ++black;
    }
    EXPECT_EQ(red, 16);
    EXPECT_EQ(black, 16);
    EXPECT_EQ(startFull[200], RedKing);
    EXPECT_EQ(startFull[56], BlackKing);
    EXPECT_EQ(startFull[165], RedCannon);
    for (int s = 0; s < 256; ++s) {
        EXPECT_EQ(startLessOneHorse[s], s == 197 ? 0 : startFull[s]) << s;
        EXPECT_EQ(startLessTwoHorses[s], (s == 197 || s == 203) ? 0 : startFull[s]) << s;
    }
}
