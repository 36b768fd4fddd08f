// Playing through the real window: clicks on the set-up buttons and on the board's squares, and
// waits for the computer and for sliding pieces, never for a fixed time.
#pragma once

#include <QPlainTextEdit>
#include <QPointF>
#include <QStringList>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "rules/legality.h"
#include "tests/support/positions.h"
#include "ui/board_geometry.h"
#include "ui/sprite_templates.h"
#include "window_fixture.h"

namespace xq::testing {

// A square by file letter and rank as the board is written down: "a0" is Black's left corner
// (Red's view), "i9" Red's right corner.
constexpr int at(const char name[3]) {
    return (3 + (name[1] - '0')) * 16 + 4 + (name[0] - 'a');
}

// Long enough for a think of the capped budget on a slow, instrumented build.
constexpr int ComputerWaitMs = 30000;

// Everything that must hold between moves: one sprite per piece on its display square and in
// its place, with the picture of that piece, and nothing else on the board but the markers.
inline void expectSpritesAgreeWithBoard(const GameState& state, const SpriteBoard& board) {
    int pieces = 0;
    for (int s = 0; s < 256; ++s) {
        if (state.gameBoard[s] == 0) continue;
        ++pieces;
        const int d = displaySquare(s, state.viewFlipped != 0);
        const auto entry = std::find_if(state.spriteTable.begin(), state.spriteTable.end(),
                                        [&](const SpriteEntry& e) { return e.square == d; });
        ASSERT_NE(entry, state.spriteTable.end()) << "no sprite for the piece on " << s;
        EXPECT_EQ(board.spriteTemplate(entry->sprite),
                  QString::fromUtf8(pieceTemplate(state.gameBoard[s])))
            << "square " << s;
        EXPECT_EQ(board.spriteLeft(entry->sprite), squareLeft(d)) << "square " << s;
        EXPECT_EQ(board.spriteTop(entry->sprite), squareTop(d)) << "square " << s;
    }
    EXPECT_EQ(static_cast<int>(state.spriteTable.size()), pieces);
    const int markers = (state.markerSprites[0] != 0) + (state.markerSprites[1] != 0);
    EXPECT_EQ(board.spriteCount(), pieces + markers);
}

// Whether moving the piece on `from` to `to` is a legal move of `side` on `board`.
inline bool isLegalMove(int side, const Board& board, int from, int to) {
    const Piece piece = board[from];
    if (side == Red ? !isRed(piece) : !isBlack(piece)) return false;
    if (!isPseudoLegalMove(from + 256 * to, board)) return false;
    Board after = board;
    after[to] = after[from];
    after[from] = 0;
    return !isKingAttacked(side, after);
}

class PlayTest : public WindowTest {
  protected:
    PlayTest() {
        computer.capThinks(60, 0);
        // Every move performed, the person's or the computer's, must be legal.
        window.moveRecord().setObserver([this](const Board& before, int from, int to) {
            EXPECT_TRUE(isLegalMove(state.sideToMove, before, from, to)) << from << "-" << to;
            moves.emplace_back(from, to);
        });
    }
    ~PlayTest() override { computer.stop(); }

    void click(const char* name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    bool isChecked(const char* name) { return control<QAbstractButton>(name)->isChecked(); }

    // A new game with the given radio buttons checked first.
    void newGameWith(std::initializer_list<const char*> choices) {
        for (const char* name : choices) click(name);
        pressNewGame();
    }

    // A game of the chosen kind from any position, Red to move.
    void setUpGame(const char* position, bool computerRed = false, bool computerBlack = false) {
        pressNewGame();  // a game in this window, so that its board takes presses
        window.game().resetGame(false, computerRed, computerBlack, fen(position).board);
    }

    QPoint pointOf(int square) {
        const int d = displaySquare(square, state.viewFlipped != 0);
        return board().mapFromScene(
            QPointF(squareLeft(d) + CellSize / 2.0, squareTop(d) + CellSize / 2.0));
    }
    void pressSquare(int square, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(board().viewport(), button, {}, pointOf(square));
    }
    // A person's move: a press on the piece, a press on its target.
    void pressMove(int from, int to, Qt::MouseButton button = Qt::LeftButton) {
        pressSquare(from, button);
        pressSquare(to, button);
    }

    // Lets a sliding piece arrive at once and waits until its move has been finished.
    void finishSlide() {
        board().finishRunningMoves();
        ASSERT_TRUE(QTest::qWaitFor([&] { return state.pieceMoving == 0; }, 5000));
    }
    // Waits until the computer has performed its move (its piece then slides); the move before
    // it has been finished.
    void waitForComputerMove() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return state.thinkThread == 0 && state.pieceMoving; },
                                    ComputerWaitMs));
    }

    QStringList panelLines() {
        const QString text = control<QPlainTextEdit>("思考展示框")->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    QString caption() { return labelText("电脑思考标签"); }
    bool thinkingLabelShown() { return control("电脑思考标签")->isVisible(); }
    std::vector<std::pair<int, int>> moves;  // as performed

    bool anyClockRunning() {
        for (const char* name : {"上方时钟", "上方时钟1", "下方时钟", "下方时钟1"})
            if (timer(name)->isRunning()) return true;
        return false;
    }
};

}  // namespace xq::testing
