// Two people play by clicks on the board ("不用电脑"): what a press selects, moves or refuses.
#include "play_fixture.h"

namespace xq::testing {
namespace {

using BoardInputTest = PlayTest;

TEST_F(BoardInputTest, twoPeopleTakeTurnsByClicksAndTheComputerNeverThinks) {
    newGameWith({"不用电脑"});
    EXPECT_FALSE(isChecked("电脑执红"));
    EXPECT_FALSE(isChecked("电脑执黑"));
    EXPECT_EQ(state.thinkThread, 0);

    // Presses that do nothing: an empty square, an enemy piece, the border, with no selection.
    for (int square : {at("e5"), at("e0"), at("a3")}) pressSquare(square);
    QTest::mouseClick(board().viewport(), Qt::LeftButton, {}, board().mapFromScene(5, 300));
    EXPECT_EQ(state.selectedSquare, 0);
    EXPECT_EQ(state.markerSprites[0], 0);
    EXPECT_TRUE(sounds.played.empty());

    // A selection moves to another own piece and stays on the piece pressed again.
    pressSquare(at("b9"));
    EXPECT_EQ(state.selectedSquare, at("b9"));
    pressSquare(at("h7"), Qt::RightButton);
    EXPECT_EQ(state.selectedSquare, at("h7"));
    EXPECT_EQ(board().spriteLeft(state.markerSprites[0]), squareLeft(at("h7")));
    pressSquare(at("h7"));
    EXPECT_EQ(state.selectedSquare, at("h7"));
    // A square the Cannon cannot reach, and an enemy piece it cannot take: nothing happens.
    pressSquare(at("g5"));
    pressSquare(at("h2"));
    EXPECT_EQ(state.selectedSquare, at("h7"));
    EXPECT_EQ(state.moveCount, 0);

    // 1. 炮二平五, by the right button.
    pressSquare(at("e7"), Qt::RightButton);
    EXPECT_EQ(state.pieceMoving, 1);
    EXPECT_EQ(state.gameBoard[at("e7")], RedCannon);
    pressSquare(at("b9"));  // refused while the piece slides
    EXPECT_EQ(state.selectedSquare, 0);
    finishSlide();
    EXPECT_EQ(sounds.played.back(), Sound::Move);
    EXPECT_EQ(state.sideToMove, Black);
    EXPECT_TRUE(timer("下方时钟")->isRunning());  // the timers of Black's clocks
    EXPECT_FALSE(timer("上方时钟")->isRunning());

    // Black's turn: Red's pieces cannot be picked.
    pressSquare(at("e7"));
    EXPECT_EQ(state.selectedSquare, 0);
    pressMove(at("h0"), at("g2"));  // 马８进７
    finishSlide();
    pressMove(at("e7"), at("e3"));  // 炮五进四, taking the central Pawn
    finishSlide();
    EXPECT_EQ(sounds.played.back(), Sound::Capture);

    // Black's Advisor may not step between the Cannon and its King: the check clip, nothing else.
    const Board before = state.gameBoard;
    const auto soundsBefore = sounds.played.size();
    pressMove(at("f0"), at("e1"));
    EXPECT_EQ(sounds.played.size(), soundsBefore + 1);
    EXPECT_EQ(sounds.played.back(), Sound::Check);
    EXPECT_EQ(state.gameBoard, before);
    EXPECT_EQ(state.pieceMoving, 0);
    EXPECT_EQ(state.sideToMove, Black);
    EXPECT_EQ(state.selectedSquare, at("f0"));  // the selection stays

    pressMove(at("g2"), at("e3"));  // 马７进５, the Horse takes the Cannon instead
    finishSlide();
    EXPECT_EQ(state.moveCount, 4);
    EXPECT_EQ(state.gameBoard[at("e3")], BlackHorse);
    EXPECT_EQ(state.thinkThread, 0);
    expectSpritesAgreeWithBoard(state, board());
    EXPECT_TRUE(panelLines().isEmpty());
}

TEST_F(BoardInputTest, aSetUpGameIsPlayedFromBlacksSideWhenTheViewIsTurned) {
    newGameWith({"不用电脑"});
    pressFlip();
    ASSERT_EQ(state.viewFlipped, 1);
    pressMove(at("h7"), at("e7"));  // pressSquare maps squares through the turned view
    finishSlide();
    EXPECT_EQ(state.gameBoard[at("e7")], RedCannon);
    expectSpritesAgreeWithBoard(state, board());
}

}  // namespace
}  // namespace xq::testing
