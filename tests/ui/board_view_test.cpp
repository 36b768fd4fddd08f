// The board view: sprites in step with the game board, in either orientation, and the flip.
#include <QPlainTextEdit>

#include <map>
#include <utility>

#include "rules/start_layouts.h"
#include "ui/board_geometry.h"
#include "ui/sprite_templates.h"
#include "window_fixture.h"

namespace xq::testing {
namespace {

struct PointCase {
    const char* name;
    int x, y;
    int displaySquare;  // 0: no square
};

const PointCase pointCases[] = {
    {"LeftMarginHitsNothing", 10, 300, 0},
    {"RightMarginHitsNothing", 511, 300, 0},
    {"TopMarginHitsNothing", 300, 10, 0},
    {"BottomMarginHitsNothing", 300, 567, 0},
    {"FirstInnerPixelIsTheTopLeftSquare", 11, 11, 52},
    {"LastInnerPixelIsTheBottomRightSquare", 510, 566, 204},
    {"CentreOfRedKingsSquare", 231 + 28, 516 + 28, 200},
    {"CellEdgeBelongsToTheCellBelow", 100, 3 + 57, 69},
};

TEST(BoardGeometry, pressedPointsFallOnTheRightSquare) {
    for (const PointCase& c : pointCases)
        EXPECT_EQ(squareAtPoint(c.x, c.y), c.displaySquare) << c.name;
}

TEST(BoardGeometry, everySquareAndItsSpritePositionMapBothWays) {
    for (int s = 52; s <= 204; ++s) {
        if (s % 16 < 4 || s % 16 > 12) continue;
        EXPECT_EQ(squareOfSpriteAt(squareLeft(s), squareTop(s)), s);
        EXPECT_EQ(squareAtPoint(squareLeft(s) + 28, squareTop(s) + 28), s);
        EXPECT_EQ(displaySquare(displaySquare(s, true), true), s);
    }
    EXPECT_EQ(squareLeft(200), 231);
    EXPECT_EQ(squareTop(200), 516);
    EXPECT_EQ(squareTop(displaySquare(200, true)), 3);
}

class BoardViewTest : public WindowTest {
  protected:
    // Every piece of gameBoard has exactly one sprite of its own template at its pixels, and the
    // sprite table names exactly those sprites with their display squares.
    void expectSpritesMatchBoard() {
        const bool flipped = state.viewFlipped != 0;
        std::map<int, int> sprites;  // handle -> display square
        for (const SpriteEntry& e : state.spriteTable) sprites[e.sprite] = e.square;
        int pieces = 0;
        for (int s = 0; s < 256; ++s) {
            if (!state.gameBoard[s]) continue;
            ++pieces;
            const int d = displaySquare(s, flipped);
            int found = 0;
            for (auto [handle, square] : sprites) {
                if (square != d) continue;
                ++found;
                EXPECT_EQ(board().spriteLeft(handle), squareLeft(d)) << s;
                EXPECT_EQ(board().spriteTop(handle), squareTop(d)) << s;
                EXPECT_EQ(board().spriteTemplate(handle),
                          QString::fromUtf8(pieceTemplate(state.gameBoard[s])))
                    << s;
            }
            EXPECT_EQ(found, 1) << "square " << s;
        }
        EXPECT_EQ(static_cast<int>(state.spriteTable.size()), pieces);
    }

