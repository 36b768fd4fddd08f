// Performing moves: the record, the new position, and the sprite that slides to its square.
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include "rules/start_layouts.h"
#include "ui/board_geometry.h"
#include "window_fixture.h"

namespace xq::testing {
namespace {

class MoveRecordTest : public WindowTest {
  protected:
    QString record() { return control<QPlainTextEdit>("打谱框")->toPlainText(); }

    int spriteOnDisplaySquare(int d) {
        for (const SpriteEntry& e : state.spriteTable)
            if (e.square == d) return e.sprite;
        return 0;
    }
};

TEST_F(MoveRecordTest, performedMoveSlidesItsSpriteToTheTargetAndRecordsIt) {
    pressNewGame();
    const int cannon = spriteOnDisplaySquare(171);
    QSignalSpy arrived(&board(), &SpriteBoard::autoMoveStopped);
    QElapsedTimer clock;
    clock.start();

    window.moveRecord().performMove(171, 168);

    // The new position holds at once, while the sprite is still on its way over the others.
    EXPECT_EQ(state.gameBoard[168], RedCannon);
    EXPECT_EQ(state.gameBoard[171], 0);
    EXPECT_EQ(state.sideToMove, Black);
    EXPECT_EQ(state.pieceMoving, 1);
    EXPECT_EQ(state.animTargetSquare, 168);
    EXPECT_TRUE(board().isSliding(cannon));
    EXPECT_EQ(board().spriteLayer(cannon), 1);
    EXPECT_EQ(spriteOnDisplaySquare(168), cannon);
    EXPECT_EQ(record(), QStringLiteral("==开始==\n1.炮二平五 "));
    EXPECT_EQ(arrived.count(), 0);  // never from inside the call

    ASSERT_TRUE(arrived.wait(2000));
    // Three columns at 4 pixels a millisecond cannot take less than 171 / 4 ms.
    EXPECT_GE(clock.elapsed(), 42);
    EXPECT_EQ(arrived.count(), 1);
    EXPECT_EQ(arrived.at(0).at(0).toInt(), cannon);
    EXPECT_EQ(board().spriteLeft(cannon), squareLeft(168));
    EXPECT_EQ(board().spriteTop(cannon), squareTop(168));
    EXPECT_FALSE(arrived.wait(100));  // and only once
    EXPECT_EQ(state.pieceMoving, 0);
    EXPECT_EQ(board().spriteLayer(cannon), 0);
}

TEST_F(MoveRecordTest, recordNumbersRedMovesAndIndentsBlackReplies) {
    pressNewGame();
    playMove(171, 168);
    playMove(59, 90);
    playMove(203, 170);
    EXPECT_EQ(record(), QStringLiteral("==开始==\n1.炮二平五 \n  马８进７ \n2.马二进三 "));
    EXPECT_EQ(state.moveCount, 3);
    EXPECT_EQ(state.sideToMove, Black);
}

TEST_F(MoveRecordTest, moveMarksItsTwoSquaresAndClearsTheSelection) {
    pressNewGame();
    state.selectedSquare = 171;
    window.moveRecord().performMove(171, 168);
    EXPECT_EQ(state.selectedSquare, 0);
    EXPECT_EQ(board().spriteLeft(state.markerSprites[0]), squareLeft(171));
    EXPECT_EQ(board().spriteLeft(state.markerSprites[1]), squareLeft(168));
    EXPECT_FALSE(control("电脑思考标签")->isVisible());
}

TEST_F(MoveRecordTest, withBlackAtTheBottomTheSpriteOfTheTurnedSquareSlides) {
    pressNewGame();
    pressFlip();
    const int cannon = spriteOnDisplaySquare(256 - 171);
    playMove(171, 168);
    EXPECT_EQ(state.animTargetSquare, 256 - 168);
    EXPECT_EQ(board().spriteLeft(cannon), squareLeft(256 - 168));
    EXPECT_EQ(board().spriteTop(cannon), squareTop(256 - 168));
}

TEST_F(MoveRecordTest, captureRemovesTheTakenSpriteWhenTheMoverArrives) {
    pressNewGame();
    playMove(171, 168);                             // 炮二平五
    playMove(59, 90);                               // 马８进７
    const int victim = spriteOnDisplaySquare(104);  // Black's central pawn
    window.moveRecord().performMove(168, 104);
    EXPECT_EQ(board().spriteCount(), 34);  // both sprites stand until the arrival
    board().finishRunningMoves();
    QSignalSpy arrived(&board(), &SpriteBoard::autoMoveStopped);
    ASSERT_TRUE(arrived.wait(1000));
    EXPECT_EQ(board().spriteTemplate(victim), QString());
    EXPECT_EQ(state.spriteTable.size(), 31u);
    EXPECT_EQ(sounds.played.back(), Sound::Capture);
}

}  // namespace
}  // namespace xq::testing
