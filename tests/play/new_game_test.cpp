// "新建对局": the set-up it reads, the level, and a game dropped while the computer thinks or a
// piece slides.
#include "play_fixture.h"
#include "rules/start_layouts.h"

namespace xq::testing {
namespace {

struct SetUpCase {
    const char* name;
    std::vector<const char*> clicks;  // radio buttons clicked before "新建对局"
    int viewFlipped;
    bool computerRed;
    bool computerBlack;
    const Board* layout;
    const char* level;
    int levelTimeMs;
    int levelStartDepth;
};

const SetUpCase setUpCases[] = {
    {"designedDefaults", {}, 0, false, true, &startFull, "黄金", 2500, 3},
    {"computerFirst", {"电脑先走"}, 1, true, false, &startFull, "黄金", 2500, 3},
    {"computerAgainstItself", {"电脑对局"}, 0, true, true, &startFull, "黄金", 2500, 3},
    {"twoPeople", {"不用电脑"}, 0, false, false, &startFull, "黄金", 2500, 3},
    {"oneHorseLess", {"让单马"}, 0, false, true, &startLessOneHorse, "黄金", 2500, 3},
    {"twoHorsesLessForThePerson",
     {"让双马", "我先走"},
     0,
     false,
     true,
     &startLessTwoHorses,
     "黄金",
     2500,
     3},
    {"diamond", {"钻石"}, 0, false, true, &startFull, "钻石", 4500, 4},
    {"master", {"大师"}, 0, false, true, &startFull, "大师", 6500, 5},
    {"king", {"王者"}, 0, false, true, &startFull, "王者", 8500, 6},
};

void PrintTo(const SetUpCase& c, std::ostream* out) {
    *out << c.name;
}

class NewGameSetUpTest : public PlayTest, public ::testing::WithParamInterface<SetUpCase> {};

TEST_P(NewGameSetUpTest, readsWhoMovesFirstTheHandicapAndTheLevelFromTheButtons) {
    const SetUpCase& c = GetParam();
    for (const char* name : c.clicks) click(name);
    pressNewGame();
    computer.stop();  // only the set-up matters here
    EXPECT_EQ(state.viewFlipped, c.viewFlipped);
    EXPECT_EQ(isChecked("电脑执红"), c.computerRed);
    EXPECT_EQ(isChecked("电脑执黑"), c.computerBlack);
    EXPECT_EQ(state.gameBoard, *c.layout);
    EXPECT_EQ(state.startPosition, *c.layout);
    EXPECT_EQ(state.levelName, QString::fromUtf8(c.level));
    EXPECT_EQ(state.levelTimeMs, c.levelTimeMs);
    EXPECT_EQ(state.levelStartDepth, c.levelStartDepth);
    EXPECT_EQ(labelText("级别显示"), QStringLiteral("当前级别:") + QString::fromUtf8(c.level));
    EXPECT_EQ(state.sideToMove, Red);
    EXPECT_TRUE(timer("上方时钟")->isRunning());  // Red's clocks run from the start
    EXPECT_FALSE(timer("下方时钟")->isRunning());
    expectSpritesAgreeWithBoard(state, board());
}

INSTANTIATE_TEST_SUITE_P(Choices, NewGameSetUpTest, ::testing::ValuesIn(setUpCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayTest, aLevelButtonAppliesItsLevelWhenClicked) {
    EXPECT_EQ(labelText("级别显示"), QStringLiteral("当前级别:"));
    EXPECT_EQ(state.levelTimeMs, 0);
    click("大师");
    EXPECT_EQ(labelText("级别显示"), QStringLiteral("当前级别:大师"));
    EXPECT_EQ(state.levelTimeMs, 6500);
    EXPECT_EQ(state.levelStartDepth, 5);
    EXPECT_TRUE(isChecked("大师"));
    EXPECT_FALSE(isChecked("黄金"));
    click("黄金");
    EXPECT_EQ(labelText("级别显示"), QStringLiteral("当前级别:黄金"));
    EXPECT_EQ(state.levelTimeMs, 2500);
}

// A game the computer is busy in: thinking, or with its move's piece sliding.
class DroppedGameTest : public PlayTest {
  protected:
    // "电脑先走" at the full budget of its level: the think is surely still running.
    void computerThinking() {
        computer.capThinks(0, 0);
        newGameWith({"电脑先走"});
        ASSERT_NE(state.thinkThread, 0);
        ASSERT_TRUE(computer.isThinking());
    }
    void computerMoveSliding() {
        newGameWith({"电脑先走"});
        waitForComputerMove();
        ASSERT_TRUE(board().isSliding(movingSprite()));
    }
    int movingSprite() {
        for (const SpriteEntry& e : state.spriteTable)
            if (board().isSliding(e.sprite)) return e.sprite;
        return 0;
    }
    // The game that follows starts as a new game does and is played normally.
    void expectAFreshGameThatPlaysOn() {
        EXPECT_EQ(state.thinkThread, 0);
        EXPECT_FALSE(computer.isThinking());
        EXPECT_EQ(state.gameBoard, startFull);
        EXPECT_EQ(state.moveCount, 0);
        EXPECT_EQ(state.pieceMoving, 0);
        EXPECT_FALSE(thinkingLabelShown());
        const auto soundsBefore = sounds.played.size();
        // Whatever the dropped think or slide had queued is delivered now, and must find nothing.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(state.gameBoard, startFull);
        EXPECT_EQ(sounds.played.size(), soundsBefore);
        expectSpritesAgreeWithBoard(state, board());

        computer.capThinks(60, 0);
        pressMove(at("h7"), at("e7"));
        finishSlide();
        waitForComputerMove();
        finishSlide();
        EXPECT_EQ(state.moveCount, 2);
        expectSpritesAgreeWithBoard(state, board());
    }
};

TEST_F(DroppedGameTest, newGameWhileTheComputerThinksEndsTheThinkAndItsMoveNeverComes) {
    computerThinking();
    newGameWith({"我先走"});
    expectAFreshGameThatPlaysOn();
}

TEST_F(DroppedGameTest, newGameWhileTheComputersPieceSlidesDropsThatMoveWithoutASound) {
    computerMoveSliding();
    const auto soundsBefore = sounds.played.size();
    newGameWith({"我先走"});
    EXPECT_EQ(sounds.played.size(), soundsBefore);
    expectAFreshGameThatPlaysOn();
}

TEST_F(DroppedGameTest, flippingTheBoardDuringAThinkIsAllowedAndTheMoveSlidesInTheNewView) {
    computer.capThinks(300, 0);
    newGameWith({"电脑先走"});
    ASSERT_NE(state.thinkThread, 0);
    pressFlip();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.viewFlipped, 0);
    expectSpritesAgreeWithBoard(state, board());

    waitForComputerMove();
    const int sprite = movingSprite();
    ASSERT_NE(sprite, 0);
    ASSERT_EQ(moves.size(), 1u);
    const int to = moves.back().second;
    EXPECT_EQ(state.animTargetSquare, to);  // Red at the bottom again: shown where it stands
    finishSlide();
    EXPECT_EQ(board().spriteLeft(sprite), squareLeft(to));
    EXPECT_EQ(board().spriteTop(sprite), squareTop(to));
    expectSpritesAgreeWithBoard(state, board());  // the view is still Red at the bottom
    EXPECT_EQ(state.viewFlipped, 0);
}

}  // namespace
}  // namespace xq::testing