    int spriteOnSquare(int square) {
        const int d = displaySquare(square, state.viewFlipped != 0);
        for (const SpriteEntry& e : state.spriteTable)
            if (e.square == d) return e.sprite;
        return 0;
    }
};

TEST_F(BoardViewTest, setUpDrawsOneSpritePerPieceWithRedAtTheBottom) {
    window.boardView().setUpPieces(startFull);
    EXPECT_EQ(board().spriteCount(), 32);
    expectSpritesMatchBoard();
    const int king = spriteOnSquare(200);
    EXPECT_EQ(board().spriteLeft(king), 231);
    EXPECT_EQ(board().spriteTop(king), 516);
}

TEST_F(BoardViewTest, setUpDrawsOneSpritePerPieceWithBlackAtTheBottom) {
    state.viewFlipped = 1;
    window.boardView().setUpPieces(startLessTwoHorses);
    EXPECT_EQ(board().spriteCount(), 30);
    expectSpritesMatchBoard();
    const int king = spriteOnSquare(200);
    EXPECT_EQ(board().spriteLeft(king), 231);
    EXPECT_EQ(board().spriteTop(king), 3);
}

TEST_F(BoardViewTest, setUpListsSpritesInSquareOrderAndDropsCodesWithoutPicture) {
    Board start = startFull;
    start[120] = 15;  // no such piece
    window.boardView().setUpPieces(start);
    EXPECT_EQ(state.gameBoard[120], 0);
    EXPECT_EQ(board().spriteCount(), 32);
    for (std::size_t i = 1; i < state.spriteTable.size(); ++i)
        EXPECT_LT(state.spriteTable[i - 1].square, state.spriteTable[i].square);
}

TEST_F(BoardViewTest, setUpReplacesEveryOldSpriteAndMarker) {
    window.boardView().setUpPieces(startFull);
    window.boardView().showMarkers(200, 184);
    window.boardView().setUpPieces(startLessOneHorse);
    EXPECT_EQ(board().spriteCount(), 31);
    EXPECT_EQ(state.markerSprites[0], 0);
    EXPECT_EQ(state.markerSprites[1], 0);
}

TEST_F(BoardViewTest, markersStandOnTheirSquaresAndReplaceTheOldOnes) {
    window.boardView().setUpPieces(startFull);
    window.boardView().showMarkers(171, 168);
    const int from = state.markerSprites[0], to = state.markerSprites[1];
    EXPECT_EQ(board().spriteTemplate(from), QStringLiteral("光标"));
    EXPECT_EQ(board().spriteLeft(to), squareLeft(168));
    EXPECT_EQ(board().spriteTop(to), squareTop(168));
    window.boardView().showMarkers(203, 0);
    EXPECT_EQ(board().spriteTemplate(from), QString());  // the old ones are gone
    EXPECT_EQ(board().spriteLeft(state.markerSprites[0]), squareLeft(203));
    EXPECT_EQ(state.markerSprites[1], 0);
    EXPECT_EQ(board().spriteCount(), 33);
}

TEST_F(BoardViewTest, flipTurnsPiecesLabelsAndFileNumbersRound) {
    pressNewGame();
    window.boardView().showMarkers(200, 0);
    pressFlip();
    EXPECT_EQ(state.viewFlipped, 1);
    expectSpritesMatchBoard();
    EXPECT_EQ(state.markerSprites[0], 0);
    EXPECT_EQ(labelText("上位标签"),
              QStringLiteral("一     二     三     四      五     六     七     八     九"));
    EXPECT_EQ(labelText("下位标签"),
              QStringLiteral("９     ８     ７     ６      ５     ４     ３     ２     １"));
    EXPECT_EQ(control("标签1")->geometry(), QRect(8, 112, 112, 24));  // Red now at the top
    EXPECT_EQ(control("上总时标签")->geometry(), QRect(8, 168, 112, 24));
    EXPECT_EQ(control("标签2")->geometry(), QRect(8, 480, 112, 24));
    EXPECT_EQ(control("下步时标签")->geometry(), QRect(8, 512, 112, 24));

    pressFlip();
    EXPECT_EQ(state.viewFlipped, 0);
    expectSpritesMatchBoard();
    EXPECT_EQ(labelText("上位标签"),
              QStringLiteral("１     ２     ３     ４      ５     ６     ７     ８     ９"));
    EXPECT_EQ(labelText("下位标签"),
              QStringLiteral("九     八     七     六      五     四     三     二     一"));
    EXPECT_EQ(control("标签1")->geometry(), QRect(8, 480, 112, 24));
    EXPECT_EQ(control("下总时标签")->geometry(), QRect(8, 168, 112, 24));
}

TEST_F(BoardViewTest, flipKeepsTheSelectionAndTheGameBoard) {
    pressNewGame();
    state.selectedSquare = 203;
    const Board before = state.gameBoard;
    pressFlip();
    EXPECT_EQ(state.selectedSquare, 203);
    EXPECT_EQ(state.gameBoard, before);
}

TEST_F(BoardViewTest, flipWhileAPieceSlidesShowsTheMessageAndChangesNothing) {
    pressNewGame();
    window.moveRecord().performMove(171, 168);
    ASSERT_EQ(state.pieceMoving, 1);
    const auto table = state.spriteTable;
    const auto markers = state.markerSprites;
    const QString above = labelText("上位标签");

    pressFlip();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], QStringLiteral("正在走子，无法翻转！"));
    EXPECT_EQ(state.viewFlipped, 0);
    EXPECT_EQ(state.markerSprites, markers);
    EXPECT_EQ(labelText("上位标签"), above);
    EXPECT_EQ(control("标签1")->geometry(), QRect(8, 480, 112, 24));
    ASSERT_EQ(state.spriteTable.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(state.spriteTable[i].sprite, table[i].sprite);
        EXPECT_EQ(state.spriteTable[i].square, table[i].square);
    }
    EXPECT_TRUE(board().isSliding(spriteOnSquare(168)));
}

TEST_F(BoardViewTest, newGameDropsASlidingPieceWithoutAnArrival) {
    // The new game may come while the piece slides, or after it arrived but before the board's
    // report of it has been delivered.
    for (bool arrivedFirst : {false, true}) {
        SCOPED_TRACE(arrivedFirst ? "arrived, report pending" : "still sliding");
        pressNewGame();
        QSignalSpy arrived(&board(), &SpriteBoard::autoMoveStopped);
        window.moveRecord().performMove(171, 168);
        if (arrivedFirst) board().finishRunningMoves();
        pressNewGame();
        board().finishRunningMoves();
        QCoreApplication::processEvents();
        EXPECT_EQ(arrived.count(), 0);
        EXPECT_EQ(state.pieceMoving, 0);
        EXPECT_EQ(state.gameBoard[171], RedCannon);
        expectSpritesMatchBoard();
    }
}

}  // namespace
}  // namespace xq::testing
