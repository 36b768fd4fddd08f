// The computer answers on its own: "我先走", "电脑先走" and "电脑对局".
#include <QRegularExpression>

#include <atomic>
#include <memory>

#include "play_fixture.h"

namespace xq::testing {
namespace {

class ComputerPlayTest : public PlayTest {
  protected:
    // One line per completed depth, the depths counting up from the level's start depth.
    void expectPanelShowsConsecutiveDepthsFrom(int startDepth) {
        const QStringList lines = panelLines();
        ASSERT_FALSE(lines.isEmpty());
        static const QRegularExpression line(QStringLiteral("^([ \\d]\\d) ( *-?\\d+) ( *\\d+)$"));
        for (int i = 0; i < lines.size(); ++i) {
            SCOPED_TRACE(lines[i].toStdString());
            const auto match = line.match(lines[i]);
            ASSERT_TRUE(match.hasMatch());
            EXPECT_EQ(match.captured(1).trimmed().toInt(), startDepth + i);
            EXPECT_EQ(match.captured(2).size(), 5);
            EXPECT_EQ(match.captured(3).size(), 6);
        }
    }
};

TEST_F(ComputerPlayTest, withIMoveFirstTheComputerAnswersEachMoveOnItsOwn) {
    newGameWith({"我先走"});
    EXPECT_FALSE(isChecked("电脑执红"));
    EXPECT_TRUE(isChecked("电脑执黑"));
    EXPECT_EQ(state.viewFlipped, 0);
    EXPECT_EQ(state.thinkThread, 0);  // Red, the person, moves first

    pressMove(at("h7"), at("e7"));
    finishSlide();
    // The arrival hands the turn to the computer, which starts thinking at once.
    EXPECT_NE(state.thinkThread, 0);
    EXPECT_TRUE(thinkingLabelShown());
    EXPECT_EQ(caption(), QStringLiteral("电脑思考中,请耐心等待..."));
    EXPECT_FALSE(control("悔棋")->isEnabled());
    pressSquare(at("b9"));  // refused while the computer thinks
    EXPECT_EQ(state.selectedSquare, 0);

    waitForComputerMove();
    EXPECT_FALSE(thinkingLabelShown());
    EXPECT_EQ(state.moveCount, 2);
    EXPECT_EQ(state.sideToMove, Red);
    expectPanelShowsConsecutiveDepthsFrom(3);  // "黄金" starts at depth 3
    finishSlide();
    EXPECT_TRUE(control("悔棋")->isEnabled());
    EXPECT_FALSE(computer.isThinking());
    expectSpritesAgreeWithBoard(state, board());

    // And again after the person's next move.
    pressMove(at("b9"), at("c7"));
    finishSlide();
    waitForComputerMove();
    finishSlide();
    EXPECT_EQ(state.moveCount, 4);
    expectSpritesAgreeWithBoard(state, board());
}

TEST_F(ComputerPlayTest, withTheComputerFirstBlackIsAtTheBottomAndRedOpensWithoutAClick) {
    newGameWith({"电脑先走", "钻石"});
    EXPECT_TRUE(isChecked("电脑执红"));
    EXPECT_FALSE(isChecked("电脑执黑"));
    EXPECT_EQ(state.viewFlipped, 1);
    // Black's King stands at the bottom of the board.
    expectSpritesAgreeWithBoard(state, board());
    EXPECT_GT(squareTop(displaySquare(at("e0"), true)), BoardHeight / 2);
    EXPECT_NE(state.thinkThread, 0);
    EXPECT_TRUE(thinkingLabelShown());
    EXPECT_TRUE(timer("上方时钟")->isRunning());  // the timer of Red's step clock
    EXPECT_EQ(labelText("级别显示"), QStringLiteral("当前级别:钻石"));

    waitForComputerMove();
    expectPanelShowsConsecutiveDepthsFrom(4);  // "钻石" starts at depth 4
    EXPECT_EQ(state.moveCount, 1);
    EXPECT_EQ(state.sideToMove, Black);
    finishSlide();
    EXPECT_EQ(state.thinkThread, 0);  // the person plays Black
    expectSpritesAgreeWithBoard(state, board());
}

TEST_F(ComputerPlayTest, playingItselfTheComputerMovesBothSidesAndIgnoresEveryPress) {
    newGameWith({"电脑对局"});
    EXPECT_TRUE(isChecked("电脑执红"));
    EXPECT_TRUE(isChecked("电脑执黑"));
    for (int moves = 1; moves <= 4; ++moves) {
        waitForComputerMove();
        pressSquare(state.sideToMove == Red ? at("b9") : at("b0"));
        EXPECT_EQ(state.selectedSquare, 0);
        finishSlide();
        EXPECT_EQ(state.moveCount, moves);
        expectSpritesAgreeWithBoard(state, board());
        pressSquare(at("a9"));  // also between the moves
        EXPECT_EQ(state.selectedSquare, 0);
    }
}

TEST_F(ComputerPlayTest, playingItselfFromANearEndPositionTheComputerPlaysOnToAResult) {
    // Two Red Chariots against a bare King: Red mates within a few moves.
    setUpGame("9/4k4/9/R8/9/9/8R/9/9/3K5 w", true, true);
    for (int moves = 0; moves < 40 && !state.gameOver; ++moves) {
        waitForComputerMove();
        finishSlide();
    }
    ASSERT_EQ(state.gameOver, 1);
    EXPECT_EQ(caption(), QStringLiteral("红胜"));
    EXPECT_TRUE(thinkingLabelShown());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], QStringLiteral("红方胜利,请重新建立对局"));
    EXPECT_FALSE(anyClockRunning());
    EXPECT_EQ(state.thinkThread, 0);
    EXPECT_FALSE(computer.isThinking());
}

TEST_F(ComputerPlayTest, aThinkWhoseBudgetIsSpentBeforeItsFirstDepthStillMoves) {
    // Every reading of the clock is a minute after the one before: no depth fits the budget.
    auto minutes = std::make_shared<std::atomic<std::int64_t>>(0);
    computer.setClock([minutes] { return minutes->fetch_add(60000); });
    newGameWith({"电脑先走"});
    waitForComputerMove();
    EXPECT_EQ(state.moveCount, 1);
    expectPanelShowsConsecutiveDepthsFrom(3);  // the first depth only
    EXPECT_EQ(panelLines().size(), 1);
}

TEST_F(ComputerPlayTest, clickingALevelDuringAThinkShowsItAtOnceAndTheThinkGoesOn) {
    newGameWith({"电脑先走"});
    ASSERT_NE(state.thinkThread, 0);
    click("王者");
    EXPECT_EQ(labelText("级别显示"), QStringLiteral("当前级别:王者"));
    EXPECT_EQ(state.levelTimeMs, 8500);
    EXPECT_EQ(state.levelStartDepth, 6);
    waitForComputerMove();
    expectPanelShowsConsecutiveDepthsFrom(3);  // the running think kept "黄金"
}

}  // namespace
}  // namespace xq::testing
