// The end of a game: mate, a side left without a move, and bare material after a capture.
#include "play_fixture.h"

namespace xq::testing {
namespace {

struct EndCase {
    const char* name;
    const char* position;                    // Red to move
    std::vector<std::pair<int, int>> moves;  // the last one ends the game
    const char* caption;
    const char* message;
    Sound clip;
};

const EndCase endCases[] = {
    {"redMatesWithTwoChariots",
     "3k5/R8/9/9/9/9/9/9/9/4K3R w",
     {{at("i9"), at("i0")}},
     "红胜",
     "红方胜利,请重新建立对局",
     Sound::Check},
    {"blackMatesAfterRedsKingStepsAside",
     "3k4r/9/9/9/9/9/9/9/r8/4K4 w",
     {{at("e9"), at("f9")}, {at("i0"), at("i9")}},
     "黑胜",
     "黑方胜利,请重新建立对局",
     Sound::Check},
    {"blackWithoutAMoveButNotInCheckLoses",
     "3k5/9/9/3P5/9/9/9/9/9/4K4 w",
     {{at("d3"), at("d2")}},
     "红胜",
     "红方胜利,请重新建立对局",
     Sound::Move},
    {"redWithoutAMoveButNotInCheckLoses",
     "4k4/9/9/9/9/9/9/2p6/3K5/9 w",
     {{at("d8"), at("d9")}, {at("c7"), at("d7")}},
     "黑胜",
     "黑方胜利,请重新建立对局",
     Sound::Move},
    {"kingTakingTheLastPawnLeavesADraw",
     "3k5/9/9/9/9/9/9/9/4p4/3AK4 w",
     {{at("e9"), at("e8")}},
     "和棋",
     "双方和棋,请重新建立对局",
     Sound::Capture},
};

void PrintTo(const EndCase& c, std::ostream* out) {
    *out << c.name;
}

class GameEndTest : public PlayTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(GameEndTest, endsWithItsCaptionMessageAndClipAndEverythingStandsStill) {
    const EndCase& c = GetParam();
    setUpGame(c.position);
    for (auto [from, to] : c.moves) {
        ASSERT_EQ(state.gameOver, 0);
        pressMove(from, to);
        ASSERT_EQ(state.pieceMoving, 1) << "move " << from << "-" << to << " was not made";
        finishSlide();
    }
    EXPECT_EQ(state.gameOver, 1);
    EXPECT_EQ(caption(), QString::fromUtf8(c.caption));
    EXPECT_TRUE(thinkingLabelShown());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], QString::fromUtf8(c.message));
    EXPECT_EQ(sounds.played.back(), c.clip);
    EXPECT_FALSE(anyClockRunning());
    expectSpritesAgreeWithBoard(state, board());

    // The board takes no more presses; the flip still works; a new game starts afresh.
    const Board final = state.gameBoard;
    for (int s = 52; s <= 204; s += 9) pressSquare(s);
    EXPECT_EQ(state.selectedSquare, 0);
    EXPECT_EQ(state.gameBoard, final);
    pressFlip();
    EXPECT_EQ(state.viewFlipped, 1);
    newGameWith({"不用电脑"});
    EXPECT_EQ(state.gameOver, 0);
    EXPECT_FALSE(thinkingLabelShown());
    EXPECT_TRUE(timer("上方时钟")->isRunning());
}

INSTANTIATE_TEST_SUITE_P(Results, GameEndTest, ::testing::ValuesIn(endCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayTest, aMoveWithoutACaptureNeverEndsTheGameOnMaterial) {
    setUpGame("3k5/9/9/9/9/9/9/9/9/3AK4 w");  // already bare, but nothing is taken
    pressMove(at("e9"), at("e8"));
    finishSlide();
    EXPECT_EQ(state.gameOver, 0);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace xq::testing
