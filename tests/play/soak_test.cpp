// The computer plays itself game after game at a tiny budget while presses, new games, flips
// and "重开" arrive at random; every game must stay consistent throughout.
#include <cstdlib>
#include <random>

#include "app_fixture.h"
#include "rules/movegen.h"

namespace xq::testing {
namespace {

// Steps of the soak: a few seconds' worth unless XQ_SOAK_STEPS asks for a longer run.
int soakSteps() {
    const char* text = std::getenv("XQ_SOAK_STEPS");
    const int steps = text ? std::atoi(text) : 0;
    return steps > 0 ? steps : 300;
}

class SoakTest : public AppTest {
  protected:
    SoakTest() {
        app.computer().capThinks(3, 1);
        watchMoves();
    }

    // Every move any window performs is checked against the position it is played in.
    void watchMoves() {
        app.mainWindow()->moveRecord().setObserver([this](const Board& before, int from, int to) {
            EXPECT_TRUE(isLegalMove(state().sideToMove, before, from, to))
                << "illegal move " << from << "-" << to;
            ++movesPlayed;
        });
    }

    template <typename T>
    T pick(std::initializer_list<T> choices) {
        return *(choices.begin() + std::uniform_int_distribution<int>(
                                       0, static_cast<int>(choices.size()) - 1)(random));
    }

    void newGame() {
        clickInWindow(pick({"我先走", "电脑先走", "不用电脑", "电脑对局", "电脑对局"}));
        clickInWindow(pick({"不让子", "让单马", "让双马"}));
        clickInWindow(pick({"黄金", "钻石", "大师", "王者"}));
        clickInWindow("新建对局");
        ++gamesStarted;
    }

    void pressAnywhere() {
        SpriteBoard& board = app.mainWindow()->spriteBoard();
        const QPoint p(std::uniform_int_distribution<int>(0, 520)(random),
                       std::uniform_int_distribution<int>(0, 576)(random));
        QTest::mouseClick(board.viewport(), pick({Qt::LeftButton, Qt::RightButton}), {},
                          board.mapFromScene(p));
    }

    // A person's legal move, by two presses, when a person is to move.
    void personMove() {
        MoveList list;
        generateMoves(state().sideToMove, state().gameBoard, list);
        std::vector<std::pair<int, int>> legal;
        for (int i = 0; i < list.count; ++i) {
            const int from = moveFrom(list.moves[i]), to = moveTo(list.moves[i]);
            if (isLegalMove(state().sideToMove, state().gameBoard, from, to))
                legal.emplace_back(from, to);
        }
        if (legal.empty()) return;
        const auto [from, to] =
            legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(random)];
        SpriteBoard& board = app.mainWindow()->spriteBoard();
        for (int square : {from, to}) {
            const int d = displaySquare(square, state().viewFlipped != 0);
            QTest::mouseClick(board.viewport(), Qt::LeftButton, {},
                              board.mapFromScene(squareLeft(d) + 28, squareTop(d) + 28));
        }
    }

    // Lets the game run on a little: a think ends or a piece arrives. On a person's turn
    // nothing is waited for.
    void letItRun() {
        const int before = movesPlayed;
        const int moving = state().pieceMoving;
        if (state().thinkThread != 0 || moving) {
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return movesPlayed != before || state().pieceMoving != moving; },
                ComputerWaitMs))
                << "the game stood still";
        }
        if (std::uniform_int_distribution<int>(0, 3)(random) != 0)
            app.mainWindow()->spriteBoard().finishRunningMoves();
        QCoreApplication::processEvents();
    }

    void checkConsistency() {
        if (!app.mainWindow() || state().pieceMoving || !started) return;
        expectSpritesAgreeWithBoard(state(), app.mainWindow()->spriteBoard());
    }

    std::mt19937 random{20260511};
    int movesPlayed = 0;
    int gamesStarted = 0;
    bool started = false;  // the current window has a game of its own
};

TEST_F(SoakTest, theComputerPlaysOnAmidRandomInputAndEveryGameStaysConsistent) {
    newGame();
    started = true;
    const int steps = soakSteps();
    for (int step = 0; step < steps; ++step) {
        const int action = std::uniform_int_distribution<int>(0, 99)(random);
        if (action < 55) {
            letItRun();
        } else if (action < 70) {
            pressAnywhere();
        } else if (action < 85) {
            personMove();
        } else if (action < 90) {
            newGame();
            started = true;
        } else if (action < 97) {
            clickInWindow("翻转按钮");
        } else {
            pressRestart();
            EXPECT_EQ(state().thinkThread, 0);
            EXPECT_FALSE(app.computer().isThinking());
            pressPlayAgain();
            watchMoves();
            started = false;
            newGame();
            started = true;
        }
        checkConsistency();
        if (state().gameOver) newGame();
        if (HasFailure()) {
            ADD_FAILURE() << "at step " << step;
            break;
        }
    }
    app.computer().stop();
    EXPECT_EQ(state().thinkThread, 0);
    EXPECT_FALSE(app.computer().isThinking());
    RecordProperty("moves", movesPlayed);
    RecordProperty("games", gamesStarted);
    std::printf("soak: %d steps, %d games, %d moves\n", steps, gamesStarted, movesPlayed);
}

}  // namespace
}  // namespace xq::testing
